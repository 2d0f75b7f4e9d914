#pragma once

#include "link/DeviceHost.h"
#include "protocol/ReceiveState.h"

// The least a device entry needs from the window: the receive state its sends are logged in.
class FakeDeviceHost : public TDeviceHost
{
public:
    explicit FakeDeviceHost(TReceiveState &receive)
        : m_receive(receive)
    {
    }

    int Language() const override { return 1; }
    void MainHintShow(int, const QString &) override {}
    TReceiveState &Receive() override { return m_receive; }
    void LogChange() override {}
    void ControlsLoadSettings(const QString &) override {}
    void Commands_Update() override {}
    void Commands_Exec(const QString &) override {}
    void UpdateCaption() override {}
    void PasswordEditChange() override {}
    void ShowSettingsAccess(bool) override {}
    void RequestDeviceInfo(const TPortInfo &) override {}
    void SetLanguageIndicator(qint64, qint64) override {}
    void UpdateTypeInfo() override {}
    void PanelMouseDown(int) override {}
    void PanelMouseEnter(int) override {}
    void PanelMouseLeave(int) override {}
    void ClearModemOutputFlag() override {}
    void DeviceChange(int) override {}

private:
    TReceiveState &m_receive;
};
