#pragma once

#include "profiles/Faults.h"
#include "profiles/LineSplitter.h"
#include "profiles/Terminal.h"
#include "store/SettingsStore.h"

// The plain-text console terminal (USB identity VID_0483&PID_5742, type "1" to the
// configurator). It refuses every command until its password arrives as a line of its own.
class ConsoleTerminal : public Terminal
{
    Q_OBJECT

public:
    ConsoleTerminal(SettingsStore &settings, Faults &faults, QObject *parent = nullptr);

    void start() override;
    void receive(const QByteArray &bytes) override;
    void tick() override;

    bool isUnlocked() const { return m_unlocked; }

private:
    void handleLine(const QByteArray &line);
    void runCommand(const QByteArray &command);
    void answer(const QByteArray &text);

    SettingsStore &m_settings;
    Faults &m_faults;
    LineSplitter m_lines;
    QByteArray m_previousCommand;
    int m_rebootSilence = 0;
    bool m_unlocked = false;
};
