#pragma once

#include "link/DeviceHost.h"
#include "link/PortDiscovery.h"
#include "protocol/DecoderHost.h"
#include "protocol/MyTypes.h"
#include "protocol/ReceiveState.h"
#include "protocol/VersionType.h"
#include "settings/ElementHost.h"
#include "shell/Options.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QTableView;
class QPlainTextEdit;
class TLogModel;
class QSplitter;
class QStackedWidget;
class QTimer;
class QToolButton;
class TInfoPanel;
class TCommPortDriver;
class TPortInfo;
class TPortInfoList;
class TSpeedButton;
class TBaseClass;
class TRouteCache;
class TVersion1;
class TVersion2;
class TVersion3;

// The drag in progress on the caption bar or a border.
enum TMoveStyle
{
    moveNone,
    MoveLeft,
    MoveRight,
    MoveBottom,
    moveCaption
};

// The main window and controller: owns the process-wide state, builds every page, runs the
// window timers, switches pages and shows the status hint through which everything reports.
class TMF : public QWidget, public TDeviceHost, public TDecoderHost, public TElementHost
{
    Q_OBJECT

public:
    // `enumerator` replaces the USB and hand-given port discovery the options describe.
    explicit TMF(const TOptions &options, std::unique_ptr<TPortEnumerator> enumerator = nullptr,
                 QWidget *parent = nullptr);
    ~TMF() override;

    // --- Process-wide state --------------------------------------------------------------
    int FPortIndex = -1;
    TVersionType FVersion = vtDetect;
    bool FSettingsReady = false;
    bool FCanShowSettings = false;
    bool FHEX = false;
    bool FShowEnter = false;
    bool FFollow = true;
    int FLanguage = 0;
    QPointer<TInfoPanel> FInfoPanel;
    QString FErrors[256];
    int FCurrentError = -1;
    QByteArray FConfigPassword;
    TMoveStyle FIsMove = moveNone;
    QPoint FPos;
    QPoint FMove;
    TDateTime FUpdateVersion = 0;
    QString FUpdateModule;
    QString FUpdateProURL;
    QString FUpdateSettingsURL;
    QString FBrowserURL;
    bool FBrowsed = false;
    QString FWellcomeFile;
    QString FAdditionFile;
    QString FDeviceFile;
    TReceiveState FReceive;
    TPortInfoList *PortList = nullptr;

    // The current device, or nullptr.
    TPortInfo *Q() const override;
    QString Tr(const QString &key) const;

    // --- Device list ---------------------------------------------------------------------
    // Makes entry `index` the current device (-1: none).
    void SetPortIndex(int index);
    void act_PortExecute(int index);
    void UpdatePortListUSB();
    void UpdateTypeInfo() override;
    void PanelMouseDown(int index) override;
    void PanelMouseEnter(int index) override;
    void PanelMouseLeave(int index) override;

    // --- Receive dispatch ----------------------------------------------------------------
    // Handler of a port that only listens: its first chunk makes it the current device.
    void QWaitData(TCommPortDriver *sender, const char *data, int size);
    // Handler of the current device's port.
    void QReceiveData(TCommPortDriver *sender, const char *data, int size);
    void SetVersion(TVersionType version);
    // The generation whose recognised packets outnumber the other two together, if any.
    static TVersionType Elect(int c1, int c2, int c3);
    // Sends the hub's information request to a current device that stays silent in detection.
    void Generation3Probe();
    // The memory download and firmware upload take their replies from here.
    void QOperationData1(qint64 rawIndex);
    void QOperationData2(qint64 packetIndex);

    // --- Named value routing ------------------------------------------------------------
    // The element named `name` under `parent`: a shallower one before a deeper one, an earlier
    // child before a later one.
    TBaseClass *VisualFind(const QWidget *parent, const QString &name) const;
    TBaseClass *VisualFind(const QWidget *parent, qint32 number) const;
    bool VisualSetValue(const QString &name, const Variant &value, const QString &alternate,
                        QRgb color) override;
    bool EnsureDisplayItem(const QString &ident, const QString &section,
                           const QString &newCaption) override;
    void SetItemCaption(const QString &ident, const QString &caption) override;
    void SetItemUnits(const QString &ident, const QString &units) override;
    bool ClearSensorResults() override;
    void AddSensorResult(const QString &ident, const QString &caption) override;
    // Every display item and setting editor under `control` loses its value.
    void ClearControlsRecursive(QWidget *control);
    void InfoPanelResize();
    void SettingsError(int number, const QString &text) override;

