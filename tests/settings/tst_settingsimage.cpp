#include "protocol/MyTypes.h"
#include "settings/SettingsImage.h"

#include <QtTest>

using namespace SettingsImage;

Q_DECLARE_METATYPE(Variant)

class TestSettingsImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void composeKnownImage();
    void emptyImage();
    void values_data();
    void values();
    void textIsWindows1251();
    void parseStopsAtCutRecord();
    void headerCheck();
};

void TestSettingsImage::composeKnownImage()
{
    const QByteArray image = compose(
        {{2, *encodeValue(KindUInt16, Variant(8080))}, {10, *encodeValue(KindUInt8, Variant(3))}});
    QCOMPARE(image, QByteArray::fromHex("0009EC83230202"
                                        "1F90230A0103"));
    const QList<Record> records = parse(image);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].number, quint8(2));
    QCOMPARE(decodeValue(KindUInt16, records[0].data).toString(), QStringLiteral("8080"));
}

void TestSettingsImage::emptyImage()
{
    QCOMPARE(compose({}), QByteArray::fromHex("0000FFFF"));
    QCOMPARE(BytesToBase64(compose({})), QStringLiteral("AAD//w=="));
    QVERIFY(parse(compose({})).isEmpty());
}

void TestSettingsImage::values_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<Variant>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("uint32 max") << int(KindUInt32) << Variant(qint64(4294967295))
                                << QByteArray::fromHex("FFFFFFFF") << "4294967295";
    QTest::newRow("int32 -1") << int(KindInt32) << Variant(-1) << QByteArray::fromHex("FFFFFFFF")
                              << "-1";
    QTest::newRow("int8 sign-extended")
        << int(KindInt8) << Variant(-128) << QByteArray::fromHex("80") << "-128";
    QTest::newRow("uint8 low bits")
        << int(KindUInt8) << Variant(0x1FF) << QByteArray::fromHex("FF") << "255";
    QTest::newRow("int16") << int(KindInt16) << Variant(-2) << QByteArray::fromHex("FFFE") << "-2";
    QTest::newRow("flags") << int(KindUInt32) << Variant(5) << QByteArray::fromHex("00000005")
                           << "5";
    QTest::newRow("text") << int(KindText) << Variant(QStringLiteral("APN")) << QByteArray("APN")
                          << "APN";
    QTest::newRow("empty text") << int(KindText) << Variant(QString()) << QByteArray() << "";
}

void TestSettingsImage::values()
{
    QFETCH(int, kind);
    QFETCH(Variant, value);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);
    const auto encoded = encodeValue(quint16(kind), value);
    QVERIFY(encoded);
    QCOMPARE(*encoded, bytes);
    QCOMPARE(decodeValue(quint16(kind), bytes).toString(), readBack);
}

void TestSettingsImage::textIsWindows1251()
{
    QCOMPARE(*encodeValue(KindText, Variant(QStringLiteral("А"))), QByteArray("\xC0", 1));
    QCOMPARE(decodeValue(KindText, QByteArray("\xC0", 1)).toString(), QStringLiteral("\u00C0"));
    QVERIFY(!encodeValue(KindUInt8, Variant(QStringLiteral("abc"))));
    QVERIFY(!encodeValue(77, Variant(1)));
    QVERIFY(decodeValue(KindUInt32, QByteArray::fromHex("0102")).isEmpty());
    QVERIFY(decodeValue(0, QByteArray::fromHex("01")).isEmpty());
    // A text longer than a record can hold is cut to 255 bytes, keeping the stream readable.
    QCOMPARE(encodeValue(KindText, Variant(QString(300, u'x')))->size(), 255);
}

void TestSettingsImage::parseStopsAtCutRecord()
{
    QByteArray image = compose({{7, QByteArray::fromHex("012C")}, {9, QByteArray("abc")}});
    image.chop(1);
    const QList<Record> records = parse(image);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].data, QByteArray::fromHex("012C"));
    // A foreign marker is skipped by its length, not taken.
    QByteArray foreign = compose({{7, QByteArray::fromHex("01")}});
    foreign[4] = '$';
    QVERIFY(parse(foreign).isEmpty());
}

void TestSettingsImage::headerCheck()
{
    QByteArray image = compose({{5, QByteArray("470913")}});
    QVERIFY(headerIsValid(image));
    image[9] = 'X';
    QVERIFY(!headerIsValid(image));
    QVERIFY(!headerIsValid(QByteArray::fromHex("00")));
    QVERIFY(!headerIsValid(compose({}).left(3)));
}

QTEST_GUILESS_MAIN(TestSettingsImage)
#include "tst_settingsimage.moc"
