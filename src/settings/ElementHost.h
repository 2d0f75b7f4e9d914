#pragma once

#include <QString>

// What the page elements ask of the window: translated texts, hints, the settings error
// registry and commands run by buttons.
class TElementHost
{
public:
    virtual ~TElementHost() = default;
    virtual int Language() const = 0;
    virtual void MainHintShow(int kind, const QString &text) = 0;
    // Records (non-empty text) or clears the validation error of a setting number.
    virtual void SettingsError(int number, const QString &text) = 0;
    virtual void Commands_Exec(const QString &name) = 0;
};
