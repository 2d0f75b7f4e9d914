#include "monitor/ElementIndex.h"

#include "i18n/Dictionary.h"

#include <algorithm>

namespace {

// The path from just under `root` down to `widget`; empty when `widget` is not under `root`.
QList<const QObject *> PathFrom(const QWidget *root, const QObject *widget)
{
    QList<const QObject *> path;
    for (const QObject *node = widget; node; node = node->parent()) {
        if (node == root) {
            std::reverse(path.begin(), path.end());
            return path;
        }
        path.append(node);
    }
    return {};
}

// Search order of two elements under the same root: at the level where their paths part, the
// one that is itself a child there comes first; otherwise the earlier child leads.
bool SearchedFirst(const QList<const QObject *> &a, const QList<const QObject *> &b)
{
    for (qsizetype level = 0; level < qMin(a.size(), b.size()); ++level) {
        if (a[level] == b[level])
            continue;
        const bool aHere = level == a.size() - 1;
        const bool bHere = level == b.size() - 1;
        if (aHere != bHere)
            return aHere;
        const QObjectList &siblings = a[level]->parent()->children();
        return siblings.indexOf(a[level]) < siblings.indexOf(b[level]);
    }
    return a.size() < b.size();
}

} // namespace

TElementIndex &TElementIndex::Instance()
{
    static TElementIndex index;
    return index;
}

void TElementIndex::Rename(TBaseClass *element, const QString &oldIdent, const QString &newIdent)
{
    Remove(element, oldIdent);
    if (!newIdent.isEmpty())
        m_byIdent[foldAsciiCase(newIdent)].append(element);
}

void TElementIndex::Remove(TBaseClass *element, const QString &ident)
{
    if (ident.isEmpty())
        return;
    const auto it = m_byIdent.find(foldAsciiCase(ident));
    if (it == m_byIdent.end())
        return;
    it->removeOne(element);
    if (it->isEmpty())
        m_byIdent.erase(it);
}

TBaseClass *TElementIndex::Find(const QWidget *root, const QString &ident,
                                std::initializer_list<TElementKind> kinds) const
{
    const auto it = m_byIdent.constFind(foldAsciiCase(ident));
    if (it == m_byIdent.cend())
        return nullptr;
    TBaseClass *best = nullptr;
    QList<const QObject *> bestPath;
    for (TBaseClass *element : *it) {
        if (std::find(kinds.begin(), kinds.end(), element->Kind()) == kinds.end())
            continue;
        QList<const QObject *> path = PathFrom(root, element);
        if (path.isEmpty())
            continue;
        if (!best || SearchedFirst(path, bestPath)) {
            best = element;
            bestPath = std::move(path);
        }
    }
    return best;
}
