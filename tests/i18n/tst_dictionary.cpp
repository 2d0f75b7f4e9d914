#include "i18n/Dictionary.h"

#include <QSet>
#include <QtTest>

class TestDictionary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { ModuleTranslations.setRows({}); }
    void tablesAreComplete();
    void familyRows_data();
    void familyRows();
    void lookupRules_data();
    void lookupRules();
    void moduleTranslationsComeFirst();
    void networkNames_data();
    void networkNames();
};

void TestDictionary::tablesAreComplete()
{
    QSet<QString> keys;
    for (const TTranslation &row : TranslationTable) {
        QVERIFY(row.Key && row.Ru && row.En);
        const QString key = QString::fromUtf16(row.Key);
        QVERIFY2(!key.contains(u' ') && !key.isEmpty(), qPrintable(key));
        keys.insert(foldAsciiCase(key));
    }
    QCOMPARE(keys.size(), 313);

    QCOMPARE(QString::fromUtf16(CountryTable[0].Code), QStringLiteral("000"));
    QCOMPARE(QString::fromUtf16(CountryTable[1].Code), QStringLiteral("202"));
    QCOMPARE(QString::fromUtf16(CountryTable[CountryTableSize - 1].Code), QStringLiteral("750"));
    for (int i = 1; i < CountryTableSize; ++i) {
        QVERIFY(CountryTable[i].Code && CountryTable[i].Name);
        QVERIFY(QStringView(CountryTable[i - 1].Code) <= QStringView(CountryTable[i].Code));
        QVERIFY(!QStringView(CountryTable[i].Name).isEmpty());
    }
    QCOMPARE(QString::fromUtf16(OperatorTable[OperatorTableSize - 1].Code),
             QStringLiteral("22005"));
}

void TestDictionary::familyRows_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("ru");
    QTest::addColumn<QString>("en");
    QTest::newRow("output switch") << "_OUT0_ON"
                                   << "OUT0 активирован"
                                   << "OUT0 activated";
    QTest::newRow("update notice, trailing space") << "mes_test"
                                                   << "Обновите приложение "
                                                   << "Update application";
    QTest::newRow("BLE caption") << "_BLE10"
                                 << "BLE датчик 10"
                                 << "BLE sensor 10";
    QTest::newRow("window caption") << "ApplicationCaption"
                                    << "Конфигуратор"
                                    << "Configurator";
    QTest::newRow("page action") << "act_PageInfo"
                                 << "|Мониторинг"
                                 << "|Monitoring";
    QTest::newRow("no device") << "noDevice"
                               << "Устройства не найдены"
                               << "Device not found";
    QTest::newRow("service command") << "act_Reboot"
                                     << "Рестарт устройства"
                                     << "Reboot device";
    QTest::newRow("message with quotes")
        << "mes_valuedisable"
        << "Параметр \"%s\" не доступен для использования. Пожалуйста, обновите устройство."
        << "The parameter \"%s\" is not available for use. Please update your device.";
    QTest::newRow("general word") << "NOdata"
                                  << "нет данных"
                                  << "no data";
    QTest::newRow("status word") << "DS2_4_0"
                                 << "нет сим карты"
                                 << "no SIM card";
    QTest::newRow("save result") << "SR1"
                                 << "Настройки сохранены успешно"
                                 << "Settings saved successfully";
    QTest::newRow("log word") << "OutByteCount"
                              << "Отправлено"
                              << "Sended";
    QTest::newRow("unit, Latin B in Russian") << "Units_V"
                                              << "B"
                                              << "V";
    QTest::newRow("welcome") << "_WellcomeCaption"
                             << "Добро пожаловать"
                             << "Wellcome";
    QTest::newRow("section, long|short") << "_DeviceParameters"
                                         << "ПАРАМЕТРЫ УСТРОЙСТВА|ПАРАМЕТРЫ"
                                         << "DEVICE PARAMETERS|PARAMETERS";
    QTest::newRow("Latin C in Russian") << "_SettingsServer"
                                        << "Cерверы мониторинга"
                                        << "Monitoring servers";
    QTest::newRow("Cyrillic Т at the end") << "_OWT"
                                           << "OWТ"
                                           << "OWT";
    QTest::newRow("sensor word") << "FLS"
                                 << "датчик "
                                 << "sensor ";
    QTest::newRow("pin type") << "iot_D"
                              << "дискретный"
                              << "discrete";
}

