// The main window's side of the device list: discovery, the current device and its tile.
#include "link/CommPortDriver.h"
#include "link/PortDiscovery.h"
#include "link/PortInfo.h"
#include "link/PortInfoList.h"
#include "shell/MainWindow.h"
#include "shell/Process.h"
#include "shell/Trace.h"

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTimer>

void TMF::UpdatePortListUSB()
{
    for (int i = 0; i < PortList->Count(); ++i)
        PortList->Get(i)->FExist = false;

    for (const TPortDescriptor &port : m_enumerator->Enumerate()) {
        if (!IsSupportedHardwareId(port.HardwareId))
            continue;
        const QString name = PortNameFromFriendlyName(port.FriendlyName);
        if (name.isEmpty())
            continue;
        int index = PortList->IndexByName(name);
        if (index < 0) {
            index = PortList->New(name);
            PortList->Get(index)->setToolTip(port.FriendlyName);
        } else {
            PortList->Get(index)->FExist = true;
        }
        PortList->Get(index)->SetDevicePID_VID(port.HardwareId);
    }

    for (int i = 0; i < PortList->Count(); ++i) {
        TPortInfo *entry = PortList->Get(i);
        if (!entry->Exist()) {
            entry->FCom->Disconnect();
            entry->SetVisible(false);
        }
    }
    const bool empty = PortList->PortCount() == 0;
    EmptyPanel->setVisible(empty);
    TilesPanel->setVisible(!empty);
    if (empty)
        Timer1->start();
    else
        Timer1->stop();
    EmptyImage->setVisible(empty);
    for (int i = 0; i < PortList->Count(); ++i) {
        if (PortList->Get(i)->Exist())
            PortList->Get(i)->SetVisible(true);
    }

    TPortInfo *current = Q();
    if (current && !current->Exist()) {
        MainHintShow(0, Tr(QStringLiteral("mes_devicelost")));
        Process::DeviceSeen = false;
    }
    if (current && current->Exist()) {
        current->FCom->Connect();
    } else {
        for (int i = 0; i < PortList->Count(); ++i) {
            TPortInfo *entry = PortList->Get(i);
            if (!entry->Exist())
                continue;
            entry->FCom->SetOnReceiveData([this](TCommPortDriver *sender, const char *data,
                                                 int size) { QWaitData(sender, data, size); });
            entry->FCom->Connect();
        }
    }

    if (PortList->PortCount() == 0) {
        SetPortIndex(-1);
    } else if (PortList->PortCount() == 1) {
        for (int i = 0; i < PortList->Count(); ++i) {
            if (PortList->Get(i)->Exist())
                SetPortIndex(i);
        }
    }
}

void TMF::SetPortIndex(int index)
{
    const int old = FPortIndex;
    if (index >= 0)
        Process::DeviceSeen = true;
    for (int i = 0; i < PortList->Count(); ++i)
        PortList->Get(i)->SetActive(i == index);
    if (index != old) {
        if (TPortInfo *previous = Q())
            previous->FCom->Disconnect();
        if (index >= 0)
            SetVersion(vtDetect);
    }
    for (int i = 0; i < PortList->Count(); ++i) {
        TPortInfo *entry = PortList->Get(i);
        if (i == index) {
            entry->FCom->SetOnReceiveData([this](TCommPortDriver *sender, const char *data,
                                                 int size) { QReceiveData(sender, data, size); });
            entry->FCom->Connect();
        } else {
            entry->FCom->Disconnect();
            entry->FCom->SetOnReceiveData([this](TCommPortDriver *sender, const char *data,
                                                 int size) { QWaitData(sender, data, size); });
        }
        entry->SetDeviceName(QString());
        entry->SetDeviceVer(QString());
        entry->SetDeviceIMEI(QString());
        entry->SetDeviceSOFT(QString());
    }
    ControlsLoadSettings(QString());
    UpdateCaption();
    if (index != old) {
        FPortIndex = index;
        Trace::write({{QStringLiteral("t"), QStringLiteral("current")},
                      {QStringLiteral("port"),
                       index >= 0 ? QJsonValue(PortList->Get(index)->PortName()) : QJsonValue()}});
        if (index >= 0)
            PasswordEdit->setText(QStringLiteral("470913"));
        if ((index == -1 && PageOnShow() == SettingsPanel) ||
            (index >= 0 && PageOnShow() == WellcomePanel))
            act_PageWellcomeExecute();
    }
    Commands_Update();
}

void TMF::act_PortExecute(int index)
{
    SetPortIndex(index);
}

void TMF::UpdateTypeInfo()
{
    if (TPortInfo *device = Q())
        device->SendAnsiString(">I 7\r\n");
}

void TMF::PanelMouseDown(int index)
{
    if (index != FPortIndex) {
        SetPortIndex(index);
        return;
    }
    TPortInfo *device = PortList->Get(index);
    if (device->Stoped()) {
        device->SetStoped(false);
        MainHintShow(1, Tr(QStringLiteral("mes_deviceresume")));
    } else {
        device->SetStoped(true);
        MainHintShow(0, Tr(QStringLiteral("mes_devicepause")));
    }
}

void TMF::PanelMouseEnter(int index)
{
    PortList->Get(index)->SetSelected(true);
}

void TMF::PanelMouseLeave(int index)
{
    PortList->Get(index)->SetSelected(false);
}
