#include "shell/MainWindow.h"

#include "i18n/Dictionary.h"
#include "link/PortDiscovery.h"
#include "link/PortInfo.h"
#include "link/PortInfoList.h"
#include "monitor/ElementIndex.h"
#include "protocol/version1/Version1.h"
#include "protocol/version2/Version2.h"
#include "protocol/version3/Version3.h"
#include "settings/Elements.h"
#include "shell/HintPanel.h"
#include "shell/Icons.h"
#include "shell/Process.h"
#include "shell/SpeedButton.h"
#include "shell/Theme.h"
#include "shell/Trace.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

namespace {

QTimer *windowTimer(QObject *owner, int intervalMs, bool enabled)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(intervalMs);
    timer->setTimerType(Qt::CoarseTimer);
    if (enabled)
        timer->start();
    return timer;
}

std::unique_ptr<TPortEnumerator> CreatePortEnumerator(const TOptions &options)
{
    auto combined = std::make_unique<TCombinedPortEnumerator>();
    if (!options.NoScan)
        combined->Add(std::make_unique<TUdevPortEnumerator>());
    combined->Add(std::make_unique<TManualPortEnumerator>(options.Ports));
    return combined;
}

void paintPanel(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

} // namespace

TMF::TMF(const TOptions &options, std::unique_ptr<TPortEnumerator> enumerator, QWidget *parent)
    : QWidget(parent)
    , m_enumerator(enumerator ? std::move(enumerator) : CreatePortEnumerator(options))
    , m_routeCache(std::make_unique<TRouteCache>())
{
    TBaseClass::Host = this;
    CreateForm();
    CreateProtocols();
    if (!options.NoScan && !enumerator) {
        auto *monitor = new TUdevMonitor(this);
        connect(monitor, &TUdevMonitor::DevicesChanged, this, [this] { DeviceChange(7); });
    }

    // The shown log starts on the raw chunk log; following is on.
    FFollow = true;
    FUpdateProURL.clear();
    FCurrentError = -1;
    PathLabel->setText(Process::DataFolder());
    act_PageFuel->setVisible(false);
    FUpdateVersion = 0;
    FUpdateModule.clear();

    DataTimer = windowTimer(this, 25, true);
    Timer1 = windowTimer(this, 30, true);
    CheckNameTimer = windowTimer(this, 30000, false);
    HideHint = windowTimer(this, 3000, false);
    connect(DataTimer, &QTimer::timeout, this, &TMF::DataTimerTimer);
    connect(Timer1, &QTimer::timeout, this, &TMF::Timer1Timer);
    connect(CheckNameTimer, &QTimer::timeout, this, &TMF::CheckNameTimerTimer);
    connect(HideHint, &QTimer::timeout, this, &TMF::MainHintHide);

    FReceive.BytesReceived = 0;
    FReceive.BytesSent = 0;
    PortList = new TPortInfoList(this, TilesPanel,
                                 [this](TCommPortDriver *sender, const char *data, int size) {
                                     QWaitData(sender, data, size);
                                 });
    FPortIndex = -1;

    SetLanguage(0);
    FVersion = vtDetect;
    SetHEX(false);

    SetShowEnter(false);
    SetFollow(true);
    FReceive.DetectionStart = 0;
    FReceive.RawChunks.clear();
    FReceive.Version1Packets.clear();
    FReceive.Version2Packets.clear();

    act_PageWellcomeExecute();
    Commands_Fill();
    ControlsLoadMonitor();
    UpdatePortListUSB();

    btnPause->setIcon(Icons::Icon(QStringLiteral("I_PAUSE"), 16, Theme::Current().Text));
    btnPlay->setIcon(Icons::Icon(QStringLiteral("I_PLAY"), 16, Theme::Current().Text));
    for (TSpeedButton *tool : {btnOpen, btnSave, btnGet, btnSet})
        btnSpeedMouseLeave(tool);
    UpdateImage->setPixmap(Icons::Pixmap(QStringLiteral("E_ATTENTION"), 32));
    StyleApply();

    if (options.Language != 0)
        SetLanguage(options.Language);
}

