#pragma once

#include "profiles/Faults.h"
#include "profiles/FirmwareReceiver.h"
#include "profiles/Generation1Records.h"
#include "profiles/LineSplitter.h"
#include "profiles/StorageModel.h"
#include "profiles/Terminal.h"
#include "profiles/VehicleModel.h"
#include "store/SettingsStore.h"

#include <optional>

// A generation-1 tracker: a round of monitoring records every second, and answers to the
// identity, settings, memory, firmware and service requests of the configurator.
class Generation1Terminal : public Terminal
{
    Q_OBJECT

public:
    Generation1Terminal(Generation1Identity identity, SettingsStore &settings, Faults &faults,
                        quint64 seed, QObject *parent = nullptr);

    void receive(const QByteArray &bytes) override;
    void tick() override;

    const StorageModel &storage() const { return m_storage; }
    bool isUploading() const { return m_firmware.has_value(); }

Q_SIGNALS:
    void firmwareReceived(const QByteArray &image);

private:
    void handleLine(const QByteArray &line);
    void handleService(int code, const QByteArray &argument);
    void writeSettings(const QByteArray &password, const QByteArray &base64);
    void switchOutput(const QByteArray &password, const QByteArray &command);
    void sendSettings();
    void sendMemoryBlock(const QByteArray &argument);
    void startFirmwareUpload();
    void continueFirmwareUpload(const std::optional<QByteArray> &request);
    void watchFirmwareUpload();
    void sendRound();
    void sendLines(const QList<QByteArray> &lines);

    Generation1Records m_records;
    SettingsStore &m_settings;
    Faults &m_faults;
    VehicleModel m_vehicle;
    StorageModel m_storage;
    LineSplitter m_lines;
    std::optional<FirmwareReceiver> m_firmware;
    int m_silentSinceAnswer = 0;
    qint64 m_clockOffset = 0;
    int m_second = 0;
    int m_uptime = 0;
    int m_resets = 0;
    int m_rebootSilence = 0;
    quint8 m_outputs = 0;
    bool m_modemLog = false;
};
