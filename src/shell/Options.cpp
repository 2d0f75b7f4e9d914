#include "shell/Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

TOptions TOptions::Parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Configurator for vehicle telematics terminals: live monitoring, settings, traffic log "
        "and service commands over the terminal's USB serial port."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Language at start: ru (default) or en."),
                                  QStringLiteral("ru|en"), QStringLiteral("ru"));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Folder for downloaded device descriptions (default: %APPDATA%/Quorvel, "
                       "or the XDG data home's Quorvel)."),
        QStringLiteral("DIR"));
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Write one JSON object per line for every hint, value, sent string and "
                       "received chunk to FILE ('-' for standard output)."),
        QStringLiteral("FILE"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Close the window after SECONDS."),
                                       QStringLiteral("SECONDS"));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Serial port given by hand, present while PATH exists; HWID defaults to "
                       "USB\\VID_0483&PID_5740&REV_0200. Repeatable."),
        QStringLiteral("PATH[=HWID]"));
    const QCommandLineOption noScan(QStringLiteral("no-scan"),
                                    QStringLiteral("Do not look for USB devices."));
    parser.addOptions({lang, dataDir, trace, quitAfter, port, noScan});
    parser.process(arguments);

    const auto fail = [](const QString &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::exit(1);
    };

    TOptions options;
    const QString language = parser.value(lang).toLower();
    if (language != u"ru" && language != u"en")
        fail(QStringLiteral("--lang takes ru or en, not '%1'").arg(language));
    options.Language = language == u"en" ? 1 : 0;
    options.DataDir = parser.value(dataDir);
    options.TracePath = parser.value(trace);
    if (parser.isSet(quitAfter)) {
        bool ok = false;
        options.QuitAfterSeconds = parser.value(quitAfter).toDouble(&ok);
        if (!ok || options.QuitAfterSeconds <= 0)
            fail(QStringLiteral("--quit-after takes a positive number of seconds"));
    }
    options.Ports = parser.values(port);
    options.NoScan = parser.isSet(noScan);
    return options;
}
