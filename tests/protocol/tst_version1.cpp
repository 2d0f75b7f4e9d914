#include "link/PortInfo.h"
#include "protocol/version1/Version1.h"
#include "support/FakeDeviceHost.h"
#include "support/ReceiveLog.h"
#include "support/RecordingDecoderHost.h"

#include <QtTest>

namespace {

// A generation-1 decoder with a current device, fed chunk by chunk.
struct Fixture
{
    TReceiveState receive;
    RecordingDecoderHost host;
    FakeDeviceHost deviceHost{receive};
    TPortInfo device{&deviceHost, nullptr};
    TVersion1 version1{receive, host};

    Fixture() { host.Device = &device; }

    void Feed(const QByteArrayList &chunks)
    {
        for (const QByteArray &chunk : chunks)
            version1.AssembleVersion1(AppendChunk(receive, chunk));
    }
    // Feeds one record line and returns the state it ends in.
    int Line(const QByteArray &line)
    {
        Feed({'>' + line + "\r\n"});
        return receive.Version1Packets.constLast().State;
    }
    QStringList Packets() const { return Entries(receive, receive.Version1Packets); }
};

QString Bar(int filled)
{
    return QString(filled, u'|') + QString(32 - filled, u'.');
}

} // namespace

class TestVersion1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void assembly_data();
    void assembly();
    void sentChunkIsAnEntryOfItsOwn();
    void stringsSentWhileDecodingFollowTheLine();
    void fields_data();
    void fields();
    void records_data();
    void records();
    void createdItems_data();
    void createdItems();
    void typeQuery_data();
    void typeQuery();
    void serverNames();
    void storagePointersLiveInTheDevice();
};

void TestVersion1::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestVersion1::assembly_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("events");

    const QStringList deviceId = {QStringLiteral("_DeviceID=12345")};
    QTest::newRow("line in three chunks, after the first")
        << QByteArrayList{">GS"} << QStringList{"0:>GS"} << QStringList();
    QTest::newRow("line in three chunks, after the second")
        << QByteArrayList{">GS", "=9;0;153;1"} << QStringList{"0:>GS=9;0;153;1"} << QStringList();
    QTest::newRow("line in three chunks")
        << QByteArrayList{">GS", "=9;0;153;1", "1;274\r\n"}
        << QStringList{"2:>GS=9;0;153;11;274\r\n"}
        << QStringList{"_Satellites=9", "_Speed=0", "_Altitude=153", "_HDOP=1.1", "_Azimuth=274"};
    QTest::newRow("line end split between chunks")
        << QByteArrayList{">DN=12345\r", "\n"} << QStringList{"2:>DN=12345\r\n"} << deviceId;
    QTest::newRow("two lines in one chunk")
        << QByteArrayList{">TW=1690000;3600\r\n>PB=12345;4012\r\n"}
        << QStringList{"2:>TW=1690000;3600\r\n", "2:>PB=12345;4012\r\n"}
        << QStringList{"_InternalTtime=20 Jan 1970 13:26:40", "_Uptime=01:00:00", "type query",
                       "_ExternalVoltage=12.34", "_BatteryVoltage=4.01"};
    QTest::newRow("noise before a line") << QByteArrayList{"xyz>DN=12345\r\n"}
                                         << QStringList{"0:xyz", "2:>DN=12345\r\n"} << deviceId;
    QTest::newRow("text after a line")
        << QByteArrayList{">DN=12345\r\nab"} << QStringList{"2:>DN=12345\r\n", "0:ab"} << deviceId;
    QTest::newRow("unended line moves into the open text before it")
        << QByteArrayList{"xyz", ">GS=9;0", ">DN=12345\r\n"}
        << QStringList{"0:xyz>GS=9;0", "2:>DN=12345\r\n"} << deviceId;
    QTest::newRow("unended line without open text before it runs on")
        << QByteArrayList{">GS=9;0", ">DN=12345\r\n"} << QStringList{"2:>GS=9;0>DN=12345\r\n"}
        << QStringList{"_Satellites=9", "_Speed=0>DN=12345", "_Altitude=<empty>", "_HDOP=0",
                       "_Azimuth=<empty>"};
    QTest::newRow("line without = stays open")
        << QByteArrayList{">OK\r\n"} << QStringList{"0:>OK\r\n"} << QStringList();
    QTest::newRow("line without = and the next record")
        << QByteArrayList{">OK\r\n", ">DN=12345\r\n"} << QStringList{"0:>OK\r\n", "2:>DN=12345\r\n"}
        << deviceId;
    QTest::newRow("line without = joins the open text before it")
        << QByteArrayList{"ab>OK\r\n"} << QStringList{"0:ab>OK\r\n"} << QStringList();
    QTest::newRow("key without a rule")
        << QByteArrayList{">ZZ=1\r\n"} << QStringList{"1:>ZZ=1\r\n"} << QStringList();
}

