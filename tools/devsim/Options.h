#pragma once

#include "profiles/HubSensors.h"

#include <QString>
#include <QStringList>

#include <optional>

// Everything the command line says about one simulator run.
struct SimulatorOptions
{
    enum class Profile
    {
        Generation1,
        Generation2,
        Hub,
        Console,
        Script
    };

    Profile profile = Profile::Generation1;
    int type = 206;
    QString linkPath;
    QString devicePath;
    bool flood = false;
    QString settingsFile;
    QByteArray password = "470913";
    bool passwordGiven = false;
    QList<FoundSensor> sensors;
    QString firmwareOut;
    int split = 0;
    double noise = 0;
    double corrupt = 0;
    double dropReply = 0;
    std::optional<quint64> seed;
    QString scriptFile;
    bool verbose = false;
};

// Reads the arguments (program name first). --help and --version print and exit; a bad
// option gives nullopt and a message.
std::optional<SimulatorOptions> parseOptions(const QStringList &arguments, QString *error);
