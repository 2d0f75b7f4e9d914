#pragma once

#include "settings/Elements.h"

#include <QHash>

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
    QHash<QString, QList<TBaseClass *>> m_byIdent;
};
