#pragma once

#include <QByteArray>
#include <QString>

// The --verbose trace on stderr: one line per received chunk and per piece sent.
class TrafficLog
{
public:
    explicit TrafficLog(bool enabled)
        : m_enabled(enabled)
    {
    }

    void received(const QByteArray &bytes) const { write("<<", bytes); }
    void sent(const QByteArray &bytes) const { write(">>", bytes); }
    void note(const QString &text) const;

    // Text as a quoted string with CR and LF escaped; anything with other bytes in hex.
    static QString describe(const QByteArray &bytes);

private:
    void write(const char *direction, const QByteArray &bytes) const;

    bool m_enabled;
};
