#pragma once

#include <QString>

struct TReceiveState;
class TPortInfo;

// What a device entry needs from the main window: the traffic log, the hints and the pages that
// follow the device's identity. The main window implements it; tests use a small fake.
class TDeviceHost
{
public:
    virtual ~TDeviceHost() = default;

    virtual int Language() const = 0;
    virtual void MainHintShow(int kind, const QString &text) = 0;
    virtual TReceiveState &Receive() = 0;
    // The data log refreshes after every string written.
    virtual void LogChange() = 0;
    virtual void ControlsLoadSettings(const QString &type) = 0;
    virtual void Commands_Update() = 0;
    virtual void Commands_Exec(const QString &name) = 0;
    virtual void UpdateCaption() = 0;
    // Runs the change handler of the settings page's password box.
    virtual void PasswordEditChange() = 0;
    // The settings page shows the settings when the device holds some, the lock notice else.
    virtual void ShowSettingsAccess(bool haveSettings) = 0;
    // Asks the update server about a device whose identity is complete.
    virtual void RequestDeviceInfo(const TPortInfo &device) = 0;
    virtual void SetLanguageIndicator(qint64 position, qint64 count) = 0;
    // Queues the type-information request to the current device.
    virtual void UpdateTypeInfo() = 0;
    // Tile events, by the tile's index in the device list.
    virtual void PanelMouseDown(int index) = 0;
    virtual void PanelMouseEnter(int index) = 0;
    virtual void PanelMouseLeave(int index) = 0;
    // Painting a tile clears the data log's modem-output flag.
    virtual void ClearModemOutputFlag() = 0;
    // The platform reports a change of device nodes (7: nodes changed, which rescans); an open
    // port that failed reports it the same way.
    virtual void DeviceChange(int what) = 0;
};
