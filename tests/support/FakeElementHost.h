#pragma once

#include "settings/ElementHost.h"

#include <QList>
#include <QPair>

// Records what page elements report: hints, setting errors and commands.
class FakeElementHost : public TElementHost
{
public:
    int Language() const override { return language; }
    void MainHintShow(int kind, const QString &text) override { hints.append({kind, text}); }
    void SettingsError(int number, const QString &text) override { errors[number] = text; }
    void Commands_Exec(const QString &name) override { commands.append(name); }

    int language = 1;
    QList<QPair<int, QString>> hints;
    QString errors[256];
    QStringList commands;
};
