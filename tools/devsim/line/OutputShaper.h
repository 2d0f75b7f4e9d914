#pragma once

#include "profiles/Terminal.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

// Turns one piece of terminal output into the chunks the line writes: cut into random sizes
// and preceded by garbage when those faults are asked for.
class OutputShaper
{
public:
    // maxChunk 0 leaves output whole; noiseRate is the chance of garbage before a piece.
    OutputShaper(quint64 seed, int maxChunk, double noiseRate);

    bool splits() const { return m_maxChunk > 0; }
    QList<QByteArray> shape(const QByteArray &bytes, Delivery delivery);

private:
    QByteArray garbage();

    QRandomGenerator m_random;
    int m_maxChunk;
    double m_noiseRate;
};
