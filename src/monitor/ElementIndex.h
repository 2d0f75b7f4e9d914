#pragma once

#include "settings/Elements.h"

#include <QList>

#include <unordered_map>

// Elements by identifier (ignoring letter case), kept up to date as elements are named and
// destroyed, so that routing a value costs a hash lookup instead of a walk of the whole window.
// Lookups give the same answer as the walk: under the search root, a direct child before anything
// deeper, and among children the earlier one.
class TElementIndex
{
public:
    static TElementIndex &Instance();

    void Rename(TBaseClass *element, const QString &oldIdent, const QString &newIdent);
    void Remove(TBaseClass *element, const QString &ident);

    // The element under `root` whose identifier is `ident` and whose kind is in `kinds`.
    TBaseClass *Find(const QWidget *root, const QString &ident,
                     std::initializer_list<TElementKind> kinds) const;

private:
    // Identifiers hashed and compared ignoring ASCII letter case, so that a lookup needs no
    // folded copy of the name.
    struct FoldedHash
    {
        using is_transparent = void;
        size_t operator()(QStringView text) const;
    };
    struct FoldedEqual
    {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const;
    };
    std::unordered_map<QString, QList<TBaseClass *>, FoldedHash, FoldedEqual> m_byIdent;
};
