// Checks the settings descriptions embedded in the program (resources/descriptions/<type>.json):
// their outline per device type, the links between blocks, views and dictionaries, the texts
// of every key, and the setting numbers and kinds that the settings image relies on.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>
#include <QStringList>
#include <QTest>

#include <optional>

namespace {

const QList<int> kEmbeddedTypes = {1,   5,   13,  15,  31,  32,  33,  90,  205, 206,
                                   207, 209, 210, 212, 213, 215, 216, 217, 219, 220,
                                   221, 222, 223, 224, 225, 226, 227, 228, 250};

// The BLE sensor hub: generation 3, no device password, display-only values on setting 0.
constexpr int kHubType = 250;

struct Texts
{
    QString ru;
    QString en;
};

struct Description
{
    QJsonObject data;
    QJsonArray sections;
    QJsonArray views;
    QJsonArray dictionaries;
    QHash<QString, Texts> texts; // by key in lower case, as the translation lookup finds them
    QString error;

    const Texts *textsOf(const QString &key) const
    {
        const auto it = texts.constFind(key.toLower());
        return it == texts.constEnd() ? nullptr : &it.value();
    }
};

Description load(int type)
{
    Description d;
    QFile file(QStringLiteral(":/descriptions/%1.json").arg(type));
    if (!file.open(QIODevice::ReadOnly)) {
        d.error = QStringLiteral("no embedded description for type %1").arg(type);
        return d;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        d.error =
            QStringLiteral("type %1 does not parse: %2").arg(type).arg(parseError.errorString());
        return d;
    }
    const QJsonObject data = doc.object().value(QStringLiteral("data")).toObject();
    for (const char *member :
         {"translations", "sectionList", "settingViewList", "settingDictionaryList"}) {
        if (!data.value(QLatin1String(member)).isArray()) {
            d.error = QStringLiteral("type %1 has no array data.%2").arg(type).arg(member);
            return d;
        }
    }
    d.data = data;
    d.sections = data.value(QStringLiteral("sectionList")).toArray();
    d.views = data.value(QStringLiteral("settingViewList")).toArray();
    d.dictionaries = data.value(QStringLiteral("settingDictionaryList")).toArray();
    for (const QJsonValue &entry : data.value(QStringLiteral("translations")).toArray()) {
        const QJsonObject translation = entry.toObject();
        Texts &texts = d.texts[translation.value(QStringLiteral("key")).toString().toLower()];
        for (const QJsonValue &line :
             translation.value(QStringLiteral("translationList")).toArray()) {
            const QString lang = line[QStringLiteral("lang")].toString().toLower();
            const QString text = line[QStringLiteral("text")].toString();
            if (lang == QLatin1String("ru"))
                texts.ru = text;
            else if (lang == QLatin1String("en"))
                texts.en = text;
        }
    }
    return d;
}

QString str(const QJsonValue &v, const char *member)
{
    return v[QLatin1String(member)].toString();
}

QJsonObject settingOf(const QJsonValue &view)
{
    return view[QStringLiteral("setting")].toObject();
}

int numberOf(const QJsonValue &view)
{
    const QJsonValue number = settingOf(view).value(QStringLiteral("number"));
    return number.isDouble() ? number.toInt(-1) : -1;
}

// The byte length as the kind table compares it: integer lengths must be the exact texts.
QString lengthOf(const QJsonValue &view)
{
    const QJsonValue length = settingOf(view).value(QStringLiteral("length"));
    return length.isDouble() ? QString::number(length.toInt()) : length.toString();
}

struct Kind
{
    QString name; // "string", "int/1", ... "signint/4"
    qint64 min = 0;
    qint64 max = 0;
};

// The wire kind of a view's setting; nothing when its type and length match no kind.
std::optional<Kind> kindOf(const QJsonValue &view)
{
    const QJsonObject setting = settingOf(view);
    const QString type = setting.value(QStringLiteral("type")).toString().toLower();
    const QJsonValue length = setting.value(QStringLiteral("length"));
    if (type == QLatin1String("string")) {
        return Kind{QStringLiteral("string"), 0, 255};
    }
    if (!length.isString())
        return std::nullopt;
    const QString bytes = length.toString();
    if (type == QLatin1String("int")) {
        if (bytes == QLatin1String("1"))
            return Kind{QStringLiteral("int/1"), 0, 255};
        if (bytes == QLatin1String("2"))
            return Kind{QStringLiteral("int/2"), 0, 65535};
        if (bytes == QLatin1String("4"))
            return Kind{QStringLiteral("int/4"), 0, 4294967295LL};
    } else if (type == QLatin1String("signint")) {
        if (bytes == QLatin1String("1"))
            return Kind{QStringLiteral("signint/1"), -127, 127};
        if (bytes == QLatin1String("2"))
            return Kind{QStringLiteral("signint/2"), -32767, 32767};
        if (bytes == QLatin1String("4"))
            return Kind{QStringLiteral("signint/4"), -2147483647LL, 2147483647LL};
    }
    return std::nullopt;
}

// Type 15 keeps its schedule (a list of wake-up times) on setting 36 behind a view the
// program has no editor for; that setting is the one allowed outside the kind table.
bool isScheduleListOfType15(int type, const QJsonValue &view)
{
    return type == 15 && str(view, "type") == QLatin1String("intDictionary") &&
           numberOf(view) == 36;
}

std::optional<qint64> integerOf(const QJsonValue &v)
{
    if (v.isDouble())
        return qint64(v.toDouble());
    bool ok = false;
    const qint64 value = v.toString().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

QString describe(const QJsonValue &view)
{
    return QStringLiteral("%1 (setting %2)").arg(str(view, "alias")).arg(numberOf(view));
}

void addTypeColumn(bool withHub)
{
    QTest::addColumn<int>("type");
    for (int type : kEmbeddedTypes) {
        if (withHub || type != kHubType)
            QTest::addRow("%d", type) << type;
    }
}

#define LOAD_DESCRIPTION(d, type)                                                                  \
    const Description d = load(type);                                                              \
    QVERIFY2(d.error.isEmpty(), qPrintable(d.error))

#define VERIFY_NO_PROBLEMS(problems)                                                               \
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))))

} // namespace

class TestDescriptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void embeddedTypes();
    void outline_data();
    void outline();
    void aliases_data() { addTypeColumn(true); }
    void aliases();
    void dictionaries_data() { addTypeColumn(true); }
    void dictionaries();
    void texts_data() { addTypeColumn(true); }
    void texts();
    void settingNumbers_data() { addTypeColumn(true); }
    void settingNumbers();
    void settingKinds_data() { addTypeColumn(true); }
    void settingKinds();
    void viewsOfOneSettingAgree_data() { addTypeColumn(true); }
    void viewsOfOneSettingAgree();
    void flagViews_data() { addTypeColumn(true); }
    void flagViews();
    void defaultsFitTheirEditors_data() { addTypeColumn(true); }
    void defaultsFitTheirEditors();
    void devicePassword_data() { addTypeColumn(false); }
    void devicePassword();
    void twinTypes_data();
    void twinTypes();
    void scheduleListOfType15();
    void signedByteThresholdsOfType215();
};

void TestDescriptions::embeddedTypes()
{
    QStringList expected;
    for (int type : kEmbeddedTypes)
        expected << QStringLiteral("%1.json").arg(type);
    QStringList found = QDir(QStringLiteral(":/descriptions")).entryList(QDir::Files);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    QCOMPARE(found, expected);
}

