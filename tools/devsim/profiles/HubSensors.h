#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A BLE sensor that a hub's search finds.
struct FoundSensor
{
    quint8 kind = 0;    // 1 LLS, 2 bridge, 3 escort, 4 thermo
    QByteArray address; // 6 bytes as sent on the air, least significant first
    qint8 signalDb = 0;
};

// Parses "kind:address:dB,..." with the address written as the configurator shows it, most
// significant byte first (for example 1:A1B2C3D4E5F6:-67,4:010203040506:-80); "none" is an
// empty list. nullopt on a malformed list.
std::optional<QList<FoundSensor>> parseSensorList(const QString &text);
