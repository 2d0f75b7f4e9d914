#include "protocol/version1/Version1Record.h"

#include "i18n/Dictionary.h"
#include "protocol/DecoderHost.h"

TVersion1Record::TVersion1Record(TVersion1 &decoder, TDecoderHost &host, QStringView key,
                                 QStringView value)
    : m_decoder(decoder)
    , m_host(host)
    , m_language(host.Language())
    , m_key(key)
    , m_fields(value)
{
}

Variant TVersion1Record::Text(int index) const
{
    const QStringView field = Field(index);
    return field.isNull() ? Variant() : Variant(field.toString());
}

qint32 TVersion1Record::Integer(int index) const
{
    const QStringView field = Field(index);
    // Most fields are short runs of digits; anything else goes the general way.
    const bool negative = !field.isEmpty() && field[0] == u'-';
    const QStringView digits = field.mid(negative ? 1 : 0);
    if (!digits.isEmpty() && digits.size() <= 9 && IsDigits(digits)) {
        qint32 value = 0;
        for (QChar c : digits)
            value = value * 10 + (c.unicode() - u'0');
        return negative ? -value : value;
    }
    bool ok = false;
    const qint32 value = field.toInt(&ok);
    return ok ? value : 0;
}

TPortInfo *TVersion1Record::Device() const
{
    return m_host.Q();
}

QString TVersion1Record::Tr(const QString &key) const
{
    return Translate(m_language, key);
}

void TVersion1Record::Send(const QString &ident, const Variant &value, QRgb color,
                           const QString &alternate) const
{
    m_host.VisualSetValue(ident, value, alternate, color);
}

quint64 Version1KeyCode(QStringView key)
{
    if (key.size() > 8)
        return 0;
    quint64 code = 0;
    for (QChar c : key) {
        if (c.unicode() == 0 || c.unicode() > 0xFF)
            return 0; // a zero would make "\0GS" read as "GS"
        code = code << 8 | c.unicode();
    }
    return code;
}

TVersion1Rule FindVersion1Rule(QStringView key)
{
    static const TVersion1Rules rules = [] {
        TVersion1Rules all;
        AddVersion1DeviceRules(all);
        AddVersion1StatusRules(all);
        AddVersion1NetworkRules(all);
        AddVersion1StorageRules(all);
        AddVersion1CanRules(all);
        AddVersion1SensorRules(all);
        return all;
    }();
    if (const TVersion1Rule rule = rules.value(Version1KeyCode(key)))
        return rule;
    return IsVersion1InOutKey(key) ? &DecodeVersion1InOut : nullptr;
}

bool IsDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}