void TestDescriptions::outline_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("subSections");
    QTest::addColumn<int>("views");
    QTest::addColumn<int>("dictionaries");

    const QString server = QStringLiteral("Monitoring server");
    const QString data = QStringLiteral("Data to transfer");
    const QString track = QStringLiteral("Drawing a trajectory");
    const QString inputs = QStringLiteral("Digital and digital inputs");
    const QString discreteIo = QStringLiteral("Discrete inputs & outputs");
    const QString ble = QStringLiteral("BlueTooth (BLE) sensors");
    const QString modbus = QStringLiteral("Modbus setiings");
    const QString quality = QStringLiteral("Driving quality");
    const QString phones = QStringLiteral("Phones");
    const QString sim = QStringLiteral("SIM card");
    const QString sims = QStringLiteral("SIM cards");
    const QString system = QStringLiteral("System");
    const QString interfaces = QStringLiteral("Digital interfaces");

    auto row = [](int type, const QStringList &captions, int subSections, int views,
                  int dictionaries) {
        QTest::addRow("%d", type) << type << captions << subSections << views << dictionaries;
    };
    row(1,
        {server, data, "Transfer Waypoints", "Digital input/outputs", interfaces,
         "Phones and modes", sim, "Service"},
        44, 156, 23);
    row(5,
        {server, data, "Transfer Waypoints", "Digital input and outputs", interfaces, modbus, ble,
         "Phones and modes", sim, "Service"},
        48, 183, 23);
    row(13, {"Schedule", "Server", sim, system}, 11, 40, 3);
    row(15, {"Schedule", "Data transfer", sims, system}, 14, 54, 6);
    row(31,
        {server, "Package Structure", "Route building", "Discrete inputs&outputs", interfaces,
         phones, sim, system},
        19, 71, 12);
    row(32,
        {server, data, "Iridium packet", "Iridium events", "WiFi settings", track, inputs,
         "Keys settings", system},
        18, 126, 48);
    row(33,
        {server, "Package Structure", "Route building", "Discrete inputs", interfaces,
         "BLE sensors", phones, sim, system},
        44, 195, 30);
    row(90, {interfaces, system}, 10, 23, 4);
    row(205, {server, data, track, inputs, phones, sim, system}, 22, 95, 19);
    row(206, {server, data, track, inputs, phones, sim, system}, 22, 95, 19);
    row(207, {server, data, track, inputs, phones, sim, system}, 18, 70, 21);
    row(209, {server, data, track, inputs, phones, sim, system}, 18, 70, 21);
    row(210, {server, data, track, inputs, phones, sim, system}, 20, 80, 12);
    row(212, {server, data, track, inputs, phones, sim, system}, 20, 80, 12);
    row(213, {server, data, track, inputs, quality, phones, sim, system}, 27, 163, 13);
    row(215, {server, data, "Transfer Waypoints", inputs, sim, "Additional options"}, 14, 62, 6);
    row(216, {server, data, track, sim, system}, 13, 52, 2);
    row(217,
        {server, data, track, discreteIo, "Digital inputs", modbus, ble, quality, phones, sim,
         system},
        35, 223, 16);
    row(219, {server, data, track, discreteIo, "Digital inputs", quality, phones, sim, system}, 28,
        176, 17);
    row(220,
        {server, data, track, discreteIo, "Digital inputs", "BlueTooth", "WIFI", quality, phones,
         sim, system},
        30, 194, 21);
    row(221, {server, data, track, sim, system}, 12, 52, 2);
    row(222, {server, data, track, sim, system}, 12, 52, 2);
    row(223, {server, data, track, discreteIo, ble, quality, phones, sim, system}, 21, 71, 8);
    row(224,
        {server, data, track, discreteIo, "Digital inputs", modbus, ble, quality, phones, sim,
         system},
        37, 236, 25);
    row(225, {server, data, track, discreteIo, interfaces, ble, phones, sims, system}, 21, 86, 14);
    row(226, {server, data, track, sim, system, "Scooter settings"}, 15, 54, 3);
    row(227, {server, data, track, discreteIo, ble, quality, phones, sim, system}, 21, 73, 10);
    row(228, {server, data, track, discreteIo, interfaces, ble, quality, phones, sims, system}, 29,
        115, 20);
    row(250, {"Master device", "Sensor #1", "Sensor #2", "Sensor #3"}, 12, 38, 6);
}

void TestDescriptions::outline()
{
    QFETCH(int, type);
    QFETCH(QStringList, captions);
    QFETCH(int, subSections);
    QFETCH(int, views);
    QFETCH(int, dictionaries);
    LOAD_DESCRIPTION(d, type);

    QStringList found;
    int subSectionCount = 0;
    for (const QJsonValue &section : d.sections) {
        const Texts *texts = d.textsOf(str(section, "name"));
        found << (texts ? texts->en : QStringLiteral("<no text for %1>").arg(str(section, "name")));
        subSectionCount += section[QStringLiteral("subSectionList")].toArray().size();
    }
    QCOMPARE(found, captions);
    QCOMPARE(subSectionCount, subSections);
    QCOMPARE(d.views.size(), views);
    QCOMPARE(d.dictionaries.size(), dictionaries);
}

