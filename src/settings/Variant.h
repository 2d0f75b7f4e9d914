#pragma once

#include <QString>

#include <optional>

// The value of every element: Empty, Null, a sized integer, a real number or a string.
class Variant
{
public:
    enum Kind : quint8
    {
        Empty,
        Null,
        Int8,
        UInt8,
        Int16,
        UInt16,
        Int32,
        UInt32,
        Int64,
        Real,
        String
    };

    Variant() = default;
    static Variant null() { return Variant(Null); }
    Variant(qint8 v)
        : m_kind(Int8)
        , m_int(v)
    {
    }
    Variant(quint8 v)
        : m_kind(UInt8)
        , m_int(v)
    {
    }
    Variant(qint16 v)
        : m_kind(Int16)
        , m_int(v)
    {
    }
    Variant(quint16 v)
        : m_kind(UInt16)
        , m_int(v)
    {
    }
    Variant(qint32 v)
        : m_kind(Int32)
        , m_int(v)
    {
    }
    Variant(quint32 v)
        : m_kind(UInt32)
        , m_int(v)
    {
    }
    Variant(qint64 v)
        : m_kind(Int64)
        , m_int(v)
    {
    }
    Variant(double v)
        : m_kind(Real)
        , m_real(v)
    {
    }
    Variant(const QString &v)
        : m_kind(String)
        , m_text(v)
    {
    }
    Variant(QString &&v)
        : m_kind(String)
        , m_text(std::move(v))
    {
    }
    Variant(const char16_t *v)
        : Variant(QString::fromUtf16(v))
    {
    }

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Empty; }
    bool isNull() const { return m_kind == Null; }
    bool isEmptyOrNull() const { return m_kind <= Null; }
    bool isInteger() const { return m_kind >= Int8 && m_kind <= Int64; }
    bool isString() const { return m_kind == String; }

    // The integer value; a string is read as a decimal number. Fails for anything else.
    std::optional<qint64> toInteger() const;
    // The text the elements show: decimal integers, reals with up to 15 significant digits in
    // their shortest form, strings as they are, nothing for Empty and Null.
    QString toString() const;

    // Three-way comparison: integers by value across kinds, a string against a number read as
    // a number, Empty equal to Empty and below everything. nullopt when a string spells no number.
    static std::optional<int> compare(const Variant &a, const Variant &b);
    // Equality that treats a failed comparison as "different".
    bool sameAs(const Variant &other) const { return compare(*this, other) == 0; }

private:
    explicit Variant(Kind kind)
        : m_kind(kind)
    {
    }

    Kind m_kind = Empty;
    union {
        qint64 m_int = 0;
        double m_real;
    };
    QString m_text;
};
