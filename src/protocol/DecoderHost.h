#pragma once

#include "settings/Variant.h"

#include <QRgb>
#include <QString>

class TPortInfo;

// What the protocol decoders need from the window: named value routing, hints, the current
// device and the few elements they create at run time. The main window implements it; tests and
// benchmarks use their own.
class TDecoderHost
{
public:
    virtual ~TDecoderHost() = default;

    // Routes a value to the element `name` (ignoring letter case); true when a display item or
    // a setting editor took it. Nothing is shown while the generation is still being detected.
    virtual bool VisualSetValue(const QString &name, const Variant &value,
                                const QString &alternate, QRgb color) = 0;
    virtual int Language() const = 0;
    // kind 0 alarm (red), 1 success (green), 2 notice (silver).
    virtual void MainHintShow(int kind, const QString &text) = 0;
    // The current device, or nullptr.
    virtual TPortInfo *Q() const = 0;
    // Queues the type-information request ">I 7" to the current device.
    virtual void UpdateTypeInfo() = 0;
    // Stores the state of the terminal's output OUT0.
    virtual bool SetValueOut(bool value) = 0;

    // Makes sure a display item `ident` exists. When no element carries the identifier and the
    // section `section` exists, a new auto-hiding item captioned `newCaption` is added at the end
    // of that section. True when a display item with the identifier exists afterwards.
    virtual bool EnsureDisplayItem(const QString &ident, const QString &section,
                                   const QString &newCaption) = 0;
    virtual void SetItemCaption(const QString &ident, const QString &caption) = 0;
    virtual void SetItemUnits(const QString &ident, const QString &units) = 0;

    // The hub's search list: removes the listed sensors from the section "SensorResult"; false
    // when the section does not exist.
    virtual bool ClearSensorResults() = 0;
    // Adds a text element `ident` captioned `caption` to the "SensorResult" section.
    virtual void AddSensorResult(const QString &ident, const QString &caption) = 0;
};
