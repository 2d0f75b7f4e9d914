#pragma once

#include <QProxyStyle>

// Flat tool buttons for both themes: no frame at rest, a translucent plate under the pointer and
// a stronger one while pressed or checked.
class TFlatButtonStyle : public QProxyStyle
{
    Q_OBJECT

public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
};