TMF::~TMF()
{
    // Elements go with the window's children; they must not report back meanwhile.
    TBaseClass::Host = nullptr;
    FReceive.RawChunks.clear();
    FReceive.Version1Packets.clear();
    FReceive.Version2Packets.clear();
    delete PortList;
}

TPortInfo *TMF::Q() const
{
    return FPortIndex >= 0 && FPortIndex < PortList->Count() ? PortList->Get(FPortIndex) : nullptr;
}

QString TMF::Tr(const QString &key) const
{
    return Translate(FLanguage, key);
}

// --- Status hint -----------------------------------------------------------------------------

void TMF::MainHintShow(int kind, const QString &text)
{
    if (FInfoPanel) {
        if (FInfoPanel->text() == text)
            return;
        MainHintHide();
    }
    Trace::write({{QStringLiteral("t"), QStringLiteral("hint")},
                  {QStringLiteral("kind"), kind},
                  {QStringLiteral("text"), text}});
    FInfoPanel = new TInfoPanel(this, kind, text);
    FInfoPanel->SlideIn();
    HideHint->start();
}

void TMF::MainHintHide()
{
    if (FInfoPanel) {
        delete FInfoPanel.data();
        update();
    }
    HideHint->stop();
}

// --- Pages -----------------------------------------------------------------------------------

QWidget *TMF::PageOnShow() const
{
    return MainPanel->currentWidget();
}

void TMF::ShowPage(QWidget *page, TSpeedButton *button)
{
    MainPanel->setCurrentWidget(page);
    page->raise();
    PageLabel->setGeometry(0, button->y(), BorderL->width(), button->height());
    UpdateFolders();
}

void TMF::act_PageWellcomeExecute()
{
    ShowPage(WellcomePanel, btnWellcome);
    UpdateBrowser();
}

void TMF::act_PageInfoExecute()
{
    if (!Process::DeviceSeen) {
        MainHintShow(2, Tr(QStringLiteral("mes_infonodevice")));
        return;
    }
    if (Q() && Q()->DeviceVer() == u"250") {
        MainHintShow(2, Tr(QStringLiteral("mes_windownotallow")));
        return;
    }
    ShowPage(InfoPanel, btnInfo);
}

void TMF::act_PageSettingsExecute()
{
    if (!Q()) {
        MainHintShow(2, Tr(QStringLiteral("mes_settingsnodevice")));
        return;
    }
    if (!FCanShowSettings) {
        MainHintShow(2, Tr(QStringLiteral("mes_settingsnoversion")) + u' ' + Q()->FDeviceVer);
        return;
    }
    ShowPage(SettingsPanel, BtnCONFIG);
    UpdateFolders();
    if (!FSettingsReady)
        Commands_Exec(QStringLiteral("SettingsGet"));
}

void TMF::act_PageLogExecute()
{
    ShowPage(LogPanel, BtnLog);
}

void TMF::act_PageFuelExecute()
{
    ShowPage(FuelPanel, btnFuel);
}

void TMF::UpdateFolders()
{
    QWidget *onShow = PageOnShow();
    for (const PageEntry &entry : std::as_const(m_pages)) {
        const bool active = entry.page == onShow;
        entry.button->ShowHint = active;
        entry.button->setToolTip(active ? entry.button->Hint : QString());
        if (!entry.button->underMouse())
            btnSpeedMouseLeave(entry.button);
        if (active) {
            CaptionImage->setPixmap(Icons::Pixmap(IconPrefix(true) + entry.stem, 16));
            setWindowIcon(Icons::Icon(IconPrefix(true) + entry.stem, 32));
        }
    }
}

