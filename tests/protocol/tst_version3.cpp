#include "link/CommPortDriver.h"
#include "link/PortInfo.h"
#include "protocol/version3/Version3.h"
#include "support/FakeDeviceHost.h"
#include "support/PtyPair.h"
#include "support/ReceiveLog.h"
#include "support/RecordingDecoderHost.h"

#include <QtTest>

namespace {

// A reply frame: marker, type, body and the check byte.
QByteArray Reply(quint8 type, const QByteArray &body)
{
    return AppendCrc8(QByteArray("\x3E\x10") + char(type) + body);
}

QByteArray SensorStateRequest(char slot)
{
    return AppendCrc8(QByteArray("\x31\x10\xB4", 3) + slot);
}

QByteArray SensorStateReply(quint8 depth)
{
    return Reply(0xB4, ByteToBin(depth) + WordToBin(300) + WordToBin(20) + IntToBin(70000) +
                           IntToBin(5) + QByteArray(19, '\0'));
}

QByteArray SearchReply(quint8 count, const QByteArray &items)
{
    return Reply(0xB8, ByteToBin(count) + items);
}

// Two search items: an LLS at 01..06 heard at -67 dB and a sensor of unknown kind 9 at 5 dB.
const QByteArray TwoSensors =
    QByteArray::fromHex("01010203040506BD") + QByteArray::fromHex("09A1A2A3A4A5A605");

QString Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

// A hub of type "250" on a pseudo-terminal, with generation 3 shown, so the send queue logs
// its requests in Version3Packets and holds the next one until a reply has been taken in.
struct Fixture
{
    TReceiveState receive;
    RecordingDecoderHost host;
    FakeDeviceHost deviceHost{receive};
    TPortInfo device{&deviceHost, nullptr};
    PtyPair pty;
    TVersion3 version3{receive, host};

    Fixture()
    {
        host.Device = &device;
        device.FDeviceVer = QStringLiteral("250");
        device.FCom = new TCommPortDriver(&device);
        device.FCom->SetPort(pty.Path());
        device.FCom->Connect();
        receive.ShownLog = &receive.Version3Packets;
    }
    void Feed(const QByteArrayList &chunks, bool replay = false)
    {
        if (replay) {
            const qint64 first = receive.RawChunks.size();
            for (const QByteArray &chunk : chunks)
                AppendChunk(receive, chunk);
            for (qint64 raw = first; raw < receive.RawChunks.size(); ++raw)
                version3.AssembleVersion3(raw);
        } else {
            for (const QByteArray &chunk : chunks)
                version3.AssembleVersion3(AppendChunk(receive, chunk));
        }
    }
    // A request that went out before, logged as the send queue logs it.
    void Sent(const QByteArray &request)
    {
        version3.AssembleVersion3(AppendChunk(receive, request, TPacket::Sent));
    }
    QStringList Packets() const { return Entries(receive, receive.Version3Packets, true); }
};

} // namespace

class TestVersion3 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void framing_data();
    void framing();
    void results_data();
    void results();
    void masterInformation_data();
    void masterInformation();
    void slotSettingsQueueTheSensorReads();
    void sensorStateAnswersTheRequestBeforeIt_data();
    void sensorStateAnswersTheRequestBeforeIt();
    void nextRequestAfterTheReply_data();
    void nextRequestAfterTheReply();
    void searchResult_data();
    void searchResult();
};

void TestVersion3::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestVersion3::framing_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("events");

    const QByteArray saved = Reply(0xB2, ByteToBin(0));
    const QStringList savedHint = {"hint1 Settings saved successfully"};
    QTest::newRow("reply in two chunks, after the first")
        << QByteArrayList{saved.left(3)} << QStringList{"0:3E10B2"} << QStringList();
    QTest::newRow("reply in two chunks") << QByteArrayList{saved.left(3), saved.mid(3)}
                                         << QStringList{"2:" + Hex(saved)} << savedHint;
    QTest::newRow("two replies in one chunk")
        << QByteArrayList{saved + saved} << QStringList{"2:" + Hex(saved), "2:" + Hex(saved)}
        << savedHint + savedHint;
    QTest::newRow("bytes before the marker")
        << QByteArrayList{"\x01\x02" + saved} << QStringList{"0:0102", "2:" + Hex(saved)}
        << savedHint;
    QTest::newRow("unlisted type") << QByteArrayList{QByteArray::fromHex("3E10C0007F")}
                                   << QStringList{"1:3E10C000", "0:7F"} << QStringList();
    const QByteArray b3 = Reply(0xB3, QByteArray(55, '\x11'));
    const QByteArray b6 = Reply(0xB6, ByteToBin(0));
    QTest::newRow("framed, not decoded")
        << QByteArrayList{b3 + b6} << QStringList{"1:" + Hex(b3), "1:" + Hex(b6)} << QStringList();
    // Its count announces five sensors: the frame waits for all of them.
    const QByteArray fiveAnnounced = SearchReply(5, TwoSensors);
    QTest::newRow("search result not all there")
        << QByteArrayList{fiveAnnounced} << QStringList{"0:" + Hex(fiveAnnounced)} << QStringList();
    const QByteArray search = SearchReply(2, TwoSensors);
    QTest::newRow("search result in two chunks")
        << QByteArrayList{search.left(10), search.mid(10) + saved}
        << QStringList{"2:" + Hex(search), "2:" + Hex(saved)}
        << QStringList{"clear results"} + savedHint;
}