void TestVersion1::assembly()
{
    QFETCH(QByteArrayList, chunks);
    Fixture f;
    f.Feed(chunks);
    QTEST(f.Packets(), "entries");
    QTEST(f.host.Events, "events");
}

void TestVersion1::sentChunkIsAnEntryOfItsOwn()
{
    Fixture f;
    f.version1.AssembleVersion1(AppendChunk(f.receive, ">I 7\r\n", TPacket::Sent));
    QCOMPARE(f.Packets(), QStringList{"255:>I 7\r\n"});
    f.Feed({">DN=12345\r\n"});
    QCOMPARE(f.Packets(), (QStringList{"255:>I 7\r\n", "2:>DN=12345\r\n"}));
}

void TestVersion1::stringsSentWhileDecodingFollowTheLine()
{
    Fixture f;
    // While generation 1 is shown, the send path logs what it writes in Version1Packets too.
    f.host.OnTypeQuery = [&f] {
        const qint64 raw = AppendChunk(f.receive, ">I 7\r\n", TPacket::Sent);
        f.receive.Version1Packets.append(f.receive.RawChunks[raw]);
    };
    f.Feed({">TW=0;100\r\n>PB=12345;4012\r\n"});
    QCOMPARE(f.Packets(), (QStringList{"2:>TW=0;100\r\n", "255:>I 7\r\n", "2:>PB=12345;4012\r\n"}));
}

void TestVersion1::fields_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("field"); // a null string: no such field

    QTest::newRow("third field") << "9;0;153\r\n" << 2 << "153";
    QTest::newRow("past the last") << "9;0;153\r\n" << 3 << QString();
    QTest::newRow("negative index") << "9;0;153\r\n" << -1 << QString();
    QTest::newRow("empty field") << "a;;b" << 1 << "";
    QTest::newRow("separator at the end") << "a;" << 1 << "";
    QTest::newRow("empty value") << "" << 0 << QString();
    QTest::newRow("spaces do not split") << "a b;c" << 0 << "a b";
    QTest::newRow("quoted separator") << "\"x;y\";z" << 0 << "x;y";
    QTest::newRow("after a quoted field") << "\"x;y\";z" << 1 << "z";
    QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\";2" << 0 << "say \"hi\"";
    QTest::newRow("unclosed quote") << "\"x;y" << 0 << "x;y";
    QTest::newRow("zero ends the value") << QString::fromLatin1("ab\0cd;e", 7) << 1 << QString();
    QTest::newRow("only the first line end goes") << "a\r\nb;c\r\n" << 1 << "c\r\n";
}

void TestVersion1::fields()
{
    QFETCH(QString, value);
    QFETCH(int, index);
    QFETCH(QString, field);
    const QString result = TVersion1::Version1Field(value, index);
    QCOMPARE(result, field);
    QCOMPARE(result.isNull(), field.isNull());
}

