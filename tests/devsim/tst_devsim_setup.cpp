#include "Options.h"
#include "profiles/HubSensors.h"
#include "profiles/ScriptTerminal.h"
#include "store/DefaultSettings.h"
#include "store/SettingsStore.h"

#include <QtTest>

using SettingsImage::Record;

namespace {

// A description in the shape the configurator loads, reduced to what defaults need.
const char *const Description = R"({"data": {"settingViewList": [
  {"alias": "t_1_1", "type": "string", "defaultValue": "tracking.example.org",
   "setting": {"number": 1, "type": "string", "length": "12"}},
  {"alias": "t_2_1", "type": "int", "defaultValue": "20332",
   "setting": {"number": 2, "type": "int", "length": "2"}},
  {"alias": "t_3_1", "type": "signInt", "defaultValue": "-5",
   "setting": {"number": 3, "type": "signInt", "length": "1"}},
  {"alias": "t_4_1", "type": "int", "defaultValue": null,
   "setting": {"number": 4, "type": "int", "length": 4}},
  {"alias": "t_30_0", "type": "flag", "bit": 0, "defaultValue": "1",
   "setting": {"number": 30, "type": "int", "length": "4"}},
  {"alias": "t_30_2", "type": "flag", "bit": 2, "defaultValue": "true",
   "setting": {"number": 30, "type": "int", "length": "4"}},
  {"alias": "t_30_5", "type": "flag", "bit": 5, "defaultValue": "0",
   "setting": {"number": 30, "type": "int", "length": "4"}},
  {"alias": "t_2_2", "type": "int", "defaultValue": "1",
   "setting": {"number": 2, "type": "int", "length": "2"}},
  {"alias": "shown_only", "type": "string", "defaultValue": "x",
   "setting": {"number": 0, "type": "string", "length": "4"}},
  {"alias": "odd_length", "type": "int", "defaultValue": "7",
   "setting": {"number": 9, "type": "int", "length": "3"}},
  {"alias": "t_5_1", "type": "string", "defaultValue": "470913",
   "setting": {"number": 5, "type": "string", "length": "6"}}
]}})";

} // namespace

class TestSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsFromDescription();
    void typeWithoutDescriptionUsesBuiltIn();
    void storeTakesOnlyValidImages();
    void sensorList_data();
    void sensorList();
    void script_data();
    void script();
    void options_data();
    void options();
};

void TestSetup::defaultsFromDescription()
{
    const QList<Record> records =
        DefaultSettings::fromDescription(QJsonDocument::fromJson(Description));
    QList<QPair<int, QByteArray>> pairs;
    for (const Record &record : records)
        pairs.append({record.number, record.data});
    const QList<QPair<int, QByteArray>> expected{
        {1, "tracking.exa"},              // cut to the setting's length
        {2, QByteArray::fromHex("4F6C")}, // the first view of a number wins
        {3, QByteArray::fromHex("FB")},
        {4, QByteArray::fromHex("00000000")}, // no default: zero
        {5, "470913"},
        {30, QByteArray::fromHex("00000005")}, // bits 0 and 2 set, 5 clear
    };
    QCOMPARE(pairs, expected);
}

void TestSetup::typeWithoutDescriptionUsesBuiltIn()
{
    const QList<Record> records = DefaultSettings::forType(4);
    QCOMPARE(records.size(), DefaultSettings::builtIn().size());
    const SettingsStore store(records);
    QCOMPARE(store.password(), QByteArray("470913"));
}

void TestSetup::storeTakesOnlyValidImages()
{
    SettingsStore store(DefaultSettings::builtIn());
    const QByteArray before = store.image();
    QByteArray damaged = SettingsImage::compose({{2, QByteArray::fromHex("0001")}});
    damaged[3] = char(damaged[3] ^ 0x10);
    QVERIFY(!store.applyImage(damaged));
    QVERIFY(!store.applyImage(QByteArray::fromHex("0000")));
    QCOMPARE(store.image(), before);
    QVERIFY(
        store.applyImage(SettingsImage::compose({{2, QByteArray::fromHex("0001")}, {200, "z"}})));
    QCOMPARE(store.value(2), QByteArray::fromHex("0001"));
    QCOMPARE(store.value(200), QByteArray("z"));
    QCOMPARE(store.value(3), QByteArray("internet"));
    QVERIFY(SettingsImage::headerIsValid(store.image()));
}

