#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

// Tells when the simulator should stop: SIGTERM, SIGINT or SIGHUP, or the end of stdin when
// stdin is a pipe or a terminal. Any other stdin (/dev/null for a job started in the
// background by a script) is not watched, so the simulator serves until it is signalled.
class ShutdownWatch : public QObject
{
    Q_OBJECT

public:
    explicit ShutdownWatch(QObject *parent = nullptr);
    ~ShutdownWatch() override;

Q_SIGNALS:
    void shutdownRequested();

private:
    void readStdin();

    std::unique_ptr<QSocketNotifier> m_signals;
    std::unique_ptr<QSocketNotifier> m_stdin;
};
