#include "line/OutputPacer.h"

namespace {

// A reader that polls (the configurator reads every 10 ms) must not merge a whole chunk with
// its neighbours, so the line stays quiet this long before and after one.
constexpr double WholeChunkGapMs = 25;
// Between split chunks: enough for a waiting reader to take each one on its own.
constexpr double SplitGapMs = 1;
// When the line refuses bytes, try again after this long instead of spinning.
constexpr double RetryMs = 20;
// Credit saved up while idle is capped so output after a pause is not one burst.
constexpr double MaxCreditBytes = 64;

} // namespace

OutputPacer::OutputPacer(Writer writer, OutputShaper shaper, int bytesPerSecond, qsizetype capacity,
                         QObject *parent)
    : QObject(parent)
    , m_writer(std::move(writer))
    , m_shaper(std::move(shaper))
    , m_bytesPerMs(bytesPerSecond / 1000.0)
    , m_capacity(capacity)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &OutputPacer::drain);
    m_clock.start();
}

void OutputPacer::enqueue(const QByteArray &bytes, Delivery delivery)
{
    m_pieces.enqueue({bytes, delivery});
    m_queuedBytes += bytes.size();
    trim();
    if (!m_held && !m_timer.isActive())
        m_timer.start();
}

void OutputPacer::setCapacity(qsizetype capacity)
{
    m_capacity = capacity;
    trim();
}

void OutputPacer::trim()
{
    while (m_queuedBytes > m_capacity && m_pieces.size() > 1)
        m_queuedBytes -= m_pieces.dequeue().bytes.size();
}

void OutputPacer::setHeld(bool held)
{
    m_held = held;
    if (held)
        m_timer.stop();
    else if (!isIdle())
        m_timer.start();
}

bool OutputPacer::isIdle() const
{
    return m_pieces.isEmpty() && m_chunks.isEmpty();
}

void OutputPacer::drain()
{
    const double now = m_clock.nsecsElapsed() / 1e6;
    if (m_bytesPerMs > 0)
        m_credit = qMin(m_credit + (now - m_lastDrain) * m_bytesPerMs, MaxCreditBytes);
    m_lastDrain = now;
    if (now < m_resumeAt)
        return;
    if (m_chunks.isEmpty() && !startNextPiece(now))
        return;
    writeCurrent(now);
}

bool OutputPacer::startNextPiece(double now)
{
    if (m_pieces.isEmpty()) {
        m_timer.stop();
        return false;
    }
    if (m_pieces.head().delivery == Delivery::WholeChunk && now - m_lastWrite < WholeChunkGapMs) {
        m_resumeAt = m_lastWrite + WholeChunkGapMs;
        return false;
    }
    const Piece piece = m_pieces.dequeue();
    m_queuedBytes -= piece.bytes.size();
    m_chunks = m_shaper.shape(piece.bytes, piece.delivery);
    m_whole = piece.delivery == Delivery::WholeChunk;
    m_written = 0;
    return true;
}

void OutputPacer::writeCurrent(double now)
{
    // Keep writing until the rate, the line or a gap stops us.
    while (!m_chunks.isEmpty()) {
        const QByteArray &chunk = m_chunks.first();
        qsizetype size = chunk.size() - m_written;
        if (m_bytesPerMs > 0 && !m_whole)
            size = qMin<qsizetype>(size, qsizetype(m_credit));
        if (size <= 0)
            return;
        const qint64 written = m_writer(chunk.constData() + m_written, size);
        if (written < 0) {
            m_resumeAt = now + RetryMs;
            return;
        }
        m_credit -= written;
        m_written += written;
        m_lastWrite = now;
        if (m_written < chunk.size())
            return;
        m_chunks.removeFirst();
        m_written = 0;
        if (m_whole) {
            m_resumeAt = now + WholeChunkGapMs;
            return;
        }
        if (m_shaper.splits()) {
            m_resumeAt = now + SplitGapMs;
            return;
        }
        if (m_chunks.isEmpty() && !startNextPiece(now))
            return;
    }
}
