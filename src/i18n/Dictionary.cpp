#include "i18n/Dictionary.h"

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

int lookupRow(const QHash<QString, int> &index, QStringView key)
{
    if (key.isEmpty())
        return -1;
    return index.value(foldAsciiCase(key), -1);
}

const QHash<QString, int> &translationIndex()
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> result;
        for (int i = TranslationTableSize - 1; i >= 0; --i)
            result.insert(foldAsciiCase(QStringView(TranslationTable[i].Key)), i);
        return result;
    }();
    return index;
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
    const int row = lookupRow(translationIndex(), key);
    if (row < 0)
        return key.toString();
    return QString::fromUtf16(language == 0 ? TranslationTable[row].Ru : TranslationTable[row].En);
}

} // namespace

void TModuleTranslations::setRows(QList<TModuleTranslation> rows)
{
    m_rows = std::move(rows);
    m_index.clear();
    for (qsizetype i = m_rows.size() - 1; i >= 0; --i) {
        if (!m_rows[i].Key.isEmpty())
            m_index.insert(foldAsciiCase(m_rows[i].Key), i);
    }
}

const TModuleTranslation *TModuleTranslations::find(QStringView key) const
{
    if (key.isEmpty() || m_index.isEmpty())
        return nullptr;
    const auto it = m_index.constFind(foldAsciiCase(key));
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
