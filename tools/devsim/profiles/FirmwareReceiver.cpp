#include "profiles/FirmwareReceiver.h"

#include "protocol/MyTypes.h"

#include <QtEndian>

namespace {

constexpr qsizetype HeaderSize = 4;
constexpr qsizetype CheckSize = 2;

} // namespace

QByteArray FirmwareReceiver::request(quint32 offset)
{
    QByteArray bytes(5, '\0');
    qToLittleEndian(offset, bytes.data());
    return bytes;
}

QByteArray FirmwareReceiver::firstRequest()
{
    m_offset = 0;
    return request(m_offset);
}

std::optional<QByteArray> FirmwareReceiver::receive(const QByteArray &bytes)
{
    if (m_complete)
        return std::nullopt;
    m_pending.append(bytes);
    if (m_pending.size() < HeaderSize)
        return std::nullopt;
    const quint16 size = qFromLittleEndian<quint16>(m_pending.constData());
    const bool headerIsSound = size <= MaxPiece && m_pending[2] == 0 && m_pending[3] == 0;
    if (!headerIsSound)
        return repeat();
    const qsizetype frameSize = HeaderSize + size + CheckSize;
    if (m_pending.size() < frameSize)
        return std::nullopt;
    QByteArray frame = m_pending.left(frameSize);
    m_pending.clear();
    m_faults.maybeCorrupt(frame);
    const quint16 check = qFromLittleEndian<quint16>(frame.constData() + HeaderSize + size);
    if (check != Crc16(frame.constData(), HeaderSize + size))
        return repeat();
    m_repeats = 0;
    if (size == 0) {
        m_complete = true;
        return std::nullopt;
    }
    m_image.truncate(m_offset);
    m_image.append(frame.mid(HeaderSize, size));
    m_offset += size;
    return request(m_offset);
}

std::optional<QByteArray> FirmwareReceiver::repeat()
{
    m_pending.clear();
    if (++m_repeats > MaxRepeats)
        return std::nullopt;
    return request(m_offset);
}
