#include "profiles/FirmwareReceiver.h"
#include "profiles/Generation1Terminal.h"
#include "protocol/MyTypes.h"
#include "settings/SettingsImage.h"
#include "store/DefaultSettings.h"
#include "TerminalProbe.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

namespace {

// A generation-1 terminal of type 206 with the built-in settings.
struct Fixture
{
    explicit Fixture(double dropRate = 0, double corruptRate = 0)
        : faults(1, dropRate, corruptRate)
        , terminal(Generation1Identity(), settings, faults, 7)
        , probe(terminal)
    {
    }

    QList<QByteArray> request(const QByteArray &line)
    {
        probe.take();
        feedInPieces(terminal, line + "\r\n", 3);
        return probe.take();
    }

    QList<QByteArray> round()
    {
        probe.take();
        terminal.tick();
        return probe.take();
    }

    SettingsStore settings{DefaultSettings::builtIn()};
    Faults faults;
    Generation1Terminal terminal;
    TerminalProbe probe;
};

QByteArray keyOf(const QByteArray &line)
{
    return line.mid(1, line.indexOf('=') - 1);
}

// The value as the configurator's decoder sees it: after "=", without the line end.
QByteArray valueOf(const QByteArray &line)
{
    return line.mid(line.indexOf('=') + 1).chopped(2);
}

QList<QByteArray> keysOf(const QList<QByteArray> &lines)
{
    QList<QByteArray> keys;
    for (const QByteArray &line : lines)
        keys.append(keyOf(line));
    return keys;
}

QByteArray lineWithKey(const QList<QByteArray> &lines, const QByteArray &key)
{
    for (const QByteArray &line : lines) {
        if (keyOf(line) == key)
            return line;
    }
    return QByteArray();
}

// A firmware answer frame as the configurator builds it.
QByteArray firmwareFrame(const QByteArray &image, quint32 offset)
{
    const QByteArray piece = image.mid(offset, FirmwareReceiver::MaxPiece);
    QByteArray frame(4, '\0');
    qToLittleEndian(quint16(piece.size()), frame.data());
    frame += piece;
    const quint16 check = Crc16(frame.constData(), frame.size());
    return frame + char(check & 0xFF) + char(check >> 8);
}

quint32 requestedOffset(const QByteArray &request)
{
    return qFromLittleEndian<quint32>(request.constData());
}

} // namespace

class TestGeneration1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundPassesDecoderRules_data();
    void roundPassesDecoderRules();
    void valuesChangeOverTime();
    void identityRequests_data();
    void identityRequests();
    void settingsRead();
    void settingsWrite_data();
    void settingsWrite();
    void memoryBlock();
    void corruption();
    void firmwareUpload_data();
    void firmwareUpload();
    void firmwareUploadRepeatsUnansweredRequest();
    void rebootGoesSilent();
    void serviceCommands();
    void droppedRequestsGoUnanswered();
};

void TestGeneration1::roundPassesDecoderRules_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("valuePattern");
    const auto row = [](const char *key, const char *pattern) {
        QTest::newRow(key) << QByteArray(key) << QString::fromLatin1(pattern);
    };
    row("DN", R"(\d{4,})");
    row("DI", R"(206;\d+;\d+;\d+)");
    row("MN", R"(\d{15})");
    row("GK", R"(5[0-9]\.\d{6};3[0-9]\.\d{6})");
    row("GS", R"(\d+;\d+;\d+;\d+;\d+)");
    row("PB", R"(1[2-4]\d{3};4\d{3})");
    row("ML", R"(([12]\d|3[01]|\d);250;01)");
    row("MO", R"(\d+;25001)");
    row("MS", R"([1-7])");
    row("SID0", R"(\d*)");
    row("SID1", R"(\d*)");
    row("SMS", R"(\d+;\d+;\d+)");
    row("APN", R"([^;]+;[^;]*;[^;]*)");
    row("DS", R"(\d+)");
    row("DS2", R"(\d+)");
    row("DF", R"(0;0)");
    row("TW", R"(\d{9,};[1-9]\d*)");
    row("SYS", R"(\d+;\d+)");
    row("TM", R"([0-3];\d+)");
    row("MD0", R"(.+)");
    for (const char *key : {"MD1", "MD2", "MD3", "MD4"})
        row(key, R"([^;]*;\d+;.*)");
    row("RW", R"(\d+/\d+;\d+)");
    // A non-zero count and first block: the configurator divides by the count and refuses a
    // memory read from an empty store.
    for (const char *key : {"RW1", "RW2", "RW3", "RW4"})
        row(key, R"(\d+;\d+;[1-9]\d*;[1-9]\d*)");
    for (const char *key : {"FS1", "FS2", "FS3", "FS4"})
        row(key, R"(\d+;[1-9]\d*;[1-9]\d*)");
    for (const char *key : {"ID0", "ID1", "ID2", "ID3", "O10", "O11", "O12", "O13"})
        row(key, R"([01])");
    row("IA4", R"(\d+)");
    row("IF5", R"(\d+)");
    for (const char *key : {"CA", "CB", "CC", "CD", "CE", "CF", "CG", "CH", "CI", "CJ", "CK", "CL",
                            "CM", "CN", "CO", "CQ", "CR", "CS"})
        row(key, R"(\d+)");
    for (const char *key : {"CP", "CU", "CV", "CANINFO"})
        row(key, R"(.+)");
    row("CAN", R"((5\d|6[0-8]|21\d);.+)");
    row("LLS", R"([0-3];\d;\d{1,5};(\d{1,2}|1\d\d|2[0-4]\d|25[0-5]);\d{1,5})");
    row("MBR", R"([0-2];\d;\d{1,5};\d+)");
    row("BTS", R"(\d;\d+;[-\d.]+;\d+)");
    row("BTSM", R"(\d;\d+;[-\d.]+;\d+)");
    row("OWT", R"(\d+;[0-9A-Fa-f]{12};[-\d.]+)");
    row("OWK", R"(\d;.+)");
    row("RLE", R"([01];[01])");
    row("UPC", R"([01];[01])");
    row("BMS", R"(\d+;\d+)");
    row("BLE", R"(([1-9]|10);[^;]+;-?\d+)");
    row("BTM", R"(.+)");
    row("TEST", R"((MEM|RTC|GPRS|GNSS|IO|RS232|CAN|ACC|SIM1|SIM2|WD|BLE|RS485);(OK|ERROR))");
    row("WS", R"([0-9];.*)");
    row("WSP", R"(.+)");
    row("EMS", R"(.+)");
    row("MSD", R"(.+)");
}