void TMF::UpdateCaption()
{
    const TPortInfo *device = Q();
    const QString name = device ? device->DeviceName() : QString();
    const QString caption = (name.isEmpty() ? QString() : name + QStringLiteral(" - ")) +
                            Tr(QStringLiteral("ApplicationCaption")) + Process::BuildStamp();
    setWindowTitle(caption);
    CaptionLabel->setText(caption);
    const QColor glyph = Theme::Current().Text;
    MinimizeButton->setIcon(Icons::Icon(QStringLiteral("I_MINIMIZE"), 16, glyph));
    CloseButton->setIcon(Icons::Icon(QStringLiteral("I_NO"), 16, glyph));
    NormalizeButton->setIcon(Icons::Icon(
        isMaximized() ? QStringLiteral("I_NORMALIZE") : QStringLiteral("I_MAXIMIZE"), 16, glyph));
}

bool TMF::SetValueOut(bool value)
{
    Process::Out0 = value;
    return true;
}

void TMF::ClearPanel(QWidget *panel)
{
    const QList<QWidget *> children = panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (auto it = children.crbegin(); it != children.crend(); ++it)
        delete *it;
    panel->update();
}

void TMF::CloseButtonClick()
{
    close();
}

void TMF::closeEvent(QCloseEvent *event)
{
    // Deselecting the device closes its port before the window goes.
    SetPortIndex(-1);
    QWidget::closeEvent(event);
}

// --- Language --------------------------------------------------------------------------------

void TMF::RetranslateComponents(QWidget *root)
{
    for (QObject *child : root->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget)
            continue;
        const QString name = widget->objectName();
        const qsizetype underscore = name.indexOf(u'_');
        if (widget->metaObject() == &QLabel::staticMetaObject && underscore >= 0)
            static_cast<QLabel *>(widget)->setText(Tr(name.mid(underscore + 1)));
        else if (qobject_cast<QToolButton *>(widget) && underscore >= 0)
            static_cast<QToolButton *>(widget)->setText(Tr(name.mid(underscore + 1)));
        else
            RetranslateComponents(widget);
    }
}

void TMF::SetLanguage(int language)
{
    FLanguage = language;
    UpdateCaption();
    UpdateWellcome();
    RetranslateComponents(this);
    for (TBaseClass *element : findChildren<TBaseClass *>()) {
        if (element->Kind() == TElementKind::Item) {
            auto *item = static_cast<TItemClass *>(element);
            item->AssignCaption(Tr(item->FIdent));
            item->FUnits = Tr(item->F_Units);
            item->update();
        } else if (element->Kind() == TElementKind::Caption) {
            const bool settingsCaption = element->property("Tag").toInt() == -1;
            if (settingsCaption && !element->FDict.isEmpty())
                element->AssignCaption(Tr(element->FDict));
            else if (!settingsCaption)
                element->AssignCaption(Tr(element->FIdent));
        }
    }

    for (QAction *action : std::as_const(ActionList)) {
        const int tag = action->property("Tag").toInt();
        if (tag < -1)
            continue;
        const QString text = Tr(action->objectName());
        const qsizetype bar = text.indexOf(u'|');
        if (tag >= 0)
            action->setText(bar < 0 ? text : text.left(bar));
        action->setToolTip(bar < 0 ? text : text.mid(bar + 1));
    }
    const QList<QPair<TSpeedButton *, QAction *>> linked = {
        {btnWellcome, act_PageWellcome}, {btnInfo, act_PageInfo}, {BtnCONFIG, act_PageSettings},
        {BtnLog, act_PageLog},           {btnFuel, act_PageFuel}, {btnOpen, act_OpenCFG},
        {btnSave, act_SaveCFG},          {btnGet, act_GetCFG},    {btnSet, act_SetCFG}};
    for (const auto &[button, action] : linked) {
        button->Hint = action->toolTip();
        button->setToolTip(button->ShowHint ? button->Hint : QString());
        if (button->underMouse())
            btnSpeedMouseEnter(button);
    }

    SetLanguageIndicator(0, 0);
    update();
}

