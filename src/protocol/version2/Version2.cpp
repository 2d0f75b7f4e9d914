#include "protocol/version2/Version2.h"

#include "i18n/Dictionary.h"
#include "protocol/DecoderHost.h"
#include "protocol/DeviceTexts.h"
#include "protocol/PacketAssembly.h"
#include "shell/Theme.h"

#include <cmath>
#include <limits>

namespace {

const char FrameMarker[] = {'\x55', '\xAA'};
constexpr qint64 HeaderSize = 8;  // marker, type, payload length
constexpr qint64 TrailerSize = 2; // not interpreted

struct TRecordType
{
    quint32 Type;
    qint64 PayloadSize; // bytes the fields need after the header
    void (TVersion2::*Decode)(qint64 frame) const;
};

} // namespace

TVersion2::TVersion2(TReceiveState &receive, TDecoderHost &host)
    : m_receive(receive)
    , m_host(host)
{
}

void TVersion2::AssembleVersion2(qint64 rawIndex)
{
    if (rawIndex < 0 || rawIndex >= m_receive.RawChunks.size())
        return;
    const TPacket chunk = m_receive.RawChunks[rawIndex];
    const qint64 chunkEnd = chunk.Position + chunk.Size;
    TPacketArray &packets = m_receive.Version2Packets;
    if (!BeginChunk(packets, chunk))
        return;
    for (;;) {
        const TPacket last = packets.constLast();
        const qint64 marker =
            m_receive.Buffer.ArrayPosition(last.Position, last.Size, FrameMarker, 2);
        if (marker < 0)
            return;
        if (marker != last.Position) {
            // The bytes before the marker stay an entry of their own.
            SplitLastEntry(packets, chunk, marker);
            continue;
        }
        // A frame is complete only with the bytes up to this chunk's end. When chunks are
        // replayed the buffer reaches further, but the chunks after this one will be taken in
        // themselves: a frame completed from their bytes would be taken in twice.
        if (marker + HeaderSize > chunkEnd)
            return;
        const qint64 frameSize = HeaderSize + m_receive.Buffer.AsWord(marker + 6) + TrailerSize;
        if (marker + frameSize > chunkEnd)
            return;
        packets.last().Size = frameSize;
        packets.last().State = TPacket::Received;
        DecodeVersion2(packets.size() - 1);
        if (marker + frameSize == chunkEnd)
            return;
        AppendChunkRest(packets, chunk, marker + frameSize);
    }
}

void TVersion2::DecodeVersion2(qint64 index)
{
    static const TRecordType types[] = {{65552, 23, &TVersion2::DecodeNavigation},
                                        {131073, 8, &TVersion2::DecodeTime},
                                        {131074, 14, &TVersion2::DecodeModem},
                                        {196609, 4, &TVersion2::DecodePower},
                                        {2097161, 4, &TVersion2::DecodeInputsOutputs}};
    TPacketArray &packets = m_receive.Version2Packets;
    if (index < 0 || index >= packets.size() || packets[index].State != TPacket::Received)
        return;
    const TPacket entry = packets[index];
    const quint32 type = m_receive.Buffer.AsCardinal(entry.Position + 2);
    const qint64 payload = entry.Size - HeaderSize - TrailerSize;
    for (const TRecordType &known : types) {
        // A payload too short for its fields is not shown at all.
        if (known.Type == type && payload >= known.PayloadSize) {
            packets[index].State = TPacket::Recognised;
            (this->*known.Decode)(entry.Position);
            return;
        }
    }
}

void TVersion2::Send(const QString &ident, const Variant &value) const
{
    m_host.VisualSetValue(ident, value, QString(), ElementGreen);
}

void TVersion2::DecodeNavigation(qint64 frame) const
{
    const TMemoryStreamEx &b = m_receive.Buffer;
    Send(QStringLiteral("_Latitude"), double(b.AsSingle(frame + 12)));
    Send(QStringLiteral("_Longitude"), double(b.AsSingle(frame + 16)));
    // Halves to even; an altitude no integer can hold shows nothing.
    const double altitude = b.AsSingle(frame + 20);
    const bool representable =
        std::isfinite(altitude) && std::fabs(altitude) < std::numeric_limits<qint32>::max();
    Send(QStringLiteral("_Altitude"),
         representable ? Variant(qint32(RoundHalfEven(altitude))) : Variant());
    Send(QStringLiteral("_Speed"), b.AsWord(frame + 24) / 100.0);
    Send(QStringLiteral("_Azimuth"), b.AsWord(frame + 26) / 100.0);
    Send(QStringLiteral("_HDOP"), b.AsWord(frame + 28) / 100.0);
    Send(QStringLiteral("_Satellites"), qint32(b.AsByte(frame + 30)));
}

void TVersion2::DecodeTime(qint64 frame) const
{
    Send(QStringLiteral("_InternalTtime"), DeviceTimeText(m_receive.Buffer.AsCardinal(frame + 8)));
    Send(QStringLiteral("_Uptime"), UptimeText(m_receive.Buffer.AsCardinal(frame + 12)));
}

void TVersion2::DecodeModem(qint64 frame) const
{
    // Registration states as the device documentation names them; shown untranslated.
    static const QHash<quint8, QString> states = {
        {0, QStringLiteral("Отсутствует")},
        {1, QStringLiteral("регистрация в домашней сети")},
        {2, QStringLiteral("поиск сети")},
        {3, QStringLiteral("регистрация отклонена")},
        {4, QStringLiteral("резерв")},
        {5, QStringLiteral("регистрация в роуминге")},
        {6, QStringLiteral("ошибка ПИН")},
        {7, QStringLiteral("резерв")},
        {9, QStringLiteral("GPRS активирован в домашней сети")},
        {13, QStringLiteral("GPRS активирован в роуминге")}};
    const TMemoryStreamEx &b = m_receive.Buffer;
    const auto state = states.constFind(b.AsByte(frame + 8));
    if (state != states.cend())
        Send(QStringLiteral("_ModemStatus"), *state);
    Send(QStringLiteral("ML"), qint32(b.AsByte(frame + 9)));
    const quint16 network = b.AsWord(frame + 10); // MCC × 100 + MNC
    Send(QStringLiteral("ML2"), qint32(network));
    Send(QStringLiteral("ML1"), MobileCountryName(QString::number(network / 100)));
    Send(QStringLiteral("ML2"), MobileOperatorName(QString::number(network)));
    Send(QStringLiteral("_ModemInSMS"), qint32(b.AsWord(frame + 18)));
    Send(QStringLiteral("_ModemOutSMS"), qint32(b.AsWord(frame + 20)));
}

void TVersion2::DecodePower(qint64 frame) const
{
    Send(QStringLiteral("_ExternalVoltage"), m_receive.Buffer.AsWord(frame + 8) / 1000.0);
    Send(QStringLiteral("_BatteryVoltage"), m_receive.Buffer.AsWord(frame + 10) / 1000.0);
}

void TVersion2::DecodeInputsOutputs(qint64 frame) const
{
    const quint16 inputs = m_receive.Buffer.AsWord(frame + 8);
    const quint16 outputs = m_receive.Buffer.AsWord(frame + 10);
    for (int i = 0; i < 8; ++i) {
        Send(QStringLiteral("ID") + QString::number(i), quint8(inputs >> i & 1));
        Send(QStringLiteral("OD") + QString::number(i), quint8(outputs >> i & 1));
    }
}