    // --- Status hint ---------------------------------------------------------------------
    void MainHintShow(int kind, const QString &text) override;
    void MainHintHide();

    // --- Pages ---------------------------------------------------------------------------
    void act_PageWellcomeExecute();
    void act_PageInfoExecute();
    void act_PageSettingsExecute();
    void act_PageLogExecute();
    void act_PageFuelExecute();
    QWidget *PageOnShow() const;

    void UpdateCaption() override;
    bool SetValueOut(bool value) override;
    // Destroys every child of `panel`, last first.
    void ClearPanel(QWidget *panel);
    void CloseButtonClick();

    // --- Language ------------------------------------------------------------------------
    void SetLanguage(int language);
    void SetLanguageIndicator(qint64 position, qint64 count) override;
    void ButtonRUClick();
    void ButtonENClick();

    // --- Data log and terminal ----------------------------------------------------------
    void SetFollow(bool follow);
    void SetShowEnter(bool showEnter);
    void act_ClearExecute();
    void act_SaveExecute();
    // Writes the shown log as text; false with the system's message when it cannot.
    bool SaveLogTo(const QString &path, QString *error) const;
    QString ProposedLogName() const;
    void btn_SendClick();
    void btnShowEnterClick();
    void InListViewDblClick();
    void LogPanelResize();
    // Applies a finished refresh of the list and the counters (LogChange schedules it).
    void RefreshLog();

    // --- Chrome and theme ----------------------------------------------------------------
    void StyleApply();
    void ButtonFonClick();
    void MinimizeButtonClick();
    void NormalizeButtonClick();
    void CaptionPanelDblClick();
    // A press on the caption bar or a border starts a drag of that style; moves follow it.
    void DragStart(TMoveStyle style, const QPoint &globalPos);
    void DragMove(const QPoint &globalPos);
    void DragEnd();
    void btnSpeedMouseEnter(TSpeedButton *button);
    void btnSpeedMouseLeave(TSpeedButton *button);
    static bool Splitter3CanResize(int newSize);

