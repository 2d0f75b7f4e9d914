#include "profiles/Generation2Terminal.h"
#include "protocol/MyTypes.h"
#include "TerminalProbe.h"

#include <QtEndian>
#include <QtTest>

namespace {

template <typename T>
T at(const QByteArray &frame, int offset)
{
    return qFromLittleEndian<T>(frame.constData() + offset);
}

} // namespace

class TestGeneration2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void framesOfEverySecond_data();
    void framesOfEverySecond();
    void valuesArePlausibleAndMove();
};

void TestGeneration2::framesOfEverySecond_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<int>("payloadLength");
    QTest::newRow("navigation") << quint32(Generation2Terminal::Navigation) << 23;
    QTest::newRow("time") << quint32(Generation2Terminal::Time) << 8;
    QTest::newRow("modem") << quint32(Generation2Terminal::Modem) << 14;
    QTest::newRow("power") << quint32(Generation2Terminal::Power) << 4;
    QTest::newRow("inputs and outputs") << quint32(Generation2Terminal::InputsOutputs) << 4;
}

void TestGeneration2::framesOfEverySecond()
{
    QFETCH(quint32, type);
    QFETCH(int, payloadLength);
    Generation2Terminal terminal(3);
    TerminalProbe probe(terminal);
    terminal.tick();
    terminal.tick();
    QCOMPARE(probe.sent.size(), 10);
    int seen = 0;
    for (const QByteArray &frame : probe.sent) {
        QVERIFY(frame.startsWith(QByteArray::fromHex("55AA")));
        const quint16 length = at<quint16>(frame, 6);
        QCOMPARE(frame.size(), length + 10);
        QCOMPARE(at<quint16>(frame, 8 + length), Crc16(frame.constData(), 8 + length));
        if (at<quint32>(frame, 2) == type) {
            ++seen;
            QCOMPARE(int(length), payloadLength);
        }
    }
    QCOMPARE(seen, 2);
}

void TestGeneration2::valuesArePlausibleAndMove()
{
    Generation2Terminal terminal(5);
    TerminalProbe probe(terminal);
    terminal.tick();
    const QList<QByteArray> first = probe.take();
    for (int second = 0; second < 20; ++second)
        terminal.tick();
    const QList<QByteArray> later = probe.sent.mid(probe.sent.size() - 5);

    const QByteArray navigation = later[0];
    QVERIFY(qAbs(at<float>(navigation, 12) - 55.75f) < 0.1f);
    QVERIFY(qAbs(at<float>(navigation, 16) - 37.62f) < 0.1f);
    QVERIFY(navigation[30] >= 4 && navigation[30] <= 20);
    QVERIFY(navigation.mid(12, 8) != first[0].mid(12, 8));
    QCOMPARE(at<quint32>(first[1], 12), 1u);
    QCOMPARE(at<quint32>(later[1], 12), 21u);
    QCOMPARE(at<quint16>(later[2], 10), quint16(25001));
    QVERIFY(at<quint16>(later[3], 8) > 12000 && at<quint16>(later[3], 8) < 15000);
}

QTEST_GUILESS_MAIN(TestGeneration2)
#include "tst_devsim_generation2.moc"
