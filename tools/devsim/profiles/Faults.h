#pragma once

#include <QByteArray>
#include <QRandomGenerator>

// Faults a terminal commits on purpose: requests it ignores and data it damages.
class Faults
{
public:
    Faults(quint64 seed = 0, double dropRate = 0, double corruptRate = 0);

    // True when the next request should go unanswered.
    bool dropRequest();
    // Flips one random bit of bytes, at the corruption rate; true when it did.
    bool maybeCorrupt(QByteArray &bytes);

private:
    QRandomGenerator m_random;
    double m_dropRate;
    double m_corruptRate;
};