void TestVersion1::records_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("deviceType");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("events");

    const QString none;
    QTest::newRow("GK no fix") << QByteArray("GK=0.000000;0.000000") << none << 2
                               << QStringList{"_Latitude=<empty>", "_Longitude=<empty>"};
    QTest::newRow("GK") << QByteArray("GK=0.000000;37.617698") << none << 2
                        << QStringList{"_Latitude=0.000000", "_Longitude=37.617698"};
    QTest::newRow("GS missing fields")
        << QByteArray("GS=9") << none << 2
        << QStringList{"_Satellites=9", "_Speed=<empty>", "_Altitude=<empty>", "_HDOP=0",
                       "_Azimuth=<empty>"};
    QTest::newRow("DN") << QByteArray("DN=12345") << none << 2 << QStringList{"_DeviceID=12345"};
    QTest::newRow("DN too short") << QByteArray("DN=123") << none << 2 << QStringList();
    QTest::newRow("DI") << QByteArray("DI=213;2;5;1") << none << 2
                        << QStringList{"_DeviceType=213", "_SoftVersion=213:1|2.05"};
    QTest::newRow("DI above 250") << QByteArray("DI=251;2;5;1") << none << 1 << QStringList();
    QTest::newRow("DI not a number") << QByteArray("DI=21a;2;5;1") << none << 1 << QStringList();
    QTest::newRow("MN") << QByteArray("MN=123456789012345") << none << 2
                        << QStringList{"_DeviceIMEI=123456789012345"};
    QTest::newRow("MN not 15 digits")
        << QByteArray("MN=12345678901234x") << none << 2 << QStringList();
    QTest::newRow("SID1") << QByteArray("SID1=8970101") << none << 2
                          << QStringList{"_ModemSIMICCID1=8970101"};
    QTest::newRow("SID0 not digits") << QByteArray("SID0=89x") << none << 2 << QStringList();
    QTest::newRow("BTM empty") << QByteArray("BTM=") << none << 2 << QStringList();
    QTest::newRow("SYS") << QByteArray("SYS=3;17") << none << 2 << QStringList{"_System=3 | 17"};

    const QStringList dsFull = {"_InternalMemory=<empty>", "_ExternalMemory=<empty>",
                                "_ModemStatus=OK",         "_ModemSIM=active",
                                "_ModemPIN=<empty>",       "_ModemSIM2=<empty>",
                                "_ModemPIN2=<empty>",      "_NavigationStatus=OK"};
    QTest::newRow("DS type without a clock") << QByteArray("DS=4095") << "215" << 2 << dsFull;
    QStringList dsWithClock = dsFull;
    dsWithClock.insert(2, "_RealTimeClock=OK");
    QTest::newRow("DS type with a clock") << QByteArray("DS=4095") << "90" << 2 << dsWithClock;
    QTest::newRow("DS nothing set") << QByteArray("DS=0") << "90" << 2
                                    << QStringList{"_InternalMemory=no settings [red]",
                                                   "_ExternalMemory=Error [red]",
                                                   "_RealTimeClock=Error [red]",
                                                   "_ModemStatus=power off [white]",
                                                   "_ModemSIM=<empty>",
                                                   "_ModemPIN=<empty>",
                                                   "_ModemSIM2=<empty>",
                                                   "_ModemPIN2=<empty>",
                                                   "_NavigationStatus=Error [red]",
                                                   "_AccelerometerStatus=Error [red]"};
    QTest::newRow("DS modem silent") << QByteArray("DS=24") << none << 2
                                     << QStringList{"_InternalMemory=no settings [red]",
                                                    "_ExternalMemory=Error [red]",
                                                    "_ModemStatus=no Answer [red]",
                                                    "_ModemSIM=<empty>",
                                                    "_ModemPIN=<empty>",
                                                    "_ModemSIM2=<empty>",
                                                    "_ModemPIN2=<empty>",
                                                    "_NavigationStatus=Error [red]",
                                                    "_AccelerometerStatus=Error [red]"};
    QTest::newRow("DS second SIM active")
        << QByteArray("DS=335944") << none << 2
        << QStringList{"_InternalMemory=no settings [red]", "_ExternalMemory=Error [red]",
                       "_ModemStatus=Error [red]",          "_ModemSIM=installed",
                       "_ModemPIN=PIN Required [white]",    "_ModemSIM2=active",
                       "_ModemPIN2=not required",           "_NavigationStatus=Error [red]",
                       "_AccelerometerStatus=Error [red]"};

    QTest::newRow("DS2 nothing set")
        << QByteArray("DS2=0") << none << 2
        << QStringList{"_NavigationStatus=off",          "_ModemStatus=off",
                       "_ModemSIM=no SIM card [red]",    "_ModemSIM2=no SIM card [grey]",
                       "_Server0=not used {WEB} [grey]", "_Server1=not used [grey]",
                       "_Server2=not used [grey]",       "_Server3=not used [grey]",
                       "_Server4=not used [grey]",       "_ModuleReadings=park",
                       "_Bluetooth=off [grey]"};
    // Navigation 2, modem 3, second SIM active, SIM states 1 and 5, servers 1, 2, 3, 0 and (bits
    // 22-23) 1, movement 3, Bluetooth on.
    QTest::newRow("DS2 fields") << QByteArray("DS2=41130606") << none << 2
                                << QStringList{"_NavigationStatus=search for satellites [red]",
                                               "_ModemStatus=activating internet",
                                               "_ModemSIM=home network [grey]",
                                               "_ModemSIM2=registration roaming",
                                               "_Server0=server connecting ... {WEB}",
                                               "_Server1=in contact with server",
                                               "_Server2=packages confirmed8",
                                               "_Server3=not used [grey]",
                                               "_Server4=server connecting ...",
                                               "_ModuleReadings=Test error [red]",
                                               "_Bluetooth=on"};
    QTest::newRow("DS2 modem state without text")
        << QByteArray("DS2=20") << none << 2
        << QStringList{"_NavigationStatus=off",         "_ModemSIM=no SIM card [red]",
                       "_ModemSIM2=no SIM card [grey]", "_Server0=not used {WEB} [grey]",
                       "_Server1=not used [grey]",      "_Server2=not used [grey]",
                       "_Server3=not used [grey]",      "_Server4=not used [grey]",
                       "_ModuleReadings=park",          "_Bluetooth=off [grey]"};

    QTest::newRow("MS transitional") << QByteArray("MS=0") << none << 2
                                     << QStringList{"_ModemNetworkState=unknown state [white]"};
    QTest::newRow("MS settled") << QByteArray("MS=4") << none << 2
                                << QStringList{"_ModemNetworkState=GPRS activated"};
    QTest::newRow("MS unknown") << QByteArray("MS=12") << none << 2
                                << QStringList{"_ModemNetworkState=12 [red]"};
    QTest::newRow("DF") << QByteArray("DF=0;9") << none << 2
                        << QStringList{"_SettingsStatus=no assignments", "_SoftStatus=<empty>"};
    QTest::newRow("DF pending") << QByteArray("DF=2;1") << none << 2
                                << QStringList{"_SettingsStatus=confirmation [red]",
                                               "_SoftStatus=required [red]"};
    QTest::newRow("TW") << QByteArray("TW=0;90061") << none << 2
                        << QStringList{"_InternalTtime=1 Jan 1970 00:00:00", "_Uptime=01 01:01:01",
                                       "type query"};
    QTest::newRow("TW without uptime")
        << QByteArray("TW=86400;0") << none << 2
        << QStringList{"_InternalTtime=2 Jan 1970 00:00:00", "_Uptime=<empty>"};
    QTest::newRow("TM unknown") << QByteArray("TM=4;0") << none << 2
                                << QStringList{"_ModuleReadings=<empty>", "_RestTime=<empty>"};
    QTest::newRow("TM") << QByteArray("TM=1;59") << none << 2
                        << QStringList{"_ModuleReadings=fixed", "_RestTime=00:00:59"};
    QTest::newRow("WS transitional")
        << QByteArray("WS=5;-60") << none << 2
        << QStringList{"_ModuleWiFi=Connecting to a network ...[-60] [white]"};
    QTest::newRow("WS settled") << QByteArray("WS=1;-60") << none << 2
                                << QStringList{"_ModuleWiFi=Module installed[-60]"};
    QTest::newRow("WS unknown") << QByteArray("WS=10;-60") << none << 2
                                << QStringList{"_ModuleWiFi=<empty>"};
    QTest::newRow("TEST passed") << QByteArray("TEST=GNSS;OK") << none << 2
                                 << QStringList{"_TestGNSS=OK"};
    QTest::newRow("TEST failed") << QByteArray("TEST=RS485;ERROR") << none << 2
                                 << QStringList{"_TestRS485=ERROR [red]"};
    QTest::newRow("TEST other result") << QByteArray("TEST=CAN;BUSY") << none << 2 << QStringList();
    QTest::newRow("TEST other unit") << QByteArray("TEST=XYZ;OK") << none << 2 << QStringList();

    QTest::newRow("PB") << QByteArray("PB=12345;4012") << none << 2
                        << QStringList{"_ExternalVoltage=12.34", "_BatteryVoltage=4.01"};
    QTest::newRow("PB, not a 32-bit number and negative")
        << QByteArray("PB=99999999999;-4012") << none << 2
        << QStringList{"_ExternalVoltage=0", "_BatteryVoltage=-4.01"};
    QTest::newRow("ML") << QByteArray("ML=17;250;01") << none << 2
                        << QStringList{"_ModemSignal=" + Bar(17) + " {17}", "_ModemOperator=MTS"};
    QTest::newRow("ML no network")
        << QByteArray("ML=5;0;0") << none << 2
        << QStringList{"_ModemSignal=" + Bar(5) + " {5}", "_ModemOperator=<empty>"};
    QTest::newRow("MO") << QByteArray("MO=MTS;25001") << none << 2
                        << QStringList{"_ModemSignal=" + Bar(0), "_ModemOperator=MTS - #250"};
    QTest::newRow("MO no network")
        << QByteArray("MO=MTS;00000") << none << 2
        << QStringList{"_ModemSignal=" + Bar(0), "_ModemOperator=<empty>"};
    QTest::newRow("BLE") << QByteArray("BLE=3;TAG12;-71") << none << 2
                         << QStringList{"_BLE3=TAG12 [-71 dBm]"};
    QTest::newRow("BLE beyond 10") << QByteArray("BLE=11;A;B") << none << 2 << QStringList();
    QTest::newRow("SR saved") << QByteArray("SR=1") << none << 2
                              << QStringList{"hint1 Settings saved successfully"};
    QTest::newRow("SR failed") << QByteArray("SR=0") << none << 2
                               << QStringList{"hint0 Save error"};

    QTest::newRow("RW") << QByteArray("RW=10/20;300") << none << 2
                        << QStringList{"_StrorageWrite=300", "_StrorageSendServer1=10",
                                       "_StrorageSendServer2=20"};
    QTest::newRow("RW without /") << QByteArray("RW=77;5") << none << 2
                                  << QStringList{"_StrorageWrite=5", "_StrorageSendServer1=",
                                                 "_StrorageSendServer2=77"};
    QTest::newRow("RW1 all sent") << QByteArray("RW1=100;100;1000;0") << none << 2
                                  << QStringList{"_StrorageSendServer1=100 %"};
    QTest::newRow("RW1 behind") << QByteArray("RW1=100;350;1000;0") << none << 2
                                << QStringList{"_StrorageSendServer1=75.00 %"};
    QTest::newRow("RW1 wrapped") << QByteArray("RW1=900;100;1000;0") << none << 2
                                 << QStringList{"_StrorageSendServer1=80.00 %"};
    QTest::newRow("RW1 empty store") << QByteArray("RW1=1;2;0;0") << none << 1 << QStringList();
    QTest::newRow("RW3") << QByteArray("RW3=5;10;100;0") << none << 2
                         << QStringList{"_StrorageSendServer3=95.00 %"};
    QTest::newRow("FS1") << QByteArray("FS1=100;350;1000") << none << 2
                         << QStringList{"_FileWrite=25.00 %", "_FileSendServer1=28.57 %"};
    QTest::newRow("FS1 fails after the write share")
        << QByteArray("FS1=900;100;0") << none << 1 << QStringList{"_FileWrite=100 %"};
    QTest::newRow("FS1 write pointer 0")
        << QByteArray("FS1=-5;0;10") << none << 1 << QStringList{"_FileWrite=50.00 %"};
    QTest::newRow("FS1 empty store") << QByteArray("FS1=5;5;0") << none << 1 << QStringList();
    QTest::newRow("FS2") << QByteArray("FS2=100;100;0") << none << 2
                         << QStringList{"_FileSendServer2=100 %"};

    QTest::newRow("CA") << QByteArray("CA=12345") << none << 2
                        << QStringList{"_CanEngineTime=123.45"};
    QTest::newRow("CE") << QByteArray("CE=55") << none << 2
                        << QStringList{"_CanFuelConsumption=5.5"};
    QTest::newRow("CH") << QByteArray("CH=800") << none << 2 << QStringList{"_CanEngineRPM=800"};
    QTest::newRow("CP") << QByteArray("CP=a b") << none << 2 << QStringList{"_CanCrash=a b"};
    QTest::newRow("CANINFO") << QByteArray("CANINFO=J1939") << none << 2
                             << QStringList{"_CanProgram=J1939"};
    QTest::newRow("CAN mileage") << QByteArray("CAN=53;98765") << none << 2
                                 << QStringList{"_CanMileage=987.65"};
    QTest::newRow("CAN parameter")
        << QByteArray("CAN=215;7") << none << 2 << QStringList{"_CanPar215=7"};
    QTest::newRow("CAN unlisted code") << QByteArray("CAN=66;1") << none << 2 << QStringList();

    QTest::newRow("SMS") << QByteArray("SMS=5;3;2") << none << 2
                         << QStringList{"_ModemInSMS=5", "_ModemOkSMS=3", "_ModemOutSMS=2",
                                        "_ModemInOutSMS=5 / 2", "_ModemErrorSMS=4"};
    QTest::newRow("SMS without errors")
        << QByteArray("SMS=2;3;1") << none << 2
        << QStringList{"_ModemInSMS=2", "_ModemOkSMS=3", "_ModemOutSMS=1", "_ModemInOutSMS=2 / 1",
                       "_ModemErrorSMS=<empty>"};
    QTest::newRow("APN, bytes as Latin-1")
        << QByteArray("APN=caf\xE9;u;p") << none << 2
        << QStringList{QStringLiteral("_StringAPN=café"), "_LoginAPN=u", "_PasswordAPN=p"};
    QTest::newRow("BMS") << QByteArray("BMS=2;7") << none << 2
                         << QStringList{"_MAJOR=2", "_MINOR=7"};
    QTest::newRow("WSP") << QByteArray("WSP=net;-60") << none << 2
                         << QStringList{"_PointWIFI=net;-60"};
    QTest::newRow("settings block (not yet)")
        << QByteArray("SF=AAAA") << none << 1 << QStringList();
    QTest::newRow("empty key") << QByteArray("=5") << none << 1 << QStringList();
}

