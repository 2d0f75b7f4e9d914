#include "line/TrafficLog.h"

#include <QTime>

#include <algorithm>
#include <cstdio>

QString TrafficLog::describe(const QByteArray &bytes)
{
    const bool isText = std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return (c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n';
    });
    if (!isText)
        return QString::fromLatin1(bytes.toHex(' ').toUpper());
    QString text = QString::fromLatin1(bytes);
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void TrafficLog::note(const QString &text) const
{
    if (!m_enabled)
        return;
    std::fprintf(stderr, "%s -- %s\n", qPrintable(QTime::currentTime().toString(u"HH:mm:ss.zzz")),
                 qPrintable(text));
    std::fflush(stderr);
}

void TrafficLog::write(const char *direction, const QByteArray &bytes) const
{
    if (!m_enabled)
        return;
    std::fprintf(stderr, "%s %s %s\n", qPrintable(QTime::currentTime().toString(u"HH:mm:ss.zzz")),
                 direction, qPrintable(describe(bytes)));
    std::fflush(stderr);
}