void TestDescriptions::aliases()
{
    QFETCH(int, type);
    LOAD_DESCRIPTION(d, type);

    QStringList problems;
    QSet<QString> viewAliases;
    for (const QJsonValue &view : d.views) {
        const QString alias = str(view, "alias");
        if (alias.isEmpty() || viewAliases.contains(alias))
            problems << QStringLiteral("view alias '%1' empty or repeated").arg(alias);
        viewAliases.insert(alias);
    }
    for (const QJsonValue &section : d.sections) {
        for (const QJsonValue &block : section[QStringLiteral("subSectionList")].toArray()) {
            const QJsonValue list = block[QStringLiteral("settingViewAliasList")];
            if (!list.isArray())
                problems << QStringLiteral("block %1 has no alias list").arg(str(block, "id"));
            for (const QJsonValue &alias : list.toArray()) {
                if (!viewAliases.contains(alias.toString()))
                    problems << QStringLiteral("block %1 lists %2, which has no view")
                                    .arg(str(block, "id"), alias.toString());
            }
        }
    }
    VERIFY_NO_PROBLEMS(problems);
}

void TestDescriptions::dictionaries()
{
    QFETCH(int, type);
    LOAD_DESCRIPTION(d, type);

    QStringList problems;
    QHash<QString, QString> viewTypes;
    for (const QJsonValue &view : d.views)
        viewTypes.insert(str(view, "alias"), str(view, "type").toLower());

    QSet<QString> withDictionary;
    for (const QJsonValue &dictionary : d.dictionaries) {
        const QString alias = str(dictionary, "settingView");
        if (!viewTypes.contains(alias))
            problems << QStringLiteral("dictionary of '%1', which has no view").arg(alias);
        else if (withDictionary.contains(alias))
            problems << QStringLiteral("second dictionary of %1 is never shown").arg(alias);
        withDictionary.insert(alias);

        const QJsonArray items = dictionary[QStringLiteral("items")].toArray();
        QSet<int> numbers;
        for (const QJsonValue &item : items) {
            const QJsonValue number = item[QStringLiteral("number")];
            if (!number.isDouble() || numbers.contains(number.toInt()))
                problems << QStringLiteral("%1: item number missing or repeated").arg(alias);
            numbers.insert(number.toInt());
        }
        if (items.isEmpty())
            problems << QStringLiteral("dictionary of %1 has no items").arg(alias);
    }
    for (auto it = viewTypes.cbegin(); it != viewTypes.cend(); ++it) {
        if (it.value() == QLatin1String("dictionary") && !withDictionary.contains(it.key()))
            problems << QStringLiteral("list view %1 has no dictionary").arg(it.key());
    }
    VERIFY_NO_PROBLEMS(problems);
}

void TestDescriptions::texts()
{
    QFETCH(int, type);
    LOAD_DESCRIPTION(d, type);

    QStringList keys;
    for (const QJsonValue &section : d.sections) {
        keys << str(section, "name");
        for (const QJsonValue &block : section[QStringLiteral("subSectionList")].toArray()) {
            // an empty name is a block without a header
            if (block[QStringLiteral("name")].isString())
                keys << str(block, "name");
            else
                keys << str(block, "id");
        }
    }
    for (const QJsonValue &view : d.views)
        keys << str(view, "textBefore") << str(view, "textAfter");
    for (const QJsonValue &dictionary : d.dictionaries) {
        for (const QJsonValue &item : dictionary[QStringLiteral("items")].toArray())
            keys << str(item, "name");
    }

    QStringList problems;
    for (const QString &key : std::as_const(keys)) {
        if (key.isEmpty())
            continue;
        const Texts *texts = d.textsOf(key);
        if (!texts || texts->ru.trimmed().isEmpty() || texts->en.trimmed().isEmpty())
            problems << QStringLiteral("'%1' lacks a Russian or an English text").arg(key);
    }
    problems.removeDuplicates();
    VERIFY_NO_PROBLEMS(problems);
}

void TestDescriptions::settingNumbers()
{
    QFETCH(int, type);
    LOAD_DESCRIPTION(d, type);

    QStringList problems;
    for (const QJsonValue &view : d.views) {
        const int number = numberOf(view);
        if (number < 0 || number > 255)
            problems << QStringLiteral("%1: number outside 0..255").arg(describe(view));
    }
    VERIFY_NO_PROBLEMS(problems);
}

void TestDescriptions::settingKinds()
{
    QFETCH(int, type);
    LOAD_DESCRIPTION(d, type);

    QStringList problems;
    for (const QJsonValue &view : d.views) {
        if (!kindOf(view) && !isScheduleListOfType15(type, view)) {
            problems << QStringLiteral("%1: type '%2' with length '%3' is no setting kind")
                            .arg(describe(view), settingOf(view)["type"].toString(),
                                 lengthOf(view));
        }
    }
    VERIFY_NO_PROBLEMS(problems);
}

