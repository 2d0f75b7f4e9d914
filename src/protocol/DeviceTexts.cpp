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
    const QDate date = QDate(1970, 1, 1).addDays(unixSeconds / 86400);
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(unixSeconds % 86400) * 1000);
    const QLocale locale;
    return locale.toString(date, QLocale::ShortFormat) + u' ' +
           locale.toString(time, QLocale::ShortFormat);
}

QString FixedText(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}
