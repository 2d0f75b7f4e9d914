#include "shell/HintPanel.h"
#include "shell/MainWindow.h"
#include "shell/Process.h"
#include "shell/SpeedButton.h"
#include "shell/Theme.h"
#include "shell/Trace.h"

#include <QAction>
#include <QJsonDocument>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startsOnTheWelcomePage();
    void hintIgnoresTheSameText();
    void hintReplacedByAnotherText();
    void hintHidesAfterThreeSeconds();
    void hintDoesNotBlock();
    void hintsGoToTheTrace();
    void captionText_data();
    void captionText();
    void pageRefusals_data();
    void pageRefusals();
    void themeToggle();
    void leftBorderDrag();
    void rightAndBottomDrag();
    void maximiseByDoubleClick();
    void splitterLimits_data();
    void splitterLimits();
    void hoverShowsHint();
    void languageIndicator();
    void actionCaptionsAndHints();
    void infoExternal();
    void activityBar();

private:
    QTemporaryDir m_dir;
    TMF *m_window = nullptr;
};

void TestMainWindow::initTestCase()
{
    Process::InitDataFolder(m_dir.filePath("data"));
}

void TestMainWindow::init()
{
    Theme::SetDark(true);
    Theme::Current() = Theme::Dark();
    Process::DeviceSeen = false;
    m_window = new TMF(TOptions());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    Trace::close();
}

void TestMainWindow::startsOnTheWelcomePage()
{
    QCOMPARE(m_window->PageOnShow(), m_window->WellcomePanel);
    QCOMPARE(m_window->FLanguage, 0);
    QCOMPARE(m_window->FVersion, vtDetect);
    QCOMPARE(m_window->FPortIndex, -1);
    QVERIFY(m_window->DataTimer->isActive());
    QVERIFY(m_window->Timer1->isActive());
    QVERIFY(!m_window->CheckNameTimer->isActive());
    QVERIFY(!m_window->HideHint->isActive());
    QVERIFY(!m_window->act_PageFuel->isVisible());
    QVERIFY(!m_window->btnFuel->isVisible());
    QCOMPARE(m_window->PathLabel->text(), Process::DataFolder());
}

void TestMainWindow::hintIgnoresTheSameText()
{
    m_window->MainHintShow(1, "saved");
    TInfoPanel *first = m_window->FInfoPanel;
    QTest::qWait(300);
    const int remaining = m_window->HideHint->remainingTime();
    m_window->MainHintShow(1, "saved");
    QCOMPARE(m_window->FInfoPanel.data(), first);
    QVERIFY(m_window->HideHint->remainingTime() <= remaining); // not restarted
}

void TestMainWindow::hintReplacedByAnotherText()
{
    m_window->MainHintShow(1, "first");
    QPointer<TInfoPanel> first = m_window->FInfoPanel;
    m_window->MainHintShow(0, "second");
    QVERIFY(first.isNull());
    QCOMPARE(m_window->FInfoPanel->text(), QStringLiteral("second"));
    QCOMPARE(m_window->FInfoPanel->palette().color(QPalette::Window), QColor(ElementRed));
    QVERIFY(m_window->HideHint->isActive());
}

void TestMainWindow::hintHidesAfterThreeSeconds()
{
    m_window->MainHintShow(2, "notice");
    QCOMPARE(m_window->HideHint->interval(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->FInfoPanel.isNull(), 4000);
    QVERIFY(!m_window->HideHint->isActive());
}

void TestMainWindow::hintDoesNotBlock()
{
    // The slide runs on the event loop: the call returns at once with the panel at the right
    // edge, and the panel reaches its resting place later.
    m_window->MainHintShow(1, "sliding in");
    TInfoPanel *panel = m_window->FInfoPanel;
    QVERIFY(panel->Sliding());
    QVERIFY(panel->x() >= m_window->width() - 1);
    QCOMPARE(panel->height(), 48);
    QCOMPARE(panel->y(), m_window->height() - 96);
    QTRY_COMPARE_WITH_TIMEOUT(panel->x(), panel->RestingLeft(), 2000);
    QCOMPARE(panel->x() + panel->width(), m_window->width());
}

void TestMainWindow::hintsGoToTheTrace()
{
    const QString path = m_dir.filePath("trace.jsonl");
    QVERIFY(Trace::open(path));
    m_window->MainHintShow(1, "Готово");
    m_window->MainHintShow(1, "Готово");
    Trace::close();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    const QJsonObject hint = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(hint.value("t").toString(), QStringLiteral("hint"));
    QCOMPARE(hint.value("kind").toInt(), 1);
    QCOMPARE(hint.value("text").toString(), QStringLiteral("Готово"));
}

void TestMainWindow::captionText_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("English") << 1 << "Configurator [230809]";
    QTest::newRow("Russian") << 0 << "Конфигуратор [230809]";
}

