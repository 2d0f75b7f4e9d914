#include "shell/Process.h"

#include <QDir>
#include <QStandardPaths>

namespace Process {

bool DeviceSeen = false;
bool Out0 = false;

namespace {
QString dataFolder;
}

QString DataFolder()
{
    return dataFolder;
}

void InitDataFolder(const QString &overridePath)
{
    QString path = overridePath;
    if (path.isEmpty()) {
        const QString appData = qEnvironmentVariable("APPDATA");
        const QString base =
            appData.isEmpty()
                ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                : appData;
        path = QDir(base).filePath(QStringLiteral("Quorvel"));
    }
    QDir().mkpath(path);
    dataFolder = QDir::cleanPath(QDir(path).absolutePath()) + QDir::separator();
}

QStringList LanguageNames()
{
    return {QStringLiteral("Русский"), QStringLiteral("English")};
}

} // namespace Process
