#include "link/PortDiscovery.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TUsbTtyProperties)

class TestPortDiscovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void describe_data();
    void describe();
    void supportedIds_data();
    void supportedIds();
    void portNames_data();
    void portNames();
    void manualPorts();
};

void TestPortDiscovery::describe_data()
{
    // Property sets as udev reports them for real adapters.
    QTest::addColumn<TUsbTtyProperties>("usb");
    QTest::addColumn<QString>("hardwareId");
    QTest::addColumn<QString>("friendlyName");
    QTest::newRow("CDC terminal")
        << TUsbTtyProperties{"/dev/ttyACM0", "0483", "5740", "0200", "00", 2, "Quorvel Terminal"}
        << "USB\\VID_0483&PID_5740&REV_0200&MI_00"
        << "Quorvel Terminal (/dev/ttyACM0)";
    QTest::newRow("single-interface adapter")
        << TUsbTtyProperties{"/dev/ttyUSB0", "303a", "1001", "0100", "00", 1, "USB JTAG/serial"}
        << "USB\\VID_303A&PID_1001&REV_0100"
        << "USB JTAG/serial (/dev/ttyUSB0)";
    QTest::newRow("composite modem, interface 4")
        << TUsbTtyProperties{"/dev/ttyUSB3", "1e0e", "9011", "0100", "04", 6, ""}
        << "USB\\VID_1E0E&PID_9011&REV_0100&MI_04"
        << "USB serial (/dev/ttyUSB3)";
}

void TestPortDiscovery::describe()
{
    QFETCH(TUsbTtyProperties, usb);
    QFETCH(QString, hardwareId);
    QFETCH(QString, friendlyName);
    const TPortDescriptor port = DescribeUsbTty(usb);
    QCOMPARE(port.HardwareId, hardwareId);
    QCOMPARE(port.FriendlyName, friendlyName);
    QCOMPARE(PortNameFromFriendlyName(port.FriendlyName), usb.DevNode);
}

void TestPortDiscovery::supportedIds_data()
{
    QTest::addColumn<QString>("hardwareId");
    QTest::addColumn<bool>("supported");
    QTest::newRow("0483:5740") << "USB\\VID_0483&PID_5740&REV_0200" << true;
    QTest::newRow("0483:5740 not beginning with USB") << "HID\\VID_0483&PID_5740&REV_0200" << false;
    QTest::newRow("2E3C:5740") << "ACPI\\VID_2E3C&PID_5740" << true;
    QTest::newRow("303A:1001") << "USB\\VID_303A&PID_1001&REV_0100" << true;
    QTest::newRow("0E8D:0003") << "USB\\VID_0E8D&PID_0003" << true;
    QTest::newRow("1E0E:9011 interface 4") << "USB\\VID_1E0E&PID_9011&REV_0100&MI_04" << true;
    QTest::newRow("1E0E:9011 interface 2") << "USB\\VID_1E0E&PID_9011&REV_0100&MI_02" << false;
    QTest::newRow("0483:5742 console") << "USB\\VID_0483&PID_5742&REV_0200" << true;
    QTest::newRow("1CBE:0009") << "USB\\VID_1CBE&PID_0009&REV_0100" << true;
    QTest::newRow("unknown FTDI") << "USB\\VID_0403&PID_6001&REV_0600" << false;
}

void TestPortDiscovery::supportedIds()
{
    QFETCH(QString, hardwareId);
    QFETCH(bool, supported);
    QCOMPARE(IsSupportedHardwareId(hardwareId), supported);
}

void TestPortDiscovery::portNames_data()
{
    QTest::addColumn<QString>("friendlyName");
    QTest::addColumn<QString>("portName");
    QTest::newRow("Windows COM port") << "STMicroelectronics Virtual COM Port (COM5)"
                                      << "COM5";
    QTest::newRow("COM0 is no port") << "Device (COM0)"
                                     << "";
    QTest::newRow("COM without number") << "Device (COMx)"
                                        << "";
    QTest::newRow("device node") << "Terminal (/dev/ttyACM0)"
                                 << "/dev/ttyACM0";
    QTest::newRow("no bracket") << "Terminal"
                                << "";
    QTest::newRow("bracket without a port") << "Terminal (rev 2)"
                                            << "";
}

void TestPortDiscovery::portNames()
{
    QFETCH(QString, friendlyName);
    QFETCH(QString, portName);
    QCOMPARE(PortNameFromFriendlyName(friendlyName), portName);
}

void TestPortDiscovery::manualPorts()
{
    QTemporaryDir dir;
    const QString present = dir.filePath("ttyA");
    const QString later = dir.filePath("ttyB");
    QFile(present).open(QIODevice::WriteOnly);
    TManualPortEnumerator ports({present, later + "=USB\\VID_0483&PID_5742&REV_0200"});
    QList<TPortDescriptor> found = ports.Enumerate();
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].HardwareId, QStringLiteral("USB\\VID_0483&PID_5740&REV_0200"));
    QCOMPARE(PortNameFromFriendlyName(found[0].FriendlyName), present);
    QFile(later).open(QIODevice::WriteOnly);
    found = ports.Enumerate();
    QCOMPARE(found.size(), 2);
    QCOMPARE(found[1].HardwareId, QStringLiteral("USB\\VID_0483&PID_5742&REV_0200"));
}

QTEST_GUILESS_MAIN(TestPortDiscovery)
#include "tst_portdiscovery.moc"
