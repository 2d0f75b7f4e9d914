#include "profiles/HubTerminal.h"
#include "protocol/HubFrames.h"
#include "protocol/MyTypes.h"
#include "TerminalProbe.h"

#include <QtEndian>
#include <QtTest>

namespace {

struct Fixture
{
    explicit Fixture(
        QList<FoundSensor> found = *parseSensorList(u"1:A1B2C3D4E5F6:-67,4:010203040506:-80"_qs))
        : terminal(std::move(found), faults)
        , probe(terminal)
    {
    }

    QList<QByteArray> ask(const QByteArray &request)
    {
        probe.take();
        terminal.receive(request);
        return probe.take();
    }

    // The single reply to a request, checked for its frame: start, type and check byte.
    QByteArray reply(const QByteArray &request)
    {
        const QList<QByteArray> replies = ask(request);
        if (replies.size() != 1)
            return QByteArray();
        const QByteArray frame = replies[0];
        const bool sound = frame.startsWith(QByteArray::fromHex("3E10")) &&
                           frame[2] == request[2] && Crc8(frame.chopped(1)) == quint8(frame.back());
        return sound ? frame : QByteArray();
    }

    Faults faults;
    HubTerminal terminal;
    TerminalProbe probe;
};

QByteArray request(const char *hex)
{
    return AppendCrc8(QByteArray::fromHex(hex));
}

QByteArray slotWrite(quint8 slot, const QByteArray &address, quint8 network, quint8 type)
{
    return AppendCrc8(QByteArray::fromHex("3110B2") + char(slot) + address + char(network) +
                      char(type) + QByteArray(8, '\0'));
}

QByteArray sensorWrite(quint8 slot, quint8 depth, quint16 top, quint16 bottom, quint32 full,
                       quint32 empty)
{
    QByteArray values(13, '\0');
    values[0] = char(depth);
    qToLittleEndian(top, values.data() + 1);
    qToLittleEndian(bottom, values.data() + 3);
    qToLittleEndian(full, values.data() + 5);
    qToLittleEndian(empty, values.data() + 9);
    return AppendCrc8(QByteArray::fromHex("3110B5") + char(slot) + values + QByteArray(19, '\0'));
}

} // namespace

class TestHub : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replyLengths_data();
    void replyLengths();
    void masterInformation();
    void slotWritesAreReadBack();
    void badSlotIndex();
    void rebootResetsUptime();
    void search_data();
    void search();
    void framing_data();
    void framing();
};

void TestHub::replyLengths_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("length");
    QTest::newRow("master information") << request("3110B0") << 36;
    QTest::newRow("slot settings") << request("3110B1") << 52;
    QTest::newRow("slot write") << slotWrite(1, QByteArray(6, '\1'), 3, 1) << 5;
    QTest::newRow("sensor state") << request("3110B402") << 36;
    QTest::newRow("sensor write") << sensorWrite(0, 4, 4000, 10, 3900, 20) << 5;
    QTest::newRow("command") << request("3110B70001") << 6;
    QTest::newRow("search, two sensors") << request("3110B8") << 21;
}

void TestHub::replyLengths()
{
    QFETCH(QByteArray, request);
    QFETCH(int, length);
    Fixture fixture;
    QCOMPARE(HubTerminal::requestLength(quint8(request[2])), request.size());
    QCOMPARE(fixture.reply(request).size(), length);
}

void TestHub::masterInformation()
{
    Fixture fixture;
    for (int second = 0; second < 75; ++second)
        fixture.terminal.tick();
    const QByteArray info = fixture.reply(QByteArray::fromHex("3110B0AB"));
    QCOMPARE(info.size(), 36);
    QCOMPARE(info.mid(9, 4), QByteArray("2.14"));
    QCOMPARE(quint8(info[13]), quint8(HubTerminal::Slots));
    QCOMPARE(qFromLittleEndian<quint32>(info.constData() + 14), 75u);
}

