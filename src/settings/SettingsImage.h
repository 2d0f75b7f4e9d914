#pragma once

#include "settings/Variant.h"

#include <QByteArray>
#include <QList>

// The binary form in which settings travel to and from a terminal and live in .cfg files:
//   length (2, big-endian) | CRC-16/CCITT-FALSE of the payload (2, big-endian) | records
// with each record "#" | setting number | value length L | L value bytes (big-endian numbers).
namespace SettingsImage {

// Wire kinds of a setting value.
enum Kind : quint16
{
    KindInt16 = 2,
    KindInt32 = 3,
    KindInt8 = 16,
    KindUInt8 = 17,
    KindUInt16 = 18,
    KindUInt32 = 19,
    KindText = 256,
};

struct Record
{
    quint8 number = 0;
    QByteArray data;
};

bool isKnownKind(quint16 kind);

// Header plus the records in the order given.
QByteArray compose(const QList<Record> &records);
// The records after the header. A record cut short by the end of the data ends the list.
QList<Record> parse(QByteArrayView image);
// True when the header's length and check match the payload.
bool headerIsValid(QByteArrayView image);

// Value bytes of `value` in `kind`; nullopt when the value does not fit the kind's form
// (a text where a number is needed) or the kind is unknown. Texts go out in Windows-1251.
std::optional<QByteArray> encodeValue(quint16 kind, const Variant &value);
// The value of `data` read as `kind`; Empty when the kind is unknown or the data too short.
// Text bytes become the characters with the same codes.
Variant decodeValue(quint16 kind, QByteArrayView data);

} // namespace SettingsImage
