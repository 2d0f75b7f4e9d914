#include "protocol/version3/Version3.h"

#include "i18n/Dictionary.h"
#include "link/PortInfo.h"
#include "protocol/DecoderHost.h"
#include "protocol/HubFrames.h"
#include "protocol/PacketAssembly.h"
#include "shell/Theme.h"

namespace {

const char ReplyMarker[] = {'\x3E', '\x10'};
constexpr qint64 HeadSize = 4; // marker, type and the first body byte
constexpr qint64 SlotCount = 3;
constexpr qint64 SlotBlockSize = 16;
constexpr qint64 SearchItemSize = 8;

using namespace HubFrames;
constexpr quint8 CommandResult = Command;
constexpr quint8 SearchResult = Search;

// Hours are not wrapped at 24: 90000 s → 25:00:00.
QString ElapsedText(quint32 seconds)
{
    return QString::asprintf("%2.2u:%2.2u:%2.2u", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

QString SensorKindName(quint8 kind)
{
    switch (kind) {
    case 1:
        return QStringLiteral("LLS");
    case 2:
        return QStringLiteral("Bridge");
    case 3:
        return QStringLiteral("Escort");
    case 4:
        return QStringLiteral("Thermo");
    default:
        return QStringLiteral("type #") + QString::number(kind);
    }
}

} // namespace

TVersion3::TVersion3(TReceiveState &receive, TDecoderHost &host)
    : m_receive(receive)
    , m_host(host)
{
}

void TVersion3::AssembleVersion3(qint64 rawIndex)
{
    if (rawIndex < 0 || rawIndex >= m_receive.RawChunks.size())
        return;
    const TPacket chunk = m_receive.RawChunks[rawIndex];
    const qint64 chunkEnd = chunk.Position + chunk.Size;
    const qint64 bufferEnd = m_receive.Buffer.Size();
    TPacketArray &packets = m_receive.Version3Packets;
    if (!BeginChunk(packets, chunk))
        return;
    for (;;) {
        const TPacket last = packets.constLast();
        const qint64 marker =
            m_receive.Buffer.ArrayPosition(last.Position, last.Size, ReplyMarker, 2);
        if (marker < 0)
            return;
        if (marker != last.Position) {
            // The bytes before the marker stay an entry of their own.
            SplitLastEntry(packets, chunk, marker);
            continue;
        }
        if (marker + HeadSize > chunkEnd)
            return;
        // A frame is complete only within this chunk, also when chunks are replayed: its length
        // comes from bytes of its own, so a search result waits for all the sensors it counts.
        const qint64 length = HubFrames::ReplyLength(m_receive.Buffer.AsByte(marker + 2),
                                                     m_receive.Buffer.AsByte(marker + 3));
        const qint64 frameEnd = marker + length;
        if (frameEnd > chunkEnd)
            return;
        packets.last().Size = length;
        packets.last().State = TPacket::Received;
        // Decoding may write a request, which moves the end of the data: look before.
        const bool lastReceived = frameEnd == bufferEnd;
        DecodeVersion3(packets.size() - 1);
        if (lastReceived) {
            // The hub has answered: the next queued request may go out.
            if (TPortInfo *device = m_host.Q())
                device->InnerSend();
            return;
        }
        AppendChunkRest(packets, chunk, frameEnd);
    }
}

void TVersion3::DecodeVersion3(qint64 index)
{
    TPacketArray &packets = m_receive.Version3Packets;
    if (index < 0 || index >= packets.size() || packets[index].State != TPacket::Received)
        return;
    const TPacket entry = packets[index];
    const quint8 type = m_receive.Buffer.AsByte(entry.Position + 2);
    if (entry.Size < HubFrames::ReplyLength(type, m_receive.Buffer.AsByte(entry.Position + 3)))
        return; // not a whole frame: nothing in it can be trusted to lie inside the entry
    const auto take = [&packets, index] { packets[index].State = TPacket::Recognised; };
    // The state is set first: decoding may write requests, which the send path logs here.
    switch (type) {
    case MasterInfo:
        take();
        DecodeMaster(entry.Position);
        break;
    case SlotSettings:
        take();
        DecodeSlots(entry.Position);
        break;
    case SlotWrite:
    case SensorWrite:
    case CommandResult:
        take();
        ShowResult(m_receive.Buffer.AsByte(entry.Position + 3));
        break;
    case SensorState:
        if (DecodeSensorState(index))
            take();
        break;
    case SearchResult:
        take();
        DecodeSearch(entry.Position);
        break;
    default:
        break;
    }
}

void TVersion3::Send(const QString &ident, const Variant &value) const
{
    m_host.VisualSetValue(ident, value, QString(), ElementGreen);
}

void TVersion3::DecodeMaster(qint64 frame) const
{
    const TMemoryStreamEx &b = m_receive.Buffer;
    if (TPortInfo *device = m_host.Q())
        device->SetDeviceName(b.AsHEX(frame + 3, 6, QByteArray(), false));
    Send(QStringLiteral("master_1"), b.AsHEX(frame + 3, 6, " ", true));
    Send(QStringLiteral("master_2"), QString::fromLatin1(b.AsText(frame + 9, 4)));
    Send(QStringLiteral("master_3"), qint32(b.AsByte(frame + 13)));
    Send(QStringLiteral("master_4"), ElapsedText(b.AsCardinal(frame + 14)));
}

void TVersion3::DecodeSlots(qint64 frame) const
{
    const TMemoryStreamEx &b = m_receive.Buffer;
    const auto block = [frame](int slot) { return frame + 3 + SlotBlockSize * (slot - 1); };
    const auto sendBoth = [this](int slot, int field, const Variant &value) {
        const QString suffix = QString::number(slot) + u'_' + QString::number(field);
        Send(QStringLiteral("master_") + suffix, value);
        Send(QStringLiteral("sensor_") + suffix, value);
    };
    for (int slot = 1; slot <= SlotCount; ++slot)
        sendBoth(slot, 1, b.AsHEX(block(slot), 6, " ", true));
    for (int slot = 1; slot <= SlotCount; ++slot)
        sendBoth(slot, 2, qint32(b.AsByte(block(slot) + 6)));
    for (int slot = 1; slot <= SlotCount; ++slot)
        sendBoth(slot, 3, qint32(b.AsByte(block(slot) + 7)));

    // Read what each slot's sensor reports; the queue writes one request per reply.
    if (TPortInfo *device = m_host.Q()) {
        for (char slot = 0; slot < SlotCount; ++slot)
            device->SendAnsiString(AppendCrc8(QByteArray("\x31\x10\xB4", 3) + slot));
    }
}

void TVersion3::ShowResult(quint8 code) const
{
    static const char16_t *const errors[] = {
        u"mes_ERROR_NOT_SUPPROTED", u"mes_ERROR_INVALID_HANDLE", u"mes_ERROR_INTERNAL",
        u"mes_ERROR_NOT_CONNECTED", u"mes_ERROR_NOT_FOUND",      u"mes_ERROR_SIZE"};
    if (code == 0)
        m_host.MainHintShow(1, Translate(m_host.Language(), QStringLiteral("mes_SUCCESS")));
    else if (code >= 250)
        m_host.MainHintShow(0,
                            Translate(m_host.Language(), QString::fromUtf16(errors[code - 250])));
}

bool TVersion3::DecodeSensorState(qint64 index) const
{
    if (index == 0)
        return false;
    const TPacket request = m_receive.Version3Packets[index - 1];
    // The request 31 10 B4 slot crc; its slot index is byte 3.
    if (request.State != TPacket::Sent || request.Size < 4)
        return false;
    const quint8 slotIndex = m_receive.Buffer.AsByte(request.Position + 3);
    if (slotIndex > 3)
        return false;
    const TMemoryStreamEx &b = m_receive.Buffer;
    const qint64 frame = m_receive.Version3Packets[index].Position;
    const QString prefix = QStringLiteral("sensor_") + QString::number(slotIndex + 1) + u'_';
    Send(prefix + u'4', qint32(b.AsByte(frame + 3)));
    Send(prefix + u'5', qint32(b.AsWord(frame + 4)));
    Send(prefix + u'6', qint32(b.AsWord(frame + 6)));
    Send(prefix + u'7', b.AsCardinal(frame + 8));
    Send(prefix + u'8', b.AsCardinal(frame + 12));
    return true;
}

void TVersion3::DecodeSearch(qint64 frame) const
{
    const TMemoryStreamEx &b = m_receive.Buffer;
    const bool listed = m_host.ClearSensorResults();
    const quint8 count = b.AsByte(frame + 3);
    if (count == 0)
        m_host.MainHintShow(0, Translate(m_host.Language(), QStringLiteral("mes_sensornotfound")));
    if (!listed)
        return;
    for (int i = 0; i < count; ++i) {
        const qint64 item = frame + 4 + SearchItemSize * i;
        const QString ident = QStringLiteral("FindResultSensors") + QString::number(i);
        const QString kind = SensorKindName(b.AsByte(item));
        m_host.AddSensorResult(ident, kind);
        Send(ident, b.AsHEX(item + 1, 6, " ", true));
        m_host.SetItemCaption(ident, kind + QStringLiteral(" / ") +
                                         QString::number(b.AsShortInt(item + 7)) +
                                         QStringLiteral(" dB"));
    }
}
