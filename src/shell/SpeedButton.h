#pragma once

#include <QToolButton>

// A flat button of the navigation bar or the settings tools: a 24-pixel icon at rest, a small
// icon over its hint while the pointer is on it. Its name from the fourth character on is the
// stem of its icon resources ("btnInfo" shows "E_INFO"/"D_INFO").
class TSpeedButton : public QToolButton
{
    Q_OBJECT

public:
    TSpeedButton(const QString &name, QWidget *parent)
        : QToolButton(parent)
    {
        setObjectName(name);
        setAutoRaise(true);
        setFocusPolicy(Qt::NoFocus);
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    QString Stem() const { return objectName().mid(3).toUpper(); }
    // Whether the button shows its hint; page buttons show it only while their page is on show.
    bool ShowHint = true;
    // The hint of its action; shown as its caption while hovered.
    QString Hint;
};
