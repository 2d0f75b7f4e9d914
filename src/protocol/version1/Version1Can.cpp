// CAN bus values: the letter keys and the numbered CAN record.
#include "protocol/version1/Version1Record.h"

namespace {

enum class TCanValue
{
    Text,
    Integer,
    Hundredths,
    Tenths
};

struct TCanRow
{
    const char16_t *Ident;
    TCanValue Kind;
};

void SendCanValue(const TVersion1Record &r, const TCanRow &row, int field)
{
    const QString ident = QString::fromUtf16(row.Ident);
    switch (row.Kind) {
    case TCanValue::Text:
        r.Send(ident, r.Text(field));
        break;
    case TCanValue::Integer:
        r.Send(ident, r.Integer(field));
        break;
    case TCanValue::Hundredths:
        r.Send(ident, r.Integer(field) / 100.0);
        break;
    case TCanValue::Tenths:
        r.Send(ident, r.Integer(field) / 10.0);
        break;
    }
}

const QHash<QString, TCanRow> &LetterRows()
{
    static const QHash<QString, TCanRow> rows = {
        {QStringLiteral("CA"), {u"_CanEngineTime", TCanValue::Hundredths}},
        {QStringLiteral("CB"), {u"_CanEngineTime", TCanValue::Hundredths}},
        {QStringLiteral("CC"), {u"_CanMileage", TCanValue::Hundredths}},
        {QStringLiteral("CD"), {u"_CanMileage", TCanValue::Hundredths}},
        {QStringLiteral("CE"), {u"_CanFuelConsumption", TCanValue::Tenths}},
        {QStringLiteral("CF"), {u"_CanFuelConsumption", TCanValue::Tenths}},
        {QStringLiteral("CG"), {u"_CanFuelPercent", TCanValue::Tenths}},
        {QStringLiteral("CH"), {u"_CanEngineRPM", TCanValue::Integer}},
        {QStringLiteral("CI"), {u"_CanEngineTemperature", TCanValue::Integer}},
        {QStringLiteral("CJ"), {u"_CanSpeed", TCanValue::Integer}},
        {QStringLiteral("CK"), {u"_CanAxle1", TCanValue::Integer}},
        {QStringLiteral("CL"), {u"_CanAxle2", TCanValue::Integer}},
        {QStringLiteral("CM"), {u"_CanAxle3", TCanValue::Integer}},
        {QStringLiteral("CN"), {u"_CanAxle4", TCanValue::Integer}},
        {QStringLiteral("CO"), {u"_CanAxle5", TCanValue::Integer}},
        {QStringLiteral("CP"), {u"_CanCrash", TCanValue::Text}},
        {QStringLiteral("CQ"), {u"_CanFuelInstant", TCanValue::Tenths}},
        {QStringLiteral("CR"), {u"_CanFuelReserve", TCanValue::Tenths}},
        {QStringLiteral("CS"), {u"_CanSecurity", TCanValue::Integer}},
        {QStringLiteral("CU"), {u"_CanAdBluePercent", TCanValue::Text}},
        {QStringLiteral("CV"), {u"_CanProgram", TCanValue::Text}},
        {QStringLiteral("CANINFO"), {u"_CanProgram", TCanValue::Text}}};
    return rows;
}

bool DecodeCanLetter(const TVersion1Record &r)
{
    SendCanValue(r, LetterRows().value(r.Key().toString()), 0);
    return true;
}

// CAN: code; value. Codes without a row are taken and show nothing.
bool DecodeCAN(const TVersion1Record &r)
{
    static const QHash<QString, TCanRow> rows = [] {
        QHash<QString, TCanRow> all = {
            {QStringLiteral("50"), {u"_CanProgram", TCanValue::Text}},
            {QStringLiteral("51"), {u"_CanSecurity", TCanValue::Integer}},
            {QStringLiteral("52"), {u"_CanEngineTime", TCanValue::Hundredths}},
            {QStringLiteral("53"), {u"_CanMileage", TCanValue::Hundredths}},
            {QStringLiteral("54"), {u"_CanFuelConsumption", TCanValue::Tenths}},
            {QStringLiteral("55"), {u"_CanFuelPercent", TCanValue::Tenths}},
            {QStringLiteral("56"), {u"_CanFuelReserve", TCanValue::Tenths}},
            {QStringLiteral("57"), {u"_CanEngineRPM", TCanValue::Integer}},
            {QStringLiteral("58"), {u"_CanEngineTemperature", TCanValue::Integer}},
            {QStringLiteral("59"), {u"_CanSpeed", TCanValue::Integer}},
            {QStringLiteral("60"), {u"_CanAxle1", TCanValue::Integer}},
            {QStringLiteral("61"), {u"_CanAxle2", TCanValue::Integer}},
            {QStringLiteral("62"), {u"_CanAxle3", TCanValue::Integer}},
            {QStringLiteral("63"), {u"_CanAxle4", TCanValue::Integer}},
            {QStringLiteral("64"), {u"_CanAxle5", TCanValue::Integer}},
            {QStringLiteral("65"), {u"_CanCrash", TCanValue::Text}},
            {QStringLiteral("67"), {u"_CanAdBluePercent", TCanValue::Text}},
            {QStringLiteral("68"), {u"_CanAdBlueLitr", TCanValue::Text}}};
        static const char16_t *const parameters[] = {
            u"_CanPar210", u"_CanPar211", u"_CanPar212", u"_CanPar213", u"_CanPar214",
            u"_CanPar215", u"_CanPar216", u"_CanPar217", u"_CanPar218", u"_CanPar219"};
        for (int i = 0; i < 10; ++i)
            all.insert(QString::number(210 + i), {parameters[i], TCanValue::Text});
        return all;
    }();
    const auto row = rows.constFind(r.Field(0).toString());
    if (row != rows.cend())
        SendCanValue(r, *row, 1);
    return true;
}

} // namespace

void AddVersion1CanRules(TVersion1Rules &rules)
{
    for (auto row = LetterRows().cbegin(); row != LetterRows().cend(); ++row)
        rules.insert(Version1KeyCode(row.key()), &DecodeCanLetter);
    rules.insert(Version1KeyCode(u"CAN"), &DecodeCAN);
}