void TestVersion1::records()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, deviceType);
    Fixture f;
    f.device.FDeviceVer = deviceType;
    QTEST(f.Line(line), "state");
    QTEST(f.host.Events, "events");
}

void TestVersion1::createdItems_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("ident");
    QTest::addColumn<QString>("item"); // section|caption|units, empty when no item may exist
    QTest::addColumn<QStringList>("events");

    const QStringList inOut = {"_InputOutput"};
    QTest::newRow("discrete input")
        << QByteArray("ID3=1") << inOut << 2 << "3 _InOut"
        << "_InputOutput|PIN 3. In discrete|" << QStringList{"3 _InOut=On"};
    QTest::newRow("analog input") << QByteArray("IA12=4095") << inOut << 2 << "12 _InOut"
                                  << "_InputOutput|PIN 12. In analog|mV"
                                  << QStringList{"12 _InOut=4095"};
    QTest::newRow("frequency input")
        << QByteArray("IF1=50") << inOut << 2 << "1 _InOut"
        << "_InputOutput|PIN 1. In frequency|Hz" << QStringList{"1 _InOut=50"};
    QTest::newRow("output 0 in mode 1")
        << QByteArray("O10=1") << inOut << 2 << "0 _InOut"
        << "_InputOutput|PIN 0. Out [mode 1]|" << QStringList{"out 1", "0 _InOut=On"};
    QTest::newRow("output 0 off") << QByteArray("O10=0") << inOut << 2 << "0 _InOut"
                                  << "_InputOutput|PIN 0. Out [mode 1]|"
                                  << QStringList{"out 0", "0 _InOut=Off"};
    QTest::newRow("input without its section")
        << QByteArray("ID3=1") << QStringList() << 2 << "3 _InOut"
        << "" << QStringList{"3 _InOut=On"};

    const QStringList dut = {"_SensorDUT"};
    QTest::newRow("LLS on RS-485")
        << QByteArray("LLS=1;2;812;25;1234") << dut << 2 << "[485] FLS 2"
        << "_SensorDUT|[485] sensor 2|"
        << QStringList{QStringLiteral("[485] FLS 2=812 | 1234 Hz | 25 °C")};
    QTest::newRow("LLS below zero")
        << QByteArray("LLS=0;2;812;250;1234") << dut << 2 << "[232] FLS 2"
        << "_SensorDUT|[232] sensor 2|"
        << QStringList{QStringLiteral("[232] FLS 2=812 | 1234 Hz | -6 °C")};
    QTest::newRow("LLS on BLE") << QByteArray("LLS=2;1;812;25;36") << dut << 2 << "[BLE] FLS 1"
                                << "_SensorDUT|[BLE] sensor 1|"
                                << QStringList{QStringLiteral("[BLE] FLS 1=812 | 3.6 V | 25 °C")};
    QTest::newRow("LLS in percent")
        << QByteArray("LLS=3;1;812;25;55") << dut << 2 << "[BLS] FLS 1"
        << "_SensorDUT|[BLS] sensor 1|"
        << QStringList{QStringLiteral("[BLS] FLS 1=812 | 55 % | 25 °C")};
    QTest::newRow("LLS unknown bus") << QByteArray("LLS=5;2;812;25;1234") << dut << 1 << ""
                                     << "" << QStringList();
    QTest::newRow("LLS two-digit number") << QByteArray("LLS=1;22;812;25;1234") << dut << 1 << ""
                                          << "" << QStringList();
    QTest::newRow("LLS level out of range")
        << QByteArray("LLS=1;2;70000;25;1234") << dut << 1 << "[485] FLS 2"
        << "_SensorDUT|[485] sensor 2|" << QStringList();
    QTest::newRow("MBR") << QByteArray("MBR=1;0;17;300") << QStringList{"_SensorMB"} << 2
                         << "[485]  MBR 17"
                         << "_SensorMB|[485] registr 17|" << QStringList{"[485]  MBR 17= | 300"};
    const QStringList owt = {"_SensorOWT"};
    QTest::newRow("BTS") << QByteArray("BTS=1;36;-5.5;0") << owt << 2 << "[BTS] FLS 1"
                         << "_SensorOWT|[BTS] sensor 1|"
                         << QStringList{QStringLiteral("[BTS] FLS 1=-5.5 °C | 3.6 V | Closed")};
    QTest::newRow("BTSM") << QByteArray("BTSM=1;80;20;0") << owt << 2 << "[BTSm] FLS 1"
                          << "_SensorOWT|[BTSm] sensor 1|"
                          << QStringList{QStringLiteral("[BTSm] FLS 1=20 °C | 80 % | Open")};
    QTest::newRow("OWT") << QByteArray("OWT=1;28FF6A1B0316;-5.5") << owt << 2 << "[OWT] FLS 1"
                         << "_SensorOWT|[OWT] sensor 1|"
                         << QStringList{QStringLiteral("[OWT] FLS 1=-5.5 °C | 28FF6A1B0316")};
    QTest::newRow("OWT short ROM code") << QByteArray("OWT=1;28FF6A1B031;-5.5") << owt << 1 << ""
                                        << "" << QStringList();
    QTest::newRow("OWK") << QByteArray("OWK=3;0123") << QStringList{"_SensorOWK"} << 2 << "OWK3"
                         << "_SensorOWK|Key 3|" << QStringList{"OWK3=0123"};
    const QStringList relays = {"_SensorRELAY"};
    QTest::newRow("RLE") << QByteArray("RLE=1;1") << relays << 2 << "RELAY1"
                         << "_SensorRELAY|RELAY 1|" << QStringList{"RELAY1=Activated"};
    QTest::newRow("RLE beyond relay 1") << QByteArray("RLE=2;1") << relays << 1 << ""
                                        << "" << QStringList();
    QTest::newRow("UPC") << QByteArray("UPC=0;0") << QStringList{"_SensorUPC"} << 2 << "UPC0"
                         << "_SensorUPC|UPC 0|" << QStringList{"UPC0=Closed"};
}

