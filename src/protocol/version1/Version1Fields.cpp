#include "protocol/version1/Version1Fields.h"

#include <string_view>

namespace {

// A plain scan: values are short, and this runs for every line received.
qsizetype IndexOf(QStringView text, char16_t c, qsizetype from = 0)
{
    const std::u16string_view chars(text.utf16(), text.size());
    const size_t found = chars.find(c, from);
    return found == std::u16string_view::npos ? -1 : qsizetype(found);
}

qsizetype FindLineEnd(QStringView text)
{
    for (qsizetype cr = IndexOf(text, u'\r'); cr >= 0; cr = IndexOf(text, u'\r', cr + 1)) {
        if (cr + 1 < text.size() && text[cr + 1] == u'\n')
            return cr;
    }
    return -1;
}

} // namespace

TVersion1Fields::TVersion1Fields(QStringView value)
{
    const qsizetype lineEnd = FindLineEnd(value);
    if (lineEnd < 0) {
        m_whole = value;
    } else if (lineEnd + 2 == value.size()) {
        m_whole = value.left(lineEnd); // the usual place: nothing to copy
    } else {
        m_joined = value.left(lineEnd) + value.mid(lineEnd + 2);
        m_whole = m_joined;
    }
    const qsizetype zero = IndexOf(m_whole, u'\0');
    if (zero >= 0)
        m_whole = m_whole.left(zero);
    Split();
}

QStringView TVersion1Fields::At(qsizetype index) const
{
    return index >= 0 && index < m_fields.size() ? m_fields[index] : QStringView();
}

void TVersion1Fields::Split()
{
    qsizetype begin = 0;
    while (begin < m_whole.size()) {
        qsizetype separator;
        if (m_whole[begin] == u'"') {
            separator = TakeQuoted(begin);
        } else {
            separator = IndexOf(m_whole, u';', begin);
            const qsizetype end = separator < 0 ? m_whole.size() : separator;
            m_fields.append(m_whole.mid(begin, end - begin));
        }
        if (separator < 0)
            return;
        begin = separator + 1;
        if (begin == m_whole.size())
            m_fields.append(m_whole.mid(begin, 0)); // a ";" at the end opens an empty field
    }
}

qsizetype TVersion1Fields::TakeQuoted(qsizetype begin)
{
    QString rewritten;
    qsizetype plainFrom = begin + 1; // start of the text not yet copied into `rewritten`
    qsizetype i = begin + 1;
    while (i < m_whole.size()) {
        if (m_whole[i] != u'"') {
            ++i;
        } else if (i + 1 < m_whole.size() && m_whole[i + 1] == u'"') {
            rewritten += m_whole.mid(plainFrom, i + 1 - plainFrom); // keeps one quote
            i += 2;
            plainFrom = i;
        } else {
            break; // the closing quote
        }
    }
    const bool closed = i < m_whole.size();
    const qsizetype separator = closed ? IndexOf(m_whole, u';', i + 1) : -1;
    const QStringView trailing =
        closed ? m_whole.mid(i + 1, (separator < 0 ? m_whole.size() : separator) - i - 1)
               : QStringView();
    if (rewritten.isEmpty() && trailing.isEmpty()) {
        m_fields.append(m_whole.mid(begin + 1, i - begin - 1));
    } else {
        rewritten += m_whole.mid(plainFrom, i - plainFrom);
        rewritten += trailing;
        m_unquoted.append(rewritten);
        m_fields.append(m_unquoted.constLast());
    }
    return separator;
}
