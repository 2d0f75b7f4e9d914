#include "protocol/MyTypes.h"

#include <QFile>
#include <QThread>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QDate DelphiEpoch(1899, 12, 30);
constexpr double MsPerDay = 86400000.0;

constexpr std::array<quint8, 256> makeCrc8Table()
{
    std::array<quint8, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint8 c = quint8(i);
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? quint8((c >> 1) ^ 0x8C) : quint8(c >> 1);
        table[i] = c;
    }
    return table;
}

constexpr auto Crc8Table = makeCrc8Table();

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

TDateTime ToDateTime(const QDateTime &local)
{
    const QDateTime naive = local.toLocalTime();
    const qint64 days = DelphiEpoch.daysTo(naive.date());
    return double(days) + naive.time().msecsSinceStartOfDay() / MsPerDay;
}

TDateTime DateTimeNow()
{
    // Every chunk is stamped: asking the system for the local offset each time would cost a
    // look at the time-zone files. The offset is taken again at each new minute, which keeps
    // summer-time changes (on whole hours) exact.
    static qint64 offsetValidUntil = 0;
    static qint64 offsetMs = 0;
    const qint64 utcMs = QDateTime::currentMSecsSinceEpoch();
    if (utcMs >= offsetValidUntil) {
        offsetMs = qint64(QDateTime::fromMSecsSinceEpoch(utcMs).offsetFromUtc()) * 1000;
        offsetValidUntil = utcMs - utcMs % 60000 + 60000;
    }
    return 25569.0 + double(utcMs + offsetMs) / MsPerDay;
}

QDateTime FromDateTime(TDateTime value)
{
    const double wholeDays = std::floor(value);
    const qint64 ms = qRound64((value - wholeDays) * MsPerDay);
    return QDateTime(DelphiEpoch.addDays(qint64(wholeDays)), QTime(0, 0)).addMSecs(ms);
}

QByteArray ByteToBin(int value)
{
    return QByteArray(1, char(value & 0xFF));
}

QByteArray WordToBin(quint16 value)
{
    const char bytes[2] = {char(value & 0xFF), char(value >> 8)};
    return QByteArray(bytes, 2);
}

QByteArray IntToBin(qint32 value)
{
    const quint32 v = quint32(value);
    const char bytes[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF),
                           char(v >> 24)};
    return QByteArray(bytes, 4);
}

QByteArray ReverseBin(const QByteArray &bytes)
{
    QByteArray reversed = bytes;
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

std::optional<QByteArray> HexToBin(const QByteArray &text)
{
    QByteArray digits = text;
    digits.replace(' ', QByteArray());
    QByteArray result;
    result.reserve(digits.size() / 2);
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const int high = hexDigit(digits[i]);
        const int low = hexDigit(digits[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        result.append(char(high * 16 + low));
    }
    return result;
}

QString BytesToBase64(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

quint8 Crc8(const QByteArray &bytes)
{
    quint8 c = 0;
    for (char b : bytes)
        c = Crc8Table[c ^ quint8(b)];
    return c;
}

QByteArray AppendCrc8(const QByteArray &bytes)
{
    return bytes + char(Crc8(bytes));
}

quint16 Crc16(const char *data, qsizetype size)
{
    quint16 c = 0xFFFF;
    for (qsizetype i = 0; i < size; ++i) {
        c ^= quint16(quint8(data[i])) << 8;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 0x8000) ? quint16((c << 1) ^ 0x1021) : quint16(c << 1);
    }
    return c;
}

quint16 Crc16(const QByteArray &bytes, int first, int last)
{
    first = qMax(first, 0);
    last = qMin<int>(last, int(bytes.size()) - 1);
    if (last < first)
        return 0xFFFF;
    return Crc16(bytes.constData() + first, last - first + 1);
}

TDateTime UnixToDateTime(quint32 seconds, qint32 minutes)
{
    return 25569.0 + double(seconds / 86400) + double(seconds % 86400) / 86400.0 -
           double(minutes) / 1440.0;
}

qint64 RoundHalfEven(double value)
{
    return qint64(std::nearbyint(value)); // default FP rounding mode: to nearest, ties to even
}

int EaseStep(int from, int to, int steps, int pauseMs, int step)
{
    if (step == steps)
        return to;
    if (pauseMs > 0)
        QThread::msleep(pauseMs);
    const double eased = (1.0 - std::cos(step * M_PI / steps)) * (to - from) * 0.5;
    return from + int(RoundHalfEven(eased));
}

QString SignalBar(int first, int last, int limit)
{
    const qint64 length = qMax<qint64>(0, qint64(last) - first + 1);
    const qint64 filled = qBound<qint64>(0, qint64(limit) - first, length);
    QString bar(length, u'.');
    std::fill_n(bar.data(), filled, u'|');
    return bar;
}

QString IconPrefix(bool active)
{
    return active ? QStringLiteral("E_") : QStringLiteral("D_");
}

QString GetEnvVar(const QString &name)
{
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

bool SetFileDate(const QString &fileName, TDateTime localTime)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return false;
    return file.setFileTime(FromDateTime(localTime), QFileDevice::FileModificationTime);
}
