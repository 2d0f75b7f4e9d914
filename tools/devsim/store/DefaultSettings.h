#pragma once

#include "settings/SettingsImage.h"

#include <QJsonDocument>
#include <QList>

// The factory settings of a simulated terminal.
namespace DefaultSettings {

// From a settings description: each view's defaultValue encoded by its setting's type and
// length; flag views that name a bit are combined into one value per setting number. Views of
// setting number 0 (values only the configurator shows) carry nothing.
QList<SettingsImage::Record> fromDescription(const QJsonDocument &description);
// A small set for a type without a description: password, server, APN and a few periods.
QList<SettingsImage::Record> builtIn();
// From the type's description among the program's resources, else the built-in set.
QList<SettingsImage::Record> forType(int type);

} // namespace DefaultSettings
