#pragma once

// Small builders for the window's form: named panels, labels and flat buttons.
#include <QBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QWidget>

namespace Form {

inline QWidget *panel(const QString &name, QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(name);
    widget->setAutoFillBackground(true);
    return widget;
}

inline QWidget *fixedWidth(QWidget *widget, int width)
{
    widget->setFixedWidth(width);
    return widget;
}

inline QWidget *fixedHeight(QWidget *widget, int height)
{
    widget->setFixedHeight(height);
    return widget;
}

inline QLabel *label(const QString &name, QWidget *parent, const QString &text = QString())
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(name);
    return result;
}

inline QToolButton *flatButton(const QString &name, QWidget *parent, QSize size = QSize())
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (size.isValid())
        button->setFixedSize(size);
    return button;
}

inline QBoxLayout *bare(QBoxLayout *layout, int margin = 0)
{
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    return layout;
}

} // namespace Form
