#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// Date-time as the device protocols and logs carry it: days since 1899-12-30, local time.
using TDateTime = double;

TDateTime DateTimeNow();
TDateTime ToDateTime(const QDateTime &local);
QDateTime FromDateTime(TDateTime value);

// Byte-string conversions; an "8-bit string" is a QByteArray.
QByteArray ByteToBin(int value);
QByteArray WordToBin(quint16 value);
QByteArray IntToBin(qint32 value);
QByteArray ReverseBin(const QByteArray &bytes);
// Spaces are dropped, then every pair of hex digits becomes a byte; an odd last digit is
// ignored. A pair that is not hexadecimal makes the whole conversion fail.
std::optional<QByteArray> HexToBin(const QByteArray &text);
QString BytesToBase64(const QByteArray &bytes);

// CRC-8/MAXIM: reflected polynomial 0x8C, initial 0, no final XOR.
quint8 Crc8(const QByteArray &bytes);
QByteArray AppendCrc8(const QByteArray &bytes);
// CRC-16/CCITT-FALSE over bytes[first..last]; 0xFFFF for an empty range.
quint16 Crc16(const QByteArray &bytes, int first, int last);
quint16 Crc16(const char *data, qsizetype size);

TDateTime UnixToDateTime(quint32 seconds, qint32 minutes);
// Cosine ease from `from` to `to`: the position at `step` of `steps`. Pauses `pauseMs` first
// unless it is the last step.
int EaseStep(int from, int to, int steps, int pauseMs, int step);
// One character per position first..last: "|" below `limit`, "." from it on.
QString SignalBar(int first, int last, int limit);
QString IconPrefix(bool active);
QString GetEnvVar(const QString &name);
bool SetFileDate(const QString &fileName, TDateTime localTime);

// Banker's rounding, as the device tools round halves.
qint64 RoundHalfEven(double value);
