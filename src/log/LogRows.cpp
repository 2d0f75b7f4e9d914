#include "log/LogRows.h"

namespace LogRows {

QString TimeText(const TPacket &packet)
{
    if (packet.State == TPacket::Sent)
        return QStringLiteral("PC > DEVICE");
    return FromDateTime(packet.Time).toString(QStringLiteral("hh:mm:ss.zzz"));
}

QString DataText(const TMemoryStreamEx &buffer, const TPacket &packet, bool hex, Use use,
                 bool showEnter)
{
    const QByteArrayView bytes = buffer.View(packet.Position, packet.Size);
    if (hex) {
        static const char digits[] = "0123456789ABCDEF";
        QString text(bytes.size() * 3, Qt::Uninitialized);
        QChar *out = text.data();
        for (const char byte : bytes) {
            *out++ = QLatin1Char(digits[quint8(byte) >> 4]);
            *out++ = QLatin1Char(digits[quint8(byte) & 0x0F]);
            *out++ = u' ';
        }
        return text;
    }
    QString text = QString::fromLatin1(bytes.data(), bytes.size());
    const qsizetype lineBreak = text.indexOf(QStringLiteral("\r\n"));
    if (lineBreak >= 0) {
        if (use == Use::File)
            text.remove(lineBreak, 2);
        else if (use == Use::Terminal || showEnter)
            text.replace(lineBreak, 2, u'¶');
    }
    return text;
}

} // namespace LogRows
