#include "protocol/DeviceTexts.h"

#include <QDate>
#include <QLocale>

namespace {

void appendTwoDigits(QString &text, quint32 value)
{
    if (value < 10)
        text += u'0';
    text += QString::number(value);
}

} // namespace

QString UptimeText(quint32 seconds)
{
    const quint32 days = seconds / 86400;
    QString text;
    text.reserve(12);
    if (days > 0) {
        appendTwoDigits(text, days);
        text += u' ';
    }
    appendTwoDigits(text, seconds / 3600 % 24);
    text += u':';
    appendTwoDigits(text, seconds / 60 % 60);
    text += u':';
    appendTwoDigits(text, seconds % 60);
    return text;
}

QString DeviceTimeText(quint32 unixSeconds)
{
    // Device clocks are reported every second or so. The system locale looks its formats up on
    // every request and the date changes once a day, so the time format and the text of the
    // last date are kept until the default locale changes (GUI thread only).
    static QLocale locale;
    static QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    static qint64 day = -1;
    static QString dateText;
    if (locale != QLocale()) {
        locale = QLocale();
        timeFormat = locale.timeFormat(QLocale::ShortFormat);
        day = -1;
    }
    if (unixSeconds / 86400 != day) {
        day = unixSeconds / 86400;
        dateText = locale.toString(QDate(1970, 1, 1).addDays(day), QLocale::ShortFormat);
    }
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(unixSeconds % 86400) * 1000);
    return dateText + u' ' + locale.toString(time, timeFormat);
}

QString FixedText(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}
