#include "line/SerialLine.h"

namespace {

// Output kept for a client that has not come yet: a few seconds of generation-1 records, so a
// client that opens late starts with fresh data rather than a long backlog.
constexpr qsizetype NoClientCapacity = 8192;
// With a client the line drains the queue; the bound only stops a terminal that talks faster
// than the line (a fine --split) from growing it without end.
constexpr qsizetype ClientCapacity = 1 << 20;
constexpr int ClientPollMs = 100;

} // namespace

SerialLine::SerialLine(std::unique_ptr<LinePort> port, OutputShaper shaper, int bytesPerSecond,
                       const TrafficLog &log, QObject *parent)
    : QObject(parent)
    , m_port(std::move(port))
    , m_pacer([this](const char *data, qsizetype size) { return m_port->write(data, size); },
              std::move(shaper), bytesPerSecond, ClientCapacity)
    , m_log(log)
    , m_notifier(m_port->fd(), QSocketNotifier::Read)
{
    connect(&m_notifier, &QSocketNotifier::activated, this, &SerialLine::readAvailable);
    m_clientPoll.setInterval(ClientPollMs);
    connect(&m_clientPoll, &QTimer::timeout, this, &SerialLine::readAvailable);
    readAvailable();
}

void SerialLine::send(const QByteArray &bytes, Delivery delivery)
{
    m_log.sent(bytes);
    m_pacer.enqueue(bytes, delivery);
}

void SerialLine::readAvailable()
{
    const std::optional<QByteArray> bytes = m_port->read();
    setClientPresent(bytes.has_value());
    if (bytes && !bytes->isEmpty()) {
        m_log.received(*bytes);
        Q_EMIT received(*bytes);
    }
}

void SerialLine::setClientPresent(bool present)
{
    if (present == m_clientPresent)
        return;
    m_clientPresent = present;
    m_log.note(present ? QStringLiteral("client attached") : QStringLiteral("no client"));
    // A pty master without a client reads EIO at once, so its notifier would fire without end.
    m_notifier.setEnabled(present);
    if (present)
        m_clientPoll.stop();
    else
        m_clientPoll.start();
    m_pacer.setCapacity(present ? ClientCapacity : NoClientCapacity);
    m_pacer.setHeld(!present);
}
