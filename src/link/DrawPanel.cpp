#include "link/DrawPanel.h"

#include "link/DeviceHost.h"
#include "link/PortInfo.h"
#include "shell/Theme.h"

#include <QHash>
#include <QPainter>

namespace {
// Seconds between type-information requests made by a tile still waiting for its device's ID.
constexpr double TypeInfoRetryDays = 120.0 / 86400.0;
} // namespace

TDrawPanel::TDrawPanel(TPortInfo *entry, TDeviceHost *host, QWidget *parent)
    : QWidget(parent)
    , m_entry(entry)
    , m_host(host)
{
    setObjectName(QStringLiteral("DeviceTile"));
    setGeometry(2, 2, 72, 72);
    setCursor(Qt::PointingHandCursor);
}

QString TDrawPanel::ModelLabel(const QString &type)
{
    static const QHash<int, QString> models = {
        {1, QStringLiteral("QV Console")}, {13, QStringLiteral("QV Lite")},
        {15, QStringLiteral("QV Duo")},    {31, QStringLiteral("QV Sat")},
        {33, QStringLiteral("QV Sat+")},   {90, QStringLiteral("QV ModBus")},
        {206, QStringLiteral("QV Trek")},  {210, QStringLiteral("QV Fleet")},
        {215, QStringLiteral("QV Moto")},  {216, QStringLiteral("QV Nano")},
        {217, QStringLiteral("QV Pro")},   {218, QStringLiteral("QV Pro S")},
        {219, QStringLiteral("QV Cargo")}, {220, QStringLiteral("QV WiFi")},
        {221, QStringLiteral("QV Mini")},  {222, QStringLiteral("QV Mini+")},
        {223, QStringLiteral("QV Tag")},   {224, QStringLiteral("QV Max")},
        {225, QStringLiteral("QV Duo 2")}, {226, QStringLiteral("QV Scoot")},
        {227, QStringLiteral("QV Tag+")},  {228, QStringLiteral("QV Max 2")},
        {229, QStringLiteral("QV Agro")},  {230, QStringLiteral("QV Rail")},
        {250, QStringLiteral("BLE Hub")}};
    bool ok = false;
    const int code = type.toInt(&ok);
    return models.value(ok ? code : -1, QStringLiteral("v. ") + type);
}

int TDrawPanel::IdFontSize(const QString &id)
{
    return id.size() > 10 ? 7 : id.size() > 8 ? 10 : 12;
}

void TDrawPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Theme::Current().Background);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const auto centred = [&painter](const QString &text, int top) {
        const QFontMetrics metrics = painter.fontMetrics();
        painter.drawText(36 - metrics.horizontalAdvance(text) / 2, top + metrics.ascent(), text);
    };

    QFont font = this->font();
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(QColor(128, 128, 128));
    // "ttyACM0" or "pts/3": the device node without the "/dev/" every node shares.
    QString port = m_entry->PortName();
    if (port.startsWith(QStringLiteral("/dev/")))
        port.remove(0, 5);
    centred(port, 5);

    QString id = m_entry->DeviceName();
    if (id.isEmpty()) {
        id = QStringLiteral("------");
        // Ask again for the type while the device stays unnamed; not from inside painting.
        if (DateTimeNow() - m_entry->FTypeInfoAsked > TypeInfoRetryDays) {
            m_entry->FTypeInfoAsked = DateTimeNow();
            QMetaObject::invokeMethod(
                this, [this] { m_host->UpdateTypeInfo(); }, Qt::QueuedConnection);
        }
    }
    font.setPointSize(IdFontSize(id));
    painter.setFont(font);
    painter.setPen(QColor(ElementGreen));
    centred(id, 34 - painter.fontMetrics().height() / 2);

    m_host->ClearModemOutputFlag();

    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(Theme::Current().Text);
    centred(ModelLabel(m_entry->DeviceVer()), 52);
}

void TDrawPanel::mousePressEvent(QMouseEvent *)
{
    m_host->PanelMouseDown(m_entry->Tag);
}

void TDrawPanel::enterEvent(QEnterEvent *)
{
    m_host->PanelMouseEnter(m_entry->Tag);
}

void TDrawPanel::leaveEvent(QEvent *)
{
    m_host->PanelMouseLeave(m_entry->Tag);
}

TTileFrame::TTileFrame(TPortInfo *entry, QWidget *parent)
    : QWidget(parent)
    , m_entry(entry)
{
    setObjectName(QStringLiteral("DeviceFrame"));
    setFixedSize(76, 76);
}

QColor TTileFrame::FrameColor() const
{
    if (m_entry->Selected())
        return Qt::white;
    if (m_entry->Active())
        return m_entry->Stoped() ? QColor(255, 0, 0) : QColor(ElementGreen);
    return parentWidget()->palette().color(QPalette::Window);
}

void TTileFrame::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), FrameColor());
}