void TMF::SetLanguageIndicator(qint64 position, qint64 count)
{
    const bool progress = count >= 1;
    if (ProgressPanel->isVisible() != progress) {
        ProgressPanel->setVisible(progress);
        repaint();
    }
    if (progress) {
        PercentLabel->setText(QString::number(position * 100 / count) + u'%');
        LangLabel->setGeometry(0, 0, int(qint64(PanelBTop->width()) * position / count),
                               LangLabel->height());
        return;
    }
    const QToolButton *active = FLanguage == 0 ? ButtonRU : ButtonEN;
    LangLabel->setGeometry(active->x(), 0, ButtonRU->width(), LangLabel->height());
}

void TMF::ButtonRUClick()
{
    SetLanguage(0);
    Commands_Update();
    if (TPortInfo *device = Q())
        device->SendAnsiString(">I 7\r\n");
}

void TMF::ButtonENClick()
{
    SetLanguage(1);
    Commands_Update();
    if (TPortInfo *device = Q())
        device->SendAnsiString(">I 7\r\n");
}

// --- Chrome and theme ------------------------------------------------------------------------

void TMF::StyleApply()
{
    const TColorSet &set = Theme::Current();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, set.Background);
    pal.setColor(QPalette::WindowText, set.Text);
    pal.setColor(QPalette::ButtonText, set.Text);
    pal.setColor(QPalette::Text, set.Text);
    pal.setColor(QPalette::Base, set.Panel);
    pal.setColor(QPalette::Button, set.Panel);
    setPalette(pal);

    static const char *const panelNames[] = {
        "PanelS1",   "PanelS2", "PanelS3",  "PanelS4",      "Panel9",     "Panel4",
        "SendPanel", "PanelT0", "PanelT11", "PanelT2",      "PanelFF",    "PanelF1",
        "PanelF2",   "PanelWC", "PanelWB",  "CaptionPanel", "UpdatePanel"};
    for (const char *name : panelNames) {
        if (auto *widget = findChild<QWidget *>(QString::fromLatin1(name)))
            paintPanel(widget, set.Panel);
    }
    if (auto *panel3 = findChild<QWidget *>(QStringLiteral("Panel3")))
        paintPanel(panel3, set.Background);
    QPalette strip = LangLabel->palette();
    strip.setColor(QPalette::Window, QColor(ElementGreen));
    LangLabel->setPalette(strip);

    UpdateCaption();
    btnPause->setIcon(Icons::Icon(QStringLiteral("I_PAUSE"), 16, set.Text));
    btnPlay->setIcon(Icons::Icon(QStringLiteral("I_PLAY"), 16, set.Text));
    UpdateFolders();
    for (int i = 0; i < PortList->Count(); ++i)
        PortList->Get(i)->UpdateStyle();
}

void TMF::ButtonFonClick()
{
    if (Theme::IsDark()) {
        Theme::SetDark(false);
        ButtonFon->setText(QStringLiteral("DARK"));
        Theme::Current() = Theme::Light();
    } else {
        Theme::SetDark(true);
        ButtonFon->setText(QStringLiteral("LIGTH"));
        Theme::Current() = Theme::Dark();
    }
    StyleApply();
}

void TMF::MinimizeButtonClick()
{
    showMinimized();
}

void TMF::NormalizeButtonClick()
{
    if (isMinimized())
        return;
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    UpdateCaption();
}

void TMF::CaptionPanelDblClick()
{
    NormalizeButtonClick();
}

void TMF::DragStart(TMoveStyle style, const QPoint &globalPos)
{
    FIsMove = style;
    FPos = style == moveCaption ? QPoint(x(), y()) : QPoint(width(), height());
    FMove = globalPos;
}

void TMF::DragMove(const QPoint &globalPos)
{
    switch (FIsMove) {
    case moveCaption:
        move(FPos.x() + globalPos.x() - FMove.x(), FPos.y() + globalPos.y() - FMove.y());
        break;
    case MoveBottom:
        resize(width(), qMax(minimumHeight(), globalPos.y() - y()));
        break;
    case MoveRight:
        resize(qMax(minimumWidth(), globalPos.x() - x()), height());
        break;
    case MoveLeft: {
        // The right edge stays put; the minimum width stops the left edge.
        const int right = x() + width();
        const int newWidth = qMax(minimumWidth(), FPos.x() + FMove.x() - globalPos.x());
        setGeometry(QRect(right - newWidth, y(), newWidth, height())
                        .translated(geometry().topLeft() - frameGeometry().topLeft()));
        break;
    }
    case moveNone:
        break;
    }
}

