// The configurator, headless, against the terminal simulator on a pseudo-terminal: the right
// protocol generation is elected, the identity reaches the device entry and monitoring values
// arrive with their texts and colours. Everything is observed through the --trace stream.
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

class Run
{
public:
    ~Run()
    {
        for (QProcess *process : {&configurator, &simulator}) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(1000);
        }
    }

    bool Start(const QStringList &profile, const QString &hardwareId, QString *failure)
    {
        simulator.start(QStringLiteral(DEVSIM_PATH), profile + QStringList{"--seed", "7"});
        if (!simulator.waitForReadyRead(5000)) {
            *failure = "the simulator printed no port";
            return false;
        }
        const QString port = QString::fromLocal8Bit(simulator.readLine()).trimmed();
        const QString spec = hardwareId.isEmpty() ? port : port + u'=' + hardwareId;
        configurator.setProcessEnvironment([] {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QT_QPA_PLATFORM", "offscreen");
            return env;
        }());
        configurator.start(QStringLiteral(QUORVEL_PATH),
                           {"--port", spec, "--no-scan", "--trace", "-", "--lang", "en",
                            "--data-dir", m_data.path(), "--quit-after", "30"});
        clock.start();
        return configurator.waitForStarted(5000);
    }

    // Waits until an event satisfies `match`; every event read stays in `events`.
    QJsonObject WaitFor(const std::function<bool(const QJsonObject &)> &match, int timeoutMs)
    {
        for (const QJsonObject &event : std::as_const(events))
            if (match(event))
                return event;
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < timeoutMs) {
            if (!configurator.canReadLine() && !configurator.waitForReadyRead(100))
                continue;
            while (configurator.canReadLine()) {
                QJsonObject event = QJsonDocument::fromJson(configurator.readLine()).object();
                event.insert("ms", clock.elapsed());
                events.append(event);
                if (match(event))
                    return event;
            }
        }
        return {};
    }

    QJsonObject WaitForValue(const QString &ident, int timeoutMs = 5000)
    {
        return WaitFor(
            [&ident](const QJsonObject &event) {
                return event.value("t").toString() == u"value" && event.value("ident").toString() == ident &&
                       event.value("hit").toBool();
            },
            timeoutMs);
    }

    QProcess simulator;
    QProcess configurator;
    QElapsedTimer clock;
    QList<QJsonObject> events;

private:
    QTemporaryDir m_data;
};

bool isVersion(const QJsonObject &event, const char *name)
{
    return event.value("t").toString() == u"version" && event.value("version").toString() == QLatin1String(name);
}

} // namespace

class TestLiveTerminals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generation1_data();
    void generation1();
    void generation2();
    void generation3();
    void console();
};

void TestLiveTerminals::generation1_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::newRow("clean line") << QStringList{};
    QTest::newRow("split and noisy line") << QStringList{"--split", "7", "--noise", "0.3"};
}

void TestLiveTerminals::generation1()
{
    QFETCH(QStringList, faults);
    Run run;
    QString failure;
    QVERIFY2(run.Start(QStringList{"--gen", "1", "--type", "206"} + faults, {}, &failure),
             qPrintable(failure));
    const QJsonObject elected =
        run.WaitFor([](const QJsonObject &e) { return isVersion(e, "vtVersion1"); }, 8000);
    QVERIFY2(!elected.isEmpty(), "generation 1 was not elected");
    const qint64 firstData =
        run.WaitFor([](const QJsonObject &e) { return e.value("t").toString() == u"recv"; }, 0)
            .value("ms")
            .toInteger();
    QVERIFY2(elected.value("ms").toInteger() - firstData < 3000, "election took over 3 s");

    const QJsonObject identity = run.WaitFor(
        [](const QJsonObject &e) {
            return e.value("t").toString() == u"device" && e.value("type").toString() == u"206" &&
                   !e.value("name").toString().isEmpty() &&
                   e.value("imei").toString().size() == 15 &&
                   !e.value("soft").toString().isEmpty();
        },
        8000);
    QVERIFY2(!identity.isEmpty(), "the identity did not reach the device entry");
    QVERIFY(identity.value("soft").toString().startsWith("206:"));

    const QJsonObject satellites = run.WaitForValue("_Satellites");
    QVERIFY(satellites.value("text").toString().toInt() > 0);
    QCOMPARE(satellites.value("color").toString(), QStringLiteral("#5AB762"));
    const QJsonObject voltage = run.WaitForValue("_ExternalVoltage");
    QVERIFY(voltage.value("text").toString().toDouble() > 9.0);
    const QJsonObject hint = run.WaitFor(
        [](const QJsonObject &e) {
            return e.value("t").toString() == u"hint" && e.value("text").toString() == u"Connection to device established";
        },
        1000);
    QCOMPARE(hint.value("kind").toInt(), 1);
}