void TestGeneration1::roundPassesDecoderRules()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, valuePattern);
    Fixture fixture;
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(valuePattern));
    int seen = 0;
    // A few rounds, so values that move (speed, door, uptime) are checked in several states.
    for (int second = 0; second < 40; ++second) {
        for (const QByteArray &line : fixture.round()) {
            QVERIFY2(line.startsWith('>') && line.endsWith("\r\n") && line.count("\r\n") == 1,
                     line.constData());
            if (keyOf(line) != key)
                continue;
            ++seen;
            QVERIFY2(pattern.match(QString::fromLatin1(valueOf(line))).hasMatch(),
                     line.constData());
        }
    }
    QVERIFY2(seen >= 40, "every round carries the key");
}

void TestGeneration1::valuesChangeOverTime()
{
    Fixture fixture;
    const QList<QByteArray> first = fixture.round();
    QList<QByteArray> later;
    for (int second = 0; second < 30; ++second)
        later = fixture.round();
    for (const char *key : {"GK", "TW", "RW1", "CC"})
        QVERIFY2(lineWithKey(first, key) != lineWithKey(later, key), key);
    QCOMPARE(valueOf(lineWithKey(first, "TW")).split(';')[1], QByteArray("1"));
    QCOMPARE(valueOf(lineWithKey(later, "TW")).split(';')[1], QByteArray("31"));
}

void TestGeneration1::identityRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArrayList>("answerKeys");
    QTest::newRow("identity") << QByteArray(">I 0") << QByteArrayList{"DN", "DI", "MN"};
    QTest::newRow("type") << QByteArray(">I 7") << QByteArrayList{"DI"};
    QTest::newRow("clock") << QByteArray(">UNIX=1700000000") << QByteArrayList{};
    QTest::newRow("update over the network") << QByteArray(">D 2;0") << QByteArrayList{};
    QTest::newRow("settings from the network") << QByteArray(">D 0;0") << QByteArrayList{};
    QTest::newRow("test packet") << QByteArray(">D 4;1") << QByteArrayList{};
    QTest::newRow("unknown text") << QByteArray("hello") << QByteArrayList{};
}

void TestGeneration1::identityRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArrayList, answerKeys);
    Fixture fixture;
    const QList<QByteArray> answer = fixture.request(request);
    QCOMPARE(keysOf(answer), answerKeys);
    if (answerKeys.contains("DI"))
        QCOMPARE(lineWithKey(answer, "DI"), QByteArray(">DI=206;2;5;14\r\n"));
}

