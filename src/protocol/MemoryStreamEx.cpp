#include "protocol/MemoryStreamEx.h"

#include <QtEndian>

#include <cstring>

template <typename T>
T TMemoryStreamEx::read(qint64 pos) const
{
    if (!contains(pos, sizeof(T)))
        return T(0);
    return qFromLittleEndian<T>(m_data.constData() + pos);
}

QByteArrayView TMemoryStreamEx::View(qint64 pos, qint64 length) const
{
    const qint64 begin = qBound<qint64>(0, pos, m_data.size());
    const qint64 end = qBound<qint64>(begin, pos + qMax<qint64>(length, 0), m_data.size());
    return QByteArrayView(m_data.constData() + begin, end - begin);
}

quint8 TMemoryStreamEx::AsByte(qint64 aPos) const
{
    return read<quint8>(aPos);
}

qint8 TMemoryStreamEx::AsShortInt(qint64 aPos) const
{
    return read<qint8>(aPos);
}

quint16 TMemoryStreamEx::AsWord(qint64 aPos) const
{
    return read<quint16>(aPos);
}

qint32 TMemoryStreamEx::AsInteger(qint64 aPos) const
{
    return read<qint32>(aPos);
}

quint32 TMemoryStreamEx::AsCardinal(qint64 aPos) const
{
    return read<quint32>(aPos);
}

float TMemoryStreamEx::AsSingle(qint64 aPos) const
{
    const quint32 bits = read<quint32>(aPos);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double TMemoryStreamEx::AsDouble(qint64 aPos) const
{
    const quint64 bits = read<quint64>(aPos);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray TMemoryStreamEx::AsText(qint64 aPos, qint64 aLength) const
{
    return View(aPos, aLength).toByteArray();
}

QString TMemoryStreamEx::AsHEX(qint64 aPos, qint64 aLength, const QByteArray &aSeparator,
                               bool aDesc) const
{
    static const char digits[] = "0123456789ABCDEF";
    const QByteArrayView bytes = View(aPos, aLength);
    QString text;
    text.reserve(bytes.size() * (2 + aSeparator.size()));
    const QString separator = QString::fromLatin1(aSeparator);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const quint8 b = quint8(aDesc ? bytes[bytes.size() - 1 - i] : bytes[i]);
        if (i > 0)
            text += separator;
        text += QLatin1Char(digits[b >> 4]);
        text += QLatin1Char(digits[b & 0x0F]);
    }
    return text;
}

qint64 TMemoryStreamEx::StringPosition(qint64 aPos, qint64 aSize, const QByteArray &aSign) const
{
    return ArrayPosition(aPos, aSize, aSign.constData(), aSign.size());
}

qint64 TMemoryStreamEx::ArrayPosition(qint64 aPos, qint64 aSize, const char *aSign,
                                      qint64 aSignLength) const
{
    if (aPos + aSize - aSignLength < aPos)
        return -1;
    const QByteArrayView haystack = View(aPos, aSize);
    if (haystack.data() != m_data.constData() + aPos)
        return -1; // the window starts outside the written data
    const qsizetype found = haystack.indexOf(QByteArrayView(aSign, aSignLength));
    return found < 0 ? -1 : aPos + found;
}