void TestDictionary::familyRows()
{
    QFETCH(QString, key);
    QFETCH(QString, ru);
    QFETCH(QString, en);
    QCOMPARE(Translate(0, key), ru);
    QCOMPARE(Translate(1, key), en);
}

void TestDictionary::lookupRules_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("language 2") << 2 << "noDevice"
                                << "noDevice";
    QTest::newRow("language -1") << -1 << "noDevice"
                                 << "noDevice";
    QTest::newRow("case ignored") << 1 << "NODEVICE"
                                  << "Device not found";
    QTest::newRow("mixed case") << 1 << "NoDevice"
                                << "Device not found";
    QTest::newRow("unknown key") << 1 << "abc"
                                 << "abc";
    QTest::newRow("unknown two words") << 1 << "abc def"
                                       << "abc def";
    QTest::newRow("pin") << 1 << "3 _InOut"
                         << "PIN 3. In / Out";
    QTest::newRow("pin in Russian") << 0 << "3 _InOut"
                                    << "PIN 3. Вход / Выход";
    QTest::newRow("negative pin") << 1 << "-1 _InOut"
                                  << "-1 In / Out";
    QTest::newRow("word pin") << 1 << "x _InOut"
                              << "x In / Out";
    QTest::newRow("split once") << 1 << "Error b c"
                                << "Error b c";
    QTest::newRow("trailing space") << 1 << "Error "
                                    << "Error";
    QTest::newRow("leading space") << 1 << " Error"
                                   << " Error";
    QTest::newRow("sensor key with space") << 0 << "FLS "
                                           << "датчик ";
    QTest::newRow("empty key") << 1 << ""
                               << "";
}

void TestDictionary::lookupRules()
{
    QFETCH(int, language);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QCOMPARE(Translate(language, key), text);
}

void TestDictionary::moduleTranslationsComeFirst()
{
    ModuleTranslations.setRows({{"Error", "Сбой", "Failure"},
                                {"section.server", "Сервер", "Server"},
                                {"a b", "целиком", "whole"},
                                {"SECTION.SERVER", "второй", "second"}});
    QCOMPARE(Translate(1, "error"), QStringLiteral("Failure"));
    QCOMPARE(Translate(0, "Section.Server"), QStringLiteral("Сервер"));
    QCOMPARE(Translate(1, "a b"), QStringLiteral("whole"));
    // The module's words are not used for the parts of a split key.
    QCOMPARE(Translate(1, "x Error"), QStringLiteral("x Error"));
    QCOMPARE(Translate(3, "Error"), QStringLiteral("Error"));
}

void TestDictionary::networkNames_data()
{
    QTest::addColumn<bool>("operatorCode");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("Russia") << false << "250"
                            << "Россия";
    QTest::newRow("340 twice, first wins") << false << "340"
                                           << "Гваделупа";
    QTest::newRow("no country") << false << "000"
                                << "";
    QTest::newRow("USA range") << false << "316"
                               << "Соединённые Штаты Америки";
    QTest::newRow("Dubai") << false << "431"
                           << "Объединённые Арабские Эмираты (Дубай)";
    QTest::newRow("unknown country") << false << "999"
                                     << "#999";
    QTest::newRow("MTS") << true << "25001"
                         << "MTS";
    QTest::newRow("no operator") << true << "00000"
                                 << "";
    QTest::newRow("unknown operator") << true << "12345"
                                      << "#12345";
}

void TestDictionary::networkNames()
{
    QFETCH(bool, operatorCode);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(operatorCode ? MobileOperatorName(code) : MobileCountryName(code), name);
}

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
