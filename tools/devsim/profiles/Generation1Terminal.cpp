#include "profiles/Generation1Terminal.h"

#include "protocol/MyTypes.h"

#include <QDateTime>

namespace {

// A reboot keeps the terminal silent this many seconds.
constexpr int RebootSeconds = 2;
// A firmware request without an answer for this long is asked again.
constexpr int FirmwareAnswerSeconds = 3;

const QByteArray SettingsWriteMarker = "*CONF*";
const QByteArray ServiceMarker = "*SERV*";

// What the modem's own log shows while the log is switched on, a few lines a second.
const QList<QByteArray> ModemLog{
    "+CREG: 1,1",       "+CSQ: 21,0", "+CGATT: 1",      "AT+CIPSTATUS", "STATE: CONNECT OK",
    "AT+CIPSEND=0,152", "SEND OK",    "+CIPRXGET: 1,0", "+CGREG: 1,1",  "+COPS: 0,2,\"25001\",7"};

} // namespace

Generation1Terminal::Generation1Terminal(Generation1Identity identity, SettingsStore &settings,
                                         Faults &faults, quint64 seed, QObject *parent)
    : Terminal(parent)
    , m_records(std::move(identity))
    , m_settings(settings)
    , m_faults(faults)
    , m_vehicle(seed)
{
}

void Generation1Terminal::receive(const QByteArray &bytes)
{
    if (m_rebootSilence > 0)
        return;
    if (m_firmware) {
        continueFirmwareUpload(m_firmware->receive(bytes));
        return;
    }
    for (const QByteArray &line : m_lines.feed(bytes)) {
        if (m_firmware) // the rest of the chunk belongs to the upload
            break;
        if (!m_faults.dropRequest())
            handleLine(line);
    }
}

void Generation1Terminal::tick()
{
    ++m_second;
    m_vehicle.advance();
    m_storage.advance();
    if (m_rebootSilence > 0) {
        if (--m_rebootSilence == 0) {
            m_uptime = 0;
            ++m_resets;
        }
        return;
    }
    ++m_uptime;
    if (m_firmware)
        watchFirmwareUpload();
    else
        sendRound();
}

void Generation1Terminal::handleLine(const QByteArray &line)
{
    if (line == ">I 0") {
        sendLines(m_records.identityLines());
    } else if (line == ">I 7") {
        Q_EMIT send(m_records.typeLine());
    } else if (line.startsWith(">UNIX=")) {
        m_clockOffset = line.mid(6).toLongLong() - QDateTime::currentSecsSinceEpoch();
    } else if (line.startsWith(">D ")) {
        const QList<QByteArray> arguments = line.mid(3).split(';');
        handleService(arguments.value(0).toInt(), arguments.value(1));
    } else if (const qsizetype marker = line.indexOf(SettingsWriteMarker); marker >= 0) {
        writeSettings(line.left(marker), line.mid(marker + SettingsWriteMarker.size()));
    } else if (const qsizetype marker = line.indexOf(ServiceMarker); marker >= 0) {
        switchOutput(line.left(marker), line.mid(marker + ServiceMarker.size()));
    }
}

void Generation1Terminal::handleService(int code, const QByteArray &argument)
{
    switch (code) {
    case 1: // reboot
        m_rebootSilence = RebootSeconds;
        m_lines.clear();
        break;
    case 3:
        startFirmwareUpload();
        break;
    case 8:
        m_storage.clear();
        break;
    case 9:
        m_modemLog = argument == "1";
        break;
    case 15:
        sendSettings();
        break;
    case 18:
        sendMemoryBlock(argument);
        break;
    default: // updates over the network, test packets: taken without an answer
        break;
    }
}

void Generation1Terminal::writeSettings(const QByteArray &password, const QByteArray &base64)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    const bool written =
        password == m_settings.password() && decoded && m_settings.applyImage(*decoded);
    Q_EMIT send(Generation1Records::line("SR", {written ? "1" : "0"}));
}

void Generation1Terminal::switchOutput(const QByteArray &password, const QByteArray &command)
{
    // "8.0.<state>" switches output 0.
    if (password != m_settings.password() || !command.startsWith("8.0."))
        return;
    m_outputs = (m_outputs & ~1) | (command.mid(4) == "1" ? 1 : 0);
}

void Generation1Terminal::sendSettings()
{
    // The configurator drops the value's first and last characters before the Base64 text.
    const QByteArray value = '"' + m_settings.image().toBase64() + '"';
    Q_EMIT send(Generation1Records::line("SF", {value}));
}

void Generation1Terminal::sendMemoryBlock(const QByteArray &argument)
{
    bool isNumber = false;
    const int number = argument.toInt(&isNumber);
    if (!isNumber || !m_storage.holdsBlock(number))
        return;
    QByteArray block = m_storage.block(number);
    const quint16 check = Crc16(block.constData(), block.size());
    m_faults.maybeCorrupt(block);
    block.append(char(check >> 8)).append(char(check & 0xFF));
    const QByteArray value = QByteArray::number(number) + ',' +
                             QByteArray::number(StorageModel::BlockSize) + ",\"" +
                             block.toBase64() + '"';
    Q_EMIT send(Generation1Records::line("FD", {value}));
}

void Generation1Terminal::startFirmwareUpload()
{
    m_firmware.emplace(m_faults);
    m_silentSinceAnswer = 0;
    Q_EMIT send(m_firmware->firstRequest(), Delivery::WholeChunk);
}

void Generation1Terminal::continueFirmwareUpload(const std::optional<QByteArray> &request)
{
    if (request) {
        m_silentSinceAnswer = 0;
        Q_EMIT send(*request, Delivery::WholeChunk);
    } else if (m_firmware->isComplete()) {
        Q_EMIT firmwareReceived(m_firmware->image());
        m_firmware.reset();
    } else if (m_firmware->hasGivenUp()) {
        m_firmware.reset();
    }
}

void Generation1Terminal::watchFirmwareUpload()
{
    if (++m_silentSinceAnswer >= FirmwareAnswerSeconds)
        continueFirmwareUpload(m_firmware->repeat());
}

void Generation1Terminal::sendRound()
{
    Generation1Status status;
    status.deviceTime = QDateTime::currentSecsSinceEpoch() + m_clockOffset;
    status.uptime = m_uptime;
    status.second = m_second;
    status.outputs = m_outputs;
    status.resets = m_resets;
    sendLines(m_records.round(m_vehicle, m_storage, status));
    if (m_modemLog) {
        for (int i = 0; i < 2; ++i)
            Q_EMIT send(ModemLog[(m_second * 2 + i) % ModemLog.size()] + "\r\n");
    }
}

void Generation1Terminal::sendLines(const QList<QByteArray> &lines)
{
    for (const QByteArray &line : lines)
        Q_EMIT send(line);
}
