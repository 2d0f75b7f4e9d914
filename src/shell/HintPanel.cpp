#include "shell/HintPanel.h"

#include "shell/Theme.h"

#include <QVariantAnimation>

#include <cmath>

namespace {

constexpr int PanelHeight = 48;
constexpr int DistanceFromBottom = 96;
constexpr int SlideMs = 450; // 15 steps of 30 ms

// Steps 15..30 of a 30-step cosine ease: starts half-way, decelerates into place.
qreal secondHalfOfCosineEase(qreal t)
{
    return (1.0 + std::sin(t * M_PI / 2.0)) / 2.0;
}

QColor kindColor(int kind)
{
    switch (kind) {
    case 0:
        return QColor(ElementRed);
    case 1:
        return QColor(ElementGreen);
    case 2:
        return QColor(ElementSilver);
    default:
        return QColor();
    }
}

} // namespace

TInfoPanel::TInfoPanel(QWidget *window, int kind, const QString &text)
    : QLabel(text, window)
{
    setObjectName(QStringLiteral("InfoPanel"));
    setAlignment(Qt::AlignCenter);
    if (const QColor color = kindColor(kind); color.isValid()) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, color);
        pal.setColor(QPalette::WindowText, kind == 2 ? Qt::black : Qt::white);
        setPalette(pal);
        setAutoFillBackground(true);
    }
    const int width = fontMetrics().horizontalAdvance(text) + 48;
    setGeometry(window->width(), window->height() - DistanceFromBottom, width, PanelHeight);
}

int TInfoPanel::RestingLeft() const
{
    return parentWidget()->width() - width();
}

bool TInfoPanel::Sliding() const
{
    return m_slide && m_slide->state() == QAbstractAnimation::Running;
}

void TInfoPanel::SlideIn(bool animate)
{
    const int clientWidth = parentWidget()->width();
    const int from = clientWidth + width();
    const int to = RestingLeft();
    show();
    raise();
    if (!animate) {
        move(to, y());
        return;
    }
    if (!m_slide) {
        m_slide = new QVariantAnimation(this);
        m_slide->setDuration(SlideMs);
        QEasingCurve curve;
        curve.setCustomType(secondHalfOfCosineEase);
        m_slide->setEasingCurve(curve);
        connect(m_slide, &QVariantAnimation::valueChanged, this,
                [this](const QVariant &left) { move(left.toInt(), y()); });
    }
    m_slide->stop();
    m_slide->setStartValue(from);
    m_slide->setEndValue(to);
    move(clientWidth, y());
    m_slide->start();
}
