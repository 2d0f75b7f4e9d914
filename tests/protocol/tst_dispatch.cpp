#include "i18n/Dictionary.h"
#include "link/PortInfo.h"
#include "protocol/MyTypes.h"
#include "shell/HintPanel.h"
#include "shell/MainWindow.h"
#include "shell/Process.h"
#include "support/FakePorts.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray hubMasterReply()
{
    QByteArray frame = QByteArray::fromHex("3E10B0") + QByteArray::fromHex("010203040506") +
                       QByteArray("1.07") + char(3) + QByteArray::fromHex("8D0E0000");
    frame.append(QByteArray(35 - frame.size(), '\0'));
    return AppendCrc8(frame);
}

} // namespace

class TestDispatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void election_data();
    void election();
    void generation1IsElectedAndReplayedOnce();
    void generation3Election();
    void consoleAnswers();
    void consoleAnswerFromAnotherTypeIsIgnored();
    void rawTrafficIsNeverParsed();

private:
    TMF *Start(const QString &id = FakePorts::TerminalId);
    void Feed(const QByteArray &chunk);
    QTemporaryDir m_dir;
    PtyPair *m_pty = nullptr;
    TMF *m_window = nullptr;
};

void TestDispatch::initTestCase()
{
    Process::InitDataFolder(m_dir.filePath("data"));
}

void TestDispatch::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_pty;
    m_pty = nullptr;
}

TMF *TestDispatch::Start(const QString &id)
{
    m_pty = new PtyPair;
    TOptions options;
    options.Language = 1;
    auto ports = std::make_unique<FakePorts>();
    ports->Plug(*m_pty, id);
    m_window = new TMF(options, std::move(ports));
    return m_window;
}

void TestDispatch::Feed(const QByteArray &chunk)
{
    m_window->QReceiveData(m_window->Q()->FCom, chunk.constData(), int(chunk.size()));
}

void TestDispatch::election_data()
{
    QTest::addColumn<int>("c1");
    QTest::addColumn<int>("c2");
    QTest::addColumn<int>("c3");
    QTest::addColumn<int>("elected");
    QTest::newRow("3,1,1") << 3 << 1 << 1 << int(vtVersion1);
    QTest::newRow("2,1,1: not more than the others together") << 2 << 1 << 1 << int(vtDetect);
    QTest::newRow("1,1,0: waits") << 1 << 1 << 0 << int(vtDetect);
    QTest::newRow("0,2,1") << 0 << 2 << 1 << int(vtVersion2);
    QTest::newRow("0,0,1") << 0 << 0 << 1 << int(vtVersion3);
    QTest::newRow("nothing") << 0 << 0 << 0 << int(vtDetect);
}

void TestDispatch::election()
{
    QFETCH(int, c1);
    QFETCH(int, c2);
    QFETCH(int, c3);
    QFETCH(int, elected);
    QCOMPARE(int(TMF::Elect(c1, c2, c3)), elected);
}

void TestDispatch::generation1IsElectedAndReplayedOnce()
{
    TMF *window = Start();
    Feed("xyz>DN=12345\r\n>GS=9;0;153;11;274\r\n");
    QCOMPARE(window->FVersion, vtVersion1);
    QCOMPARE(window->FReceive.ShownLog, &window->FReceive.Version1Packets);
    QVERIFY(!window->FHEX);
    int recognised = 0;
    for (const TPacket &packet : window->FReceive.Version1Packets)
        recognised += packet.State == TPacket::Recognised;
    QCOMPARE(recognised, 2);
    QCOMPARE(window->FInfoPanel->text(), QStringLiteral("Connection to device established"));
    QVERIFY(window->CheckNameTimer->isActive());
    Feed(">DI=206;2;5;1\r\n");
    QCOMPARE(window->Q()->FDeviceVer, QStringLiteral("206"));
    QCOMPARE(window->Q()->DeviceName(), QStringLiteral("12345"));
}

void TestDispatch::generation3Election()
{
    TMF *window = Start();
    Feed(hubMasterReply());
    QCOMPARE(window->FVersion, vtVersion3);
    QCOMPARE(window->Q()->DeviceVer(), QStringLiteral("250"));
    QCOMPARE(window->Q()->DevicePassword(), QStringLiteral("470913"));
    QCOMPARE(window->Q()->DeviceName(), QStringLiteral("010203040506"));
    QVERIFY(window->FHEX);
    QCOMPARE(window->FReceive.Version3Packets.size(), 1);
    // The monitoring page is not for hubs.
    QCOMPARE(window->PageOnShow(), window->WellcomePanel);
}

void TestDispatch::consoleAnswers()
{
    TMF *window = Start(QStringLiteral("USB\\VID_0483&PID_5742&REV_0200"));
    TPortInfo *console = window->Q();
    QCOMPARE(console->DeviceVer(), QStringLiteral("1"));
    window->MainHintHide();
    Feed("banner\r\nDEVICE PASS");
    QVERIFY(!window->FInfoPanel);
    Feed("WORD ERROR\r\n");
    QCOMPARE(console->FReadLocked, 1);
    QCOMPARE(window->FInfoPanel->text(),
             QStringLiteral("To receive data from the device, specify the password."));
    window->MainHintHide();
    Feed("> "); // the answer is still in the kept tail, but it was already handled
    QVERIFY(!window->FInfoPanel);

    console->SetUserPassword(QStringLiteral("111222"));
    Feed("DEVICE PASSWO");
    Feed("RD OK\r\nSettings write OK EXTFLASH\r\n");
    QCOMPARE(console->FReadLocked, 0);
    QCOMPARE(console->DevicePassword(), QStringLiteral("111222"));
    QCOMPARE(window->FInfoPanel->text(), QStringLiteral("Settings saved successfully"));
}

void TestDispatch::consoleAnswerFromAnotherTypeIsIgnored()
{
    TMF *window = Start();
    window->MainHintHide();
    Feed("DEVICE PASSWORD ERROR\r\n");
    QCOMPARE(window->Q()->FReadLocked, 0);
    QVERIFY(!window->FInfoPanel);
}

void TestDispatch::rawTrafficIsNeverParsed()
{
    TMF *window = Start();
    window->SetVersion(vtVersion0);
    const qsizetype before = window->FReceive.Version1Packets.size();
    Feed(">DN=12345\r\n");
    QCOMPARE(window->FReceive.Version1Packets.size(), before);
    QCOMPARE(window->FReceive.BytesReceived, qint64(11));
    QCOMPARE(window->FReceive.RawChunks.constLast().Size, qint64(11));
    QCOMPARE(window->FVersion, vtVersion0);
}

QTEST_MAIN(TestDispatch)
#include "tst_dispatch.moc"
