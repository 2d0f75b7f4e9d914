#include "protocol/version2/Version2.h"
#include "support/ReceiveLog.h"
#include "support/RecordingDecoderHost.h"

#include <QtTest>

#include <cstring>
#include <limits>

namespace {

enum : quint32
{
    Navigation = 65552,
    Time = 131073,
    Modem = 131074,
    Power = 196609,
    InputsOutputs = 2097161
};

QByteArray Single(float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return IntToBin(qint32(bits));
}

QByteArray Frame(quint32 type, const QByteArray &payload)
{
    return QByteArray("\x55\xAA") + IntToBin(qint32(type)) + WordToBin(quint16(payload.size())) +
           payload + QByteArray("\x7E\x7E");
}

QByteArray NavigationFrame(float altitude)
{
    return Frame(Navigation, IntToBin(0) + Single(55.75f) + Single(37.625f) + Single(altitude) +
                                 WordToBin(1234) + WordToBin(9000) + WordToBin(150) + ByteToBin(9));
}

QStringList NavigationEvents(const QString &altitude)
{
    return {"_Latitude=55.75", "_Longitude=37.625", "_Altitude=" + altitude, "_Speed=12.34",
            "_Azimuth=90",     "_HDOP=1.5",         "_Satellites=9"};
}

QByteArray ModemFrame(quint8 state)
{
    return Frame(Modem, ByteToBin(state) + ByteToBin(20) + WordToBin(25001) + WordToBin(0) +
                            WordToBin(7) + WordToBin(8) + WordToBin(3) + WordToBin(4));
}

const QByteArray PowerFrame = Frame(Power, WordToBin(12345) + WordToBin(4012));
const QString PowerHex = QStringLiteral("55AA0100030004003930AC0F7E7E");
const QStringList PowerEvents = {"_ExternalVoltage=12.345", "_BatteryVoltage=4.012"};

// A generation-2 assembler fed chunk by chunk as they arrive, or replaying chunks that are all
// in the buffer already, as after the election of the generation.
struct Fixture
{
    TReceiveState receive;
    RecordingDecoderHost host;
    TVersion2 version2{receive, host};

    void Feed(const QByteArrayList &chunks, bool replay = false)
    {
        if (replay) {
            const qint64 first = receive.RawChunks.size();
            for (const QByteArray &chunk : chunks)
                AppendChunk(receive, chunk);
            for (qint64 raw = first; raw < receive.RawChunks.size(); ++raw)
                version2.AssembleVersion2(raw);
        } else {
            for (const QByteArray &chunk : chunks)
                version2.AssembleVersion2(AppendChunk(receive, chunk));
        }
    }
    QStringList Packets() const { return Entries(receive, receive.Version2Packets, true); }
};

} // namespace

class TestVersion2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void records_data();
    void records();
    void assembly_data();
    void assembly();
    void sentChunkIsAnEntryOfItsOwn();
};