void TestHub::slotWritesAreReadBack()
{
    Fixture fixture;
    const QByteArray address = QByteArray::fromHex("112233445566");
    QCOMPARE(fixture.reply(slotWrite(2, address, 9, 3))[3], char(HubTerminal::Success));
    QCOMPARE(fixture.reply(sensorWrite(2, 5, 4001, 17, 123456, 654))[3],
             char(HubTerminal::Success));

    const QByteArray slots = fixture.reply(request("3110B1"));
    QCOMPARE(slots.mid(3 + 32, 8), address + char(9) + char(3));
    const QByteArray state = fixture.reply(request("3110B402"));
    QCOMPARE(quint8(state[3]), quint8(5));
    QCOMPARE(qFromLittleEndian<quint16>(state.constData() + 4), quint16(4001));
    QCOMPARE(qFromLittleEndian<quint16>(state.constData() + 6), quint16(17));
    QCOMPARE(qFromLittleEndian<quint32>(state.constData() + 8), 123456u);
    QCOMPARE(qFromLittleEndian<quint32>(state.constData() + 12), 654u);
    // The other slots keep what they had.
    QVERIFY(fixture.reply(request("3110B400")).mid(3, 13) != state.mid(3, 13));
}

void TestHub::badSlotIndex()
{
    Fixture fixture;
    const QByteArray before = fixture.reply(request("3110B1"));
    QCOMPARE(quint8(fixture.reply(slotWrite(3, QByteArray(6, '\7'), 1, 1))[3]),
             HubTerminal::InvalidHandle);
    QCOMPARE(quint8(fixture.reply(sensorWrite(7, 1, 2, 3, 4, 5))[3]), HubTerminal::InvalidHandle);
    QCOMPARE(fixture.reply(request("3110B1")), before);
    QCOMPARE(fixture.reply(request("3110B403")).mid(3, 32), QByteArray(32, '\0'));
}

void TestHub::rebootResetsUptime()
{
    Fixture fixture;
    for (int second = 0; second < 10; ++second)
        fixture.terminal.tick();
    const QByteArray other = fixture.reply(request("3110B70002"));
    QCOMPARE(quint8(other[3]), HubTerminal::Success);
    QCOMPARE(qFromLittleEndian<quint32>(fixture.reply(request("3110B0")).constData() + 14), 10u);
    fixture.reply(request("3110B70001"));
    fixture.terminal.tick();
    QCOMPARE(qFromLittleEndian<quint32>(fixture.reply(request("3110B0")).constData() + 14), 1u);
}

void TestHub::search_data()
{
    QTest::addColumn<QString>("sensors");
    QTest::addColumn<QByteArray>("items");
    QTest::newRow("none") << u"none"_qs << QByteArray::fromHex("00");
    QTest::newRow("two") << u"1:A1B2C3D4E5F6:-67,4:010203040506:-80"_qs
                         << QByteArray::fromHex("02"
                                                "01F6E5D4C3B2A1BD"
                                                "04060504030201B0");
}

void TestHub::search()
{
    QFETCH(QString, sensors);
    QFETCH(QByteArray, items);
    Fixture fixture(*parseSensorList(sensors));
    const QByteArray reply = fixture.reply(request("3110B8"));
    QCOMPARE(reply.size(), int(HubFrames::ReplyLength(0xB8, quint8(items[0]))));
    QCOMPARE(reply.mid(3, items.size()), items);
}

void TestHub::framing_data()
{
    const QByteArray probe = QByteArray::fromHex("3110B0AB");
    QByteArray badCheck = request("3110B1");
    badCheck.back() = char(badCheck.back() ^ 1);
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<QByteArray>("replyTypes");
    QTest::newRow("byte by byte") << probe + request("3110B402") << 1
                                  << QByteArray::fromHex("B0B4");
    QTest::newRow("garbage around")
        << "\x31\x31xyz" + probe + "\x10\x31" << 64 << QByteArray::fromHex("B0");
    QTest::newRow("wrong check ignored") << badCheck + probe << 64 << QByteArray::fromHex("B0");
    QTest::newRow("unknown type skipped")
        << request("3110C0") + probe << 2 << QByteArray::fromHex("B0");
}

void TestHub::framing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pieceSize);
    QFETCH(QByteArray, replyTypes);
    Fixture fixture;
    feedInPieces(fixture.terminal, bytes, pieceSize);
    QByteArray types;
    for (const QByteArray &reply : fixture.probe.sent)
        types.append(reply[2]);
    QCOMPARE(types.toHex(), replyTypes.toHex());
}

QTEST_GUILESS_MAIN(TestHub)
#include "tst_devsim_hub.moc"
