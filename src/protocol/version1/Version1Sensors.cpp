// External sensors, relays, passenger counters and 1-Wire devices. Their items are created in
// their sections on first sight, so the monitoring page grows with what the device reports.
#include "protocol/DecoderHost.h"
#include "protocol/DeviceTexts.h"
#include "protocol/version1/Version1Record.h"

#include <optional>

namespace {

const QString Degrees = QStringLiteral(" °C");

// At most one character, a digit.
bool IsSingleDigit(QStringView text)
{
    return text.size() <= 1 && IsDigits(text);
}

bool IsOneDigit(QStringView text)
{
    return text.size() == 1 && IsDigits(text);
}

bool IsDecimal(QStringView text)
{
    for (QChar c : text) {
        if ((c < u'0' || c > u'9') && c != u'-' && c != u'.')
            return false;
    }
    return true;
}

bool IsRomCode(QStringView text)
{
    if (text.size() != 12)
        return false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!(u >= u'0' && u <= u'9') && !(u >= u'A' && u <= u'F') && !(u >= u'a' && u <= u'f'))
            return false;
    }
    return true;
}

// The bus of field 0 (0 RS-232, 1 RS-485, 2 BLE, 3 BLE with percentages), when its characters
// lie between "0" and `highest`.
std::optional<QString> BusName(const TVersion1Record &r, char16_t highest)
{
    static const char16_t *const names[] = {u"232", u"485", u"BLE", u"BLS"};
    for (QChar c : r.Field(0)) {
        if (c < u'0' || c > highest)
            return std::nullopt;
    }
    const qint32 bus = r.Integer(0);
    if (bus > 3)
        return std::nullopt;
    return QString::fromUtf16(names[bus]);
}

// Makes sure the item exists (new ones go into `section` with `caption`), then shows `value`;
// a missing value rejects the record and leaves the item as it was.
bool ShowSensor(const TVersion1Record &r, const QString &ident, const QString &section,
                const QString &caption, const std::optional<QString> &value)
{
    r.Host().EnsureDisplayItem(ident, section, caption);
    if (!value)
        return false;
    r.Send(ident, *value);
    return true;
}

// LLS: bus; number; level; temperature; third value (frequency, voltage or percent).
bool DecodeLLS(const TVersion1Record &r)
{
    const std::optional<QString> bus = BusName(r, u'3');
    const QStringView number = r.Field(1);
    if (!bus || !IsSingleDigit(number))
        return false;
    std::optional<QString> value;
    if (IsDigits(r.Field(2)) && IsDigits(r.Field(3)) && IsDigits(r.Field(4)) &&
        r.Integer(2) <= 65535 && r.Integer(4) <= 65535 && r.Integer(3) < 256) {
        QString third;
        if (*bus == u"BLE")
            third = FixedText(r.Integer(4) / 10.0, 1) + u' ' + r.Tr(QStringLiteral("Units_V"));
        else if (*bus == u"BLS")
            third = QString::number(r.Integer(4)) + QStringLiteral(" %");
        else
            third = r.Field(4) + u' ' + r.Tr(QStringLiteral("UnitsF"));
        // The temperature is a signed byte.
        const qint32 temperature = r.Integer(3);
        const QString degrees =
            temperature < 129 ? r.Field(3).toString() : QString::number(temperature - 256);
        value =
            r.Field(2) + QStringLiteral(" | ") + third + QStringLiteral(" | ") + degrees + Degrees;
    }
    return ShowSensor(
        r, u'[' + *bus + QStringLiteral("] FLS ") + number, QStringLiteral("_SensorDUT"),
        u'[' + *bus + QStringLiteral("] ") + r.Tr(QStringLiteral("FLS ")) + number, value);
}

// MBR: bus; number; register; value.
bool DecodeMBR(const TVersion1Record &r)
{
    const std::optional<QString> bus = BusName(r, u'2');
    const QStringView address = r.Field(2);
    if (!bus || !IsSingleDigit(r.Field(1)) || !IsDigits(address) || r.Integer(2) > 65535)
        return false;
    const std::optional<QString> value =
        IsDigits(r.Field(3)) ? std::optional<QString>(QStringLiteral(" | ") + r.Field(3))
                             : std::nullopt;
    return ShowSensor(
        r, u'[' + *bus + QStringLiteral("]  MBR ") + address, QStringLiteral("_SensorMB"),
        u'[' + *bus + QStringLiteral("] ") + r.Tr(QStringLiteral("MBR ")) + address, value);
}

