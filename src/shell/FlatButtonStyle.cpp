#include "shell/FlatButtonStyle.h"

#include <QPainter>
#include <QStyleOption>

void TFlatButtonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    if (element != PE_PanelButtonTool) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const bool pressed = option->state & (State_Sunken | State_On);
    const bool hovered = option->state & State_MouseOver;
    if (!pressed && !hovered)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(128, 128, 128, pressed ? 100 : 60));
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->restore();
}
