#include "profiles/Faults.h"

Faults::Faults(quint64 seed, double dropRate, double corruptRate)
    : m_random(seed)
    , m_dropRate(dropRate)
    , m_corruptRate(corruptRate)
{
}

bool Faults::dropRequest()
{
    return m_dropRate > 0 && m_random.generateDouble() < m_dropRate;
}

bool Faults::maybeCorrupt(QByteArray &bytes)
{
    if (bytes.isEmpty() || m_corruptRate <= 0 || m_random.generateDouble() >= m_corruptRate)
        return false;
    const qsizetype bit = m_random.bounded(bytes.size() * 8);
    bytes[bit / 8] = char(bytes[bit / 8] ^ (1 << (bit % 8)));
    return true;
}
