#include "i18n/Dictionary.h"

#include <QVarLengthArray>

TModuleTranslations ModuleTranslations;

QString foldAsciiCase(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    QChar *out = folded.data();
    for (QChar c : text) {
        const char16_t u = c.unicode();
        *out++ = (u >= u'A' && u <= u'Z') ? QChar(u + 32) : c;
    }
    return folded;
}

namespace {

// A key folded to lower case without allocating: lookups run for every status text shown.
class TFoldedKey
{
public:
    explicit TFoldedKey(QStringView key)
        : m_chars(key.size())
    {
        for (qsizetype i = 0; i < key.size(); ++i) {
            const char16_t u = key[i].unicode();
            m_chars[i] = (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
        }
    }
    QStringView View() const { return QStringView(m_chars.constData(), m_chars.size()); }

private:
    QVarLengthArray<char16_t, 64> m_chars;
};

// The fixed dictionary with its texts ready to hand out.
struct TFixedDictionary
{
    QStringList FoldedKeys; // the keys the index views
    QHash<QStringView, int> Index;
    QStringList Ru;
    QStringList En;
};

const TFixedDictionary &fixedDictionary()
{
    static const TFixedDictionary dictionary = [] {
        TFixedDictionary result;
        for (const TTranslation &row : TranslationTable) {
            result.FoldedKeys.append(foldAsciiCase(QStringView(row.Key)));
            result.Ru.append(QString::fromUtf16(row.Ru));
            result.En.append(QString::fromUtf16(row.En));
        }
        // From the end, so that the first of two equal keys wins.
        for (int i = TranslationTableSize - 1; i >= 0; --i)
            result.Index.insert(result.FoldedKeys[i], i);
        return result;
    }();
    return dictionary;
}

template <int N>
QString codeName(const TCodeName (&table)[N], const QString &code)
{
    static const QHash<QString, int> index = [&table] {
        QHash<QString, int> result;
        for (int i = N - 1; i >= 0; --i)
            result.insert(foldAsciiCase(QStringView(table[i].Code)), i);
        return result;
    }();
    const int row = index.value(foldAsciiCase(code), -1);
    return row < 0 ? QStringLiteral("#") + code : QString::fromUtf16(table[row].Name);
}

QString fixedText(int language, QStringView key)
{
    const TFixedDictionary &dictionary = fixedDictionary();
    const int row = key.isEmpty() ? -1 : dictionary.Index.value(TFoldedKey(key).View(), -1);
    if (row < 0)
        return key.toString();
    return language == 0 ? dictionary.Ru[row] : dictionary.En[row];
}

} // namespace

void TModuleTranslations::setRows(QList<TModuleTranslation> rows)
{
    m_rows = std::move(rows);
    m_index.clear();
    m_foldedKeys.clear();
    for (const TModuleTranslation &row : m_rows)
        m_foldedKeys.append(foldAsciiCase(row.Key));
    for (qsizetype i = m_rows.size() - 1; i >= 0; --i) {
        if (!m_rows[i].Key.isEmpty())
            m_index.insert(m_foldedKeys[i], i);
    }
}

const TModuleTranslation *TModuleTranslations::find(QStringView key) const
{
    if (key.isEmpty() || m_index.isEmpty())
        return nullptr;
    const auto it = m_index.constFind(TFoldedKey(key).View());
    return it == m_index.cend() ? nullptr : &m_rows[*it];
}

QString Translate(int language, const QString &key)
{
    if (language != 0 && language != 1)
        return key;
    if (const TModuleTranslation *row = ModuleTranslations.find(key))
        return language == 0 ? row->Ru : row->En;

    const qsizetype space = key.indexOf(u' ');
    QStringView first = space < 0 ? QStringView(key) : QStringView(key).left(space);
    const QStringView second = space < 0 ? QStringView() : QStringView(key).mid(space + 1);

    QString pin;
    if (second == u"_InOut") {
        bool ok = false;
        const int number = first.toInt(&ok);
        if (ok && number >= 0 && !first.startsWith(u'+')) {
            pin = QStringLiteral("PIN %1.").arg(number);
            first = pin;
        }
    }
    const QString head = fixedText(language, first);
    if (second.isEmpty())
        return head;
    return head + u' ' + fixedText(language, second);
}

QString MobileCountryName(const QString &code)
{
    return codeName(CountryTable, code);
}

QString MobileOperatorName(const QString &code)
{
    return codeName(OperatorTable, code);
}
