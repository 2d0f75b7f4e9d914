#include "link/PortInfo.h"
#include "link/PortInfoList.h"
#include "settings/Elements.h"
#include "shell/MainWindow.h"
#include "shell/Process.h"
#include "shell/Theme.h"
#include "shell/Trace.h"
#include "support/FakePorts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>


class TestRouting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void nothingWhileDetecting();
    void identityReachesTheDevice();
    void sectionsAndButtonsAreNeverHit();
    void shallowerAndEarlierWin();
    void indexFollowsRenameAndDestruction();
    void emptyValueHidesTheItem();
    void valuesGoToTheTrace();
    void fourthColumnAppearsWithContent();
    void layoutBuildsTheShippedPage();

private:
    TItemClass *Item(const QString &ident);
    QTemporaryDir m_dir;
    PtyPair *m_pty = nullptr;
    TMF *m_window = nullptr;
};

void TestRouting::initTestCase()
{
    Process::InitDataFolder(m_dir.filePath("data"));
    QLocale::setDefault(QLocale::c());
}

void TestRouting::init()
{
    m_pty = new PtyPair;
    TOptions options;
    options.Language = 1;
    auto ports = std::make_unique<FakePorts>();
    ports->Plug(*m_pty);
    m_window = new TMF(options, std::move(ports));
    m_window->resize(1200, 800);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestRouting::cleanup()
{
    delete m_window;
    delete m_pty;
    Trace::close();
}

TItemClass *TestRouting::Item(const QString &ident)
{
    TBaseClass *element = m_window->VisualFind(m_window, ident);
    return element && element->Kind() == TElementKind::Item ? static_cast<TItemClass *>(element)
                                                            : nullptr;
}

void TestRouting::nothingWhileDetecting()
{
    QCOMPARE(m_window->FVersion, vtDetect);
    QVERIFY(
        !m_window->VisualSetValue("_DeviceID", Variant(QStringLiteral("12345")), {}, ElementGreen));
    QVERIFY(m_window->Q()->DeviceName().isEmpty());
    QVERIFY(Item("_DeviceID")->FValue.isEmpty());
}

void TestRouting::identityReachesTheDevice()
{
    m_window->FVersion = vtVersion1;
    QVERIFY(!m_window->VisualSetValue("_devicetype", Variant(QStringLiteral("206")), {},
                                      ElementGreen)); // no element of that name
    QCOMPARE(m_window->Q()->FDeviceVer, QStringLiteral("206"));
    QVERIFY(m_window->VisualSetValue("_DEVICEIMEI", Variant(QStringLiteral("356938035643809")), {},
                                     ElementGreen));
    QCOMPARE(m_window->Q()->DeviceIMEI(), QStringLiteral("356938035643809"));
    m_window->SetPortIndex(-1);
    QVERIFY(
        m_window->VisualSetValue("_DeviceID", Variant(QStringLiteral("777")), {}, ElementGreen));
    QCOMPARE(Item("_DeviceID")->FValue.toString(), QStringLiteral("777"));
    QVERIFY(m_window->PortList->Get(0)->DeviceName().isEmpty());
}

void TestRouting::sectionsAndButtonsAreNeverHit()
{
    m_window->FVersion = vtVersion1;
    QVERIFY(!m_window->VisualSetValue("_GSMModem", Variant(1), {}, ElementGreen));
    auto *section = static_cast<TCaptionClass *>(m_window->VisualFind(m_window, "_GSMModem"));
    QVERIFY(section->FValue.isEmpty());
    auto *button = new TButtonClass(section->FBody);
    button->AssignIdent("FindSensors250");
    QVERIFY(!m_window->VisualSetValue("FindSensors250", Variant(1), {}, ElementGreen));
    QVERIFY(!m_window->VisualSetValue("no such element", Variant(1), {}, ElementGreen));
}

void TestRouting::shallowerAndEarlierWin()
{
    m_window->FVersion = vtVersion1;
    auto *section = static_cast<TCaptionClass *>(m_window->VisualFind(m_window, "_GSMModem"));
    // A deeper item of the same name, created before a shallower one.
    auto *inner = new TCaptionClass(section->FBody);
    auto *deep = new TItemClass(inner->FBody);
    deep->AssignIdent("twin");
    auto *shallow = new TItemClass(section->FBody);
    shallow->AssignIdent("TWIN");
    auto *later = new TItemClass(section->FBody);
    later->AssignIdent("twin");
    QVERIFY(m_window->VisualSetValue("Twin", Variant(5), {}, ElementGreen));
    QCOMPARE(shallow->FValue.toString(), QStringLiteral("5"));
    QVERIFY(deep->FValue.isEmpty());
    QVERIFY(later->FValue.isEmpty());
    delete shallow;
    QVERIFY(m_window->VisualSetValue("twin", Variant(6), {}, ElementGreen));
    QCOMPARE(later->FValue.toString(), QStringLiteral("6"));
    QVERIFY(deep->FValue.isEmpty());
}

void TestRouting::indexFollowsRenameAndDestruction()
{
    // The same name objects, routed again and again as the decoders do.
    const QString speed = QStringLiteral("_Speed");
    const QString renamed = QStringLiteral("_speedrenamed");
    m_window->FVersion = vtVersion1;
    QVERIFY(m_window->VisualSetValue(speed, Variant(1), {}, ElementGreen));
    TItemClass *item = Item(speed);
    item->AssignIdent("_SpeedRenamed");
    QVERIFY(!m_window->VisualSetValue(speed, Variant(1), {}, ElementGreen));
    QVERIFY(m_window->VisualSetValue(renamed, Variant(2), {}, ElementGreen));
    QCOMPARE(item->FValue.toString(), QStringLiteral("2"));
    delete item;
    QVERIFY(!m_window->VisualSetValue(renamed, Variant(3), {}, ElementGreen));
    auto *section = static_cast<TCaptionClass *>(m_window->VisualFind(m_window, "_GSMModem"));
    auto *newcomer = new TItemClass(section->FBody);
    newcomer->AssignIdent(speed);
    QVERIFY(m_window->VisualSetValue(speed, Variant(4), {}, ElementGreen));
    QCOMPARE(newcomer->FValue.toString(), QStringLiteral("4"));
}

void TestRouting::emptyValueHidesTheItem()
{
    m_window->FVersion = vtVersion1;
    TItemClass *speed = Item("_Speed");
    QCOMPARE(speed->height(), 0);
    QVERIFY(m_window->VisualSetValue("_Speed", Variant(12.5), "fast", ElementRed));
    QCOMPARE(speed->height(), 22);
    QCOMPARE(speed->FColor, QColor(ElementRed));
    QCOMPARE(speed->FValueAlter.toString(), QStringLiteral("fast"));
    QCOMPARE(speed->PaintedValue(), QStringLiteral("12.5 km/h"));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(speed, &enter);
    QCOMPARE(speed->PaintedValue(), QStringLiteral("fast km/h"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(speed, &leave);
    QCOMPARE(speed->PaintedValue(), QStringLiteral("12.5 km/h"));
    QVERIFY(m_window->VisualSetValue("_Speed", Variant(), {}, ElementGreen));
    QCOMPARE(speed->height(), 0);
}

void TestRouting::valuesGoToTheTrace()
{
    const QString path = m_dir.filePath("values.jsonl");
    QVERIFY(Trace::open(path));
    m_window->FVersion = vtVersion1;
    m_window->VisualSetValue("_Speed", Variant(12.5), {}, ElementGreen);
    m_window->VisualSetValue("_Nothing", Variant(QStringLiteral("x")), "alt", ElementGrey);
    Trace::close();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    QCOMPARE(
        lines[0],
        QByteArray(
            R"({"t":"value","ident":"_Speed","text":"12.5","color":"#5AB762","alt":"","hit":true})"));
    const QJsonObject miss = QJsonDocument::fromJson(lines[1]).object();
    QCOMPARE(miss.value("hit").toBool(), false);
    QCOMPARE(miss.value("color").toString(), QStringLiteral("#4B565C"));
    QCOMPARE(miss.value("alt").toString(), QStringLiteral("alt"));
}

void TestRouting::fourthColumnAppearsWithContent()
{
    m_window->act_PageWellcomeExecute();
    QCoreApplication::processEvents();
    QVERIFY(!m_window->PanelS4->isVisibleTo(m_window->InfoPanel));
    const int third = m_window->PanelS3->width();
    QVERIFY(third >= (m_window->MainPanel->width() - 10) / 3);
    m_window->FVersion = vtVersion1;
    m_window->VisualSetValue("_CanSpeed", Variant(80), {}, ElementGreen);
    QTRY_VERIFY(m_window->PanelS4->isVisibleTo(m_window->InfoPanel));
    QCOMPARE(m_window->PanelS1->width(), (m_window->MainPanel->width() - 15) / 4);
    m_window->VisualSetValue("_CanSpeed", Variant(), {}, ElementGreen);
    QTRY_VERIFY(!m_window->PanelS4->isVisibleTo(m_window->InfoPanel));
}

void TestRouting::layoutBuildsTheShippedPage()
{
    // Units: translated for items.
    QCOMPARE(Item("_Altitude")->F_Units, QStringLiteral("Units_M"));
    QCOMPARE(Item("_Altitude")->FUnits, QStringLiteral("m"));
    QCOMPARE(Item("_Azimuth")->FUnits, QStringLiteral("°"));
    QCOMPARE(Item("3 _InOut")->FCaption, QStringLiteral("PIN 3. In / Out"));
    auto *io = static_cast<TCaptionClass *>(m_window->VisualFind(m_window, "_InputOutput"));
    QVERIFY(!io->FAutoHide);
    QCOMPARE(io->FullHeight(), 24 + 16); // header only while empty
    auto *can = static_cast<TCaptionClass *>(m_window->VisualFind(m_window, "_CanSensors"));
    QVERIFY(can->FAutoHide);
    QCOMPARE(can->FullHeight(), 0);
    // The button and the line of the layout build nothing.
    QVERIFY(!m_window->VisualFind(m_window, "OUT0"));
    QVERIFY(m_window->findChildren<TButtonClass *>().isEmpty());
    m_window->SetLanguage(0);
    QCOMPARE(Item("_Altitude")->FUnits, QStringLiteral("м"));
    QCOMPARE(io->FLabel->text(), QStringLiteral("ВХОДЫ и ВЫХОДЫ"));
}

QTEST_MAIN(TestRouting)
#include "tst_routing.moc"
