// Navigation, power, modem, servers, BLE beacons and status texts.
#include "i18n/Dictionary.h"
#include "protocol/DecoderHost.h"
#include "protocol/MyTypes.h"
#include "protocol/version1/Version1.h"
#include "protocol/version1/Version1Record.h"

namespace {

bool DecodeGK(const TVersion1Record &r)
{
    const bool noFix = r.Field(0) == u"0.000000" && r.Field(1) == u"0.000000";
    r.Send(QStringLiteral("_Latitude"), noFix ? Variant() : r.Text(0));
    r.Send(QStringLiteral("_Longitude"), noFix ? Variant() : r.Text(1));
    return true;
}

bool DecodeGS(const TVersion1Record &r)
{
    r.Send(QStringLiteral("_Satellites"), r.Text(0));
    r.Send(QStringLiteral("_Speed"), r.Text(1));
    r.Send(QStringLiteral("_Altitude"), r.Text(2));
    r.Send(QStringLiteral("_HDOP"), r.Integer(3) / 10.0);
    r.Send(QStringLiteral("_Azimuth"), r.Text(4));
    return true;
}

// Millivolts to volts, keeping two decimals.
double Volts(qint32 millivolts)
{
    return (millivolts / 10) / 100.0;
}

bool DecodePB(const TVersion1Record &r)
{
    r.Send(QStringLiteral("_ExternalVoltage"), Volts(r.Integer(0)));
    r.Send(QStringLiteral("_BatteryVoltage"), Volts(r.Integer(1)));
    return true;
}

bool DecodeML(const TVersion1Record &r)
{
    r.Send(QStringLiteral("_ModemSignal"), SignalBar(0, 31, r.Integer(0)), ElementGreen,
           r.Field(0).toString());
    if (r.Integer(1) != 0)
        r.Send(QStringLiteral("_ModemOperator"),
               MobileOperatorName(r.Field(1).toString() + r.Field(2)));
    else
        r.Send(QStringLiteral("_ModemOperator"), Variant());
    return true;
}

bool DecodeMO(const TVersion1Record &r)
{
    r.Send(QStringLiteral("_ModemSignal"), SignalBar(0, 31, r.Integer(0)));
    const QStringView name = r.Field(0);
    if (name.isEmpty() || r.Field(1) == u"00000")
        r.Send(QStringLiteral("_ModemOperator"), Variant());
    else
        r.Send(QStringLiteral("_ModemOperator"),
               QString(name + u" - " + MobileOperatorName(r.Field(1).left(3).toString())));
    return true;
}

bool DecodeMD0(const TVersion1Record &r)
{
    const QString web = QStringLiteral("WEB SERVER");
    QString &name = r.Decoder().ServerName0;
    if (!r.Field(0).isEmpty() && name != web)
        r.Send(QStringLiteral("_Server0"), web);
    name = web;
    return true;
}

// MD and MD1 to MD4: host and port of a server. Servers 2 to 4 without host or port are unused.
bool DecodeMD(const TVersion1Record &r)
{
    const int server = r.Key().size() == 2 ? 1 : r.Key().back().digitValue();
    QString &name = r.Decoder().ServerName(server);
    const QStringView host = r.Field(0);
    const QString address = host + u':' + r.Field(1);
    if (!host.isEmpty() && name != address)
        r.Send(QStringLiteral("_Server") + QString::number(server),
               QString(address + u" (" + r.Field(2) + u')'));
    name = address;
    if (server > 1 && (host.isEmpty() || r.Field(1) == u"0"))
        name = QStringLiteral("-");
    return true;
}

bool DecodeSMS(const TVersion1Record &r)
{
    r.Send(QStringLiteral("_ModemInSMS"), r.Text(0));
    r.Send(QStringLiteral("_ModemOkSMS"), r.Text(1));
    r.Send(QStringLiteral("_ModemOutSMS"), r.Text(2));
    r.Send(QStringLiteral("_ModemInOutSMS"), QString(r.Field(0) + u" / " + r.Field(2)));
    const qint64 errors = qint64(r.Integer(0)) + r.Integer(2) - r.Integer(1);
    r.Send(QStringLiteral("_ModemErrorSMS"),
           errors == 0 ? Variant() : Variant(QString::number(errors)));
    return true;
}

bool DecodeAPN(const TVersion1Record &r)
{
    r.Send(QStringLiteral("_StringAPN"), r.Text(0));
    r.Send(QStringLiteral("_LoginAPN"), r.Text(1));
    r.Send(QStringLiteral("_PasswordAPN"), r.Text(2));
    return true;
}

bool DecodeBLE(const TVersion1Record &r)
{
    const qint32 beacon = r.Integer(0);
    if (beacon >= 1 && beacon <= 10)
        r.Send(QStringLiteral("_BLE") + QString::number(beacon),
               QString(r.Field(1) + u" [" + r.Field(2) + u" dBm]"));
    return true;
}

// WSP, EMS, MSD: a status text, shown whole.
bool DecodeStatusText(const TVersion1Record &r)
{
    static const QHash<QString, QString> idents = {
        {QStringLiteral("WSP"), QStringLiteral("_PointWIFI")},
        {QStringLiteral("EMS"), QStringLiteral("_StatusExtmemory")},
        {QStringLiteral("MSD"), QStringLiteral("_StatusCardSD")}};
    r.Send(idents.value(r.Key().toString()), r.Whole().toString());
    return true;
}

} // namespace

void AddVersion1NetworkRules(TVersion1Rules &rules)
{
    rules.insert(Version1KeyCode(u"GK"), &DecodeGK);
    rules.insert(Version1KeyCode(u"GS"), &DecodeGS);
    rules.insert(Version1KeyCode(u"PB"), &DecodePB);
    rules.insert(Version1KeyCode(u"ML"), &DecodeML);
    rules.insert(Version1KeyCode(u"MO"), &DecodeMO);
    rules.insert(Version1KeyCode(u"MD0"), &DecodeMD0);
    for (const char16_t *key : {u"MD", u"MD1", u"MD2", u"MD3", u"MD4"})
        rules.insert(Version1KeyCode(key), &DecodeMD);
    rules.insert(Version1KeyCode(u"SMS"), &DecodeSMS);
    rules.insert(Version1KeyCode(u"APN"), &DecodeAPN);
    rules.insert(Version1KeyCode(u"BLE"), &DecodeBLE);
    for (const char16_t *key : {u"WSP", u"EMS", u"MSD"})
        rules.insert(Version1KeyCode(key), &DecodeStatusText);
}
