#pragma once

#include <QString>
#include <QStringList>

// What the command line asked for.
struct TOptions
{
    int Language = 0; // 0 Russian, 1 English
    QString DataDir;
    QString TracePath;
    double QuitAfterSeconds = 0; // 0: run until closed
    QStringList Ports;           // PATH[=HWID] given by hand
    bool NoScan = false;         // no USB enumeration

    // Parses the arguments; prints help or version and exits the process when asked to, and
    // prints the error and exits with status 1 on a bad argument.
    static TOptions Parse(const QStringList &arguments);
};