void TestMainWindow::captionText()
{
    QFETCH(int, language);
    QFETCH(QString, caption);
    m_window->SetLanguage(language);
    QCOMPARE(m_window->windowTitle(), caption);
    QCOMPARE(m_window->CaptionLabel->text(), caption);
}

void TestMainWindow::pageRefusals_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("hint");
    QTest::newRow("monitoring") << "info"
                                << "Device not connected, check connection";
    QTest::newRow("settings") << "settings"
                              << "Device not connected, settings not available";
}

void TestMainWindow::pageRefusals()
{
    QFETCH(QString, page);
    QFETCH(QString, hint);
    m_window->SetLanguage(1);
    m_window->act_PageLogExecute();
    if (page == u"info")
        m_window->act_PageInfoExecute();
    else
        m_window->act_PageSettingsExecute();
    QCOMPARE(m_window->PageOnShow(), m_window->LogPanel);
    QVERIFY(m_window->FInfoPanel);
    QCOMPARE(m_window->FInfoPanel->text(), hint);
    QCOMPARE(m_window->FInfoPanel->palette().color(QPalette::Window), QColor(ElementSilver));
}

void TestMainWindow::themeToggle()
{
    QCOMPARE(m_window->ButtonFon->text(), QStringLiteral("LIGTH"));
    m_window->ButtonFonClick();
    QCOMPARE(m_window->ButtonFon->text(), QStringLiteral("DARK"));
    QVERIFY(!Theme::IsDark());
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(155, 160, 165));
    QCOMPARE(m_window->CaptionPanel->palette().color(QPalette::Window), QColor(195, 200, 205));
    m_window->ButtonFonClick();
    QCOMPARE(m_window->ButtonFon->text(), QStringLiteral("LIGTH"));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(22, 31, 40));
    QCOMPARE(m_window->CaptionPanel->palette().color(QPalette::Window), QColor(35, 45, 57));
}

void TestMainWindow::leftBorderDrag()
{
    m_window->setGeometry(100, 100, 1000, 700);
    const int right = m_window->geometry().right();
    const QPoint press(100, 300);
    m_window->DragStart(MoveLeft, press);
    QCOMPARE(m_window->FIsMove, MoveLeft);
    m_window->DragMove(press + QPoint(100, 0));
    QCOMPARE(m_window->width(), 900);
    QCOMPARE(m_window->geometry().right(), right);
    m_window->DragMove(press + QPoint(400, 0)); // would leave 600 pixels
    QCOMPARE(m_window->width(), 800);
    QCOMPARE(m_window->geometry().right(), right);
    m_window->DragEnd();
    QCOMPARE(m_window->FIsMove, moveNone);
}

void TestMainWindow::rightAndBottomDrag()
{
    m_window->setGeometry(100, 100, 1000, 700);
    m_window->DragStart(MoveRight, QPoint(1100, 300));
    m_window->DragMove(QPoint(1150, 300));
    QCOMPARE(m_window->width(), 1050);
    m_window->DragStart(MoveBottom, QPoint(500, 800));
    m_window->DragMove(QPoint(500, 600));
    QCOMPARE(m_window->height(), 640); // the minimum height stops it
    m_window->DragStart(moveCaption, QPoint(500, 110));
    m_window->DragMove(QPoint(530, 90));
    QCOMPARE(m_window->pos(), QPoint(130, 80));
}

void TestMainWindow::maximiseByDoubleClick()
{
    QTest::mouseDClick(m_window->CaptionPanel, Qt::LeftButton);
    QTRY_VERIFY(m_window->isMaximized());
    QTest::mouseDClick(m_window->CaptionPanel, Qt::LeftButton);
    QTRY_VERIFY(!m_window->isMaximized());
}

