#include "i18n/Dictionary.h"
#include "link/CommPortDriver.h"
#include "link/DrawPanel.h"
#include "link/PortInfo.h"
#include "link/PortInfoList.h"
#include "shell/HintPanel.h"
#include "shell/MainWindow.h"
#include "shell/Process.h"
#include "shell/Theme.h"
#include "shell/Trace.h"
#include "support/FakePorts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>


class TestDeviceList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void firstToSpeakBecomesCurrent();
    void lostDeviceReturnsOnTheSameEntry();
    void newDeviceAfterLoss();
    void pauseAndResumeByTile();
    void writesToClosedPortAreDropped();
    void hubWaitsForTheReply();
    void sentStringIsLogged();
    void captionAndRefusals();
    void onlyNodeChangesRescan();
    void traceShapes();
    void locks();
    void tileText_data();
    void tileText();
    void consoleDeviceGetsFirmwareNotice();

private:
    TMF *Start(FakePorts *&ports, const QList<const PtyPair *> &plugged);
    QTemporaryDir m_dir;
    TMF *m_window = nullptr;
};

void TestDeviceList::initTestCase()
{
    Process::InitDataFolder(m_dir.filePath("data"));
}

void TestDeviceList::cleanup()
{
    delete m_window;
    m_window = nullptr;
    Trace::close();
}

TMF *TestDeviceList::Start(FakePorts *&ports, const QList<const PtyPair *> &plugged)
{
    auto fake = std::make_unique<FakePorts>();
    ports = fake.get();
    for (const PtyPair *pty : plugged)
        ports->Plug(*pty);
    TOptions options;
    options.Language = 1;
    m_window = new TMF(options, std::move(fake));
    m_window->show();
    // Let the tiles' first type queries go out, so tests start from a quiet line.
    QTest::qWait(50);
    for (const PtyPair *pty : plugged)
        const_cast<PtyPair *>(pty)->Drain();
    return m_window;
}

void TestDeviceList::firstToSpeakBecomesCurrent()
{
    PtyPair first, second;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&first, &second});
    QCOMPARE(window->PortList->PortCount(), 2);
    QCOMPARE(window->FPortIndex, -1);
    QVERIFY(window->PortList->Get(0)->FCom->Connected());
    QVERIFY(window->PortList->Get(1)->FCom->Connected());
    QVERIFY(second.Send(">DN=12345\r\n"));
    QTRY_COMPARE(window->FPortIndex, 1);
    QVERIFY(!window->PortList->Get(0)->FCom->Connected());
    QVERIFY(window->PortList->Get(1)->FCom->Connected());
    QVERIFY(Process::DeviceSeen);
    QTRY_COMPARE(window->FReceive.BytesReceived, qint64(11));
    QVERIFY(std::any_of(window->FReceive.RawChunks.cbegin(), window->FReceive.RawChunks.cend(),
                        [](const TPacket &packet) {
                            return packet.State == TPacket::Received && packet.Size == 11;
                        }));
}

void TestDeviceList::lostDeviceReturnsOnTheSameEntry()
{
    PtyPair pty;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&pty});
    QCOMPARE(window->FPortIndex, 0); // the only device is current at once
    TPortInfo *entry = window->Q();
    QVERIFY(entry->FPanelO->isVisible());
    QVERIFY(!window->EmptyPanel->isVisible());

    ports->Unplug(pty);
    window->DeviceChange(7);
    QCOMPARE(window->FInfoPanel->text(), QStringLiteral("Connection to device lost"));
    QVERIFY(!entry->FPanelO->isVisible());
    QVERIFY(!Process::DeviceSeen);
    QVERIFY(!entry->FCom->Connected());
    QVERIFY(window->EmptyPanel->isVisible());
    QCOMPARE(window->FPortIndex, -1);

    ports->Plug(pty);
    window->DeviceChange(7);
    QCOMPARE(window->PortList->Count(), 1);
    QCOMPARE(window->Q(), entry);
    QVERIFY(entry->FPanelO->isVisible());
    QVERIFY(entry->FCom->Connected());
}

void TestDeviceList::newDeviceAfterLoss()
{
    PtyPair a, b;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&a});
    QCOMPARE(window->FPortIndex, 0);
    ports->Unplug(a);
    ports->Plug(b);
    window->DeviceChange(7);
    QCOMPARE(window->PortList->Count(), 2);
    QCOMPARE(window->FPortIndex, 1);
    QCOMPARE(window->Q()->PortName(), b.Path());
    QVERIFY(!window->PortList->Get(0)->FPanelO->isVisible());
}