void TestVersion1::createdItems()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, sections);
    QFETCH(QString, ident);
    QFETCH(QString, item);
    Fixture f;
    f.host.Sections = QSet<QString>(sections.cbegin(), sections.cend());
    QTEST(f.Line(line), "state");
    QTEST(f.host.Events, "events");
    if (item.isEmpty()) {
        QVERIFY(f.host.Items.isEmpty());
    } else {
        QCOMPARE(f.host.Items.keys(), QStringList{ident});
        const RecordingDecoderHost::Item &created = f.host.Items[ident];
        QCOMPARE(created.Section + u'|' + created.Caption + u'|' + created.Units, item);
    }
}

void TestVersion1::typeQuery_data()
{
    QTest::addColumn<QList<int>>("uptimes");
    QTest::addColumn<QList<int>>("queries"); // indices of the TW lines that send the query

    QTest::newRow("first uptime above 10") << QList<int>{5, 11} << QList<int>{1};
    QTest::newRow("30 seconds past the last query")
        << QList<int>{100, 129, 130, 131} << QList<int>{0, 3};
    QList<int> thenZeros = {100};
    thenZeros.append(QList<int>(31, 0));
    QTest::newRow("every 31st line") << thenZeros << QList<int>{0, 31};
    QTest::newRow("negative uptimes only count") << QList<int>(11, -5) << QList<int>{10};
}