void TestDescriptions::viewsOfOneSettingAgree()
{
    QFETCH(int, type);
    LOAD_DESCRIPTION(d, type);

    QStringList problems;
    QHash<int, QPair<QString, QString>> firstKind;    // number -> (kind, alias)
    QHash<int, QPair<QString, QString>> factoryValue; // number -> (default, alias), flags aside
    for (const QJsonValue &view : d.views) {
        const int number = numberOf(view);
        if (number == 0)
            continue; // values the program only shows; they are never written
        if (str(view, "type").toLower() != QLatin1String("flag")) {
            const QString value = str(view, "defaultValue");
            const auto known = factoryValue.constFind(number);
            if (known == factoryValue.constEnd())
                factoryValue.insert(number, {value, str(view, "alias")});
            else if (known->first != value)
                problems << QStringLiteral("setting %1 defaults to '%2' in %3 but '%4' in %5")
                                .arg(number)
                                .arg(known->first, known->second, value, str(view, "alias"));
        }
        const QString kind = QStringLiteral("%1/%2").arg(
            settingOf(view)["type"].toString().toLower(), lengthOf(view));
        const auto it = firstKind.constFind(number);
        if (it == firstKind.constEnd())
            firstKind.insert(number, {kind, str(view, "alias")});
        else if (it->first != kind)
            problems << QStringLiteral("setting %1 is %2 in %3 but %4 in %5")
                            .arg(number)
                            .arg(it->first, it->second, kind, str(view, "alias"));
    }
    VERIFY_NO_PROBLEMS(problems);
}

void TestDescriptions::flagViews()
{
    QFETCH(int, type);
    LOAD_DESCRIPTION(d, type);

    QStringList problems;
    QHash<int, QSet<int>> bitsInUse;
    for (const QJsonValue &view : d.views) {
        if (str(view, "type").toLower() != QLatin1String("flag"))
            continue;
        const std::optional<Kind> kind = kindOf(view);
        if (!kind || kind->name != QLatin1String("int/4"))
            problems << QStringLiteral("%1: flag on a setting that is no 32-bit word")
                            .arg(describe(view));
        const QJsonValue bit = view[QStringLiteral("bit")];
        if (!bit.isDouble() || bit.toInt() < 0 || bit.toInt() > 31) {
            problems << QStringLiteral("%1: flag without a bit 0..31").arg(describe(view));
            continue;
        }
        QSet<int> &bits = bitsInUse[numberOf(view)];
        if (bits.contains(bit.toInt()))
            problems
                << QStringLiteral("%1: bit %2 is taken twice").arg(describe(view)).arg(bit.toInt());
        bits.insert(bit.toInt());
    }
    VERIFY_NO_PROBLEMS(problems);
}

void TestDescriptions::defaultsFitTheirEditors()
{
    QFETCH(int, type);
    LOAD_DESCRIPTION(d, type);

    QHash<QString, QSet<int>> dictionaryNumbers;
    for (const QJsonValue &dictionary : d.dictionaries) {
        QSet<int> &numbers = dictionaryNumbers[str(dictionary, "settingView")];
        for (const QJsonValue &item : dictionary[QStringLiteral("items")].toArray())
            numbers.insert(item[QStringLiteral("number")].toInt());
    }

    QStringList problems;
    for (const QJsonValue &view : d.views) {
        const QString viewType = str(view, "type").toLower();
        const QJsonValue defaultValue = view[QStringLiteral("defaultValue")];
        if (!defaultValue.isString()) {
            problems << QStringLiteral("%1: no default value").arg(describe(view));
            continue;
        }
        const QString text = defaultValue.toString();
        const std::optional<Kind> kind = kindOf(view);
        const std::optional<qint64> value = integerOf(defaultValue);

        if (viewType == QLatin1String("string")) {
            bool ok = false;
            const int length = lengthOf(view).toInt(&ok);
            if (!ok || text.size() > length)
                problems << QStringLiteral("%1: '%2' is longer than the setting")
                                .arg(describe(view), text);
        } else if (viewType == QLatin1String("int") || viewType == QLatin1String("signint")) {
            if (!kind || kind->name == QLatin1String("string")) {
                problems
                    << QStringLiteral("%1: number editor on a text setting").arg(describe(view));
                continue;
            }
            const qint64 min = integerOf(view[QStringLiteral("min")]).value_or(kind->min);
            const qint64 max = integerOf(view[QStringLiteral("max")]).value_or(kind->max);
            if (min > max || !value || *value < min || *value > max)
                problems << QStringLiteral("%1: default '%2' outside %3..%4")
                                .arg(describe(view), text)
                                .arg(min)
                                .arg(max);
        } else if (viewType == QLatin1String("flag")) {
            if (text != QLatin1String("0") && text != QLatin1String("1"))
                problems << QStringLiteral("%1: flag default '%2'").arg(describe(view), text);
        } else if (viewType == QLatin1String("dictionary")) {
            if (!value || !dictionaryNumbers.value(str(view, "alias")).contains(int(*value)))
                problems << QStringLiteral("%1: default '%2' is no line of its list")
                                .arg(describe(view), text);
        }
    }
    VERIFY_NO_PROBLEMS(problems);
}

