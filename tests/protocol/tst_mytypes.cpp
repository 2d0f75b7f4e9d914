#include "protocol/MyTypes.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestMyTypes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void crc8_data();
    void crc8();
    void crc16_data();
    void crc16();
    void base64_data();
    void base64();
    void hexToBin_data();
    void hexToBin();
    void binaryConversions();
    void signalBar();
    void easeStep();
    void dateTimes();
    void fileDate();
};

void TestMyTypes::crc8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("crc");
    QTest::newRow("catalogue check value") << QByteArray("123456789") << 0xA1;
    QTest::newRow("hub probe") << QByteArray::fromHex("3110B0") << 0xAB;
    QTest::newRow("empty") << QByteArray() << 0x00;
    QTest::newRow("table entry 1") << QByteArray::fromHex("01") << 0x5E;
    QTest::newRow("table entry 2") << QByteArray::fromHex("02") << 0xBC;
    QTest::newRow("table entry 3") << QByteArray::fromHex("03") << 0xE2;
}

void TestMyTypes::crc8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, crc);
    QCOMPARE(Crc8(bytes), quint8(crc));
    QCOMPARE(AppendCrc8(bytes), bytes + char(crc));
}

void TestMyTypes::crc16_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("crc");
    QTest::newRow("catalogue check value") << QByteArray("123456789") << 0 << 8 << 0x29B1;
    QTest::newRow("abc") << QByteArray("abc") << 0 << 2 << 0x514A;
    QTest::newRow("empty range") << QByteArray("abc") << 2 << 1 << 0xFFFF;
    QTest::newRow("sub-range") << QByteArray("xx123456789yy") << 2 << 10 << 0x29B1;
    QTest::newRow("range past the end is clipped") << QByteArray("abc") << 0 << 40 << 0x514A;
}

void TestMyTypes::crc16()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, crc);
    QCOMPARE(Crc16(bytes, first, last), quint16(crc));
}

void TestMyTypes::base64_data()
{
    // RFC 4648, section 10.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray("") << "";
    QTest::newRow("f") << QByteArray("f") << "Zg==";
    QTest::newRow("fo") << QByteArray("fo") << "Zm8=";
    QTest::newRow("foo") << QByteArray("foo") << "Zm9v";
    QTest::newRow("foob") << QByteArray("foob") << "Zm9vYg==";
    QTest::newRow("fooba") << QByteArray("fooba") << "Zm9vYmE=";
    QTest::newRow("foobar") << QByteArray("foobar") << "Zm9vYmFy";
    QTest::newRow("empty settings image") << QByteArray::fromHex("0000FFFF") << "AAD//w==";
}

void TestMyTypes::base64()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(BytesToBase64(bytes), text);
}

void TestMyTypes::hexToBin_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("space inside a pair") << QByteArray("0A 1") << true << QByteArray("\x0A", 1);
    QTest::newRow("spaced address")
        << QByteArray("01 02 0a FF") << true << QByteArray::fromHex("01020AFF");
    QTest::newRow("odd digit dropped") << QByteArray("ABC") << true << QByteArray("\xAB", 1);
    QTest::newRow("empty") << QByteArray() << true << QByteArray();
    QTest::newRow("not hexadecimal") << QByteArray("0G") << false << QByteArray();
}

void TestMyTypes::hexToBin()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(QByteArray, bytes);
    const auto result = HexToBin(text);
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, bytes);
}

void TestMyTypes::binaryConversions()
{
    QCOMPARE(ByteToBin(0x1234), QByteArray("\x34", 1));
    QCOMPARE(WordToBin(0x0201), QByteArray::fromHex("0102"));
    QCOMPARE(IntToBin(-2), QByteArray::fromHex("FEFFFFFF"));
    QCOMPARE(ReverseBin(QByteArray::fromHex("010203")), QByteArray::fromHex("030201"));
    QCOMPARE(IconPrefix(true), QStringLiteral("E_"));
    QCOMPARE(IconPrefix(false), QStringLiteral("D_"));
    qputenv("QUORVEL_TEST_VAR", "value");
    QCOMPARE(GetEnvVar("QUORVEL_TEST_VAR"), QStringLiteral("value"));
    QCOMPARE(GetEnvVar("QUORVEL_NO_SUCH_VARIABLE"), QString());
}

void TestMyTypes::signalBar()
{
    QCOMPARE(SignalBar(0, 31, 5), QString(5, u'|') + QString(27, u'.'));
    QCOMPARE(SignalBar(3, 2, 5), QString());
    QCOMPARE(SignalBar(0, 3, 0), QStringLiteral("...."));
    QCOMPARE(SignalBar(0, 3, 9), QStringLiteral("||||"));
}

void TestMyTypes::easeStep()
{
    QCOMPARE(EaseStep(0, 60, 15, 0, 15), 60);
    QCOMPARE(EaseStep(0, 60, 15, 0, 0), 0);
    // Half-way along a cosine ease is exactly half the distance; 0.5 rounds to even.
    QCOMPARE(EaseStep(100, 200, 30, 0, 15), 150);
    // Decelerating into place: the last steps move less than the first ones.
    QVERIFY(EaseStep(0, 100, 30, 0, 16) - EaseStep(0, 100, 30, 0, 15) >
            EaseStep(0, 100, 30, 0, 29) - EaseStep(0, 100, 30, 0, 28));
}

void TestMyTypes::dateTimes()
{
    QCOMPARE(UnixToDateTime(0, 0), 25569.0);
    QCOMPARE(UnixToDateTime(86400 + 43200, 0), 25570.5);
    QCOMPARE(UnixToDateTime(0, 720), 25568.5);
    const QDateTime moment(QDate(2023, 8, 9), QTime(14, 5, 33, 250));
    QCOMPARE(FromDateTime(ToDateTime(moment)), moment);
    QCOMPARE(ToDateTime(QDateTime(QDate(1899, 12, 30), QTime(12, 0))), 0.5);
}

void TestMyTypes::fileDate()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("module.json");
    QVERIFY(!SetFileDate(path, 45000.0)); // no such file
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QDateTime when(QDate(2023, 8, 9), QTime(10, 30));
    QVERIFY(SetFileDate(path, ToDateTime(when)));
    QCOMPARE(QFileInfo(path).lastModified(), when);
}

QTEST_GUILESS_MAIN(TestMyTypes)
#include "tst_mytypes.moc"
