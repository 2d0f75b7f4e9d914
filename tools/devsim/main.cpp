#include "Options.h"
#include "ShutdownWatch.h"
#include "Simulator.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvel-devsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    QString error;
    const auto options = parseOptions(QCoreApplication::arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "quorvel-devsim: %s (see --help)\n", qPrintable(error));
        return 2;
    }
    ShutdownWatch shutdown;
    Simulator simulator(*options);
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "quorvel-devsim: %s\n", qPrintable(error));
        return 1;
    }
    // Whoever started us learns where to connect from the first line.
    std::printf("%s\n", qPrintable(simulator.clientPath()));
    std::fflush(stdout);
    QObject::connect(&shutdown, &ShutdownWatch::shutdownRequested, &app, &QCoreApplication::quit);
    return app.exec();
}