void TestVersion3::framing()
{
    QFETCH(QByteArrayList, chunks);
    // Live, and replayed from a buffer that already holds every chunk.
    for (bool replay : {false, true}) {
        Fixture f;
        f.Feed(chunks, replay);
        QTEST(f.Packets(), "entries");
        QTEST(f.host.Events, "events");
    }
}

void TestVersion3::results_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("slot written") << 0xB2 << 0 << QStringList{"hint1 Settings saved successfully"};
    QTest::newRow("invalid handle")
        << 0xB2 << 0xFB << QStringList{"hint0 mes_ERROR_INVALID_HANDLE"};
    QTest::newRow("code without text") << 0xB2 << 5 << QStringList();
    QTest::newRow("highest code without text") << 0xB5 << 249 << QStringList();
    QTest::newRow("sensor written, size") << 0xB5 << 0xFF << QStringList{"hint0 mes_ERROR_SIZE"};
    QTest::newRow("command, not supported")
        << 0xB7 << 0xFA << QStringList{"hint0 mes_ERROR_NOT_SUPPROTED"};
}

void TestVersion3::results()
{
    QFETCH(int, type);
    QFETCH(int, code);
    Fixture f;
    QByteArray body = ByteToBin(code);
    if (type == 0xB7)
        body += '\0'; // its result has one more byte
    f.Feed({Reply(type, body)});
    QCOMPARE(f.receive.Version3Packets.size(), 1);
    QCOMPARE(f.receive.Version3Packets[0].State, quint8(TPacket::Recognised));
    QTEST(f.host.Events, "events");
}

void TestVersion3::masterInformation_data()
{
    QTest::addColumn<quint32>("seconds");
    QTest::addColumn<QString>("sinceReset");

    QTest::newRow("hours, minutes, seconds") << 3725u << "01:02:05";
    QTest::newRow("hours past a day") << 90000u << "25:00:00";
}

void TestVersion3::masterInformation()
{
    QFETCH(quint32, seconds);
    QFETCH(QString, sinceReset);
    Fixture f;
    f.Feed({Reply(0xB0, QByteArray::fromHex("010203040506") + "V1.2" + ByteToBin(3) +
                            IntToBin(qint32(seconds)) + QByteArray(17, '\0'))});
    QCOMPARE(f.receive.Version3Packets[0].State, quint8(TPacket::Recognised));
    QCOMPARE(f.device.DeviceName(), QStringLiteral("010203040506"));
    QCOMPARE(f.host.Events, (QStringList{"master_1=06 05 04 03 02 01", "master_2=V1.2",
                                         "master_3=3", "master_4=" + sinceReset}));
}

void TestVersion3::slotSettingsQueueTheSensorReads()
{
    Fixture f;
    QByteArray blocks;
    for (char slot = 1; slot <= 3; ++slot)
        blocks += QByteArray(6, char(0xA0 + slot)) + char(10 * slot) + slot + QByteArray(8, '\0');
    f.Feed({Reply(0xB1, blocks)});
    QCOMPARE(f.host.Events,
             (QStringList{"master_1_1=A1 A1 A1 A1 A1 A1", "sensor_1_1=A1 A1 A1 A1 A1 A1",
                          "master_2_1=A2 A2 A2 A2 A2 A2", "sensor_2_1=A2 A2 A2 A2 A2 A2",
                          "master_3_1=A3 A3 A3 A3 A3 A3", "sensor_3_1=A3 A3 A3 A3 A3 A3",
                          "master_1_2=10", "sensor_1_2=10", "master_2_2=20", "sensor_2_2=20",
                          "master_3_2=30", "sensor_3_2=30", "master_1_3=1", "sensor_1_3=1",
                          "master_2_3=2", "sensor_2_3=2", "master_3_3=3", "sensor_3_3=3"}));

    // One read goes out at once; each reply taken in lets the next one go.
    for (char slot = 0; slot < 3; ++slot) {
        QCOMPARE(f.pty.Receive(4), SensorStateRequest(slot));
        QCOMPARE(f.device.FLetters.size(), 2 - slot);
        f.host.Events.clear();
        f.Feed({SensorStateReply(7)});
        const QString sensor = QStringLiteral("sensor_%1_").arg(slot + 1);
        QCOMPARE(f.host.Events, (QStringList{sensor + "4=7", sensor + "5=300", sensor + "6=20",
                                             sensor + "7=70000", sensor + "8=5"}));
    }
    QCOMPARE(f.pty.Drain(), QByteArray());
    QCOMPARE(f.receive.Version3Packets.size(), 7);
    QCOMPARE(f.receive.Version3Packets.constLast().State, quint8(TPacket::Recognised));
}