// BTS and BTSM: number; battery ×10 or level; temperature; contact state.
bool DecodeBTS(const TVersion1Record &r)
{
    const QStringView number = r.Field(0);
    if (!IsSingleDigit(number))
        return false;
    const bool level = r.Key() == u"BTSM";
    const QString name = level ? QStringLiteral("[BTSm]") : QStringLiteral("[BTS]");
    std::optional<QString> value;
    if (IsDigits(r.Field(1)) && IsDecimal(r.Field(2)) && IsDigits(r.Field(3))) {
        // The two kinds report the contact the other way round.
        const bool closed = (r.Field(3) == u"0") != level;
        const QString second = level ? QString(QString::number(r.Integer(1)) + QStringLiteral(" %"))
                                     : QString(FixedText(r.Integer(1) / 10.0, 1) + u' ' +
                                               r.Tr(QStringLiteral("Units_V")));
        value = r.Field(2) + Degrees + QStringLiteral(" | ") + second + QStringLiteral(" | ") +
                r.Tr(closed ? QStringLiteral("Units_CW0") : QStringLiteral("Units_CW1"));
    }
    return ShowSensor(r, name + QStringLiteral(" FLS ") + number, QStringLiteral("_SensorOWT"),
                      name + u' ' + r.Tr(QStringLiteral("FLS ")) + number, value);
}

// OWT: number; ROM code; temperature.
bool DecodeOWT(const TVersion1Record &r)
{
    const QStringView number = r.Field(0);
    if (!IsDigits(number) || !IsRomCode(r.Field(1)))
        return false;
    const std::optional<QString> value =
        IsDecimal(r.Field(2))
            ? std::optional<QString>(r.Field(2) + Degrees + QStringLiteral(" | ") + r.Field(1))
            : std::nullopt;
    return ShowSensor(r, QStringLiteral("[OWT] FLS ") + number, QStringLiteral("_SensorOWT"),
                      QStringLiteral("[OWT] ") + r.Tr(QStringLiteral("FLS ")) + number, value);
}

// OWK: number; key code.
bool DecodeOWK(const TVersion1Record &r)
{
    const QStringView number = r.Field(0);
    if (!IsOneDigit(number))
        return false;
    return ShowSensor(r, QStringLiteral("OWK") + number, QStringLiteral("_SensorOWK"),
                      r.Tr(QStringLiteral("_OWK")) + u' ' + number, r.Field(1).toString());
}

// RLE and UPC: number (0 or 1); state (0 or 1).
bool DecodeSwitch(const TVersion1Record &r)
{
    const QStringView number = r.Field(0);
    const QStringView state = r.Field(1);
    if (!IsOneDigit(number) || (state != u"0" && state != u"1") || r.Integer(0) > 1)
        return false;
    const bool relay = r.Key() == u"RLE";
    const QString name = relay ? QStringLiteral("RELAY") : QStringLiteral("UPC");
    const QString text =
        r.Tr(name + (r.Integer(1) == 1 ? QStringLiteral("_ON") : QStringLiteral("_OFF")));
    return ShowSensor(r, name + number, QStringLiteral("_Sensor") + name,
                      r.Tr(u'_' + name) + u' ' + number, text);
}

} // namespace

void AddVersion1SensorRules(TVersion1Rules &rules)
{
    rules.insert(Version1KeyCode(u"LLS"), &DecodeLLS);
    rules.insert(Version1KeyCode(u"MBR"), &DecodeMBR);
    rules.insert(Version1KeyCode(u"BTS"), &DecodeBTS);
    rules.insert(Version1KeyCode(u"BTSM"), &DecodeBTS);
    rules.insert(Version1KeyCode(u"OWT"), &DecodeOWT);
    rules.insert(Version1KeyCode(u"OWK"), &DecodeOWK);
    rules.insert(Version1KeyCode(u"RLE"), &DecodeSwitch);
    rules.insert(Version1KeyCode(u"UPC"), &DecodeSwitch);
}
