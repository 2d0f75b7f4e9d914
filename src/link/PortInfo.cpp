#include "link/PortInfo.h"

#include "i18n/Dictionary.h"
#include "link/CommPortDriver.h"
#include "link/DeviceHost.h"
#include "link/DrawPanel.h"
#include "protocol/ReceiveState.h"
#include "shell/Trace.h"

namespace {
const QString ConsoleUsbId = QStringLiteral("VID_0483&PID_5742");
}

TPortInfo::TPortInfo(TDeviceHost *host, QObject *parent)
    : QAction(parent)
    , m_host(host)
{
}

TPortInfo::~TPortInfo() = default;

bool TPortInfo::IsConsoleType() const
{
    return FDevicePID_VID.contains(ConsoleUsbId);
}

QString TPortInfo::DeviceVer() const
{
    return IsConsoleType() ? QStringLiteral("1") : FDeviceVer;
}

bool TPortInfo::WriteLocked() const
{
    return FReadLocked == 1 || FDevicePassword != FUserPassword;
}

bool TPortInfo::ReadLocked() const
{
    return DeviceVer() == u"1" && WriteLocked();
}

bool TPortInfo::WaitInfo() const
{
    return FDeviceName.isEmpty() || FDeviceVer.isEmpty() || FDeviceSOFT.isEmpty() || FWaitInfo;
}

void TPortInfo::Repaint()
{
    if (FPanelI)
        FPanelI->update();
    if (FPanelO)
        FPanelO->update();
}

void TPortInfo::NoticeTypeChange(const QString &before)
{
    if (before != u"1" && DeviceVer() == u"1")
        m_host->MainHintShow(0, Translate(m_host->Language(), QStringLiteral("mes_firmwareold")));
}

void TPortInfo::TraceIdentity() const
{
    Trace::write({{QStringLiteral("t"), QStringLiteral("device")},
                  {QStringLiteral("port"), FPortName},
                  {QStringLiteral("name"), FDeviceName},
                  {QStringLiteral("type"), FDeviceVer},
                  {QStringLiteral("soft"), FDeviceSOFT},
                  {QStringLiteral("imei"), FDeviceIMEI}});
}

void TPortInfo::SetDeviceName(const QString &value)
{
    const bool differs = value != FDeviceName;
    const QString before = DeviceVer();
    if (differs) {
        if (!IsConsoleType()) {
            SetReadLocked(false);
        } else {
            FDeviceVer = QStringLiteral("1");
            FReadLocked = -1;
            m_host->ControlsLoadSettings(QStringLiteral("1"));
        }
    }
    FDeviceName = value;
    Repaint();
    NoticeTypeChange(before);
    if (differs) {
        TraceIdentity();
        m_host->RequestDeviceInfo(*this);
        m_host->UpdateCaption();
    }
}

void TPortInfo::SetDeviceVer(const QString &value)
{
    const QString before = DeviceVer();
    if (value.isEmpty())
        m_host->ControlsLoadSettings(QString());
    const bool differs = value != FDeviceVer;
    FDeviceVer = value;
    Repaint();
    NoticeTypeChange(before);
    if (differs) {
        TraceIdentity();
        m_host->ControlsLoadSettings(value);
        m_host->Commands_Update();
        m_host->RequestDeviceInfo(*this);
    }
}

void TPortInfo::SetDeviceIMEI(const QString &value)
{
    FWaitInfo = false;
    const bool differs = value != FDeviceIMEI;
    FDeviceIMEI = value;
    if (differs) {
        TraceIdentity();
        m_host->RequestDeviceInfo(*this);
    }
}

void TPortInfo::SetDeviceSOFT(const QString &value)
{
    const bool differs = value != FDeviceSOFT;
    FDeviceSOFT = value;
    if (differs) {
        TraceIdentity();
        m_host->RequestDeviceInfo(*this);
    }
}

void TPortInfo::SetDevicePID_VID(const QString &value)
{
    const QString before = DeviceVer();
    FDevicePID_VID = value;
    Repaint();
    NoticeTypeChange(before);
}

void TPortInfo::SetHaveSettings(bool value)
{
    FHaveSettings = value;
    SetReadLocked(false);
    m_host->ShowSettingsAccess(value);
}

void TPortInfo::SetReadLocked(bool value)
{
    if (value) {
        FReadLocked = 1;
        return;
    }
    const int before = FReadLocked;
    FReadLocked = 0;
    if (before != 0 && !FHaveSettings)
        m_host->Commands_Exec(QStringLiteral("SettingsGet"));
}

void TPortInfo::SetDevicePassword(const QString &value)
{
    FDevicePassword = value;
    SetReadLocked(false);
    m_host->PasswordEditChange();
}

void TPortInfo::SetActive(bool value)
{
    if (!(FActive && value)) {
        SetOperation(0);
        FWaitInfo = true;
        SetStoped(false);
        FActiveTime = DateTimeNow();
    }
    FActive = value;
    m_host->Commands_Update();
    Repaint();
}

void TPortInfo::SetSelected(bool value)
{
    FSelected = value;
    Repaint();
}

void TPortInfo::SetStoped(bool value)
{
    FStoped = value;
    if (value)
        FCom->Disconnect();
    else
        FCom->Connect();
    Repaint();
}

void TPortInfo::SetVisible(bool value)
{
    setVisible(value);
    if (FPanelO)
        FPanelO->setVisible(value);
}

void TPortInfo::SetOperation(quint8 value)
{
    if (value == 0) {
        m_host->SetLanguageIndicator(0, 0);
        FOperation = 0;
    }
}

void TPortInfo::UpdateStyle()
{
    Repaint();
}

void TPortInfo::SendAnsiString(const QByteArray &aString)
{
    FLetters.append(aString);
    InnerSend();
}

void TPortInfo::InnerSend()
{
    if (FLetters.isEmpty())
        return;
    TReceiveState &receive = m_host->Receive();
    // A hub answers every request before it takes the next one.
    if (DeviceVer() == u"250" && !receive.ShownLog->isEmpty() &&
        receive.ShownLog->constLast().State == TPacket::Sent)
        return;
    const QByteArray bytes = FLetters.takeFirst();
    if (!FCom->SendString(bytes))
        return;
    const TPacket record{DateTimeNow(), receive.Buffer.Size(), bytes.size(), TPacket::Sent};
    receive.RawChunks.append(record);
    receive.Buffer.Write(bytes);
    if (receive.ShownLog != &receive.RawChunks)
        receive.ShownLog->append(record);
    receive.BytesSent += bytes.size();
    Trace::write({{QStringLiteral("t"), QStringLiteral("sent")},
                  {QStringLiteral("port"), FPortName},
                  {QStringLiteral("hex"), QString::fromLatin1(bytes.toHex().toUpper())}});
    m_host->LogChange();
}
