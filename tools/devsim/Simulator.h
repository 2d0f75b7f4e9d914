#pragma once

#include "line/SerialLine.h"
#include "line/TrafficLog.h"
#include "Options.h"
#include "profiles/Faults.h"
#include "profiles/Terminal.h"
#include "store/SettingsStore.h"

#include <QObject>
#include <QTimer>

#include <memory>

// One simulator run: the terminal the options describe, on its line, with its clock.
class Simulator : public QObject
{
    Q_OBJECT

public:
    explicit Simulator(SimulatorOptions options, QObject *parent = nullptr);
    ~Simulator() override;

    // Opens the line and starts the terminal; false with a message when that fails.
    bool start(QString *error);
    QString clientPath() const { return m_line->clientPath(); }

private:
    bool loadSettings(int type, QString *error);
    std::unique_ptr<Terminal> createTerminal(QString *error);
    std::unique_ptr<LinePort> openPort(QString *error) const;
    void saveFirmware(const QByteArray &image);

    SimulatorOptions m_options;
    QRandomGenerator m_seeds;
    TrafficLog m_log;
    Faults m_faults;
    SettingsStore m_settings;
    std::unique_ptr<Terminal> m_terminal;
    std::unique_ptr<SerialLine> m_line;
    QTimer m_clock;
};