void TestSetup::sensorList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("firstAddress");
    QTest::newRow("two") << u"1:A1B2C3D4E5F6:-67,4:010203040506:-80"_qs << true
                         << QByteArray::fromHex("F6E5D4C3B2A1");
    QTest::newRow("none") << u"none"_qs << true << QByteArray();
    QTest::newRow("short address") << u"1:A1B2C3D4E5:-67"_qs << false << QByteArray();
    QTest::newRow("not hex") << u"1:A1B2C3D4E5GG:-67"_qs << false << QByteArray();
    QTest::newRow("signal out of range") << u"1:A1B2C3D4E5F6:-200"_qs << false << QByteArray();
    QTest::newRow("missing field") << u"1:A1B2C3D4E5F6"_qs << false << QByteArray();
}

void TestSetup::sensorList()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QByteArray, firstAddress);
    const auto sensors = parseSensorList(text);
    QCOMPARE(sensors.has_value(), valid);
    if (sensors && !sensors->isEmpty())
        QCOMPARE(sensors->first().address, firstAddress);
}

void TestSetup::script_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArrayList>("sent");
    QTest::addColumn<QList<int>>("delays");
    QTest::newRow("all kinds") << u"# greeting\ntext: >DN=12345\r\n\ndelay: 250\nhex: 3E 49 20\n"_qs
                               << QByteArrayList{">DN=12345\r\n", "", "\x3E\x49\x20"}
                               << QList<int>{0, 250, 0};
    QTest::newRow("odd hex digits") << u"hex: 3E4"_qs << QByteArrayList{} << QList<int>{};
    QTest::newRow("unknown step") << u"text: a\nwait: 5"_qs << QByteArrayList{} << QList<int>{};
    QTest::newRow("negative delay") << u"delay: -1"_qs << QByteArrayList{} << QList<int>{};
}

void TestSetup::script()
{
    QFETCH(QString, text);
    QFETCH(QByteArrayList, sent);
    QFETCH(QList<int>, delays);
    QString error;
    const auto steps = parseScript(text, &error);
    QCOMPARE(steps.has_value(), !sent.isEmpty());
    if (!steps) {
        QVERIFY(error.startsWith(u"line "));
        return;
    }
    QCOMPARE(steps->size(), sent.size());
    for (int i = 0; i < sent.size(); ++i) {
        QCOMPARE((*steps)[i].bytes, sent[i]);
        QCOMPARE((*steps)[i].delayMs, delays[i]);
    }
}

void TestSetup::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("profile");
    QTest::newRow("defaults") << QStringList{} << true
                              << int(SimulatorOptions::Profile::Generation1);
    QTest::newRow("hub") << QStringList{u"--gen"_qs, u"3"_qs} << true
                         << int(SimulatorOptions::Profile::Hub);
    QTest::newRow("console wins over gen") << QStringList{u"--gen"_qs, u"2"_qs, u"--console"_qs}
                                           << true << int(SimulatorOptions::Profile::Console);
    QTest::newRow("generation 4") << QStringList{u"--gen"_qs, u"4"_qs} << false << 0;
    QTest::newRow("type of the hub") << QStringList{u"--type"_qs, u"250"_qs} << false << 0;
    QTest::newRow("rate above 1") << QStringList{u"--noise"_qs, u"1.5"_qs} << false << 0;
    QTest::newRow("bad sensors") << QStringList{u"--sensors"_qs, u"x"_qs} << false << 0;
    QTest::newRow("stray argument") << QStringList{u"extra"_qs} << false << 0;
}

void TestSetup::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    QFETCH(int, profile);
    QString error;
    const auto options = parseOptions(QStringList{u"quorvel-devsim"_qs} + arguments, &error);
    QCOMPARE(options.has_value(), valid);
    QCOMPARE(error.isEmpty(), valid);
    if (options) {
        QCOMPARE(int(options->profile), profile);
        QCOMPARE(options->sensors.size(), 2);
        QCOMPARE(options->password, QByteArray("470913"));
    }
}

QTEST_GUILESS_MAIN(TestSetup)
#include "tst_devsim_setup.moc"