void TestVersion3::sensorStateAnswersTheRequestBeforeIt_data()
{
    QTest::addColumn<QByteArray>("before"); // a request sent before the reply, or another reply
    QTest::addColumn<bool>("sent");
    QTest::addColumn<int>("state");

    QTest::newRow("after the read of slot 3") << SensorStateRequest(2) << true << 2;
    QTest::newRow("after another reply") << Reply(0xB2, ByteToBin(0)) << false << 1;
    QTest::newRow("after a request without a slot index")
        << AppendCrc8("\x31\x10\xB0") << true << 1;
    QTest::newRow("first of the list") << QByteArray() << false << 1;
}

void TestVersion3::sensorStateAnswersTheRequestBeforeIt()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, sent);
    Fixture f;
    if (sent)
        f.Sent(before);
    else if (!before.isEmpty())
        f.Feed({before});
    f.host.Events.clear();
    f.Feed({SensorStateReply(7)});
    QTEST(int(f.receive.Version3Packets.constLast().State), "state");
    QCOMPARE(f.host.Events.size(), f.receive.Version3Packets.constLast().State == 2 ? 5 : 0);
}

void TestVersion3::nextRequestAfterTheReply_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<bool>("released");

    const QByteArray reply = Reply(0xB2, ByteToBin(0));
    QTest::newRow("reply") << QByteArrayList{reply} << true;
    QTest::newRow("reply in two chunks, after the first") << QByteArrayList{reply.left(4)} << false;
    QTest::newRow("reply in two chunks") << QByteArrayList{reply.left(4), reply.mid(4)} << true;
    QTest::newRow("two replies in one chunk") << QByteArrayList{reply + reply} << true;
    QTest::newRow("reply and more bytes") << QByteArrayList{reply + "\x3E"} << false;
}

void TestVersion3::nextRequestAfterTheReply()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(bool, released);
    Fixture f;
    const QByteArray first = AppendCrc8("\x31\x10\xB7\x01");
    const QByteArray second = AppendCrc8("\x31\x10\xB7\x02");
    const QByteArray third = AppendCrc8("\x31\x10\xB7\x03");
    f.Sent(first); // still unanswered: the queue holds the others
    f.device.SendAnsiString(second);
    f.device.SendAnsiString(third);
    QCOMPARE(f.device.FLetters.size(), 2);

    f.Feed(chunks);
    QCOMPARE(f.pty.Drain(), released ? second : QByteArray());
    QCOMPARE(f.device.FLetters.size(), released ? 1 : 2);
    // Written once, after the last reply of the chunk.
    if (released)
        QCOMPARE(f.Packets().constLast(), "255:" + Hex(second));
}

void TestVersion3::searchResult_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("section");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("items"); // ident|caption of the listed sensors

    QTest::newRow("no sensors") << SearchReply(0, QByteArray()) << true
                                << QStringList{"clear results", "hint0 No sensors found"}
                                << QStringList();
    QTest::newRow("two sensors") << SearchReply(2, TwoSensors) << true
                                 << QStringList{"clear results",
                                                "FindResultSensors0=06 05 04 03 02 01",
                                                "FindResultSensors1=A6 A5 A4 A3 A2 A1"}
                                 << QStringList{"FindResultSensors0|LLS / -67 dB",
                                                "FindResultSensors1|type #9 / 5 dB"};
    QTest::newRow("two sensors, no list on the page")
        << SearchReply(2, TwoSensors) << false << QStringList{"clear results"} << QStringList();
}

void TestVersion3::searchResult()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, section);
    Fixture f;
    if (section) {
        f.host.Sections.insert(RecordingDecoderHost::SensorResult);
        f.host.AddSensorResult(QStringLiteral("FindResultSensors7"), QStringLiteral("old"));
    }
    f.Feed({reply});
    QCOMPARE(f.receive.Version3Packets[0].State, quint8(TPacket::Recognised));
    QTEST(f.host.Events, "events");
    QStringList items;
    for (auto item = f.host.Items.cbegin(); item != f.host.Items.cend(); ++item)
        items.append(item.key() + u'|' + item.value().Caption);
    items.sort();
    QTEST(items, "items");
}

QTEST_MAIN(TestVersion3)
#include "tst_version3.moc"
