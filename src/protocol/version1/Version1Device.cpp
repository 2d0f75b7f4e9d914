// Identity, self-test and settings-save records.
#include "protocol/DecoderHost.h"
#include "protocol/version1/Version1Record.h"

namespace {

bool DecodeDN(const TVersion1Record &r)
{
    const QStringView number = r.Field(0);
    if (number.size() >= 4 && IsDigits(number))
        r.Send(QStringLiteral("_DeviceID"), r.Text(0));
    return true;
}

bool DecodeDI(const TVersion1Record &r)
{
    if (!IsDigits(r.Field(0)) || r.Integer(0) > 250)
        return false;
    r.Send(QStringLiteral("_DeviceType"), r.Text(0));
    r.Send(
        QStringLiteral("_SoftVersion"),
        QString::asprintf("%d:%d|%d.%.2d", r.Integer(0), r.Integer(3), r.Integer(1), r.Integer(2)));
    return true;
}

bool DecodeMN(const TVersion1Record &r)
{
    const QStringView imei = r.Field(0);
    if (imei.size() == 15 && IsDigits(imei))
        r.Send(QStringLiteral("_DeviceIMEI"), r.Text(0));
    return true;
}

bool DecodeBTM(const TVersion1Record &r)
{
    if (!r.Field(0).isEmpty())
        r.Send(QStringLiteral("_BluetoothMAC"), r.Text(0));
    return true;
}

bool DecodeSID(const TVersion1Record &r)
{
    if (IsDigits(r.Field(0)))
        r.Send(QStringLiteral("_ModemSIMICCID") + r.Key().back(), r.Text(0));
    return true;
}

bool DecodeSYS(const TVersion1Record &r)
{
    r.Send(QStringLiteral("_System"), QString::asprintf("%d | %d", r.Integer(0), r.Integer(1)));
    return true;
}

bool DecodeBMS(const TVersion1Record &r)
{
    r.Send(QStringLiteral("_MAJOR"), r.Integer(0));
    r.Send(QStringLiteral("_MINOR"), r.Integer(1));
    return true;
}

bool DecodeSR(const TVersion1Record &r)
{
    if (r.Field(0) == u"1")
        r.Host().MainHintShow(1, r.Tr(QStringLiteral("SR1")));
    else
        r.Host().MainHintShow(0, r.Tr(QStringLiteral("SR0")));
    return true;
}

bool DecodeTEST(const TVersion1Record &r)
{
    static const QStringList units = {
        QStringLiteral("MEM"),  QStringLiteral("RTC"), QStringLiteral("GPRS"),
        QStringLiteral("GNSS"), QStringLiteral("IO"),  QStringLiteral("RS232"),
        QStringLiteral("CAN"),  QStringLiteral("ACC"), QStringLiteral("SIM1"),
        QStringLiteral("SIM2"), QStringLiteral("WD"),  QStringLiteral("BLE"),
        QStringLiteral("RS485")};
    const QStringView unit = r.Field(0);
    if (!units.contains(unit))
        return true;
    const QStringView result = r.Field(1);
    if (result == u"OK")
        r.Send(QStringLiteral("_Test") + unit, r.Text(1), ElementGreen);
    else if (result == u"ERROR")
        r.Send(QStringLiteral("_Test") + unit, r.Text(1), ElementRed);
    return true;
}

} // namespace

void AddVersion1DeviceRules(TVersion1Rules &rules)
{
    rules.insert(Version1KeyCode(u"DN"), &DecodeDN);
    rules.insert(Version1KeyCode(u"DI"), &DecodeDI);
    rules.insert(Version1KeyCode(u"MN"), &DecodeMN);
    rules.insert(Version1KeyCode(u"BTM"), &DecodeBTM);
    rules.insert(Version1KeyCode(u"SID0"), &DecodeSID);
    rules.insert(Version1KeyCode(u"SID1"), &DecodeSID);
    rules.insert(Version1KeyCode(u"SYS"), &DecodeSYS);
    rules.insert(Version1KeyCode(u"BMS"), &DecodeBMS);
    rules.insert(Version1KeyCode(u"SR"), &DecodeSR);
    rules.insert(Version1KeyCode(u"TEST"), &DecodeTEST);
}
