#include "store/DefaultSettings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>

using namespace SettingsImage;

namespace DefaultSettings {

namespace {

QString memberText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toInteger());
    if (value.isBool())
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return QString();
}

// The wire kind of a description's setting type and byte length; 0 for any other pair.
quint16 wireKind(const QJsonObject &setting)
{
    const QString type = setting.value(u"type").toString().toLower();
    const QString length = memberText(setting.value(u"length"));
    if (type == u"string")
        return KindText;
    static const QMap<QString, quint16> unsignedKinds{{QStringLiteral("1"), KindUInt8},
                                                      {QStringLiteral("2"), KindUInt16},
                                                      {QStringLiteral("4"), KindUInt32}};
    static const QMap<QString, quint16> signedKinds{{QStringLiteral("1"), KindInt8},
                                                    {QStringLiteral("2"), KindInt16},
                                                    {QStringLiteral("4"), KindInt32}};
    if (type == u"int")
        return unsignedKinds.value(length);
    if (type == u"signint")
        return signedKinds.value(length);
    return 0;
}

QByteArray encodeDefault(quint16 kind, const QString &text, int maxLength)
{
    if (kind == KindText)
        return encodeValue(kind, Variant(text))->left(maxLength);
    // A number setting with no usable default starts at zero.
    return encodeValue(kind, Variant(text)).value_or(*encodeValue(kind, Variant(0)));
}

Record textRecord(quint8 number, const char *text)
{
    return {number, QByteArray(text)};
}

Record numberRecord(quint8 number, quint16 kind, qint64 value)
{
    return {number, *encodeValue(kind, Variant(value))};
}

} // namespace

QList<Record> fromDescription(const QJsonDocument &description)
{
    QMap<quint8, QByteArray> values;
    QMap<quint8, quint32> flagBits;
    QMap<quint8, quint16> flagKinds;
    const QJsonArray views =
        description.object().value(u"data").toObject().value(u"settingViewList").toArray();
    for (const QJsonValue &viewValue : views) {
        const QJsonObject view = viewValue.toObject();
        const QJsonObject setting = view.value(u"setting").toObject();
        const int number = setting.value(u"number").toInt();
        const quint16 kind = wireKind(setting);
        if (number < 1 || number > 255 || kind == 0)
            continue;
        const QString text = memberText(view.value(u"defaultValue"));
        if (view.value(u"type").toString().compare(u"flag", Qt::CaseInsensitive) == 0 &&
            view.contains(u"bit")) {
            const bool set =
                text.toLongLong() != 0 || text.compare(u"true", Qt::CaseInsensitive) == 0;
            flagBits[quint8(number)] |= quint32(set) << (view.value(u"bit").toInt() & 31);
            flagKinds[quint8(number)] = kind == KindText ? quint16(KindUInt32) : kind;
        } else if (!values.contains(quint8(number))) {
            const int maxLength = memberText(setting.value(u"length")).toInt();
            values.insert(quint8(number),
                          encodeDefault(kind, text, maxLength > 0 ? maxLength : 255));
        }
    }
    for (auto it = flagBits.cbegin(); it != flagBits.cend(); ++it) {
        if (!values.contains(it.key()))
            values.insert(it.key(),
                          *encodeValue(flagKinds.value(it.key()), Variant(qint64(it.value()))));
    }
    QList<Record> records;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        records.append({it.key(), it.value()});
    return records;
}

QList<Record> builtIn()
{
    return {
        textRecord(1, "tracking.quorvel.local"),
        numberRecord(2, KindUInt16, 20332),
        textRecord(3, "internet"),
        textRecord(5, "470913"),
        numberRecord(10, KindUInt16, 30),  // track period while moving, s
        numberRecord(11, KindUInt16, 600), // track period while parked, s
        numberRecord(12, KindUInt8, 15),   // course change that adds a point, degrees
    };
}

QList<Record> forType(int type)
{
    QFile file(QStringLiteral(":/descriptions/%1.json").arg(type));
    if (!file.open(QIODevice::ReadOnly))
        return builtIn();
    const QJsonDocument description = QJsonDocument::fromJson(file.readAll());
    const QList<Record> records = fromDescription(description);
    return records.isEmpty() ? builtIn() : records;
}

} // namespace DefaultSettings
