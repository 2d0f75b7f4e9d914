#include "ShutdownWatch.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Signal handlers may only write to a descriptor; the event loop reads the other end.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = write(signalPipe[0], &byte, 1);
}

bool stdinIsWatched()
{
    struct stat info
    {
    };
    return fstat(STDIN_FILENO, &info) == 0 &&
           (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || isatty(STDIN_FILENO));
}

} // namespace

ShutdownWatch::ShutdownWatch(QObject *parent)
    : QObject(parent)
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0) {
        struct sigaction action
        {
        };
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGINT, SIGHUP})
            sigaction(signal, &action, nullptr);
        m_signals = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
        connect(m_signals.get(), &QSocketNotifier::activated, this,
                &ShutdownWatch::shutdownRequested);
    }
    // Reading a terminal from the background must not stop the process.
    signal(SIGTTIN, SIG_IGN);
    if (stdinIsWatched()) {
        m_stdin = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        connect(m_stdin.get(), &QSocketNotifier::activated, this, &ShutdownWatch::readStdin);
    }
}

ShutdownWatch::~ShutdownWatch()
{
    m_signals.reset();
    for (int &fd : signalPipe) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

void ShutdownWatch::readStdin()
{
    char buffer[256];
    const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
    if (count == 0)
        Q_EMIT shutdownRequested();
    else if (count < 0 && errno != EAGAIN && errno != EINTR)
        m_stdin->setEnabled(false); // a terminal we may not read: watch signals only
}
