#include "settings/SettingsImage.h"

#include "protocol/MyTypes.h"

#include <QStringEncoder>
#include <QtEndian>

namespace SettingsImage {

namespace {

int numericLength(quint16 kind)
{
    switch (kind) {
    case KindInt8:
    case KindUInt8:
        return 1;
    case KindInt16:
    case KindUInt16:
        return 2;
    case KindInt32:
    case KindUInt32:
        return 4;
    default:
        return 0;
    }
}

QByteArray bigEndian(quint32 value, int length)
{
    QByteArray bytes(length, '\0');
    for (int i = length - 1; i >= 0; --i, value >>= 8)
        bytes[i] = char(value & 0xFF);
    return bytes;
}

} // namespace

bool isKnownKind(quint16 kind)
{
    return kind == KindText || numericLength(kind) > 0;
}

QByteArray compose(const QList<Record> &records)
{
    QByteArray image(4, '\0');
    for (const Record &record : records) {
        image.append('#');
        image.append(char(record.number));
        image.append(char(record.data.size() & 0xFF));
        image.append(record.data);
    }
    const quint16 length = quint16(image.size() - 4);
    const quint16 check = Crc16(image.constData() + 4, image.size() - 4);
    qToBigEndian(length, image.data());
    qToBigEndian(check, image.data() + 2);
    return image;
}

QList<Record> parse(QByteArrayView image)
{
    QList<Record> records;
    qsizetype offset = 4;
    while (offset + 3 <= image.size()) {
        const qsizetype length = quint8(image[offset + 2]);
        if (offset + 3 + length > image.size())
            break;
        if (image[offset] == '#')
            records.append(
                {quint8(image[offset + 1]), image.sliced(offset + 3, length).toByteArray()});
        offset += 3 + length;
    }
    return records;
}

bool headerIsValid(QByteArrayView image)
{
    if (image.size() < 4)
        return false;
    const quint16 length = qFromBigEndian<quint16>(image.data());
    const quint16 check = qFromBigEndian<quint16>(image.data() + 2);
    return length == quint16(image.size() - 4) &&
           check == Crc16(image.data() + 4, image.size() - 4);
}

std::optional<QByteArray> encodeValue(quint16 kind, const Variant &value)
{
    if (kind == KindText) {
        QStringEncoder ansi("windows-1251");
        QByteArray text = ansi.encode(value.toString());
        text.truncate(255);
        return text;
    }
    const int length = numericLength(kind);
    if (length == 0)
        return std::nullopt;
    const auto number = value.toInteger();
    if (!number)
        return std::nullopt;
    return bigEndian(quint32(*number), length);
}

Variant decodeValue(quint16 kind, QByteArrayView data)
{
    if (kind == KindText)
        return QString::fromLatin1(data.data(), data.size());
    const int length = numericLength(kind);
    if (length == 0 || data.size() < length)
        return Variant();
    quint32 raw = 0;
    for (int i = 0; i < length; ++i)
        raw = (raw << 8) | quint8(data[i]);
    switch (kind) {
    case KindInt8:
        return Variant(qint8(raw));
    case KindUInt8:
        return Variant(quint8(raw));
    case KindInt16:
        return Variant(qint16(raw));
    case KindUInt16:
        return Variant(quint16(raw));
    case KindInt32:
        return Variant(qint32(raw));
    default:
        return Variant(raw);
    }
}

} // namespace SettingsImage