void TestMainWindow::splitterLimits_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("59") << 59 << false;
    QTest::newRow("60") << 60 << true;
    QTest::newRow("300") << 300 << true;
    QTest::newRow("301") << 301 << false;
}

void TestMainWindow::splitterLimits()
{
    QFETCH(int, size);
    QFETCH(bool, accepted);
    QCOMPARE(TMF::Splitter3CanResize(size), accepted);
    QCOMPARE(size >= m_window->SendPanel->minimumHeight() &&
                 size <= m_window->SendPanel->maximumHeight(),
             accepted);
}

void TestMainWindow::hoverShowsHint()
{
    m_window->SetLanguage(1);
    TSpeedButton *button = m_window->btnInfo; // its page is not on show
    m_window->btnSpeedMouseEnter(button);
    QCOMPARE(button->text(), QStringLiteral("Monitoring"));
    QCOMPARE(button->iconSize(), QSize(16, 16));
    m_window->btnSpeedMouseLeave(button);
    QCOMPARE(button->text(), QString());
    QCOMPARE(button->iconSize(), QSize(24, 24));
    QVERIFY(button->toolTip().isEmpty());
    QCOMPARE(m_window->btnWellcome->toolTip(), QStringLiteral("Wellcome"));
}

void TestMainWindow::languageIndicator()
{
    m_window->SetLanguageIndicator(3, 4);
    QVERIFY(m_window->ProgressPanel->isVisible());
    QCOMPARE(m_window->PercentLabel->text(), QStringLiteral("75%"));
    QCOMPARE(m_window->LangLabel->width(), m_window->PanelBTop->width() * 3 / 4);
    m_window->SetLanguage(1);
    QVERIFY(!m_window->ProgressPanel->isVisible());
    QCOMPARE(m_window->LangLabel->x(), m_window->ButtonEN->x());
    QCOMPARE(m_window->LangLabel->width(), 40);
}

void TestMainWindow::actionCaptionsAndHints()
{
    m_window->SetLanguage(0);
    QCOMPARE(m_window->act_PageInfo->toolTip(), QStringLiteral("Мониторинг"));
    QCOMPARE(m_window->act_PageInfo->text(), QString()); // Tag -1 keeps its caption
    QCOMPARE(m_window->act_GetCFG->toolTip(), QStringLiteral("Обновить"));
    QCOMPARE(m_window->act_GetCFG->text(), QString()); // "|Обновить": empty caption
    m_window->act_PageInfo->setText("kept");
    m_window->SetLanguage(1);
    QCOMPARE(m_window->act_PageInfo->text(), QStringLiteral("kept"));
    QCOMPARE(m_window->findChild<QLabel *>("Label_NoDevice")->text(),
             QStringLiteral("Device not found"));
}

void TestMainWindow::infoExternal()
{
    m_window->InfoExternal(200, "<info/>");
    QCOMPARE(m_window->FWellcomeFile, QStringLiteral("<info/>"));
    m_window->InfoExternal(202, "device");
    QCOMPARE(m_window->FDeviceFile, QStringLiteral("device"));
    QVERIFY(!m_window->FInfoPanel);
    m_window->InfoExternal(2, "Не удалось получить обновления и новости");
    QCOMPARE(m_window->FInfoPanel->text(),
             QStringLiteral("Не удалось получить обновления и новости"));
}

void TestMainWindow::activityBar()
{
    m_window->DataTimerTimer();
    QVERIFY(m_window->DataLabel->x() < 0);
    m_window->FReceive.Buffer.Write("abc", 3);
    m_window->FReceive.RawChunks.append({DateTimeNow(), 0, 3, 1});
    m_window->DataTimerTimer();
    QCOMPARE(m_window->DataLabel->height(), 6);
    QVERIFY(m_window->DataLabel->x() >= 92 && m_window->DataLabel->x() < 100);
    QCOMPARE(m_window->DataLabel->palette().color(QPalette::Window), QColor(128, 128, 128));
    QTest::qWait(100);
    m_window->DataTimerTimer();
    QVERIFY(m_window->DataLabel->x() >= 92 + 50);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