    // --- Hooks into the other subsystems -------------------------------------------------
    void Commands_Fill();
    void Commands_Update() override;
    void Commands_Exec(const QString &name) override;
    void ControlsLoadMonitor();
    void ControlsLoadSettings(const QString &type) override;
    void SetHEX(bool value);
    void UpdateBrowser();
    void UpdateWellcome();
    void UpdateFolders();
    void LogChange() override;
    void PasswordEditChange() override;
    void ShowSettingsAccess(bool haveSettings) override;
    void RequestDeviceInfo(const TPortInfo &device) override;
    void ClearModemOutputFlag() override;
    int Language() const override { return FLanguage; }
    TReceiveState &Receive() override { return FReceive; }

public Q_SLOTS:
    // Texts delivered by the background fetches (200..202) or a hint of another kind.
    void InfoExternal(int kind, const QString &text);
    // The platform reports a change of device nodes; only 7 (nodes changed) rescans.
    void DeviceChange(int what) override;
    void DataTimerTimer();
    void Timer1Timer();
    void CheckNameTimerTimer();

public:
    // --- Components ------------------------------------------------------------------------
    QWidget *CaptionPanel = nullptr;
    QLabel *CaptionImage = nullptr;
    QLabel *CaptionLabel = nullptr;
    QToolButton *CloseButton = nullptr;
    QToolButton *NormalizeButton = nullptr;
    QToolButton *MinimizeButton = nullptr;
    QToolButton *ButtonRU = nullptr;
    QToolButton *ButtonEN = nullptr;
    QWidget *PanelBTop = nullptr;
    QLabel *LangLabel = nullptr;
    QWidget *BorderL = nullptr;
    QWidget *BorderR = nullptr;
    QWidget *BorderB = nullptr;
    QLabel *PageLabel = nullptr;
    QLabel *DataLabel = nullptr;
    QWidget *LPanel = nullptr;
    QStackedWidget *MainPanel = nullptr;
    QWidget *WellcomePanel = nullptr;
    QWidget *InfoPanel = nullptr;
    QWidget *SettingsPanel = nullptr;
    QWidget *LogPanel = nullptr;
    QWidget *FuelPanel = nullptr;
    TSpeedButton *btnWellcome = nullptr;
    TSpeedButton *btnInfo = nullptr;
    TSpeedButton *BtnCONFIG = nullptr;
    TSpeedButton *BtnLog = nullptr;
    TSpeedButton *btnFuel = nullptr;
    TSpeedButton *btnOpen = nullptr;
    TSpeedButton *btnSave = nullptr;
    TSpeedButton *btnGet = nullptr;
    TSpeedButton *btnSet = nullptr;
    QToolButton *btnPlay = nullptr;
    QToolButton *btnPause = nullptr;
    QWidget *TilesPanel = nullptr;
    QWidget *EmptyPanel = nullptr;
    QLabel *EmptyImage = nullptr;
    QWidget *ProgressPanel = nullptr;
    QLabel *ProgressLabel = nullptr;
    QLabel *PercentLabel = nullptr;
    // Welcome page
    QLabel *WellcomeCaption = nullptr;
    QLabel *WellcomeText = nullptr;
    QWidget *UpdatePanel = nullptr;
    QLabel *UpdateImage = nullptr;
    QLabel *UpdateProLabel1 = nullptr;
    QLabel *UpdateProLabel2 = nullptr;
    QLabel *PathLabel = nullptr;
    QToolButton *ButtonFon = nullptr;
    // Monitoring page
    QWidget *PanelS1 = nullptr;
    QWidget *PanelS2 = nullptr;
    QWidget *PanelS3 = nullptr;
    QWidget *PanelS4 = nullptr;
    // Settings page
    QWidget *PanelT0 = nullptr;
    QWidget *PanelT1 = nullptr;
    QWidget *PanelT2 = nullptr;
    QWidget *T1ScrollBox = nullptr;
    QWidget *LockedPanel = nullptr;
    QWidget *SettingsPasswordPanel = nullptr;
    QWidget *SettingsToolsPanel = nullptr;
    QLineEdit *PasswordEdit = nullptr;
    // Data log page
    QSplitter *Splitter3 = nullptr;
    QWidget *SendPanel = nullptr;
    QTableView *InListView = nullptr;
    TLogModel *LogModel = nullptr;
    QPlainTextEdit *SendMemo = nullptr;
    QToolButton *btn_Send = nullptr;
    QToolButton *btnShowHEX = nullptr;
    QToolButton *btnShowTEXT = nullptr;
    QToolButton *btnShowEnter = nullptr;
    QToolButton *btn_Clear = nullptr;
    QToolButton *btn_Save = nullptr;
    QLabel *InByteCountLabel = nullptr;
    QLabel *OutByteCountLabel = nullptr;
    QWidget *PanelL1 = nullptr;
    QWidget *PanelL2 = nullptr;
    QWidget *PanelL3 = nullptr;
    bool FModemOutput = false;
    // Actions, each carrying its "Tag" property (-1: the caption stays, only the hint is set).
    QList<QAction *> ActionList;
    QAction *act_PageWellcome = nullptr;
    QAction *act_PageInfo = nullptr;
    QAction *act_PageSettings = nullptr;
    QAction *act_PageLog = nullptr;
    QAction *act_PageFuel = nullptr;
    QAction *act_OpenCFG = nullptr;
    QAction *act_SaveCFG = nullptr;
    QAction *act_GetCFG = nullptr;
    QAction *act_SetCFG = nullptr;
    // Timers
    QTimer *DataTimer = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *CheckNameTimer = nullptr;
    QTimer *HideHint = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void CreateForm();
    QWidget *CreateCaptionBar();
    QWidget *CreateNavigationBar();
    void CreateWelcomePage();
    void CreateMonitoringPage();
    void CreateSettingsPage();
    void CreateLogPage();
    void CreateFuelPage();
    void CreateActions();
    TSpeedButton *CreatePageButton(const QString &name, QAction *action);
    void ShowPage(QWidget *page, TSpeedButton *button);
    void PlaceDataLabel(int left, int height, QRgb color);
    void RetranslateComponents(QWidget *root);

    struct PageEntry
    {
        QWidget *page;
        TSpeedButton *button;
        QString stem;
    };
    QList<PageEntry> m_pages;
    std::unique_ptr<TPortEnumerator> m_enumerator;
    void CreateProtocols();
    void Assemble(TVersionType version, qint64 rawIndex);
    void Detect(qint64 rawIndex);
    void ConsoleAnswers(const QByteArray &chunk);

    QTimer *m_logRefresh = nullptr;
    std::unique_ptr<TVersion1> m_version1;
    std::unique_ptr<TVersion2> m_version2;
    std::unique_ptr<TVersion3> m_version3;
    QByteArray m_consoleTail;
    std::unique_ptr<TRouteCache> m_routeCache;
    bool m_probed = false;
    int m_hopCounter = 0;
    bool m_painted = false;
};
