#pragma once

#include <QByteArray>
#include <QString>

// The receive buffer: every byte received and sent, in order. It only ever grows, so a
// position once handed out stays valid for the whole run.
//
// Readers take absolute positions and are little-endian. A numeric reader whose bytes are not
// all inside the written data returns 0; text and hex readers return only the part that lies
// inside; searches look only inside the written data.
class TMemoryStreamEx
{
public:
    void Write(const char *data, qsizetype size) { m_data.append(data, size); }
    void Write(const QByteArray &bytes) { m_data.append(bytes); }
    qint64 Size() const { return m_data.size(); }
    const char *Data() const { return m_data.constData(); }
    // Bytes [pos, pos + length) clipped to the written data; valid until the next write.
    QByteArrayView View(qint64 pos, qint64 length) const;

    quint8 AsByte(qint64 aPos) const;
    qint8 AsShortInt(qint64 aPos) const;
    quint16 AsWord(qint64 aPos) const;
    qint32 AsInteger(qint64 aPos) const;
    quint32 AsCardinal(qint64 aPos) const;
    float AsSingle(qint64 aPos) const;
    double AsDouble(qint64 aPos) const;
    QByteArray AsText(qint64 aPos, qint64 aLength) const;
    QString AsHEX(qint64 aPos, qint64 aLength, const QByteArray &aSeparator, bool aDesc) const;
    qint64 StringPosition(qint64 aPos, qint64 aSize, const QByteArray &aSign) const;
    qint64 ArrayPosition(qint64 aPos, qint64 aSize, const char *aSign, qint64 aSignLength) const;

private:
    bool contains(qint64 pos, qint64 length) const
    {
        return pos >= 0 && length >= 0 && pos <= m_data.size() - length;
    }
    template <typename T>
    T read(qint64 pos) const;

    QByteArray m_data;
};
