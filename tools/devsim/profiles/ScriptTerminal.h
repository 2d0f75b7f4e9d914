#pragma once

#include "profiles/Terminal.h"

#include <QList>
#include <QTimer>

#include <optional>

// One step of a recorded sequence.
struct ScriptStep
{
    QByteArray bytes; // sent when not empty
    int delayMs = 0;  // waited for otherwise
};

// Reads a script: one step a line, "hex: 3E4920..." (spaces allowed between digits),
// "text: >DN=12345" (CR LF appended), "delay: 250" (milliseconds); blank lines and lines
// starting with "#" are skipped. nullopt with a message naming the line on a bad line.
std::optional<QList<ScriptStep>> parseScript(const QString &text, QString *error);

// Plays a recorded sequence once instead of a terminal profile, ignoring what it receives.
class ScriptTerminal : public Terminal
{
    Q_OBJECT

public:
    explicit ScriptTerminal(QList<ScriptStep> steps, QObject *parent = nullptr);

    void start() override;
    void receive(const QByteArray &) override {}

Q_SIGNALS:
    void finished();

private:
    void playFrom(qsizetype step);

    QList<ScriptStep> m_steps;
    QTimer m_delay;
    qsizetype m_next = 0;
};
