#include "settings/Variant.h"

#include <QLocale>

namespace {

template <typename T>
int threeWay(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

std::optional<double> readReal(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<qint64> Variant::toInteger() const
{
    if (isInteger())
        return m_int;
    if (m_kind == String) {
        bool ok = false;
        const qint64 value = m_text.trimmed().toLongLong(&ok);
        if (ok)
            return value;
    }
    return std::nullopt;
}

QString Variant::toString() const
{
    switch (m_kind) {
    case Empty:
    case Null:
        return QString();
    case String:
        return m_text;
    case Real: {
        QString text = QLocale().toString(m_real, 'g', 15);
        return text.remove(QLocale().groupSeparator());
    }
    default:
        return QString::number(m_int);
    }
}

std::optional<int> Variant::compare(const Variant &a, const Variant &b)
{
    if (a.m_kind == Empty || b.m_kind == Empty)
        return threeWay(a.m_kind != Empty, b.m_kind != Empty);
    if (a.m_kind == Null || b.m_kind == Null)
        return threeWay(a.m_kind != Null, b.m_kind != Null);
    if (a.m_kind == String && b.m_kind == String)
        return threeWay(a.m_text.compare(b.m_text), 0);
    if (a.isInteger() && b.isInteger())
        return threeWay(a.m_int, b.m_int);

    // Mixed kinds: compare as numbers; an integer-valued pair stays exact.
    if ((a.isInteger() || a.m_kind == String) && (b.isInteger() || b.m_kind == String)) {
        const auto x = a.toInteger();
        const auto y = b.toInteger();
        if (x && y)
            return threeWay(*x, *y);
    }
    const auto asReal = [](const Variant &v) -> std::optional<double> {
        if (v.m_kind == Real)
            return v.m_real;
        if (v.isInteger())
            return double(v.m_int);
        return readReal(v.m_text);
    };
    const auto x = asReal(a);
    const auto y = asReal(b);
    if (!x || !y)
        return std::nullopt;
    return threeWay(*x, *y);
}
