#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A row of the fixed dictionary.
struct TTranslation
{
    const char16_t *Key;
    const char16_t *Ru;
    const char16_t *En;
};

// A row of the mobile country or operator table.
struct TCodeName
{
    const char16_t *Code;
    const char16_t *Name;
};

inline constexpr int TranslationTableSize = 313;
inline constexpr int CountryTableSize = 235;
inline constexpr int OperatorTableSize = 47;

extern const TTranslation TranslationTable[TranslationTableSize];
extern const TCodeName CountryTable[CountryTableSize];
extern const TCodeName OperatorTable[OperatorTableSize];

// Texts brought by the loaded settings description; searched before the fixed dictionary.
struct TModuleTranslation
{
    QString Key;
    QString Ru;
    QString En;
};

class TModuleTranslations
{
public:
    const QList<TModuleTranslation> &rows() const { return m_rows; }
    void setRows(QList<TModuleTranslation> rows);
    // The first row whose key equals `key` ignoring ASCII letter case, or nullptr.
    const TModuleTranslation *find(QStringView key) const;

private:
    QList<TModuleTranslation> m_rows;
    QStringList m_foldedKeys;              // the keys the index views
    QHash<QStringView, qsizetype> m_index; // by key folded to lower case
};

extern TModuleTranslations ModuleTranslations;

// Text of `key` in `language` (0 Russian, 1 English); the key itself when nothing matches.
QString Translate(int language, const QString &key);
// Russian country name of a three-digit mobile country code, or "#" + code.
QString MobileCountryName(const QString &code);
// Operator name of a five-digit country-and-network code, or "#" + code.
QString MobileOperatorName(const QString &code);

// Lower-cases ASCII letters only, leaving every other character as it is.
QString foldAsciiCase(QStringView text);
