// The data log page: the traffic list, its display modes and the one-line terminal.
#include "i18n/Dictionary.h"
#include "link/PortInfo.h"
#include "log/LogModel.h"
#include "log/LogRows.h"
#include "shell/FormHelpers.h"
#include "shell/MainWindow.h"
#include "shell/Process.h"
#include "shell/Theme.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QSplitter>
#include <QStackedWidget>
#include <QStringEncoder>
#include <QTableView>
#include <QTimer>

using namespace Form;

void TMF::CreateLogPage()
{
    LogPanel = panel(QStringLiteral("LogPanel"), this);
    LogPanel->setAutoFillBackground(false);
    auto *layout = bare(new QVBoxLayout(LogPanel));

    auto *toolbar = fixedHeight(panel(QStringLiteral("Panel4"), LogPanel), 32);
    auto *tools = bare(new QHBoxLayout(toolbar), 4);
    PanelL1 = panel(QStringLiteral("PanelL1"), toolbar);
    PanelL3 = panel(QStringLiteral("PanelL3"), toolbar);
    PanelL2 = panel(QStringLiteral("PanelL2"), toolbar);
    for (QWidget *part : {PanelL1, PanelL3, PanelL2})
        part->setAutoFillBackground(false);
    PanelL3->setFixedWidth(64);

    auto *modes = bare(new QHBoxLayout(PanelL1));
    modes->setSpacing(4);
    btnShowTEXT = flatButton(QStringLiteral("btnShowTEXT"), PanelL1, QSize(48, 24));
    btnShowHEX = flatButton(QStringLiteral("btnShowHEX"), PanelL1, QSize(48, 24));
    btnShowEnter = flatButton(QStringLiteral("btnShowEnter"), PanelL1, QSize(56, 24));
    btnShowTEXT->setText(QStringLiteral("Text"));
    btnShowHEX->setText(QStringLiteral("HEX"));
    btnShowEnter->setText(QStringLiteral("MODEM"));
    for (QToolButton *toggle : {btnShowTEXT, btnShowHEX, btnShowEnter})
        toggle->setCheckable(true);
    connect(btnShowTEXT, &QToolButton::clicked, this, [this] { SetHEX(false); });
    connect(btnShowHEX, &QToolButton::clicked, this, [this] { SetHEX(true); });
    connect(btnShowEnter, &QToolButton::clicked, this, &TMF::btnShowEnterClick);
    modes->addWidget(btnShowTEXT);
    modes->addWidget(btnShowHEX);
    modes->addWidget(btnShowEnter);
    InByteCountLabel = label(QStringLiteral("InByteCountLabel"), PanelL1);
    modes->addSpacing(12);
    modes->addWidget(InByteCountLabel, 1);

    auto *follow = bare(new QHBoxLayout(PanelL3));
    btnPlay = flatButton(QStringLiteral("btnPlay"), PanelL3, QSize(28, 24));
    btnPause = flatButton(QStringLiteral("btnPause"), PanelL3, QSize(28, 24));
    btnPlay->setCheckable(true);
    btnPause->setCheckable(true);
    connect(btnPlay, &QToolButton::clicked, this, [this] { SetFollow(true); });
    connect(btnPause, &QToolButton::clicked, this, [this] { SetFollow(false); });
    follow->addWidget(btnPlay);
    follow->addWidget(btnPause);

    auto *right = bare(new QHBoxLayout(PanelL2));
    right->setSpacing(4);
    OutByteCountLabel = label(QStringLiteral("OutByteCountLabel"), PanelL2);
    btn_Clear = flatButton(QStringLiteral("btn_Clear"), PanelL2, QSize(80, 24));
    btn_Save = flatButton(QStringLiteral("btn_Save"), PanelL2, QSize(80, 24));
    connect(btn_Clear, &QToolButton::clicked, this, &TMF::act_ClearExecute);
    connect(btn_Save, &QToolButton::clicked, this, &TMF::act_SaveExecute);
    right->addWidget(OutByteCountLabel, 1);
    right->addWidget(btn_Clear);
    right->addWidget(btn_Save);

    tools->addWidget(PanelL1);
    tools->addWidget(PanelL3);
    tools->addWidget(PanelL2);
    layout->addWidget(toolbar);

    Splitter3 = new QSplitter(Qt::Vertical, LogPanel);
    Splitter3->setObjectName(QStringLiteral("Splitter3"));
    Splitter3->setChildrenCollapsible(false);
    // One column, no headers, fixed row height: the view keeps nothing per row, so millions of
    // records cost only their count.
    InListView = new QTableView(Splitter3);
    InListView->setObjectName(QStringLiteral("InListView"));
    InListView->horizontalHeader()->hide();
    InListView->verticalHeader()->hide();
    InListView->horizontalHeader()->setStretchLastSection(true);
    InListView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    InListView->verticalHeader()->setDefaultSectionSize(
        TLogDelegate::RowHeight(InListView->font()));
    InListView->setShowGrid(false);
    InListView->setWordWrap(false);
    InListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    InListView->setSelectionMode(QAbstractItemView::SingleSelection);
    InListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    InListView->setFrameShape(QFrame::NoFrame);
    InListView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LogModel = new TLogModel(FReceive, this);
    InListView->setModel(LogModel);
    InListView->setItemDelegate(new TLogDelegate(InListView));
    connect(InListView, &QTableView::clicked, this, [this] { SetFollow(false); });
    connect(InListView, &QTableView::doubleClicked, this, &TMF::InListViewDblClick);

    // The terminal: between 60 and 300 pixels high.
    SendPanel = panel(QStringLiteral("SendPanel"), Splitter3);
    SendPanel->setMinimumHeight(60);
    SendPanel->setMaximumHeight(300);
    auto *send = bare(new QHBoxLayout(SendPanel), 4);
    send->setSpacing(4);
    SendMemo = new QPlainTextEdit(SendPanel);
    SendMemo->setObjectName(QStringLiteral("SendMemo"));
    SendMemo->setFont(
        QFont(QStringList{QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono")}));
    SendMemo->setFrameShape(QFrame::NoFrame);
    btn_Send = flatButton(QStringLiteral("btn_Send"), SendPanel, QSize(96, 28));
    connect(btn_Send, &QToolButton::clicked, this, &TMF::btn_SendClick);
    send->addWidget(SendMemo, 1);
    send->addWidget(btn_Send, 0, Qt::AlignTop);
    Splitter3->setStretchFactor(0, 1);
    Splitter3->setSizes({400, 80});
    layout->addWidget(Splitter3, 1);
    LogPanel->installEventFilter(this);

    m_logRefresh = new QTimer(this);
    m_logRefresh->setSingleShot(true);
    m_logRefresh->setInterval(0);
    connect(m_logRefresh, &QTimer::timeout, this, &TMF::RefreshLog);
}

void TMF::LogChange()
{
    // Runs after every chunk and every string sent; the list and the counters catch up once the
    // burst is over, so a fast line costs one redraw instead of one per chunk.
    if (!m_logRefresh->isActive())
        m_logRefresh->start();
}

void TMF::RefreshLog()
{
    if (FFollow) {
        LogModel->SetRowCount(int(FReceive.ShownLog->size()));
        const int last = LogModel->rowCount() - 1;
        if (last >= 0) {
            InListView->setCurrentIndex(LogModel->index(last));
            InListView->scrollTo(LogModel->index(last));
        }
    }
    const QLocale locale;
    InByteCountLabel->setText(Tr(QStringLiteral("InByteCount")) + QStringLiteral(": ") +
                              locale.toString(FReceive.BytesReceived));
    OutByteCountLabel->setText(Tr(QStringLiteral("OutByteCount")) + QStringLiteral(": ") +
                               locale.toString(FReceive.BytesSent));
}

void TMF::SetFollow(bool follow)
{
    if (follow) {
        LogModel->SetRowCount(int(FReceive.ShownLog->size()));
        const int last = LogModel->rowCount() - 1;
        if (last >= 0) {
            InListView->setCurrentIndex(LogModel->index(last));
            if (last > 0)
                InListView->scrollTo(LogModel->index(last));
        }
    }
    InListView->viewport()->update();
    FFollow = follow;
    btnPlay->setChecked(follow);
    btnPause->setChecked(!follow);
}

void TMF::SetHEX(bool value)
{
    FHEX = value;
    btnShowHEX->setChecked(value);
    btnShowTEXT->setChecked(!value);
    const auto accent = [](QToolButton *button, bool on) {
        QPalette pal = button->parentWidget()->palette();
        if (on)
            pal.setColor(QPalette::ButtonText, QColor(ElementGreen));
        button->setPalette(pal);
    };
    accent(btnShowHEX, value);
    accent(btnShowTEXT, !value);
    LogModel->SetTextMode(FHEX, FShowEnter);
    InListView->viewport()->update();
}

void TMF::SetShowEnter(bool showEnter)
{
    btnShowEnter->setChecked(showEnter);
    QPalette pal = btnShowEnter->parentWidget()->palette();
    if (showEnter)
        pal.setColor(QPalette::ButtonText, QColor(ElementGreen));
    btnShowEnter->setPalette(pal);
    FShowEnter = showEnter;
    LogModel->SetTextMode(FHEX, FShowEnter);
    InListView->viewport()->update();
}

void TMF::act_ClearExecute()
{
    FReceive.RawChunks.clear();
    FReceive.Version1Packets.clear();
    FReceive.Version2Packets.clear();
    FReceive.Version3Packets.clear();
    FReceive.BytesReceived = 0;
    FReceive.BytesSent = 0;
    FReceive.DetectionStart = 0;
    SetFollow(true);
}

QString TMF::ProposedLogName() const
{
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    const QString name = Q() ? Q()->DeviceName() : QString();
    return name + u' ' + locale.toString(now.date(), QLocale::ShortFormat) + u' ' +
           now.time().toString(timeFormat.trimmed()).replace(u':', u'-') + u' ' +
           Process::BuildStamp();
}

bool TMF::SaveLogTo(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    // Each row as the list shows it; the data keeps the device's own bytes.
    for (const TPacket &packet : std::as_const(*FReceive.ShownLog)) {
        const QString line = LogRows::TimeText(packet) + u'\t' +
                             LogRows::DataText(FReceive.Buffer, packet, FHEX, LogRows::Use::File) +
                             QStringLiteral("\r\n");
        file.write(line.toLatin1());
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void TMF::act_SaveExecute()
{
    if (!Q())
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, QString(), QDir::current().filePath(ProposedLogName()),
        QStringLiteral(
            "Log files (*.log);;Memory dump files (*.dump);;Configuration files (*.cfg)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveLogTo(path.endsWith(QStringLiteral(".log")) ? path : path + QStringLiteral(".log"),
                   &error))
        MainHintShow(0, error);
}

void TMF::btn_SendClick()
{
    TPortInfo *device = Q();
    if (!device)
        return;
    QStringEncoder ansi("windows-1251");
    device->SendAnsiString(ansi.encode(SendMemo->toPlainText() + QStringLiteral("\r\n")));
}

void TMF::btnShowEnterClick()
{
    TPortInfo *device = Q();
    if (!device) {
        btnShowEnter->setChecked(FShowEnter);
        return;
    }
    SetShowEnter(!FShowEnter);
    if (FModemOutput) {
        device->SendAnsiString(">D 9;0\r\n");
        FModemOutput = false;
    } else {
        device->SendAnsiString(">D 9;1\r\n");
        FModemOutput = true;
    }
}

void TMF::InListViewDblClick()
{
    const QModelIndex current = InListView->currentIndex();
    if (!current.isValid() || current.row() >= FReceive.ShownLog->size()) {
        SendMemo->clear();
        return;
    }
    SendMemo->setPlainText(LogRows::DataText(FReceive.Buffer, FReceive.ShownLog->at(current.row()),
                                             FHEX, LogRows::Use::Terminal));
}

void TMF::LogPanelResize()
{
    const int half = (LogPanel->width() - PanelL3->width()) / 2;
    PanelL1->setFixedWidth(qMax(0, half));
    PanelL2->setFixedWidth(qMax(0, half));
}
