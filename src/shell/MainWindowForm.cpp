// The window's form: every panel, button and label the controller works with, laid out once.
#include "shell/FlatButtonStyle.h"
#include "shell/FormHelpers.h"
#include "shell/Icons.h"
#include "shell/MainWindow.h"
#include "shell/Process.h"
#include "shell/SpeedButton.h"
#include "shell/Theme.h"

#include <QAction>
#include <QBoxLayout>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QUrl>

using namespace Form;

void TMF::CreateForm()
{
    setObjectName(QStringLiteral("MF"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setMinimumSize(800, 640);
    resize(903, 640);
    QFont tahoma(QStringList{QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    tahoma.setPixelSize(11);
    setFont(tahoma);
    setAutoFillBackground(true);

    CreateActions();

    auto *root = bare(new QVBoxLayout(this));
    root->addWidget(CreateCaptionBar());
    PanelBTop = fixedHeight(panel(QStringLiteral("PanelBTop"), this), 12);
    LangLabel = label(QStringLiteral("LangLabel"), PanelBTop);
    LangLabel->setAutoFillBackground(true);
    LangLabel->setGeometry(0, 0, 40, 3);
    root->addWidget(PanelBTop);

    auto *middle = bare(new QHBoxLayout);
    BorderL = fixedWidth(panel(QStringLiteral("BorderL"), this), 4);
    BorderL->setCursor(Qt::SizeHorCursor);
    PageLabel = label(QStringLiteral("PageLabel"), BorderL);
    PageLabel->setAutoFillBackground(true);
    QPalette marker = PageLabel->palette();
    marker.setColor(QPalette::Window, QColor(ElementGreen));
    PageLabel->setPalette(marker);
    BorderR = fixedWidth(panel(QStringLiteral("BorderR"), this), 4);
    BorderR->setCursor(Qt::SizeHorCursor);
    middle->addWidget(BorderL);
    middle->addWidget(fixedWidth(panel(QStringLiteral("Panel23"), this), 4));
    middle->addWidget(CreateNavigationBar());
    middle->addWidget(fixedWidth(panel(QStringLiteral("Panel24"), this), 8));

    auto *pageColumn = bare(new QVBoxLayout);
    MainPanel = new QStackedWidget(this);
    MainPanel->setObjectName(QStringLiteral("MainPanel"));
    pageColumn->addWidget(MainPanel, 1);
    ProgressPanel = fixedHeight(panel(QStringLiteral("ProgressPanel"), this), 24);
    auto *progress = bare(new QHBoxLayout(ProgressPanel), 4);
    ProgressLabel = label(QStringLiteral("ProgressLabel"), ProgressPanel);
    PercentLabel = label(QStringLiteral("PercentLabel"), ProgressPanel);
    progress->addWidget(ProgressLabel, 1);
    progress->addWidget(PercentLabel);
    ProgressPanel->hide();
    pageColumn->addWidget(ProgressPanel);
    middle->addLayout(pageColumn, 1);
    middle->addWidget(fixedWidth(panel(QStringLiteral("Panel30"), this), 8));
    middle->addWidget(BorderR);
    root->addLayout(middle, 1);

    BorderB = fixedHeight(panel(QStringLiteral("BorderB"), this), 4);
    BorderB->setCursor(Qt::SizeVerCursor);
    DataLabel = label(QStringLiteral("DataLabel"), BorderB);
    DataLabel->setAutoFillBackground(true);
    DataLabel->setGeometry(-100, 0, 4, 0);
    root->addWidget(BorderB);

    CreateWelcomePage();
    CreateMonitoringPage();
    CreateSettingsPage();
    CreateLogPage();
    CreateFuelPage();
    m_pages = {{WellcomePanel, btnWellcome, QStringLiteral("WELLCOME")},
               {InfoPanel, btnInfo, QStringLiteral("INFO")},
               {SettingsPanel, BtnCONFIG, QStringLiteral("CONFIG")},
               {LogPanel, BtnLog, QStringLiteral("LOG")},
               {FuelPanel, btnFuel, QStringLiteral("FUEL")}};
    for (const PageEntry &entry : std::as_const(m_pages))
        MainPanel->addWidget(entry.page);

    auto *flat = new TFlatButtonStyle;
    flat->setParent(this);
    for (QToolButton *button : findChildren<QToolButton *>())
        button->setStyle(flat);

    CaptionPanel->installEventFilter(this);
    for (QWidget *watched : {BorderL, BorderR, BorderB})
        watched->installEventFilter(this);
}

void TMF::CreateActions()
{
    const auto action = [this](const char *name, int tag, auto handler) {
        auto *result = new QAction(this);
        result->setObjectName(QString::fromLatin1(name));
        result->setProperty("Tag", tag);
        connect(result, &QAction::triggered, this, handler);
        ActionList.append(result);
        return result;
    };
    act_PageWellcome = action("act_PageWellcome", -1, &TMF::act_PageWellcomeExecute);
    act_PageInfo = action("act_PageInfo", -1, &TMF::act_PageInfoExecute);
    act_PageSettings = action("act_PageSettings", -1, &TMF::act_PageSettingsExecute);
    act_PageLog = action("act_PageLog", -1, &TMF::act_PageLogExecute);
    act_PageFuel = action("act_PageFuel", 0, &TMF::act_PageFuelExecute);
    const auto noop = [] {};
    act_OpenCFG = action("act_OpenCFG", -1, noop);
    act_SaveCFG = action("act_SaveCFG", -1, noop);
    act_GetCFG = action("act_GetCFG", 0, noop);
    act_SetCFG = action("act_SetCFG", 0, noop);
    for (QAction *disabled : {act_OpenCFG, act_SaveCFG, act_SetCFG})
        disabled->setEnabled(false);
}

QWidget *TMF::CreateCaptionBar()
{
    CaptionPanel = fixedHeight(panel(QStringLiteral("CaptionPanel"), this), 32);
    auto *layout = bare(new QHBoxLayout(CaptionPanel), 4);
    CaptionImage = label(QStringLiteral("CaptionImage"), CaptionPanel);
    CaptionImage->setFixedSize(16, 16);
    CaptionLabel = label(QStringLiteral("CaptionLabel"), CaptionPanel);
    CaptionLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    CaptionImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addSpacing(4);
    layout->addWidget(CaptionImage);
    layout->addSpacing(8);
    layout->addWidget(CaptionLabel, 1);

    ButtonRU = flatButton(QStringLiteral("ButtonRU"), CaptionPanel, QSize(40, 24));
    ButtonEN = flatButton(QStringLiteral("ButtonEN"), CaptionPanel, QSize(40, 24));
    ButtonRU->setText(QStringLiteral("RU"));
    ButtonEN->setText(QStringLiteral("EN"));
    connect(ButtonRU, &QToolButton::clicked, this, &TMF::ButtonRUClick);
    connect(ButtonEN, &QToolButton::clicked, this, &TMF::ButtonENClick);
    MinimizeButton = flatButton(QStringLiteral("MinimizeButton"), CaptionPanel, QSize(40, 24));
    NormalizeButton = flatButton(QStringLiteral("NormalizeButton"), CaptionPanel, QSize(40, 24));
    CloseButton = flatButton(QStringLiteral("CloseButton"), CaptionPanel, QSize(40, 24));
    connect(MinimizeButton, &QToolButton::clicked, this, &TMF::MinimizeButtonClick);
    connect(NormalizeButton, &QToolButton::clicked, this, &TMF::NormalizeButtonClick);
    connect(CloseButton, &QToolButton::clicked, this, &TMF::CloseButtonClick);
    layout->addWidget(ButtonRU);
    layout->addWidget(ButtonEN);
    layout->addSpacing(12);
    layout->addWidget(MinimizeButton);
    layout->addWidget(NormalizeButton);
    layout->addWidget(CloseButton);
    return CaptionPanel;
}

TSpeedButton *TMF::CreatePageButton(const QString &name, QAction *action)
{
    auto *button = new TSpeedButton(name, LPanel);
    button->setFixedSize(76, 56);
    button->setIconSize(QSize(24, 24));
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button,
            [button, action] { button->setVisible(action->isVisible()); });
    return button;
}

QWidget *TMF::CreateNavigationBar()
{
    LPanel = fixedWidth(panel(QStringLiteral("LPanel"), this), 76);
    auto *layout = bare(new QVBoxLayout(LPanel));
    btnWellcome = CreatePageButton(QStringLiteral("btnWellcome"), act_PageWellcome);
    btnInfo = CreatePageButton(QStringLiteral("btnInfo"), act_PageInfo);
    BtnCONFIG = CreatePageButton(QStringLiteral("BtnCONFIG"), act_PageSettings);
    BtnLog = CreatePageButton(QStringLiteral("BtnLog"), act_PageLog);
    btnFuel = CreatePageButton(QStringLiteral("btnFuel"), act_PageFuel);
    for (QWidget *button : {btnWellcome, btnInfo, BtnCONFIG, BtnLog, btnFuel})
        layout->addWidget(button);
    btnFuel->hide();

    // Device tiles stack upward from the bottom of the bar.
    TilesPanel = panel(QStringLiteral("TilesPanel"), LPanel);
    TilesPanel->setAutoFillBackground(false);
    auto *tiles = bare(new QVBoxLayout(TilesPanel));
    tiles->setSpacing(4);
    tiles->addStretch(1);
    layout->addWidget(TilesPanel, 1);

    // The picture shown while no device is present; it hops every 7.5 seconds.
    EmptyPanel = panel(QStringLiteral("EmptyPanel"), LPanel);
    EmptyPanel->setAutoFillBackground(false);
    auto *emptyLayout = bare(new QVBoxLayout(EmptyPanel));
    emptyLayout->addStretch(1);
    auto *noDevice = label(QStringLiteral("Label_NoDevice"), EmptyPanel);
    noDevice->setAlignment(Qt::AlignCenter);
    noDevice->setWordWrap(true);
    emptyLayout->addWidget(noDevice);
    emptyLayout->addSpacing(128);
    EmptyImage = label(QStringLiteral("EmptyImage"), EmptyPanel);
    EmptyImage->setFixedSize(76, 76);
    EmptyImage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    EmptyImage->setPixmap(Icons::Pixmap(QStringLiteral("D_INFO"), 56));
    layout->addWidget(EmptyPanel, 1);
    return LPanel;
}

void TMF::CreateWelcomePage()
{
    WellcomePanel = panel(QStringLiteral("WellcomePanel"), this);
    auto *layout = bare(new QVBoxLayout(WellcomePanel), 0);

    auto *textPanel = panel(QStringLiteral("PanelWC"), WellcomePanel);
    auto *textLayout = bare(new QVBoxLayout(textPanel), 24);
    textLayout->setSpacing(12);
    WellcomeCaption = label(QStringLiteral("WellcomeCaption"), textPanel);
    QFont big = WellcomeCaption->font();
    big.setPixelSize(26);
    big.setBold(true);
    WellcomeCaption->setFont(big);
    WellcomeText = label(QStringLiteral("WellcomeText"), textPanel);
    WellcomeText->setWordWrap(true);
    QFont body = WellcomeText->font();
    body.setPixelSize(14);
    WellcomeText->setFont(body);
    textLayout->addWidget(WellcomeCaption);
    textLayout->addWidget(WellcomeText);
    textLayout->addStretch(1);

    UpdatePanel = fixedHeight(panel(QStringLiteral("UpdatePanel"), textPanel), 64);
    auto *update = bare(new QHBoxLayout(UpdatePanel), 12);
    update->setSpacing(12);
    UpdateImage = label(QStringLiteral("UpdateImage"), UpdatePanel);
    UpdateImage->setFixedSize(32, 32);
    auto *updateTexts = bare(new QVBoxLayout);
    UpdateProLabel1 = label(QStringLiteral("UpdateProLabel1"), UpdatePanel);
    UpdateProLabel2 = label(QStringLiteral("UpdateProLabel2"), UpdatePanel);
    QFont strong = UpdateProLabel1->font();
    strong.setPixelSize(13);
    strong.setBold(true);
    UpdateProLabel1->setFont(strong);
    updateTexts->addWidget(UpdateProLabel1);
    updateTexts->addWidget(UpdateProLabel2);
    update->addWidget(UpdateImage);
    update->addLayout(updateTexts, 1);
    textLayout->addWidget(UpdatePanel);
    layout->addWidget(textPanel, 1);

    // The browser strip: 5 pixels until a device page is opened in it.
    auto *browserPanel = fixedHeight(panel(QStringLiteral("PanelWB"), WellcomePanel), 5);
    layout->addWidget(browserPanel);

    auto *bottom = bare(new QHBoxLayout, 0);
    bottom->setContentsMargins(8, 4, 0, 4);
    PathLabel = label(QStringLiteral("PathLabel"), WellcomePanel, Process::DataFolder());
    PathLabel->setCursor(Qt::PointingHandCursor);
    PathLabel->installEventFilter(this);
    ButtonFon = flatButton(QStringLiteral("ButtonFon"), WellcomePanel, QSize(96, 28));
    ButtonFon->setText(QStringLiteral("LIGTH"));
    connect(ButtonFon, &QToolButton::clicked, this, &TMF::ButtonFonClick);
    bottom->addWidget(PathLabel, 1);
    bottom->addWidget(ButtonFon);
    layout->addLayout(bottom);
}

void TMF::CreateMonitoringPage()
{
    InfoPanel = panel(QStringLiteral("InfoPanel"), this);
    InfoPanel->setAutoFillBackground(false);
    PanelS1 = panel(QStringLiteral("PanelS1"), InfoPanel);
    PanelS2 = panel(QStringLiteral("PanelS2"), InfoPanel);
    PanelS3 = panel(QStringLiteral("PanelS3"), InfoPanel);
    PanelS4 = panel(QStringLiteral("PanelS4"), InfoPanel);
    InfoPanel->installEventFilter(this);
    WellcomePanel->installEventFilter(this);
}

void TMF::CreateSettingsPage()
{
    SettingsPanel = panel(QStringLiteral("SettingsPanel"), this);
    SettingsPanel->setAutoFillBackground(false);
    auto *layout = bare(new QHBoxLayout(SettingsPanel));
    layout->setSpacing(8);

    PanelT0 = panel(QStringLiteral("PanelT0"), SettingsPanel);
    PanelT0->setMinimumWidth(300);
    auto *left = bare(new QVBoxLayout(PanelT0));
    PanelT2 = panel(QStringLiteral("PanelT2"), PanelT0);
    PanelT2->setAutoFillBackground(false);
    left->addWidget(PanelT2);
    left->addStretch(1);

    SettingsPasswordPanel = panel(QStringLiteral("SettingsPasswordPanel"), PanelT0);
    SettingsPasswordPanel->setAutoFillBackground(false);
    auto *password = bare(new QVBoxLayout(SettingsPasswordPanel), 8);
    password->setSpacing(4);
    password->addWidget(label(QStringLiteral("Label_Password"), SettingsPasswordPanel));
    PasswordEdit = new QLineEdit(QStringLiteral("470913"), SettingsPasswordPanel);
    PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    PasswordEdit->setEnabled(false);
    password->addWidget(PasswordEdit);
    left->addWidget(SettingsPasswordPanel);

    SettingsToolsPanel = fixedHeight(panel(QStringLiteral("SettingsToolsPanel"), PanelT0), 47);
    SettingsToolsPanel->setAutoFillBackground(false);
    auto *tools = bare(new QHBoxLayout(SettingsToolsPanel));
    const auto toolButton = [this](const QString &name, QAction *action) {
        auto *button = new TSpeedButton(name, SettingsToolsPanel);
        button->setIconSize(QSize(24, 24));
        button->setMinimumHeight(47);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button, [button, action, this] {
            button->setEnabled(action->isEnabled());
            btnSpeedMouseLeave(button);
        });
        button->setEnabled(action->isEnabled());
        return button;
    };
    btnOpen = toolButton(QStringLiteral("btnOpen"), act_OpenCFG);
    btnSave = toolButton(QStringLiteral("btnSave"), act_SaveCFG);
    btnGet = toolButton(QStringLiteral("btnGet"), act_GetCFG);
    btnSet = toolButton(QStringLiteral("btnSet"), act_SetCFG);
    for (QWidget *button : {btnOpen, btnSave, btnGet, btnSet})
        tools->addWidget(button);
    left->addWidget(SettingsToolsPanel);
    layout->addWidget(PanelT0, 1);

    auto *right = new QWidget(SettingsPanel);
    auto *rightLayout = bare(new QVBoxLayout(right));
    auto *scroll = new QScrollArea(right);
    scroll->setObjectName(QStringLiteral("T1ScrollBox"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    PanelT1 = new QWidget;
    PanelT1->setObjectName(QStringLiteral("PanelT1"));
    scroll->setWidget(PanelT1);
    T1ScrollBox = scroll;
    LockedPanel = panel(QStringLiteral("LockedPanel"), right);
    LockedPanel->setAutoFillBackground(false);
    auto *locked = bare(new QVBoxLayout(LockedPanel), 24);
    auto *lockedText = label(QStringLiteral("mes_locked"), LockedPanel);
    lockedText->setWordWrap(true);
    lockedText->setAlignment(Qt::AlignCenter);
    locked->addWidget(lockedText);
    LockedPanel->hide();
    rightLayout->addWidget(T1ScrollBox);
    rightLayout->addWidget(LockedPanel);
    layout->addWidget(right, 2);
}

void TMF::CreateFuelPage()
{
    FuelPanel = panel(QStringLiteral("FuelPanel"), this);
    FuelPanel->setAutoFillBackground(false);
    auto *layout = bare(new QHBoxLayout(FuelPanel), 12);
    layout->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto *dark = flatButton(QStringLiteral("Button5"), FuelPanel);
    auto *light = flatButton(QStringLiteral("Button6"), FuelPanel);
    dark->setText(QStringLiteral("Dark"));
    light->setText(QStringLiteral("Light"));
    const auto apply = [this](const TColorSet &set) {
        Theme::Current() = set;
        StyleApply();
    };
    connect(dark, &QToolButton::clicked, this, [apply] { apply(Theme::Dark()); });
    connect(light, &QToolButton::clicked, this, [apply] { apply(Theme::Light()); });
    layout->addWidget(dark);
    layout->addWidget(light);
}