void TestGeneration1::settingsRead()
{
    Fixture fixture;
    fixture.settings.setPassword("123456");
    const QList<QByteArray> answer = fixture.request(">D 15;0");
    QCOMPARE(keysOf(answer), QByteArrayList{"SF"});
    // The configurator drops the first and the last three characters of the value with its
    // line end, and reads the rest as Base64.
    const QByteArray value = answer[0].mid(answer[0].indexOf('=') + 1);
    const QByteArray image = QByteArray::fromBase64(value.mid(1).chopped(3));
    QVERIFY(SettingsImage::headerIsValid(image));
    const QList<SettingsImage::Record> records = SettingsImage::parse(image);
    const auto password = std::find_if(records.begin(), records.end(),
                                       [](const auto &record) { return record.number == 5; });
    QVERIFY(password != records.end());
    QCOMPARE(password->data, QByteArray("123456"));
    QCOMPARE(records.size(), DefaultSettings::builtIn().size());
}

void TestGeneration1::settingsWrite_data()
{
    const QByteArray image = SettingsImage::compose({{2, QByteArray::fromHex("1F90")}, {77, "x"}});
    QByteArray damaged = image;
    damaged[5] = char(damaged[5] ^ 1);
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("applied");
    QTest::newRow("written") << "470913*CONF*" + image.toBase64() << QByteArray(">SR=1\r\n")
                             << true;
    QTest::newRow("wrong password")
        << "470914*CONF*" + image.toBase64() << QByteArray(">SR=0\r\n") << false;
    QTest::newRow("check does not match")
        << "470913*CONF*" + damaged.toBase64() << QByteArray(">SR=0\r\n") << false;
    QTest::newRow("length does not match")
        << "470913*CONF*" + image.chopped(1).toBase64() << QByteArray(">SR=0\r\n") << false;
    QTest::newRow("not Base64") << QByteArray("470913*CONF*@@@@") << QByteArray(">SR=0\r\n")
                                << false;
}

void TestGeneration1::settingsWrite()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, answer);
    QFETCH(bool, applied);
    Fixture fixture;
    QCOMPARE(fixture.request(request), QList<QByteArray>{answer});
    QCOMPARE(fixture.settings.value(2) == QByteArray::fromHex("1F90"), applied);
    QCOMPARE(fixture.settings.contains(77), applied);
    QCOMPARE(fixture.settings.password(), QByteArray("470913"));
}

void TestGeneration1::memoryBlock()
{
    Fixture fixture;
    const int first = fixture.terminal.storage().firstBlock();
    const QList<QByteArray> answer = fixture.request(">D 18;" + QByteArray::number(first + 3));
    QCOMPARE(answer.size(), 1);
    QVERIFY(answer[0].startsWith(QByteArray(">FD=" + QByteArray::number(first + 3) + ',')));
    const QList<QByteArray> quoted = answer[0].split('"');
    QCOMPARE(quoted.size(), 3);
    const QByteArray block = QByteArray::fromBase64(quoted[1]);
    QCOMPARE(block.size(), 258);
    const quint16 check = Crc16(block.constData(), 256);
    QCOMPARE(quint8(block[256]), quint8(check >> 8));
    QCOMPARE(quint8(block[257]), quint8(check & 0xFF));
    QCOMPARE(block.left(256), fixture.terminal.storage().block(first + 3));
    QVERIFY(block.left(256) != fixture.terminal.storage().block(first + 4));
}

void TestGeneration1::corruption()
{
    Fixture fixture(0, 1);
    const int first = fixture.terminal.storage().firstBlock();
    QVERIFY(fixture.request(">D 18;" + QByteArray::number(first - 1)).isEmpty());
    QVERIFY(fixture.request(">D 18;x").isEmpty());
    // With every block corrupted the check no longer matches the data.
    const QByteArray block = QByteArray::fromBase64(
        fixture.request(">D 18;" + QByteArray::number(first))[0].split('"')[1]);
    QCOMPARE(block.size(), 258);
    const quint16 check = Crc16(block.constData(), 256);
    QVERIFY(quint8(block[256]) != quint8(check >> 8) || quint8(block[257]) != quint8(check & 0xFF));

    // A firmware piece damaged on the way in is asked for again.
    fixture.request(">D 3;0");
    fixture.terminal.receive(firmwareFrame(QByteArray(600, 'f'), 0));
    QCOMPARE(fixture.probe.take(), QList<QByteArray>{FirmwareReceiver::request(0)});
}

void TestGeneration1::firmwareUpload_data()
{
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<QList<quint32>>("offsets");
    QTest::newRow("short last piece") << 2500 << QList<quint32>{0, 1024, 2048, 2500};
    QTest::newRow("whole pieces") << 2048 << QList<quint32>{0, 1024, 2048};
    QTest::newRow("smaller than a piece") << 10 << QList<quint32>{0, 10};
}

