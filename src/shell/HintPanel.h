#pragma once

#include <QLabel>

class QVariantAnimation;

// The status hint at the bottom right of the window. It slides in from the right edge on the
// second half of a cosine ease, the same curve EaseStep draws, without blocking the event loop.
class TInfoPanel : public QLabel
{
    Q_OBJECT

public:
    // Colours by kind: 0 alarm, 1 success, 2 notice; any other kind leaves the colour unset.
    TInfoPanel(QWidget *window, int kind, const QString &text);

    // Slides from just outside the right edge to rest against it; `animate` false jumps there.
    void SlideIn(bool animate = true);
    // Where the panel comes to rest in its window.
    int RestingLeft() const;
    bool Sliding() const;

private:
    QVariantAnimation *m_slide = nullptr;
};
