// Status words, network and software state, device time and movement.
#include "link/PortInfo.h"
#include "protocol/DecoderHost.h"
#include "protocol/DeviceTexts.h"
#include "protocol/version1/Version1.h"
#include "protocol/version1/Version1Record.h"

#include <iterator>

namespace {

bool Bit(quint32 word, int bit)
{
    return word >> bit & 1;
}

quint32 BitField(quint32 word, int first, int width)
{
    return word >> first & ((1u << width) - 1);
}

// Settings, SIM and PIN states of the DS word for one SIM card.
void SendSimState(const TVersion1Record &r, quint32 word, int presentBit, int pinBit, int noPinBit,
                  const QString &simIdent, const QString &pinIdent, bool activeWhenBit13)
{
    if (!Bit(word, presentBit)) {
        r.Send(simIdent, Variant());
        r.Send(pinIdent, Variant());
        return;
    }
    // Bit 13 marks the second card as the active one.
    const bool active = Bit(word, 13) == activeWhenBit13;
    r.Send(simIdent, r.Tr(active ? QStringLiteral("DSactive") : QStringLiteral("DSinstall")));
    if (Bit(word, pinBit))
        r.Send(pinIdent, Variant());
    else if (Bit(word, noPinBit))
        r.Send(pinIdent, r.Tr(QStringLiteral("DSnopin")));
    else
        r.Send(pinIdent, r.Tr(QStringLiteral("DSpin")), ElementWhite);
}

bool DecodeDS(const TVersion1Record &r)
{
    const quint32 w = quint32(r.Integer(0));
    const QString error = r.Tr(QStringLiteral("Error"));
    const QString ok = QStringLiteral("OK");
    if (Bit(w, 0))
        r.Send(QStringLiteral("_InternalMemory"), Variant());
    else
        r.Send(QStringLiteral("_InternalMemory"), r.Tr(QStringLiteral("DSnosettings")), ElementRed);
    if (Bit(w, 1))
        r.Send(QStringLiteral("_ExternalMemory"), Variant());
    else
        r.Send(QStringLiteral("_ExternalMemory"), error, ElementRed);

    // Types 213 and 215 have no clock of their own.
    const TPortInfo *device = r.Device();
    const QString type = device ? device->DeviceVer() : QString();
    if (!type.isEmpty() && type != u"213" && type != u"215") {
        if (Bit(w, 2))
            r.Send(QStringLiteral("_RealTimeClock"), ok);
        else
            r.Send(QStringLiteral("_RealTimeClock"), error, ElementRed);
    }

    const QString modem = QStringLiteral("_ModemStatus");
    if (!Bit(w, 3))
        r.Send(modem, r.Tr(QStringLiteral("DSnopower")), ElementWhite);
    else if (!Bit(w, 4))
        r.Send(modem, error, ElementRed);
    else if (!Bit(w, 5))
        r.Send(modem, r.Tr(QStringLiteral("DSnoanswer")), ElementRed);
    else
        r.Send(modem, ok);

    SendSimState(r, w, 6, 7, 8, QStringLiteral("_ModemSIM"), QStringLiteral("_ModemPIN"), false);
    SendSimState(r, w, 16, 17, 18, QStringLiteral("_ModemSIM2"), QStringLiteral("_ModemPIN2"),
                 true);

    if (Bit(w, 9) && Bit(w, 10))
        r.Send(QStringLiteral("_NavigationStatus"), ok);
    else
        r.Send(QStringLiteral("_NavigationStatus"), error, ElementRed);
    if (!Bit(w, 11))
        r.Send(QStringLiteral("_AccelerometerStatus"), error, ElementRed);
    return true;
}

// The DS2 word's 2-bit connection state of a server, shown with the server's name.
void SendServerState(const TVersion1Record &r, quint32 state, int server)
{
    static const QString idents[] = {QStringLiteral("_Server0"), QStringLiteral("_Server1"),
                                     QStringLiteral("_Server2"), QStringLiteral("_Server3"),
                                     QStringLiteral("_Server4")};
    static const QString keys[] = {QStringLiteral("MS_"), QStringLiteral("MS5"),
                                   QStringLiteral("MS6"), QStringLiteral("MS8")};
    r.Send(idents[server], r.Tr(keys[state]), state == 0 ? ElementGrey : ElementGreen,
           r.Decoder().ServerName(server));
}

// Translation keys of the DS2 fields by value.
const QString OnOff[] = {QStringLiteral("DS2_1_0"), QStringLiteral("DS2_1_1"),
                         QStringLiteral("DS2_1_2"), QStringLiteral("DS2_1_3")};
const QString ModemStates[] = {QStringLiteral("DS2_1_0"), QStringLiteral("DS2_1_1"),
                               QStringLiteral("DS2_2_2"), QStringLiteral("DS2_2_3"),
                               QStringLiteral("DS2_2_4")};
const QString SimStates[] = {QStringLiteral("DS2_4_0"), QStringLiteral("DS2_4_1"),
                             QStringLiteral("DS2_4_2"), QStringLiteral("DS2_4_3"),
                             QStringLiteral("DS2_4_4"), QStringLiteral("DS2_4_5"),
                             QStringLiteral("DS2_4_6"), QStringLiteral("DS2_4_7")};
const QString Readings[] = {QStringLiteral("TM2"), QStringLiteral("TM0"), QStringLiteral("Error"),
                            QStringLiteral("ErrorTest")};

bool DecodeDS2(const TVersion1Record &r)
{
    const quint32 w = quint32(r.Integer(0));

    const quint32 navigation = BitField(w, 0, 2);
    r.Send(QStringLiteral("_NavigationStatus"), r.Tr(OnOff[navigation]),
           navigation == 2 ? ElementRed : ElementGreen);

    const quint32 modem = BitField(w, 2, 3);
    if (modem < std::size(ModemStates))
        r.Send(QStringLiteral("_ModemStatus"), r.Tr(ModemStates[modem]));

    // Bit 5 marks the second SIM card as the active one: the active card is green.
    const bool secondActive = Bit(w, 5);
    const quint32 sim = BitField(w, 6, 3);
    r.Send(QStringLiteral("_ModemSIM"), r.Tr(SimStates[sim]),
           sim == 0 ? ElementRed : (secondActive ? ElementGrey : ElementGreen));
    r.Send(QStringLiteral("_ModemSIM2"), r.Tr(SimStates[BitField(w, 9, 3)]),
           secondActive ? ElementGreen : ElementGrey);

    // Servers 0 to 3 in bits 12-13 to 18-19; server 4 takes the free pair 22-23.
    for (int server = 0; server < 4; ++server)
        SendServerState(r, BitField(w, 12 + 2 * server, 2), server);
    SendServerState(r, BitField(w, 22, 2), 4);

    const quint32 movement = BitField(w, 20, 2);
    r.Send(QStringLiteral("_ModuleReadings"), r.Tr(Readings[movement]),
           movement >= 2 ? ElementRed : ElementGreen);

    if (Bit(w, 25))
        r.Send(QStringLiteral("_Bluetooth"), r.Tr(OnOff[1]));
    else
        r.Send(QStringLiteral("_Bluetooth"), r.Tr(OnOff[0]), ElementGrey);
    return true;
}

bool DecodeMS(const TVersion1Record &r)
{
    const QStringView state = r.Field(0);
    const QString ident = QStringLiteral("_ModemNetworkState");
    if (state == u"0" || state == u"8")
        r.Send(ident, r.Tr(QStringLiteral("MS") + state.front()), ElementWhite);
    else if (state.size() == 1 && state[0] >= u'1' && state[0] <= u'7')
        r.Send(ident, r.Tr(QStringLiteral("MS") + state.front()));
    else
        r.Send(ident, r.Text(0), ElementRed);
    return true;
}

bool DecodeDF(const TVersion1Record &r)
{
    const QString idents[] = {QStringLiteral("_SettingsStatus"), QStringLiteral("_SoftStatus")};
    for (int i = 0; i < 2; ++i) {
        const QStringView state = r.Field(i);
        if (state == u"0")
            r.Send(idents[i], r.Tr(QStringLiteral("DF0")));
        else if (state == u"1" || state == u"2" || state == u"3")
            r.Send(idents[i], r.Tr(QStringLiteral("DF") + state.front()), ElementRed);
        else
            r.Send(idents[i], Variant());
    }
    return true;
}

// A duration as the uptime shows it; the empty value for 0.
Variant DurationValue(qint32 seconds)
{
    return seconds == 0 ? Variant() : Variant(UptimeText(quint32(seconds)));
}

bool DecodeTW(const TVersion1Record &r)
{
    r.Send(QStringLiteral("_InternalTtime"), DeviceTimeText(quint32(r.Integer(0))));
    const qint32 uptime = r.Integer(1);
    r.Send(QStringLiteral("_Uptime"), DurationValue(uptime));

    // Ask for the type again now and then, and soon after the device has restarted.
    TVersion1 &decoder = r.Decoder();
    ++decoder.TypeQueryCounter;
    if (decoder.TypeQueryCounter > 30 || qint64(uptime) > qint64(decoder.TypeQueryThreshold)) {
        decoder.TypeQueryCounter = 0;
        decoder.TypeQueryThreshold = quint32(qint64(uptime) + 30);
        r.Host().UpdateTypeInfo();
    }
    return true;
}

bool DecodeTM(const TVersion1Record &r)
{
    const QStringView state = r.Field(0);
    if (state.size() == 1 && state[0] >= u'0' && state[0] <= u'3')
        r.Send(QStringLiteral("_ModuleReadings"), r.Tr(QStringLiteral("TM") + state.front()));
    else
        r.Send(QStringLiteral("_ModuleReadings"), Variant());
    r.Send(QStringLiteral("_RestTime"), DurationValue(r.Integer(1)));
    return true;
}

bool DecodeWS(const TVersion1Record &r)
{
    const QStringView state = r.Field(0);
    const bool known = state.size() == 1 && state[0] >= u'0' && state[0] <= u'9';
    if (!known) {
        r.Send(QStringLiteral("_ModuleWiFi"), Variant());
        return true;
    }
    // Searching and connecting are transitional; the other states are settled.
    const bool transitional = QStringView(u"0357").contains(state[0]);
    r.Send(QStringLiteral("_ModuleWiFi"),
           QString(r.Tr(QStringLiteral("WS") + state.front()) + u'[' + r.Field(1) + u']'),
           transitional ? ElementWhite : ElementGreen);
    return true;
}

} // namespace

void AddVersion1StatusRules(TVersion1Rules &rules)
{
    rules.insert(Version1KeyCode(u"DS"), &DecodeDS);
    rules.insert(Version1KeyCode(u"DS2"), &DecodeDS2);
    rules.insert(Version1KeyCode(u"MS"), &DecodeMS);
    rules.insert(Version1KeyCode(u"DF"), &DecodeDF);
    rules.insert(Version1KeyCode(u"TW"), &DecodeTW);
    rules.insert(Version1KeyCode(u"TM"), &DecodeTM);
    rules.insert(Version1KeyCode(u"WS"), &DecodeWS);
}
