#include "monitor/ElementIndex.h"

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

namespace {

char16_t folded(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

} // namespace

size_t TElementIndex::FoldedHash::operator()(QStringView text) const
{
    size_t hash = 14695981039346656037ull; // FNV-1a
    for (QChar c : text) {
        hash ^= folded(c.unicode());
        hash *= 1099511628211ull;
    }
    return hash;
}

bool TElementIndex::FoldedEqual::operator()(QStringView a, QStringView b) const
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (folded(a[i].unicode()) != folded(b[i].unicode()))
            return false;
    }
    return true;
}

TElementIndex &TElementIndex::Instance()
{
    static TElementIndex index;
    return index;
}

void TElementIndex::Rename(TBaseClass *element, const QString &oldIdent, const QString &newIdent)
{
    Remove(element, oldIdent);
    ++m_generation;
    if (newIdent.isEmpty())
        return;
    auto it = m_byIdent.find(QStringView(newIdent));
    if (it == m_byIdent.end())
        it = m_byIdent.emplace(newIdent, QList<TBaseClass *>()).first;
    it->second.append(element);
}

void TElementIndex::Remove(TBaseClass *element, const QString &ident)
{
    if (ident.isEmpty())
        return;
    const auto it = m_byIdent.find(QStringView(ident));
    if (it == m_byIdent.end())
        return;
    ++m_generation;
    it->second.removeOne(element);
    if (it->second.isEmpty())
        m_byIdent.erase(it);
}

TBaseClass *TElementIndex::Find(const QWidget *root, const QString &ident,
                                std::initializer_list<TElementKind> kinds) const
{
    const auto found = m_byIdent.find(QStringView(ident));
    if (found == m_byIdent.end())
        return nullptr;
    const QList<TBaseClass *> &candidates = found->second;
    const auto accepted = [&kinds](const TBaseClass *element) {
        return std::find(kinds.begin(), kinds.end(), element->Kind()) != kinds.end();
    };
    if (candidates.size() == 1) {
        // The usual case: one element of the name; it only has to lie under the root.
        TBaseClass *only = candidates.constFirst();
        if (!accepted(only))
            return nullptr;
        for (const QObject *node = only->parent(); node; node = node->parent()) {
            if (node == root)
                return only;
        }
        return nullptr;
    }
    TBaseClass *best = nullptr;
    QList<const QObject *> bestPath;
    for (TBaseClass *element : candidates) {
        if (!accepted(element))
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
