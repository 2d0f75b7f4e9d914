// Time from process start to the first painted window, over repeated cold-ish starts.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString program = QStringLiteral(QUORVEL_PATH);
    const int runs = 15;
    QTemporaryDir dataDir;
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setProgram(program);
        process.setArguments({QStringLiteral("--trace"), QStringLiteral("-"),
                              QStringLiteral("--data-dir"), dataDir.path(),
                              QStringLiteral("--no-scan"), QStringLiteral("--quit-after"),
                              QStringLiteral("10")});
        QElapsedTimer clock;
        clock.start();
        process.start();
        QByteArray output;
        while (!output.contains("\"painted\"") && clock.elapsed() < 10000) {
            process.waitForReadyRead(10000);
            output += process.readAllStandardOutput();
        }
        const double ms = clock.nsecsElapsed() / 1e6;
        process.kill();
        process.waitForFinished();
        if (!output.contains("\"painted\"")) {
            std::fprintf(stderr, "the window never painted\n");
            return 1;
        }
        times.append(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("startup to first paint: median %.1f ms, min %.1f ms, max %.1f ms (%d runs)\n",
                times[runs / 2], times.front(), times.back(), runs);
    return 0;
}
