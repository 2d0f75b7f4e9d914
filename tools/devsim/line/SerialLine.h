#pragma once

#include "line/LinePort.h"
#include "line/OutputPacer.h"
#include "line/TrafficLog.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>

// The simulator's serial line: delivers what the client writes and paces what the terminal
// sends. While nobody has the other end open, output waits (within the pacer's bound) and the
// line checks every so often whether a client has come.
class SerialLine : public QObject
{
    Q_OBJECT

public:
    SerialLine(std::unique_ptr<LinePort> port, OutputShaper shaper, int bytesPerSecond,
               const TrafficLog &log, QObject *parent = nullptr);

    QString clientPath() const { return m_port->clientPath(); }
    void send(const QByteArray &bytes, Delivery delivery);

Q_SIGNALS:
    void received(const QByteArray &bytes);

private:
    void readAvailable();
    void setClientPresent(bool present);

    std::unique_ptr<LinePort> m_port;
    OutputPacer m_pacer;
    const TrafficLog &m_log;
    QSocketNotifier m_notifier;
    QTimer m_clientPoll;
    bool m_clientPresent = true;
};
