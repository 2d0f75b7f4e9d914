// Inputs and outputs: keys of three or four characters, "I" or "O", the line type and a one- or
// two-digit number, for example ID3 or IA12.
#include "protocol/DecoderHost.h"
#include "protocol/version1/Version1Record.h"

namespace {

// Line types whose value 0/1 reads as off/on.
bool IsSwitchedLine(QChar type)
{
    return QStringView(u"123D").contains(type);
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool IsVersion1InOutKey(QStringView key)
{
    return (key.size() == 3 || key.size() == 4) && (key[0] == u'I' || key[0] == u'O') &&
           QStringView(u"123ADFIU").contains(key[1]) && IsDigit(key[2]) &&
           (key.size() == 3 || IsDigit(key[3]));
}

bool DecodeVersion1InOut(const TVersion1Record &r)
{
    const QStringView key = r.Key();
    const QChar direction = key[0];
    const QChar type = key[1];
    const QStringView number = key.mid(2);
    const QStringView state = r.Field(0);
    if (key.startsWith(u"O10"))
        r.Host().SetValueOut(state == u"1"); // output 0 in mode 1 drives the output button

    const QString ident = number + QStringLiteral(" _InOut");
    const QString caption = QStringLiteral("PIN ") + number + QStringLiteral(". ") +
                            r.Tr(QStringLiteral("iod_") + direction) + u' ' +
                            r.Tr(QStringLiteral("iot_") + type);
    if (r.Host().EnsureDisplayItem(ident, QStringLiteral("_InputOutput"), caption)) {
        r.Host().SetItemCaption(ident, caption);
        QString units;
        if (type == u'A')
            units = r.Tr(QStringLiteral("UnitsA"));
        else if (type == u'F')
            units = r.Tr(QStringLiteral("UnitsF"));
        r.Host().SetItemUnits(ident, units);
    }

    if (IsSwitchedLine(type) && state == u"0")
        r.Send(ident, r.Tr(QStringLiteral("UnitsOFF")));
    else if (IsSwitchedLine(type) && state == u"1")
        r.Send(ident, r.Tr(QStringLiteral("UnitsON")));
    else
        r.Send(ident, r.Text(0));
    return true;
}