void TestVersion1::typeQuery()
{
    QFETCH(QList<int>, uptimes);
    Fixture f;
    QList<int> queries;
    for (int i = 0; i < uptimes.size(); ++i) {
        f.host.Events.clear();
        f.Line("TW=0;" + QByteArray::number(uptimes[i]));
        if (f.host.Events.contains("type query"))
            queries.append(i);
    }
    QTEST(queries, "queries");
}

void TestVersion1::serverNames()
{
    Fixture f;
    f.Line("MD1=srv.example;5000;ok");
    f.Line("MD=srv.example;5000;again"); // the same server: nothing new to show
    f.Line("MD0=x");
    f.Line("MD0=x");
    QCOMPARE(f.host.Events, (QStringList{"_Server1=srv.example:5000 (ok)", "_Server0=WEB SERVER"}));
    QCOMPARE(f.version1.ServerName0, QStringLiteral("WEB SERVER"));
    QCOMPARE(f.version1.ServerName1, QStringLiteral("srv.example:5000"));

    f.host.Events.clear();
    QCOMPARE(f.Line("MD2=;0;x"), 2);
    QCOMPARE(f.Line("MD3=backup;0;y"), 2);
    QCOMPARE(f.version1.ServerName2, QStringLiteral("-"));
    QCOMPARE(f.version1.ServerName3, QStringLiteral("-"));
    // Unused servers get no percentages, so an empty store cannot fail their records.
    QCOMPARE(f.Line("RW2=1;2;0;0"), 2);
    QCOMPARE(f.Line("FS3=1;2;0"), 2);
    QCOMPARE(f.host.Events, QStringList{"_Server3=backup:0 (y)"});

    f.host.Events.clear();
    f.Line("DS2=0");
    QVERIFY(f.host.Events.contains("_Server1=not used {srv.example:5000} [grey]"));
    QVERIFY(f.host.Events.contains("_Server2=not used {-} [grey]"));
}

void TestVersion1::storagePointersLiveInTheDevice()
{
    Fixture f;
    f.Line("RW1=100;350;1000;7");
    f.Line("FS3=4;5;6");
    QCOMPARE(f.device.FMemorySend1, 100);
    QCOMPARE(f.device.FMemorySend3, 4);
    QCOMPARE(f.device.FMemoryWrite, 5);
    QCOMPARE(f.device.FMemoryCount, 6);
    QCOMPARE(f.device.FMemoryOffset, 7);
    f.Line("RW=1/2;42");
    QCOMPARE(f.device.FMemoryWrite, 42);

    f.host.Device = nullptr;
    f.host.Events.clear();
    QCOMPARE(f.Line("RW1=100;350;1000;7"), 1);
    QVERIFY(f.host.Events.isEmpty());
}

QTEST_MAIN(TestVersion1)
#include "tst_version1.moc"
