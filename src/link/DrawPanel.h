#pragma once

#include <QWidget>

class TDeviceHost;
class TPortInfo;

// The inner tile of a device: port name, device ID and model label.
class TDrawPanel : public QWidget
{
    Q_OBJECT

public:
    TDrawPanel(TPortInfo *entry, TDeviceHost *host, QWidget *parent);

    // Model name shown under the ID for a type code, or "v. <type>".
    static QString ModelLabel(const QString &type);
    // Point size of the device ID by its length.
    static int IdFontSize(const QString &id);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TPortInfo *m_entry;
    TDeviceHost *m_host;
};

// The outer tile: a 2-pixel frame around the inner one, coloured by the device's state.
class TTileFrame : public QWidget
{
    Q_OBJECT

public:
    TTileFrame(TPortInfo *entry, QWidget *parent);
    QColor FrameColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TPortInfo *m_entry;
};
