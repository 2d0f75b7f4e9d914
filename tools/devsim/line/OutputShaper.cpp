#include "line/OutputShaper.h"

namespace {

// Garbage never holds a start marker of any generation (">" opens generation-1 lines and
// generation-3 replies, 0x55 generation-2 frames), so it cannot fake the start of a record.
bool isStartMarker(quint8 byte)
{
    return byte == '>' || byte == 0x55;
}

} // namespace

OutputShaper::OutputShaper(quint64 seed, int maxChunk, double noiseRate)
    : m_random(seed)
    , m_maxChunk(maxChunk)
    , m_noiseRate(noiseRate)
{
}

QList<QByteArray> OutputShaper::shape(const QByteArray &bytes, Delivery delivery)
{
    if (delivery == Delivery::WholeChunk)
        return {bytes};
    QByteArray stream = bytes;
    if (m_noiseRate > 0 && m_random.generateDouble() < m_noiseRate)
        stream.prepend(garbage());
    if (m_maxChunk <= 0)
        return {stream};
    QList<QByteArray> chunks;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype size = 1 + m_random.bounded(m_maxChunk);
        chunks.append(stream.mid(at, size));
        at += size;
    }
    return chunks;
}

QByteArray OutputShaper::garbage()
{
    QByteArray bytes;
    const int size = 1 + int(m_random.bounded(8));
    while (bytes.size() < size) {
        const auto byte = quint8(m_random.bounded(256));
        if (!isStartMarker(byte))
            bytes.append(char(byte));
    }
    return bytes;
}
