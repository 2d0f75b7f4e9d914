#pragma once

#include <QByteArray>
#include <QList>

// Collects incoming bytes into command lines. A line ends with LF; a CR before it is dropped.
class LineSplitter
{
public:
    // The lines completed by bytes, without their line ends.
    QList<QByteArray> feed(const QByteArray &bytes);
    void clear() { m_pending.clear(); }

private:
    QByteArray m_pending;
};
