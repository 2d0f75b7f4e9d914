#pragma once

#include "line/OutputShaper.h"

#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QTimer>

#include <functional>

// Queue between a terminal and its line: writes at the line's byte rate (or at full speed),
// keeps split chunks apart with short gaps, and holds output while no reader is attached.
// The queue is bounded: when it overflows, the oldest pieces that have not started are dropped
// whole, so the reader never sees a record cut in the middle by the overflow.
class OutputPacer : public QObject
{
    Q_OBJECT

public:
    // Writes what it can and returns the count, or -1 when the line takes nothing now.
    using Writer = std::function<qint64(const char *data, qsizetype size)>;

    // bytesPerSecond 0 writes at full speed.
    OutputPacer(Writer writer, OutputShaper shaper, int bytesPerSecond, qsizetype capacity,
                QObject *parent = nullptr);

    void enqueue(const QByteArray &bytes, Delivery delivery);
    // Changes the bound, dropping the oldest pieces when the queue is already beyond it.
    void setCapacity(qsizetype capacity);
    // While held, nothing is written (no reader on the line).
    void setHeld(bool held);
    bool isIdle() const;

private:
    struct Piece
    {
        QByteArray bytes;
        Delivery delivery;
    };

    void trim();
    void drain();
    bool startNextPiece(double now);
    void writeCurrent(double now);

    Writer m_writer;
    OutputShaper m_shaper;
    double m_bytesPerMs;
    qsizetype m_capacity;

    QQueue<Piece> m_pieces;
    qsizetype m_queuedBytes = 0;
    QList<QByteArray> m_chunks;
    bool m_whole = false;
    qsizetype m_written = 0;

    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_credit = 0;
    double m_lastDrain = 0;
    double m_lastWrite = -1000;
    double m_resumeAt = 0;
    bool m_held = false;
};
