#pragma once

#include "protocol/MyTypes.h"

#include <QDate>
#include <QString>
#include <QStringList>

// State that lives beside the main window for the whole run.
namespace Process {

// The build date the program reports as its version.
inline QDate BuildDate()
{
    return QDate(2023, 8, 9);
}
// " [yymmdd]", as the caption shows it.
inline QString BuildStamp()
{
    return BuildDate().toString(QStringLiteral(" '['yyMMdd']'"));
}

// Where downloaded descriptions live; created at start. Ends in a separator.
QString DataFolder();
// Chooses and creates the data folder: `overridePath` when given, else APPDATA/Quorvel when
// APPDATA is set, else the XDG data home's Quorvel.
void InitDataFolder(const QString &overridePath);

// Set when a device becomes current, cleared when the current device is lost.
extern bool DeviceSeen;
// Last known state of the terminal's output OUT0.
extern bool Out0;

// Names of the two languages, in index order.
QStringList LanguageNames();

} // namespace Process