void TestVersion2::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestVersion2::records_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("navigation, half rounds down to even")
        << NavigationFrame(152.5f) << 2 << NavigationEvents("152");
    QTest::newRow("navigation, half rounds up to even")
        << NavigationFrame(153.5f) << 2 << NavigationEvents("154");
    QTest::newRow("navigation, altitude beyond integers")
        << NavigationFrame(std::numeric_limits<float>::infinity()) << 2
        << NavigationEvents("<empty>");
    QTest::newRow("time") << Frame(Time, IntToBin(90061) + IntToBin(90061)) << 2
                          << QStringList{"_InternalTtime=2 Jan 1970 01:01:01",
                                         "_Uptime=01 01:01:01"};
    QTest::newRow("time, uptime 0")
        << Frame(Time, IntToBin(0) + IntToBin(0)) << 2
        << QStringList{"_InternalTtime=1 Jan 1970 00:00:00", "_Uptime=00:00:00"};
    QTest::newRow("modem") << ModemFrame(1) << 2
                           << QStringList{
                                  QStringLiteral("_ModemStatus=регистрация в домашней сети"),
                                  "ML=20",
                                  "ML2=25001",
                                  QStringLiteral("ML1=Россия"),
                                  "ML2=MTS",
                                  "_ModemInSMS=3",
                                  "_ModemOutSMS=4"};
    QTest::newRow("modem, state without text")
        << ModemFrame(8) << 2
        << QStringList{"ML=20",   "ML2=25001",     QStringLiteral("ML1=Россия"),
                       "ML2=MTS", "_ModemInSMS=3", "_ModemOutSMS=4"};
    QTest::newRow("power") << PowerFrame << 2 << PowerEvents;
    QTest::newRow("inputs and outputs")
        << Frame(InputsOutputs, WordToBin(0x05) + WordToBin(0x82)) << 2
        << QStringList{"ID0=1", "OD0=0", "ID1=0", "OD1=1", "ID2=1", "OD2=0", "ID3=0", "OD3=0",
                       "ID4=0", "OD4=0", "ID5=0", "OD5=0", "ID6=0", "OD6=0", "ID7=0", "OD7=1"};
    QTest::newRow("unlisted type") << Frame(0x00990001, QByteArray()) << 1 << QStringList();
    // Frames too short for the fields of their type are left alone rather than shown in part.
    QTest::newRow("short navigation")
        << Frame(Navigation, QByteArray(22, '\0')) << 1 << QStringList();
    QTest::newRow("short time") << Frame(Time, QByteArray(7, '\0')) << 1 << QStringList();
    QTest::newRow("short modem") << Frame(Modem, QByteArray(13, '\0')) << 1 << QStringList();
    QTest::newRow("short power") << Frame(Power, QByteArray(3, '\0')) << 1 << QStringList();
}

void TestVersion2::records()
{
    QFETCH(QByteArray, frame);
    Fixture f;
    f.Feed({frame});
    QCOMPARE(f.receive.Version2Packets.size(), 1);
    QTEST(int(f.receive.Version2Packets[0].State), "state");
    QTEST(f.host.Events, "events");
}

void TestVersion2::assembly_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("events");

    // The power frame cut after its marker and 3 bytes of the type, then after 9 bytes.
    const QByteArray first = PowerFrame.left(5);
    const QByteArray second = PowerFrame.mid(5, 4);
    const QByteArray third = PowerFrame.mid(9);
    QTest::newRow("frame in three chunks, after the first")
        << QByteArrayList{first} << QStringList{"0:55AA010003"} << QStringList();
    QTest::newRow("frame in three chunks, after the second")
        << QByteArrayList{first, second} << QStringList{"0:55AA01000300040039"} << QStringList();
    QTest::newRow("frame in three chunks")
        << QByteArrayList{first, second, third} << QStringList{"2:" + PowerHex} << PowerEvents;
    QTest::newRow("bytes before the marker")
        << QByteArrayList{QByteArray("\x00\x11", 2) + PowerFrame}
        << QStringList{"0:0011", "2:" + PowerHex} << PowerEvents;
    QTest::newRow("two frames and a tail in one chunk")
        << QByteArrayList{PowerFrame + PowerFrame + "\x55"}
        << QStringList{"2:" + PowerHex, "2:" + PowerHex, "0:55"} << PowerEvents + PowerEvents;
    QTest::newRow("frames across chunks")
        << QByteArrayList{PowerFrame + PowerFrame.left(3), PowerFrame.mid(3) + PowerFrame.left(8),
                          PowerFrame.mid(8)}
        << QStringList{"2:" + PowerHex, "2:" + PowerHex, "2:" + PowerHex}
        << PowerEvents + PowerEvents + PowerEvents;
}

void TestVersion2::assembly()
{
    QFETCH(QByteArrayList, chunks);
    for (bool replay : {false, true}) {
        Fixture f;
        f.Feed(chunks, replay);
        QTEST(f.Packets(), "entries");
        QTEST(f.host.Events, "events");
    }
}

void TestVersion2::sentChunkIsAnEntryOfItsOwn()
{
    Fixture f;
    f.version2.AssembleVersion2(AppendChunk(f.receive, "\x31\x10\xB0\xAB", TPacket::Sent));
    f.Feed({PowerFrame});
    QCOMPARE(f.Packets(), (QStringList{"255:3110B0AB", "2:" + PowerHex}));
}

QTEST_MAIN(TestVersion2)
#include "tst_version2.moc"