void TestDeviceList::pauseAndResumeByTile()
{
    PtyPair pty;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&pty});
    TPortInfo *device = window->Q();
    auto *frame = static_cast<TTileFrame *>(device->FPanelO);
    QCOMPARE(frame->FrameColor(), QColor(ElementGreen));

    window->PanelMouseDown(0);
    QVERIFY(device->Stoped());
    QVERIFY(!device->FCom->Connected());
    QCOMPARE(window->FInfoPanel->text(), QStringLiteral("Communication with the device stopped"));
    QCOMPARE(frame->FrameColor(), QColor(255, 0, 0));

    window->PanelMouseDown(0);
    QVERIFY(!device->Stoped());
    QVERIFY(device->FCom->Connected());
    QCOMPARE(window->FInfoPanel->text(), QStringLiteral("Communication with the device resumed"));
    QCOMPARE(frame->FrameColor(), QColor(ElementGreen));

    window->PanelMouseEnter(0);
    QCOMPARE(frame->FrameColor(), QColor(Qt::white));
    window->PanelMouseLeave(0);
    QCOMPARE(frame->FrameColor(), QColor(ElementGreen));
}

void TestDeviceList::writesToClosedPortAreDropped()
{
    PtyPair pty;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&pty});
    TPortInfo *device = window->Q();
    device->SetStoped(true);
    const qsizetype records = window->FReceive.RawChunks.size();
    const qint64 sent = window->FReceive.BytesSent;
    const qint64 size = window->FReceive.Buffer.Size();
    device->SendAnsiString(">I 0\r\n");
    QVERIFY(device->FLetters.isEmpty());
    QCOMPARE(window->FReceive.RawChunks.size(), records);
    QCOMPARE(window->FReceive.BytesSent, sent);
    QCOMPARE(window->FReceive.Buffer.Size(), size);
}

void TestDeviceList::hubWaitsForTheReply()
{
    PtyPair pty;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&pty});
    TPortInfo *hub = window->Q();
    hub->SetDeviceVer(QStringLiteral("250"));
    window->FReceive.RawChunks.clear(); // a fresh log, as after Clear

    const QByteArray probe = QByteArray::fromHex("3110B0AB");
    const QByteArray settings = QByteArray::fromHex("3110B1");
    hub->SendAnsiString(probe); // nothing shown yet: written at once
    hub->SendAnsiString(settings);
    QCOMPARE(pty.Receive(4), probe);
    QCOMPARE(hub->FLetters.size(), 1);
    QCOMPARE(pty.Drain(), QByteArray());

    QVERIFY(pty.Send(QByteArray::fromHex("3E10B0")));
    QTRY_COMPARE(window->FReceive.ShownLog->constLast().State, quint8(TPacket::Received));
    hub->InnerSend(); // the reply has been taken in
    QCOMPARE(pty.Receive(3), settings);
    QVERIFY(hub->FLetters.isEmpty());
}

void TestDeviceList::sentStringIsLogged()
{
    PtyPair pty;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&pty});
    const qint64 sentBefore = window->FReceive.BytesSent;
    const qint64 sizeBefore = window->FReceive.Buffer.Size();
    window->Q()->SendAnsiString(">I 0\r\n");
    QCOMPARE(window->FReceive.BytesSent, sentBefore + 6);
    const TPacket last = window->FReceive.RawChunks.constLast();
    QCOMPARE(last.Size, qint64(6));
    QCOMPARE(last.State, quint8(TPacket::Sent));
    QCOMPARE(last.Position, sizeBefore);
    QCOMPARE(window->FReceive.Buffer.AsText(sizeBefore, 6), QByteArray(">I 0\r\n"));
    QCOMPARE(pty.Receive(6), QByteArray(">I 0\r\n"));
}

