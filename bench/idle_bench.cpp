// CPU time of the program sitting idle with an open, quiet port (polled every 10 ms).
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <pty.h>
#include <unistd.h>

namespace {

double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    // utime and stime are fields 14 and 15 of the whole line, 12 and 13 after the name.
    return (fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int master = -1;
    int slave = -1;
    char name[128] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return 1;
    QTemporaryDir dataDir;
    QProcess program;
    program.start(QStringLiteral(QUORVEL_PATH),
                  {QStringLiteral("--port"), QString::fromLocal8Bit(name),
                   QStringLiteral("--no-scan"), QStringLiteral("--data-dir"), dataDir.path(),
                   QStringLiteral("--quit-after"), QStringLiteral("60")});
    if (!program.waitForStarted())
        return 1;
    QThread::sleep(3); // start-up is not idling
    const double before = cpuSeconds(program.processId());
    const int seconds = 20;
    QThread::sleep(seconds);
    const double used = cpuSeconds(program.processId()) - before;
    program.kill();
    program.waitForFinished();
    std::printf("idle with a quiet open port: %.2f s of CPU in %d s = %.2f%% of one core\n", used,
                seconds, 100.0 * used / seconds);
    return 0;
}
