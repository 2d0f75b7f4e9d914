#include "profiles/ConsoleTerminal.h"
#include "settings/SettingsImage.h"
#include "store/DefaultSettings.h"
#include "TerminalProbe.h"

#include <QtTest>

namespace {

struct Fixture
{
    Fixture()
        : terminal(settings, faults)
        , probe(terminal)
    {
    }

    QList<QByteArray> say(const QByteArray &line)
    {
        probe.take();
        feedInPieces(terminal, line + "\r\n", 4);
        return probe.take();
    }

    void unlock() { say("470913"); }

    SettingsStore settings{DefaultSettings::builtIn()};
    Faults faults;
    ConsoleTerminal terminal;
    TerminalProbe probe;
};

const QByteArray RepeatHint = "[Press ENTER to execute the previous command again]\r\n";

} // namespace

class TestConsole : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void password_data();
    void password();
    void settingsWrite_data();
    void settingsWrite();
    void settingsRead();
    void serviceCommands_data();
    void serviceCommands();
    void enterRepeatsPreviousCommand();
    void restartLocksAgain();
};

void TestConsole::password_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("unlocked");
    QTest::newRow("command before password")
        << QByteArray("settings get") << QByteArray("DEVICE PASSWORD ERROR\r\n") << false;
    QTest::newRow("wrong password")
        << QByteArray("470914") << QByteArray("DEVICE PASSWORD ERROR\r\n") << false;
    QTest::newRow("right password")
        << QByteArray("470913") << QByteArray("DEVICE PASSWORD OK\r\n") << true;
    // The configurator's binary probe for a silent port may arrive just before the password.
    QTest::newRow("after the hub probe") << QByteArray::fromHex("3110B0AB") + "470913"
                                         << QByteArray("DEVICE PASSWORD OK\r\n") << true;
}

void TestConsole::password()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, answer);
    QFETCH(bool, unlocked);
    Fixture fixture;
    QCOMPARE(fixture.say(line), QList<QByteArray>{answer});
    QCOMPARE(fixture.terminal.isUnlocked(), unlocked);
}

void TestConsole::settingsWrite_data()
{
    const QByteArray image =
        SettingsImage::compose({{5, "123456"}, {40, QByteArray::fromHex("0102")}});
    QTest::addColumn<QByteArray>("base64");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("valid image") << image.toBase64()
                                 << QByteArray("Settings write OK EXTFLASH\r\n");
    QTest::newRow("broken check")
        << SettingsImage::compose({{40, "x"}}).replace(2, 1, "\0").toBase64()
        << QByteArray("Settings write Error EXTFLASH\r\n");
    QTest::newRow("not Base64") << QByteArray("%%%")
                                << QByteArray("Settings write Error EXTFLASH\r\n");
}

void TestConsole::settingsWrite()
{
    QFETCH(QByteArray, base64);
    QFETCH(QByteArray, answer);
    Fixture fixture;
    fixture.unlock();
    QCOMPARE(fixture.say("settings set " + base64), (QList<QByteArray>{answer, RepeatHint}));
    const bool written = answer.contains("OK");
    QCOMPARE(fixture.settings.value(40) == QByteArray::fromHex("0102"), written);
    QCOMPARE(fixture.settings.password(), written ? QByteArray("123456") : QByteArray("470913"));
}

void TestConsole::settingsRead()
{
    Fixture fixture;
    fixture.unlock();
    const QList<QByteArray> answer = fixture.say("settings get");
    QCOMPARE(answer.size(), 2);
    QVERIFY(answer[0].startsWith("SETTINGS ") && answer[0].endsWith("\r\n"));
    const QByteArray image = QByteArray::fromBase64(answer[0].mid(9).chopped(2));
    QVERIFY(SettingsImage::headerIsValid(image));
    QCOMPARE(SettingsImage::parse(image).size(), DefaultSettings::builtIn().size());
}

void TestConsole::serviceCommands_data()
{
    QTest::addColumn<QByteArray>("command");
    for (const char *command : {"upgrade extflash", "webconf getfw", "webconf getconf",
                                "storage clear", "sendpacket", "no such command"})
        QTest::newRow(command) << QByteArray(command);
}

void TestConsole::serviceCommands()
{
    QFETCH(QByteArray, command);
    Fixture fixture;
    fixture.unlock();
    const QList<QByteArray> answer = fixture.say(command);
    QCOMPARE(answer.size(), 2);
    QVERIFY(answer[0].size() > 2 && answer[0].endsWith("\r\n") && answer[0].count("\r\n") == 1);
    QCOMPARE(answer[1], RepeatHint);
}

void TestConsole::enterRepeatsPreviousCommand()
{
    Fixture fixture;
    fixture.unlock();
    const QList<QByteArray> first = fixture.say("storage clear");
    QCOMPARE(fixture.say(""), first);
}

void TestConsole::restartLocksAgain()
{
    Fixture fixture;
    fixture.unlock();
    QCOMPARE(fixture.say("restart").size(), 1);
    QVERIFY(fixture.say("470913").isEmpty());
    fixture.terminal.tick();
    fixture.terminal.tick();
    QCOMPARE(fixture.probe.take().size(), 1); // the banner of the new start
    QCOMPARE(fixture.say("settings get"), QList<QByteArray>{"DEVICE PASSWORD ERROR\r\n"});
}

QTEST_GUILESS_MAIN(TestConsole)
#include "tst_devsim_console.moc"