void TestLiveTerminals::generation2()
{
    Run run;
    QString failure;
    QVERIFY2(run.Start({"--gen", "2"}, {}, &failure), qPrintable(failure));
    const QJsonObject elected =
        run.WaitFor([](const QJsonObject &e) { return isVersion(e, "vtVersion2"); }, 8000);
    QVERIFY2(!elected.isEmpty(), "generation 2 was not elected");
    QVERIFY(elected.value("ms").toInteger() < 5000);
    const QJsonObject status = run.WaitForValue("_ModemStatus");
    QVERIFY(!status.value("text").toString().isEmpty());
    QCOMPARE(status.value("color").toString(), QStringLiteral("#5AB762"));
    QVERIFY(!run.WaitForValue("_Uptime").isEmpty());
}

void TestLiveTerminals::generation3()
{
    Run run;
    QString failure;
    QVERIFY2(run.Start({"--gen", "3"}, {}, &failure), qPrintable(failure));
    // A silent hub is probed after two seconds and answers with its master information.
    const QJsonObject probe = run.WaitFor(
        [](const QJsonObject &e) { return e.value("t").toString() == u"sent" && e.value("hex").toString() == u"3110B0AB"; },
        6000);
    QVERIFY2(!probe.isEmpty(), "the hub was not probed");
    const QJsonObject elected =
        run.WaitFor([](const QJsonObject &e) { return isVersion(e, "vtVersion3"); }, 5000);
    QVERIFY2(!elected.isEmpty(), "generation 3 was not elected");
    QVERIFY(elected.value("ms").toInteger() - probe.value("ms").toInteger() < 3000);
    const QJsonObject hub = run.WaitFor(
        [](const QJsonObject &e) {
            return e.value("t").toString() == u"device" && e.value("type").toString() == u"250" &&
                   e.value("name").toString().size() == 12;
        },
        5000);
    QVERIFY2(!hub.isEmpty(), "the hub's identity did not reach the device entry");
    const QJsonObject refusal = run.WaitFor(
        [](const QJsonObject &e) {
            return e.value("t").toString() == u"hint" && e.value("text").toString() == u"Not allow for this device";
        },
        3000);
    QCOMPARE(refusal.value("kind").toInt(), 2);
}

void TestLiveTerminals::console()
{
    Run run;
    QString failure;
    QVERIFY2(run.Start({"--console"}, "USB\\VID_0483&PID_5742&REV_0200", &failure),
             qPrintable(failure));
    // The console asks for its password before anything else.
    const QJsonObject locked = run.WaitFor(
        [](const QJsonObject &e) {
            return e.value("t").toString() == u"hint" &&
                   e.value("text").toString() == u"To receive data from the device, specify the password.";
        },
        8000);
    QVERIFY2(!locked.isEmpty(), "the console's password refusal was not recognised");
    QVERIFY(run.WaitFor([](const QJsonObject &e) { return e.value("t").toString() == u"version" &&
                                                          e.value("version").toString() != u"vtDetect"; },
                        500)
                .isEmpty());
}

QTEST_GUILESS_MAIN(TestLiveTerminals)
#include "tst_liveterminals.moc"
