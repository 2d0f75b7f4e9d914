#include "shell/MainWindow.h"
#include "shell/Options.h"
#include "shell/Process.h"
#include "shell/Trace.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The program lives on timers (a 10 ms poll per open port): Qt's own event dispatcher wakes
    // at a fraction of GLib's cost, which keeps an idle program below 1% of a core.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvel Configurator"));
    QApplication::setApplicationVersion(QStringLiteral("2023.08.09"));
    QApplication::setDesktopFileName(QStringLiteral("quorvel"));

    const TOptions options = TOptions::Parse(QApplication::arguments());
    Process::InitDataFolder(options.DataDir);
    if (!options.TracePath.isEmpty() && !Trace::open(options.TracePath)) {
        std::fprintf(stderr, "cannot open the trace file %s\n", qPrintable(options.TracePath));
        return 1;
    }

    TMF window(options);
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    if (options.QuitAfterSeconds > 0)
        QTimer::singleShot(int(options.QuitAfterSeconds * 1000), &window, &QWidget::close);
    return QApplication::exec();
}
