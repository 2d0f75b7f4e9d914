#include "link/CommPortDriver.h"
#include "support/PtyPair.h"

#include <QSignalSpy>
#include <QtTest>

class TestCommPortDriver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clamping_data();
    void clamping();
    void opensPseudoTerminalDespiteDtr();
    void portFixedWhileConnected();
    void deliversOneBatchPerPoll();
    void framing();
    void synchronousWrite();
    void writeToClosedPortFails();
    void vanishedPeerClosesOnce();
};

void TestCommPortDriver::clamping_data()
{
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("storedBits");
    QTest::addColumn<int>("endByte");
    QTest::addColumn<int>("storedEnd");
    QTest::newRow("below the range") << 4 << 5 << -7 << -1;
    QTest::newRow("above the range") << 9 << 8 << 300 << 255;
    QTest::newRow("inside the range") << 7 << 7 << 10 << 10;
    QTest::newRow("edges") << 5 << 5 << 255 << 255;
}

void TestCommPortDriver::clamping()
{
    QFETCH(int, dataBits);
    QFETCH(int, storedBits);
    QFETCH(int, endByte);
    QFETCH(int, storedEnd);
    TCommPortDriver driver;
    QCOMPARE(driver.PortSpeed(), br115200);
    QCOMPARE(driver.PortInBufSize(), quint16(4096));
    driver.SetPortDataBits(dataBits);
    QCOMPARE(int(driver.PortDataBits()), storedBits);
    driver.SetEndByte(endByte);
    QCOMPARE(driver.EndByte(), storedEnd);
}

void TestCommPortDriver::opensPseudoTerminalDespiteDtr()
{
    PtyPair pty;
    QVERIFY(pty.IsOpen());
    TCommPortDriver driver;
    driver.SetPort(pty.Path());
    QVERIFY(driver.Connect());
    QVERIFY(driver.Connected());
    QVERIFY(driver.Connect()); // already open
    driver.Disconnect();
    QVERIFY(!driver.Connected());
    driver.Disconnect();
    QVERIFY(!driver.Connected());
    TCommPortDriver missing;
    missing.SetPort(QStringLiteral("/dev/no-such-port"));
    QVERIFY(!missing.Connect());
}

void TestCommPortDriver::portFixedWhileConnected()
{
    PtyPair pty;
    TCommPortDriver driver;
    driver.SetPort(pty.Path());
    QVERIFY(driver.Connect());
    driver.SetPort(QStringLiteral("/dev/other"));
    QCOMPARE(driver.Port(), pty.Path());
    driver.Disconnect();
    driver.SetPort(QStringLiteral("/dev/other"));
    QCOMPARE(driver.Port(), QStringLiteral("/dev/other"));
}

void TestCommPortDriver::deliversOneBatchPerPoll()
{
    PtyPair pty;
    TCommPortDriver driver;
    driver.SetPort(pty.Path());
    QList<QByteArray> batches;
    driver.SetOnReceiveData([&batches](TCommPortDriver *, const char *data, int size) {
        batches.append(QByteArray(data, size));
    });
    QVERIFY(driver.Connect());
    QVERIFY(pty.Send(">GS=9;0;153;11;274\r\n"));
    QTRY_COMPARE(batches.join(), QByteArray(">GS=9;0;153;11;274\r\n"));
}

void TestCommPortDriver::framing()
{
    PtyPair pty;
    TCommPortDriver driver;
    driver.SetPort(pty.Path());
    driver.SetEndByte(0x0A);
    QList<QByteArray> frames;
    driver.SetOnReceiveData([&frames](TCommPortDriver *, const char *data, int size) {
        frames.append(QByteArray(data, size));
    });
    QVERIFY(driver.Connect());
    driver.SetPortPollingDelay(60000); // polls by hand below
    QVERIFY(pty.Send(QByteArray::fromHex("41420A43440A45")));
    QTest::qWait(100);
    driver.Poll();
    QCOMPARE(frames,
             (QList<QByteArray>{QByteArray::fromHex("41420A"), QByteArray::fromHex("43440A")}));
    QCOMPARE(driver.BufferSize(), 1);
    QVERIFY(pty.Send(QByteArray::fromHex("460A")));
    QTest::qWait(100);
    driver.Poll();
    QCOMPARE(frames.size(), 3);
    QCOMPARE(frames.last(), QByteArray::fromHex("45460A"));
    QCOMPARE(driver.BufferSize(), 0);
}

void TestCommPortDriver::synchronousWrite()
{
    PtyPair pty;
    TCommPortDriver driver;
    driver.SetPort(pty.Path());
    QVERIFY(driver.Connect());
    QVERIFY(driver.SendString(">I 0\r\n"));
    QCOMPARE(pty.Receive(6), QByteArray(">I 0\r\n"));
}

void TestCommPortDriver::writeToClosedPortFails()
{
    PtyPair pty;
    TCommPortDriver driver;
    driver.SetPort(pty.Path());
    QVERIFY(!driver.SendString("x"));
    QVERIFY(driver.Connect());
    driver.Disconnect();
    QVERIFY(!driver.SendString("x"));
    QCOMPARE(pty.Drain(), QByteArray());
}

void TestCommPortDriver::vanishedPeerClosesOnce()
{
    PtyPair pty;
    TCommPortDriver driver;
    driver.SetPort(pty.Path());
    QSignalSpy failed(&driver, &TCommPortDriver::PortFailed);
    QVERIFY(driver.Connect());
    pty.CloseMaster();
    QTRY_VERIFY(!driver.Connected());
    QTest::qWait(200);
    QCOMPARE(failed.size(), 1);
}

QTEST_GUILESS_MAIN(TestCommPortDriver)
#include "tst_commportdriver.moc"
