#pragma once

#include "protocol/MyTypes.h"

#include <QAction>
#include <QByteArrayList>
#include <QTime>

class QWidget;
class TCommPortDriver;
class TDeviceHost;
class TDrawPanel;

// One port on which a supported device was seen during the run: its serial driver, the
// device's identity and password state, its send queue and its tile in the left bar.
class TPortInfo : public QAction
{
    Q_OBJECT

public:
    TPortInfo(TDeviceHost *host, QObject *parent);
    ~TPortInfo() override;

    TDateTime FActiveTime = 0;
    bool FWaitInfo = false;
    QString FDeviceSubType;
    QString FDeviceOwnerId;
    QString FPortName;
    QString FDeviceName;
    QString FDeviceVer;
    QString FDeviceIMEI;
    QString FDeviceSOFT;
    QString FDevicePID_VID;
    bool FHaveSettings = false;
    int FReadLocked = 0; // 0 unlocked, 1 refused by the device, -1 not yet known
    QString FDevicePassword = QStringLiteral("\r\n\r\n\r\n");
    QString FUserPassword = QStringLiteral("470913");
    bool FExist = false;
    TCommPortDriver *FCom = nullptr;
    bool FActive = false;
    bool FSelected = false;
    bool FStoped = false;
    quint8 FOperation = 0;
    qint32 FMemoryWrite = 0;
    qint32 FMemorySend1 = 0;
    qint32 FMemorySend2 = 0;
    qint32 FMemorySend3 = 0;
    qint32 FMemorySend4 = 0;
    qint32 FMemoryIndex = 0;
    qint32 FMemoryCount = 0;
    qint32 FMemoryOffset = 0;
    QTime FMemoryTime;
    QString FMemoryFile;
    QWidget *FPanelO = nullptr;
    TDrawPanel *FPanelI = nullptr;
    QByteArrayList FLetters;
    int Tag = 0;                  // index in the device list
    TDateTime FTypeInfoAsked = 0; // when the tile last asked for the type

    QString PortName() const { return FPortName; }
    QString DeviceName() const { return FDeviceName; }
    // The effective type: "1" for the console-type USB device, else the reported type.
    QString DeviceVer() const;
    QString DeviceIMEI() const { return FDeviceIMEI; }
    QString DeviceSOFT() const { return FDeviceSOFT; }
    QString DevicePID_VID() const { return FDevicePID_VID; }
    bool IsConsoleType() const;
    bool HaveSettings() const { return FHaveSettings; }
    bool WriteLocked() const;
    bool ReadLocked() const;
    QString DevicePassword() const { return FDevicePassword; }
    QString UserPassword() const { return FUserPassword; }
    bool Exist() const { return FExist; }
    bool Active() const { return FActive; }
    bool Selected() const { return FSelected; }
    bool Stoped() const { return FStoped; }
    quint8 Operation() const { return FOperation; }
    // Identity still expected.
    bool WaitInfo() const;

    void SetDeviceName(const QString &value);
    void SetDeviceVer(const QString &value);
    void SetDeviceIMEI(const QString &value);
    void SetDeviceSOFT(const QString &value);
    void SetDevicePID_VID(const QString &value);
    void SetHaveSettings(bool value);
    void SetReadLocked(bool value);
    void SetDevicePassword(const QString &value);
    void SetUserPassword(const QString &value) { FUserPassword = value; }
    void SetActive(bool value);
    void SetSelected(bool value);
    void SetStoped(bool value);
    void SetVisible(bool value);
    void SetOperation(quint8 value);
    void UpdateStyle();
    void Repaint();

    // Queues bytes for the device and writes the head of the queue.
    void SendAnsiString(const QByteArray &aString);
    // Writes at most one queued string, unless a type-250 hub still owes a reply.
    void InnerSend();

private:
    // Reports the identity to the trace stream whenever a part of it changes.
    void TraceIdentity() const;
    // Shows the firmware notice when the effective type has just become "1".
    void NoticeTypeChange(const QString &before);

    TDeviceHost *m_host;
};
