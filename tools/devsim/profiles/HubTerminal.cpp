#include "profiles/HubTerminal.h"

#include "protocol/HubFrames.h"
#include "protocol/MyTypes.h"

#include <QtEndian>

namespace {

const QByteArray RequestStart = QByteArray::fromHex("3110");
const QByteArray ReplyStart = QByteArray::fromHex("3E10");
// As the configurator shows it: C0 FF EE 12 34 56.
const QByteArray MasterAddress = QByteArray::fromHex("563412EEFFC0");
const QByteArray FirmwareVersion = "2.14";

template <typename T>
T littleEndianAt(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

QByteArray littleEndian(quint32 value, int size)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes.left(size);
}

} // namespace

HubTerminal::HubTerminal(QList<FoundSensor> found, Faults &faults, QObject *parent)
    : Terminal(parent)
    , m_found(std::move(found))
    , m_faults(faults)
{
    m_slots[0].address = QByteArray::fromHex("F6E5D4C3B2A1");
    m_slots[0].networkAddress = 1;
    m_slots[0].sensorType = 1;
    m_slots[0].bottomLevel = 120;
    m_slots[0].fullCount = 3905;
    m_slots[0].emptyCount = 118;
    m_slots[1].address = QByteArray::fromHex("060504030201");
    m_slots[1].networkAddress = 2;
    m_slots[1].sensorType = 4;
}

int HubTerminal::requestLength(quint8 type)
{
    switch (type) {
    case MasterInfo:
    case SlotSettings:
    case Search:
        return 4;
    case SensorState:
        return 5;
    case Command:
        return 6;
    case SlotWrite:
        return 21;
    case SensorWrite:
        return 37;
    default:
        return 0;
    }
}

void HubTerminal::receive(const QByteArray &bytes)
{
    m_pending.append(bytes);
    for (;;) {
        const qsizetype start = m_pending.indexOf(RequestStart);
        if (start < 0) {
            // Keep a last 0x31: it may be the first half of the next start marker.
            m_pending = m_pending.endsWith(RequestStart[0]) ? RequestStart.left(1) : QByteArray();
            return;
        }
        m_pending.remove(0, start);
        if (m_pending.size() < 3)
            return;
        const int length = requestLength(quint8(m_pending[2]));
        if (length > 0 && m_pending.size() < length)
            return;
        const QByteArray request = m_pending.left(length);
        if (length == 0 || Crc8(request.left(length - 1)) != quint8(request[length - 1])) {
            // Not a request after all: look for the next marker past this one.
            m_pending.remove(0, 1);
            continue;
        }
        m_pending.remove(0, length);
        if (!m_faults.dropRequest())
            answer(request);
    }
}

void HubTerminal::answer(const QByteArray &request)
{
    const quint8 type = quint8(request[2]);
    switch (type) {
    case MasterInfo:
        Q_EMIT send(masterInfo());
        break;
    case SlotSettings:
        Q_EMIT send(slotSettings());
        break;
    case SensorState:
        Q_EMIT send(sensorState(quint8(request[3])));
        break;
    case SlotWrite:
        Q_EMIT send(writeSlot(request));
        break;
    case SensorWrite:
        Q_EMIT send(writeSensor(request));
        break;
    case Command:
        Q_EMIT send(command(request));
        break;
    case Search:
        Q_EMIT send(search());
        break;
    }
}

QByteArray HubTerminal::masterInfo() const
{
    QByteArray body = MasterAddress + FirmwareVersion + char(Slots) + littleEndian(m_uptime, 4);
    return reply(MasterInfo, body);
}

QByteArray HubTerminal::slotSettings() const
{
    QByteArray body;
    for (const Slot &slot : m_slots)
        body +=
            slot.address + char(slot.networkAddress) + char(slot.sensorType) + QByteArray(8, '\0');
    return reply(SlotSettings, body);
}

QByteArray HubTerminal::sensorState(quint8 index) const
{
    // This reply has no room for an error code: an unknown slot reads as all zero.
    if (index >= Slots)
        return reply(SensorState, QByteArray());
    const Slot &slot = m_slots[index];
    const QByteArray body = char(slot.filterDepth) + littleEndian(slot.topLevel, 2) +
                            littleEndian(slot.bottomLevel, 2) + littleEndian(slot.fullCount, 4) +
                            littleEndian(slot.emptyCount, 4);
    return reply(SensorState, body);
}

QByteArray HubTerminal::writeSlot(const QByteArray &request)
{
    const quint8 index = quint8(request[3]);
    if (index >= Slots)
        return reply(SlotWrite, QByteArray(1, char(InvalidHandle)));
    Slot &slot = m_slots[index];
    slot.address = request.mid(4, 6);
    slot.networkAddress = quint8(request[10]);
    slot.sensorType = quint8(request[11]);
    return reply(SlotWrite, QByteArray(1, char(Success)));
}

QByteArray HubTerminal::writeSensor(const QByteArray &request)
{
    const quint8 index = quint8(request[3]);
    if (index >= Slots)
        return reply(SensorWrite, QByteArray(1, char(InvalidHandle)));
    Slot &slot = m_slots[index];
    slot.filterDepth = quint8(request[4]);
    slot.topLevel = littleEndianAt<quint16>(request, 5);
    slot.bottomLevel = littleEndianAt<quint16>(request, 7);
    slot.fullCount = littleEndianAt<quint32>(request, 9);
    slot.emptyCount = littleEndianAt<quint32>(request, 13);
    return reply(SensorWrite, QByteArray(1, char(Success)));
}

QByteArray HubTerminal::command(const QByteArray &request)
{
    const quint16 code = quint16((quint8(request[3]) << 8) | quint8(request[4]));
    if (code == 0x0001) // reboot
        m_uptime = 0;
    // The byte after the result echoes the command's low byte.
    return reply(Command, QByteArray(1, char(Success)) + request[4]);
}

QByteArray HubTerminal::search() const
{
    QByteArray body(1, char(m_found.size()));
    for (const FoundSensor &sensor : m_found)
        body += char(sensor.kind) + sensor.address + char(sensor.signalDb);
    return reply(Search, body);
}

QByteArray HubTerminal::reply(quint8 type, const QByteArray &body) const
{
    // Bodies leave their reserved tail out; it is zero up to the check byte.
    const int length = int(HubFrames::ReplyLength(type, type == Search ? quint8(body[0]) : 0));
    QByteArray frame = ReplyStart + char(type) + body;
    frame.append(QByteArray(length - 1 - frame.size(), '\0'));
    return AppendCrc8(frame);
}
