#pragma once

#include "protocol/DecoderHost.h"
#include "shell/Theme.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <functional>

// A window stand-in for the protocol decoders. It writes down everything a decoder does, in
// order, as short texts that tests compare:
//   a value         ident=text {alternate} [red|grey|white]   (Empty shows as <empty>;
//                                                              green and no alternate are left out)
//   a hint          hint<kind> text
//   the type query  type query
//   output 0        out <0|1>
// It also keeps the sections the "layout" has and the display items in them.
class RecordingDecoderHost : public TDecoderHost
{
public:
    struct Item
    {
        QString Section;
        QString Caption;
        QString Units;
    };

    QStringList Events;
    QSet<QString> Sections;
    QHash<QString, Item> Items;
    TPortInfo *Device = nullptr;
    int LanguageIndex = 1;
    // Runs when the type query is sent, as the send path would log it.
    std::function<void()> OnTypeQuery;

    bool VisualSetValue(const QString &name, const Variant &value, const QString &alternate,
                        QRgb color) override
    {
        QString event =
            name + u'=' + (value.isEmpty() ? QStringLiteral("<empty>") : value.toString());
        if (!alternate.isEmpty())
            event += QStringLiteral(" {") + alternate + u'}';
        if (color != ElementGreen)
            event += QStringLiteral(" [") + ColorName(color) + u']';
        Events.append(event);
        return Items.contains(name);
    }
    int Language() const override { return LanguageIndex; }
    void MainHintShow(int kind, const QString &text) override
    {
        Events.append(QStringLiteral("hint%1 %2").arg(kind).arg(text));
    }
    TPortInfo *Q() const override { return Device; }
    void UpdateTypeInfo() override
    {
        Events.append(QStringLiteral("type query"));
        if (OnTypeQuery)
            OnTypeQuery();
    }
    bool SetValueOut(bool value) override
    {
        Events.append(value ? QStringLiteral("out 1") : QStringLiteral("out 0"));
        return true;
    }
    bool EnsureDisplayItem(const QString &ident, const QString &section,
                           const QString &newCaption) override
    {
        if (Items.contains(ident))
            return true;
        if (!Sections.contains(section))
            return false;
        Items.insert(ident, {section, newCaption, QString()});
        return true;
    }
    void SetItemCaption(const QString &ident, const QString &caption) override
    {
        if (Items.contains(ident))
            Items[ident].Caption = caption;
    }
    void SetItemUnits(const QString &ident, const QString &units) override
    {
        if (Items.contains(ident))
            Items[ident].Units = units;
    }
    bool ClearSensorResults() override
    {
        Events.append(QStringLiteral("clear results"));
        if (!Sections.contains(SensorResult))
            return false;
        Items.removeIf([](const auto &item) { return item.value().Section == SensorResult; });
        return true;
    }
    void AddSensorResult(const QString &ident, const QString &caption) override
    {
        Items.insert(ident, {SensorResult, caption, QString()});
    }

    static inline const QString SensorResult = QStringLiteral("SensorResult");

private:
    static QString ColorName(QRgb color)
    {
        switch (color) {
        case ElementRed:
            return QStringLiteral("red");
        case ElementGrey:
            return QStringLiteral("grey");
        case ElementWhite:
            return QStringLiteral("white");
        default:
            return QString::number(color, 16);
        }
    }
};
