#pragma once

#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

// The ";"-separated fields of a generation-1 record value, split once.
//
// The first line end is cut out and a zero character ends the value. Spaces do not split. A
// field that begins with a double quote runs to its closing quote, the quotes removed and a
// doubled quote standing for one; text between the closing quote and the next ";" is kept after
// it, and a quote that never closes takes the rest of the value. A ";" at the very end yields a
// last, empty field; an empty value has no fields.
class TVersion1Fields
{
public:
    explicit TVersion1Fields(QStringView value);
    TVersion1Fields(const TVersion1Fields &) = delete;
    TVersion1Fields &operator=(const TVersion1Fields &) = delete;

    qsizetype Count() const { return m_fields.size(); }
    // Field `index`, or a null view when `index` is negative or there is no such field; an
    // empty field is an empty view that is not null. Views live as long as this object and the
    // text it was built from.
    QStringView At(qsizetype index) const;
    // The value without its line end: all fields, unsplit.
    QStringView Whole() const { return m_whole; }

private:
    void Split();
    // Reads the quoted field that starts at `begin`; returns the index of the next ";" or -1.
    qsizetype TakeQuoted(qsizetype begin);

    QString m_joined;       // the value with an inner line end cut out
    QStringList m_unquoted; // quoted fields that had to be rewritten
    QStringView m_whole;
    QVarLengthArray<QStringView, 16> m_fields;
};
