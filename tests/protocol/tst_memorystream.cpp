#include "protocol/MemoryStreamEx.h"
#include "protocol/Packet.h"

#include <QtTest>

class TestMemoryStream : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void typedReaders();
    void readersOutsideTheData();
    void hexAndText_data();
    void hexAndText();
    void positions_data();
    void positions();
    void packetColors();

private:
    TMemoryStreamEx m_stream;
};

void TestMemoryStream::init()
{
    m_stream = TMemoryStreamEx();
    m_stream.Write(QByteArray(10, 'x'));
    m_stream.Write(QByteArray::fromHex("01020304FFFFFFFF80"));
}

void TestMemoryStream::typedReaders()
{
    QCOMPARE(m_stream.AsByte(10), quint8(1));
    QCOMPARE(m_stream.AsWord(10), quint16(0x0201));
    QCOMPARE(m_stream.AsInteger(10), qint32(0x04030201));
    QCOMPARE(m_stream.AsCardinal(10), quint32(67305985));
    QCOMPARE(m_stream.AsInteger(14), -1);
    QCOMPARE(m_stream.AsCardinal(14), 4294967295u);
    QCOMPARE(m_stream.AsShortInt(18), qint8(-128));

    TMemoryStreamEx floats;
    const float single = 152.5f;
    const double real = -3.25;
    floats.Write(reinterpret_cast<const char *>(&single), sizeof single);
    floats.Write(reinterpret_cast<const char *>(&real), sizeof real);
    QCOMPARE(floats.AsSingle(0), 152.5f);
    QCOMPARE(floats.AsDouble(4), -3.25);
}

void TestMemoryStream::readersOutsideTheData()
{
    // 19 bytes are written: anything reaching past them reads as zero or is clipped.
    QCOMPARE(m_stream.AsByte(19), quint8(0));
    QCOMPARE(m_stream.AsWord(18), quint16(0));
    QCOMPARE(m_stream.AsCardinal(16), 0u);
    QCOMPARE(m_stream.AsDouble(15), 0.0);
    QCOMPARE(m_stream.AsByte(-1), quint8(0));
    QCOMPARE(m_stream.AsText(17, 10), QByteArray::fromHex("FF80"));
    QCOMPARE(m_stream.AsText(100, 2), QByteArray());
    QCOMPARE(m_stream.AsHEX(17, 4, " ", false), QStringLiteral("FF 80"));
    QCOMPARE(m_stream.StringPosition(18, 5, QByteArray("\x80", 1)), 18);
    QCOMPARE(m_stream.StringPosition(20, 5, QByteArray()), -1);
}

void TestMemoryStream::hexAndText_data()
{
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<bool>("desc");
    QTest::addColumn<QString>("text");
    QTest::newRow("spaced") << QByteArray(" ") << false << "01 02 03";
    QTest::newRow("spaced, most significant first") << QByteArray(" ") << true << "03 02 01";
    QTest::newRow("joined, most significant first") << QByteArray() << true << "030201";
}

void TestMemoryStream::hexAndText()
{
    QFETCH(QByteArray, separator);
    QFETCH(bool, desc);
    QFETCH(QString, text);
    QCOMPARE(m_stream.AsHEX(10, 3, separator, desc), text);
    QCOMPARE(m_stream.AsText(10, 2), QByteArray::fromHex("0102"));
    QCOMPARE(m_stream.AsText(10, 0), QByteArray());
    QCOMPARE(m_stream.AsText(10, -3), QByteArray());
}

void TestMemoryStream::positions_data()
{
    QTest::addColumn<qint64>("pos");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("sign");
    QTest::addColumn<qint64>("found");
    const QByteArray pair = QByteArray::fromHex("0203");
    QTest::newRow("inside") << qint64(10) << qint64(9) << pair << qint64(11);
    QTest::newRow("window smaller than the sign") << qint64(11) << qint64(1) << pair << qint64(-1);
    QTest::newRow("sign ending at the window end") << qint64(11) << qint64(2) << pair << qint64(11);
    QTest::newRow("sign crossing the window end") << qint64(10) << qint64(2) << pair << qint64(-1);
    QTest::newRow("empty sign") << qint64(12) << qint64(3) << QByteArray() << qint64(12);
    QTest::newRow("first of two") << qint64(0) << qint64(19) << QByteArray("xx") << qint64(0);
    QTest::newRow("absent") << qint64(0) << qint64(19) << QByteArray("zz") << qint64(-1);
}

void TestMemoryStream::positions()
{
    QFETCH(qint64, pos);
    QFETCH(qint64, size);
    QFETCH(QByteArray, sign);
    QFETCH(qint64, found);
    QCOMPARE(m_stream.StringPosition(pos, size, sign), found);
    QCOMPARE(m_stream.ArrayPosition(pos, size, sign.constData(), sign.size()), found);
}

void TestMemoryStream::packetColors()
{
    const auto color = [](quint8 state) { return TPacket{0, 0, 0, state}.Color(); };
    QCOMPARE(color(0), qRgb(255, 0, 0));
    QCOMPARE(color(1), qRgb(128, 128, 128));
    QCOMPARE(color(2), qRgb(0, 128, 0));
    QCOMPARE(color(3), qRgb(252, 15, 192));
    QCOMPARE(color(255), qRgb(176, 176, 0));
    QCOMPARE(color(7), qRgb(255, 255, 255));
}

QTEST_GUILESS_MAIN(TestMemoryStream)
#include "tst_memorystream.moc"