void TMF::DragEnd()
{
    FIsMove = moveNone;
}

void TMF::btnSpeedMouseEnter(TSpeedButton *button)
{
    button->setIconSize(QSize(16, 16));
    button->setIcon(Icons::Icon(IconPrefix(button->isEnabled()) + button->Stem(), 16));
    button->setText(button->Hint);
}

void TMF::btnSpeedMouseLeave(TSpeedButton *button)
{
    const QString name = IconPrefix(button->isEnabled() && button->ShowHint) + button->Stem();
    button->setIconSize(QSize(24, 24));
    button->setIcon(Icons::Exists(name) ? Icons::Icon(name, 24) : QIcon());
    button->setText(QString());
}

bool TMF::Splitter3CanResize(int newSize)
{
    return newSize >= 60 && newSize <= 300;
}

bool TMF::eventFilter(QObject *watched, QEvent *event)
{
    if (auto *button = qobject_cast<TSpeedButton *>(watched)) {
        if (event->type() == QEvent::Enter)
            btnSpeedMouseEnter(button);
        else if (event->type() == QEvent::Leave)
            btnSpeedMouseLeave(button);
        return false;
    }
    if (watched == PathLabel) {
        QFont font = PathLabel->font();
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
            font.setUnderline(event->type() == QEvent::Enter);
            PathLabel->setFont(font);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(Process::DataFolder()));
        }
        return false;
    }
    if (watched == CaptionPanel && event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // Reported once the frame is out, for scripts and the start-up benchmark.
        QTimer::singleShot(0, this, [] {
            Trace::write({{QStringLiteral("t"), QStringLiteral("painted")}});
        });
    }
    if (watched == CaptionPanel && event->type() == QEvent::Resize && !ProgressPanel->isVisible())
        SetLanguageIndicator(0, 0);
    if (watched == LogPanel && event->type() == QEvent::Resize) {
        LogPanelResize();
        return false;
    }
    if ((watched == InfoPanel || watched == WellcomePanel) &&
        (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
        InfoPanelResize();
        return false;
    }

    const auto style = [this, watched] {
        if (watched == CaptionPanel)
            return moveCaption;
        if (watched == BorderL)
            return MoveLeft;
        if (watched == BorderR)
            return MoveRight;
        if (watched == BorderB)
            return MoveBottom;
        return moveNone;
    }();
    if (style == moveNone)
        return QWidget::eventFilter(watched, event);

    auto *mouse = static_cast<QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (style == moveCaption)
            CaptionPanelDblClick();
        return true;
    case QEvent::MouseButtonPress: {
        // Prefer the window system's own move and resize where it offers them.
        QWindow *window = windowHandle();
        const bool native =
            window && (style == moveCaption
                           ? window->startSystemMove()
                           : window->startSystemResize(style == MoveLeft    ? Qt::LeftEdge
                                                       : style == MoveRight ? Qt::RightEdge
                                                                            : Qt::BottomEdge));
        if (!native)
            DragStart(style, mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseMove:
        if (FIsMove == style)
            DragMove(mouse->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        DragEnd();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TMF::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        UpdateCaption();
    QWidget::changeEvent(event);
}

void TMF::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (FInfoPanel && !FInfoPanel->Sliding())
        FInfoPanel->move(FInfoPanel->RestingLeft(), height() - 96);
}

// --- Timers ----------------------------------------------------------------------------------

void TMF::PlaceDataLabel(int left, int height, QRgb color)
{
    // A bar that has run past the border's end stays there until data moves again: nothing to
    // repaint while the line is quiet.
    if (left > BorderB->width() && DataLabel->x() > BorderB->width())
        return;
    if (DataLabel->palette().color(QPalette::Window).rgb() != color) {
        QPalette pal = DataLabel->palette();
        pal.setColor(QPalette::Window, QColor(color));
        DataLabel->setPalette(pal);
    }
    DataLabel->setGeometry(left, 0, 4, height);
}

void TMF::DataTimerTimer()
{
    const TPacketArray &shown = *FReceive.ShownLog;
    if (shown.isEmpty()) {
        DataLabel->setGeometry(-100, 0, 4, 0);
    } else {
        const TPacket &last = shown.constLast();
        const double quietMs = (DateTimeNow() - last.Time) * 86400000.0;
        PlaceDataLabel(92 + int(RoundHalfEven(quietMs / 2)), int(qMin<qint64>(2 * last.Size, 1000)),
                       last.Color());
    }
    Generation3Probe();
}

void TMF::Timer1Timer()
{
    m_hopCounter = (m_hopCounter + 1) % 250;
    const int a = m_hopCounter;
    int hop = -1;
    if (a < 16)
        hop = EaseStep(0, 60, 15, 0, a);
    else if (a >= 30 && a < 46)
        hop = EaseStep(0, 60, 15, 0, a - 30);
    else if (a >= 60 && a <= 75)
        hop = EaseStep(60, 0, 15, 0, a - 60);
    if (hop >= 0) {
        const int top = LPanel->height() - EmptyImage->height() - hop + 16;
        EmptyImage->move(0, EmptyPanel->mapFrom(LPanel, QPoint(0, top)).y());
    }
    EmptyImage->repaint();
}

void TMF::CheckNameTimerTimer()
{
    TPortInfo *device = Q();
    if (!device || !device->WaitInfo()) {
        CheckNameTimer->stop();
        return;
    }
    if (device->ReadLocked() || FVersion != vtVersion1 || device->FDeviceVer == u"1")
        return;
    device->SendAnsiString(">I 0\r\n");
    if (device->FDeviceVer == u"90") {
        const qint64 unixTime = RoundHalfEven((DateTimeNow() - 25569.0) * 86400.0);
        device->SendAnsiString(">UNIX=" + QByteArray::number(unixTime) + "\r\n");
    }
}

// --- Messages from outside -------------------------------------------------------------------

void TMF::InfoExternal(int kind, const QString &text)
{
    switch (kind) {
    case 200:
        FWellcomeFile = text;
        UpdateWellcome();
        break;
    case 201:
        FAdditionFile = text;
        UpdateWellcome();
        break;
    case 202:
        FDeviceFile = text;
        UpdateWellcome();
        break;
    default:
        MainHintShow(kind, text);
    }
}

void TMF::DeviceChange(int what)
{
    if (what == 7)
        UpdatePortListUSB();
}

void TMF::ClearModemOutputFlag()
{
    FModemOutput = false;
}

// --- Hooks of the pages still to come: the command menu, the settings page and the update
// check fill these in; until then they leave everything as it is. --------------------------

void TMF::Commands_Fill() {}

void TMF::Commands_Update() {}

void TMF::Commands_Exec(const QString &) {}

void TMF::ControlsLoadSettings(const QString &) {}

void TMF::UpdateBrowser() {}

void TMF::RequestDeviceInfo(const TPortInfo &) {}

void TMF::SettingsError(int, const QString &) {}

void TMF::UpdateWellcome()
{
    WellcomeCaption->setText(Tr(QStringLiteral("_WellcomeCaption")));
    WellcomeText->setText(Tr(QStringLiteral("_WellcomeText")));
    UpdateProLabel1->setText(Tr(QStringLiteral("mes_versionempty")));
    UpdateProLabel2->setText(Tr(QStringLiteral("_SoftVersion")) + QStringLiteral(": ") +
                             Process::BuildDate().toString(QStringLiteral("dd.MM.yyyy")));
}

void TMF::PasswordEditChange()
{
    if (TPortInfo *device = Q())
        device->SetUserPassword(PasswordEdit->text());
}

void TMF::ShowSettingsAccess(bool haveSettings)
{
    LockedPanel->setVisible(!haveSettings);
    T1ScrollBox->setVisible(haveSettings);
}