void TestGeneration1::firmwareUpload()
{
    QFETCH(int, imageSize);
    QFETCH(QList<quint32>, offsets);
    QByteArray image(imageSize, '\0');
    for (int i = 0; i < imageSize; ++i)
        image[i] = char(i * 7 + i / 256);
    Fixture fixture;
    QSignalSpy received(&fixture.terminal, &Generation1Terminal::firmwareReceived);
    feedInPieces(fixture.terminal, ">D 3;0\r\n", 3);
    QList<quint32> asked;
    while (!fixture.probe.sent.isEmpty()) {
        QCOMPARE(fixture.probe.sent.size(), 1);
        QCOMPARE(fixture.probe.deliveries[0], Delivery::WholeChunk);
        const QByteArray request = fixture.probe.take()[0];
        QCOMPARE(request.size(), 5);
        asked.append(requestedOffset(request));
        QVERIFY(asked.size() <= offsets.size());
        // Monitoring rests while the upload runs.
        QVERIFY(fixture.round().isEmpty());
        feedInPieces(fixture.terminal, firmwareFrame(image, asked.last()), 100);
    }
    QCOMPARE(asked, offsets);
    QCOMPARE(received.size(), 1);
    QCOMPARE(received[0][0].toByteArray(), image);
    QVERIFY(!fixture.round().isEmpty());
}

void TestGeneration1::firmwareUploadRepeatsUnansweredRequest()
{
    const QByteArray image(1500, 'f');
    Fixture fixture;
    fixture.request(">D 3;0");
    QByteArray damaged = firmwareFrame(image, 0);
    damaged[10] = char(damaged[10] ^ 0x40);
    fixture.terminal.receive(damaged);
    QCOMPARE(fixture.probe.take(), QList<QByteArray>{FirmwareReceiver::request(0)});
    // Silence: the request is asked again after three seconds.
    fixture.terminal.tick();
    fixture.terminal.tick();
    QVERIFY(fixture.probe.take().isEmpty());
    fixture.terminal.tick();
    QCOMPARE(fixture.probe.take(), QList<QByteArray>{FirmwareReceiver::request(0)});
    fixture.terminal.receive(firmwareFrame(image, 0));
    QCOMPARE(fixture.probe.take(), QList<QByteArray>{FirmwareReceiver::request(1024)});
    // A terminal that never gets an answer gives up and goes back to monitoring.
    for (int second = 0; second < 30 && fixture.terminal.isUploading(); ++second)
        fixture.terminal.tick();
    QVERIFY(!fixture.terminal.isUploading());
}

void TestGeneration1::rebootGoesSilent()
{
    Fixture fixture;
    for (int second = 0; second < 5; ++second)
        fixture.round();
    QVERIFY(fixture.request(">D 1").isEmpty());
    QVERIFY(fixture.round().isEmpty());
    QVERIFY(fixture.request(">I 0").isEmpty());
    QVERIFY(fixture.round().isEmpty());
    const QList<QByteArray> round = fixture.round();
    QCOMPARE(valueOf(lineWithKey(round, "TW")).split(';')[1], QByteArray("1"));
    QCOMPARE(valueOf(lineWithKey(round, "SYS")).split(';')[0], QByteArray("1"));
}

void TestGeneration1::serviceCommands()
{
    Fixture fixture;
    for (int second = 0; second < 8; ++second)
        fixture.round();
    QVERIFY(valueOf(lineWithKey(fixture.round(), "RW1")).split(';')[1].toInt() > 0);
    QVERIFY(fixture.request(">D 8;0").isEmpty());
    QCOMPARE(valueOf(lineWithKey(fixture.round(), "RW1")), QByteArray("0;0;4096;16"));

    QVERIFY(fixture.request(">D 9;1").isEmpty());
    const QList<QByteArray> withLog = fixture.round();
    const auto isLogLine = [](const QByteArray &line) { return !line.startsWith('>'); };
    QCOMPARE(std::count_if(withLog.begin(), withLog.end(), isLogLine), 2);
    fixture.request(">D 9;0");
    const QList<QByteArray> withoutLog = fixture.round();
    QCOMPARE(std::count_if(withoutLog.begin(), withoutLog.end(), isLogLine), 0);

    fixture.request("470913*SERV*8.0.1");
    QCOMPARE(lineWithKey(fixture.round(), "O10"), QByteArray(">O10=1\r\n"));
    fixture.request("111111*SERV*8.0.0");
    QCOMPARE(lineWithKey(fixture.round(), "O10"), QByteArray(">O10=1\r\n"));

    fixture.request(">UNIX=1000000000");
    const qint64 deviceTime =
        valueOf(lineWithKey(fixture.round(), "TW")).split(';')[0].toLongLong();
    QVERIFY(deviceTime >= 1000000000 && deviceTime < 1000000010);
}

void TestGeneration1::droppedRequestsGoUnanswered()
{
    Fixture fixture(1);
    QVERIFY(fixture.request(">I 0").isEmpty());
    QVERIFY(fixture.request(">D 15;0").isEmpty());
}

QTEST_GUILESS_MAIN(TestGeneration1)
#include "tst_devsim_generation1.moc"