void TestDescriptions::devicePassword()
{
    QFETCH(int, type);
    LOAD_DESCRIPTION(d, type);

    int found = 0;
    for (const QJsonValue &view : d.views) {
        if (numberOf(view) != 5)
            continue;
        ++found;
        QCOMPARE(str(view, "type"), QStringLiteral("string"));
        QCOMPARE(settingOf(view)["type"].toString(), QStringLiteral("string"));
        QCOMPARE(lengthOf(view), QStringLiteral("6"));
        QCOMPARE(str(view, "defaultValue"), QStringLiteral("470913"));
    }
    QVERIFY2(found > 0, "no view of setting 5");
}

void TestDescriptions::twinTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("twin");
    QTest::newRow("205/206") << 205 << 206;
    QTest::newRow("207/209") << 207 << 209;
    QTest::newRow("210/212") << 210 << 212;
    QTest::newRow("221/222") << 221 << 222;
}

// Twin types run the same firmware settings; only the type prefix of the aliases differs.
void TestDescriptions::twinTypes()
{
    QFETCH(int, type);
    QFETCH(int, twin);
    LOAD_DESCRIPTION(d, type);
    LOAD_DESCRIPTION(t, twin);

    const QByteArray prefix = '"' + QByteArray::number(type) + '_';
    const QByteArray twinPrefix = '"' + QByteArray::number(twin) + '_';
    for (const char *member :
         {"translations", "sectionList", "settingViewList", "settingDictionaryList"}) {
        const QByteArray mine = QJsonDocument(d.data.value(QLatin1String(member)).toArray())
                                    .toJson(QJsonDocument::Compact);
        const QByteArray theirs = QJsonDocument(t.data.value(QLatin1String(member)).toArray())
                                      .toJson(QJsonDocument::Compact);
        QVERIFY2(QByteArray(mine).replace(prefix, twinPrefix) == theirs, member);
    }
}

void TestDescriptions::scheduleListOfType15()
{
    LOAD_DESCRIPTION(d, 15);
    QStringList listed;
    for (const QJsonValue &section : d.sections) {
        for (const QJsonValue &block : section[QStringLiteral("subSectionList")].toArray()) {
            for (const QJsonValue &alias : block[QStringLiteral("settingViewAliasList")].toArray())
                listed << alias.toString();
        }
    }
    int found = 0;
    for (const QJsonValue &view : d.views) {
        if (str(view, "type") == QLatin1String("intDictionary") && numberOf(view) == 36) {
            ++found;
            QVERIFY2(listed.contains(str(view, "alias")), "the schedule view is in no block");
        }
    }
    QCOMPARE(found, 1);
}

void TestDescriptions::signedByteThresholdsOfType215()
{
    LOAD_DESCRIPTION(d, 215);
    int found = 0;
    for (const QJsonValue &view : d.views) {
        if (str(view, "type") != QLatin1String("signInt") ||
            view[QStringLiteral("min")].toInt(0) != -128)
            continue;
        ++found;
        QCOMPARE(settingOf(view)["type"].toString(), QStringLiteral("signInt"));
        QCOMPARE(lengthOf(view), QStringLiteral("1"));
    }
    QVERIFY2(found > 0, "no signed byte view with the minimum -128");
}

QTEST_GUILESS_MAIN(TestDescriptions)
#include "tst_descriptions.moc"
