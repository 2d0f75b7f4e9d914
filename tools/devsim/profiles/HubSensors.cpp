#include "profiles/HubSensors.h"

#include "protocol/MyTypes.h"

#include <QStringList>

std::optional<QList<FoundSensor>> parseSensorList(const QString &text)
{
    QList<FoundSensor> sensors;
    if (text.trimmed().compare(u"none", Qt::CaseInsensitive) == 0)
        return sensors;
    for (const QString &item : text.split(u',')) {
        const QStringList parts = item.trimmed().split(u':');
        if (parts.size() != 3 || parts[1].size() != 12)
            return std::nullopt;
        bool kindOk = false;
        bool signalOk = false;
        const uint kind = parts[0].toUInt(&kindOk);
        const int signal = parts[2].toInt(&signalOk);
        const auto address = HexToBin(parts[1].toLatin1());
        if (!kindOk || kind > 255 || !signalOk || signal < -128 || signal > 127 || !address)
            return std::nullopt;
        sensors.append({quint8(kind), ReverseBin(*address), qint8(signal)});
    }
    return sensors;
}