void TestDeviceList::captionAndRefusals()
{
    PtyPair pty;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&pty});
    window->Q()->SetDeviceName(QStringLiteral("A1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("A1 - Configurator [230809]"));

    window->Q()->SetDeviceVer(QStringLiteral("99"));
    window->FCanShowSettings = false;
    window->act_PageSettingsExecute();
    QCOMPARE(window->FInfoPanel->text(),
             QStringLiteral("Missing settings structure for device version 99"));
    QCOMPARE(window->PageOnShow(), window->WellcomePanel);

    window->Q()->SetDeviceVer(QStringLiteral("250"));
    window->act_PageInfoExecute();
    QCOMPARE(window->FInfoPanel->text(), QStringLiteral("Not allow for this device"));
    QCOMPARE(window->PageOnShow(), window->WellcomePanel);
}

void TestDeviceList::onlyNodeChangesRescan()
{
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {});
    const int calls = ports->calls;
    window->DeviceChange(0x8000);
    QCOMPARE(ports->calls, calls);
    window->DeviceChange(7);
    QCOMPARE(ports->calls, calls + 1);
    QVERIFY(window->EmptyPanel->isVisible());
    QVERIFY(window->Timer1->isActive());
}

void TestDeviceList::traceShapes()
{
    const QString path = m_dir.filePath("trace.jsonl");
    QVERIFY(Trace::open(path));
    PtyPair pty;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&pty});
    QVERIFY(pty.Send(">DN=1"));
    QTRY_COMPARE(window->FReceive.BytesReceived, qint64(5));
    window->Q()->SendAnsiString(">I 0\r\n");
    window->SetPortIndex(-1);
    Trace::close();

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QJsonObject> events;
    for (const QByteArray &line : file.readAll().trimmed().split('\n'))
        events.append(QJsonDocument::fromJson(line).object());
    const auto find = [&events](const QString &type) {
        QList<QJsonObject> found;
        for (const QJsonObject &event : events)
            if (event.value("t").toString() == type)
                found.append(event);
        return found;
    };
    const QList<QJsonObject> current = find("current");
    QCOMPARE(current.size(), 2);
    QCOMPARE(current[0].value("port").toString(), pty.Path());
    QVERIFY(current[1].value("port").isNull());
    QCOMPARE(find("recv").value(0).value("hex").toString(), QStringLiteral("3E444E3D31"));
    QCOMPARE(find("sent").constLast().value("hex").toString(), QStringLiteral("3E4920300D0A"));
    QCOMPARE(find("sent").constLast().value("port").toString(), pty.Path());
}

void TestDeviceList::locks()
{
    PtyPair pty;
    FakePorts *ports = nullptr;
    TMF *window = Start(ports, {&pty});
    TPortInfo *device = window->Q();
    QCOMPARE(device->UserPassword(), QStringLiteral("470913"));
    QCOMPARE(device->DevicePassword(), QStringLiteral("\r\n\r\n\r\n"));
    QVERIFY(device->WriteLocked());
    device->SetDeviceVer(QStringLiteral("5"));
    QVERIFY(!device->ReadLocked());
    device->SetDevicePID_VID(QStringLiteral("USB\\VID_0483&PID_5742&REV_0200"));
    QCOMPARE(device->DeviceVer(), QStringLiteral("1"));
    QVERIFY(device->ReadLocked());
    device->SetDevicePassword(QStringLiteral("470913"));
    QVERIFY(!device->WriteLocked());
    QVERIFY(!device->ReadLocked());
}

void TestDeviceList::tileText_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("size");
    QTest::newRow("11 characters") << "12345678901" << 7;
    QTest::newRow("10 characters") << "1234567890" << 10;
    QTest::newRow("9 characters") << "123456789" << 10;
    QTest::newRow("8 characters") << "12345678" << 12;
}

void TestDeviceList::tileText()
{
    QFETCH(QString, id);
    QFETCH(int, size);
    QCOMPARE(TDrawPanel::IdFontSize(id), size);
    QCOMPARE(TDrawPanel::ModelLabel("77"), QStringLiteral("v. 77"));
    QCOMPARE(TDrawPanel::ModelLabel("250"), QStringLiteral("BLE Hub"));
}

void TestDeviceList::consoleDeviceGetsFirmwareNotice()
{
    PtyPair pty;
    auto fake = std::make_unique<FakePorts>();
    fake->Plug(pty, QStringLiteral("USB\\VID_0483&PID_5742&REV_0200"));
    TOptions options;
    options.Language = 1;
    m_window = new TMF(options, std::move(fake));
    QVERIFY(m_window->FInfoPanel);
    // Shown while the window is being built, still in Russian.
    QCOMPARE(m_window->FInfoPanel->text(), Translate(0, QStringLiteral("mes_firmwareold")));
    QCOMPARE(m_window->Q()->DeviceVer(), QStringLiteral("1"));
}

QTEST_MAIN(TestDeviceList)
#include "tst_devicelist.moc"
