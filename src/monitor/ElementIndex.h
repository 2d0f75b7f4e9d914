#pragma once

#include "settings/Elements.h"

#include <QList>

#include <array>
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
    // Changes whenever an element is named, renamed or destroyed.
    quint64 Generation() const { return m_generation; }

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
    quint64 m_generation = 0;
};

// Remembers where recent names were routed. The decoders route the same few hundred names over
// and over, mostly string literals: a slot keyed by the name's text buffer answers them without
// hashing. Each slot keeps its name alive, so an equal buffer means an equal name.
class TRouteCache
{
public:
    template <typename Lookup>
    TBaseClass *Find(const QString &name, Lookup lookup)
    {
        Slot &slot = m_slots[(quintptr(name.constData()) >> 3) % m_slots.size()];
        const quint64 generation = TElementIndex::Instance().Generation();
        if (slot.name.constData() == name.constData() && slot.name.size() == name.size() &&
            slot.generation == generation)
            return slot.element;
        slot = {name, generation, lookup(name)};
        return slot.element;
    }

private:
    struct Slot
    {
        QString name;
        quint64 generation = 0;
        TBaseClass *element = nullptr;
    };
    std::array<Slot, 509> m_slots;
};
