#include "line/OutputPacer.h"
#include "line/OutputShaper.h"
#include "line/TrafficLog.h"

#include <QtTest>

namespace {

// A line that records every write as one chunk; it can refuse writes or take only a few
// bytes at a time.
struct FakeLine
{
    OutputPacer::Writer writer()
    {
        return [this](const char *data, qsizetype size) -> qint64 {
            if (refuse)
                return -1;
            const qsizetype taken = takeAtMost > 0 ? qMin(size, takeAtMost) : size;
            chunks.append(QByteArray(data, taken));
            return taken;
        };
    }

    QByteArray all() const { return chunks.join(); }

    QList<QByteArray> chunks;
    bool refuse = false;
    qsizetype takeAtMost = 0;
};

QList<QByteArray> records(int count)
{
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i)
        lines.append(">R" + QByteArray::number(i) + "=" + QByteArray(i % 7, 'v') + "\r\n");
    return lines;
}

// Runs the event loop until the pacer has written everything (QTRY_ would sleep between
// polls and starve the pacer's millisecond timer).
bool drained(const OutputPacer &pacer)
{
    QEventLoop loop;
    QTimer poll;
    poll.callOnTimeout([&] {
        if (pacer.isIdle())
            loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return pacer.isIdle();
}

} // namespace

class TestLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shaperSplits_data();
    void shaperSplits();
    void noiseNeverFakesARecordStart();
    void pacerKeepsOrder_data();
    void pacerKeepsOrder();
    void wholeChunkIsOneWrite();
    void overflowDropsWholePieces();
    void heldOutputWaitsForClient();
    void describe_data();
    void describe();
};

void TestLine::shaperSplits_data()
{
    QTest::addColumn<int>("maxChunk");
    QTest::newRow("whole") << 0;
    QTest::newRow("single bytes") << 1;
    QTest::newRow("up to 7") << 7;
}

void TestLine::shaperSplits()
{
    QFETCH(int, maxChunk);
    OutputShaper shaper(11, maxChunk, 0);
    const QByteArray record = ">GS=9;0;153;11;274\r\n";
    QSet<qsizetype> sizes;
    for (int round = 0; round < 50; ++round) {
        const QList<QByteArray> chunks = shaper.shape(record, Delivery::Stream);
        QCOMPARE(chunks.join(), record);
        for (const QByteArray &chunk : chunks) {
            QVERIFY(!chunk.isEmpty());
            QVERIFY(maxChunk == 0 || chunk.size() <= maxChunk);
            sizes.insert(chunk.size());
        }
    }
    QCOMPARE(sizes.size() > 1, maxChunk > 1);
    QCOMPARE(shaper.shape("12345", Delivery::WholeChunk), QList<QByteArray>{"12345"});
}

void TestLine::noiseNeverFakesARecordStart()
{
    OutputShaper shaper(5, 0, 1);
    const QByteArray record = ">DN=12345\r\n";
    for (int round = 0; round < 200; ++round) {
        const QByteArray shaped = shaper.shape(record, Delivery::Stream).join();
        QVERIFY(shaped.size() > record.size() && shaped.size() <= record.size() + 8);
        QVERIFY(shaped.endsWith(record));
        const QByteArray garbage = shaped.chopped(record.size());
        QVERIFY(!garbage.contains('>') && !garbage.contains('\x55'));
    }
    QCOMPARE(shaper.shape("\x01\x02\x03\x04\x05", Delivery::WholeChunk).join(),
             QByteArray("\x01\x02\x03\x04\x05"));
}

void TestLine::pacerKeepsOrder_data()
{
    QTest::addColumn<int>("bytesPerSecond");
    QTest::addColumn<int>("split");
    QTest::addColumn<int>("takeAtMost");
    QTest::newRow("full speed") << 0 << 0 << 0;
    QTest::newRow("paced") << 115200 / 10 << 0 << 0;
    QTest::newRow("split") << 0 << 5 << 0;
    QTest::newRow("line takes little") << 0 << 0 << 3;
}

void TestLine::pacerKeepsOrder()
{
    QFETCH(int, bytesPerSecond);
    QFETCH(int, split);
    QFETCH(int, takeAtMost);
    FakeLine line;
    line.takeAtMost = takeAtMost;
    OutputPacer pacer(line.writer(), OutputShaper(3, split, 0), bytesPerSecond, 1 << 16);
    const QList<QByteArray> lines = records(60);
    for (const QByteArray &record : lines)
        pacer.enqueue(record, Delivery::Stream);
    QVERIFY(drained(pacer));
    QCOMPARE(line.all(), lines.join());
    for (const QByteArray &chunk : line.chunks)
        QVERIFY(split == 0 || chunk.size() <= split);
}

void TestLine::wholeChunkIsOneWrite()
{
    FakeLine line;
    OutputPacer pacer(line.writer(), OutputShaper(3, 2, 1), 115200 / 10, 1 << 16);
    const QByteArray request = QByteArray::fromHex("0004000000");
    for (const QByteArray &record : records(5))
        pacer.enqueue(record, Delivery::Stream);
    pacer.enqueue(request, Delivery::WholeChunk);
    pacer.enqueue(">DN=1\r\n", Delivery::Stream);
    QVERIFY(drained(pacer));
    QCOMPARE(line.chunks.count(request), 1);
    QVERIFY(line.all().contains(request));
}

void TestLine::overflowDropsWholePieces()
{
    FakeLine line;
    OutputPacer pacer(line.writer(), OutputShaper(3, 0, 0), 0, 100);
    pacer.setHeld(true);
    const QList<QByteArray> lines = records(40);
    for (const QByteArray &record : lines)
        pacer.enqueue(record, Delivery::Stream);
    pacer.setHeld(false);
    QVERIFY(drained(pacer));
    // What remains is the newest records, each whole.
    QVERIFY(line.all().size() <= 100);
    QVERIFY(lines.join().endsWith(line.all()));
    QVERIFY(line.all().startsWith(">R"));
}

void TestLine::heldOutputWaitsForClient()
{
    FakeLine line;
    line.refuse = true;
    OutputPacer pacer(line.writer(), OutputShaper(3, 0, 0), 0, 1 << 16);
    pacer.enqueue(">DN=12345\r\n", Delivery::Stream);
    QTest::qWait(50);
    QVERIFY(line.chunks.isEmpty());
    pacer.setHeld(true);
    line.refuse = false;
    QTest::qWait(50);
    QVERIFY(line.chunks.isEmpty());
    pacer.setHeld(false);
    QVERIFY(drained(pacer));
    QCOMPARE(line.all(), QByteArray(">DN=12345\r\n"));
}

void TestLine::describe_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("record") << QByteArray(">I 0\r\n") << u"\">I 0\\r\\n\""_qs;
    QTest::newRow("binary") << QByteArray::fromHex("3110B0AB") << u"31 10 B0 AB"_qs;
}

void TestLine::describe()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TrafficLog::describe(bytes), text);
}

QTEST_GUILESS_MAIN(TestLine)
#include "tst_devsim_line.moc"
