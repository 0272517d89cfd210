#pragma once
// An owned, ordered collection of items that know their collection: the
// table's player and point lists are edited through it. Items are created
// by the collection (Add, Insert) and destroyed with it (Delete, Clear, the
// collection's destructor); an item's Index is its current position.
#include <algorithm>
#include <memory>
#include <vector>

class QObject;

template <class TItem> class TLuCollection
{
public:
    explicit TLuCollection(QObject* owner = nullptr) : FOwner(owner) {}
    TLuCollection(const TLuCollection&) = delete;
    TLuCollection& operator=(const TLuCollection&) = delete;
    virtual ~TLuCollection() = default;

    // The control that owns the collection (a card table), or nullptr.
    QObject* Owner() const { return FOwner; }

    int Count() const { return static_cast<int>(FItems.size()); }

    // The item at Index, or nullptr outside 0..Count-1.
    TItem* Items(int index) const
    {
        if (index < 0 || index >= Count())
            return nullptr;
        return FItems[static_cast<std::size_t>(index)].get();
    }

    TItem* Add() { return Insert(Count()); }

    // A new item at Index (clamped to 0..Count), the items from there on move up.
    TItem* Insert(int index)
    {
        index = std::clamp(index, 0, Count());
        auto item = std::unique_ptr<TItem>(new TItem(this));
        TItem* result = item.get();
        FItems.insert(FItems.begin() + index, std::move(item));
        return result;
    }

    // Destroys the item at Index; an index outside the list is ignored.
    void Delete(int index)
    {
        if (index < 0 || index >= Count())
            return;
        FItems.erase(FItems.begin() + index);
    }

    void Clear() { FItems.clear(); }

    // Position of item in this collection, -1 when it is not one of ours.
    int IndexOf(const TItem* item) const
    {
        for (std::size_t i = 0; i < FItems.size(); ++i)
            if (FItems[i].get() == item)
                return static_cast<int>(i);
        return -1;
    }

    // Moves the item at From to To (both clamped into the list).
    void Move(int from, int to)
    {
        if (from < 0 || from >= Count() || FItems.empty())
            return;
        to = std::clamp(to, 0, Count() - 1);
        if (from == to)
            return;
        auto item = std::move(FItems[static_cast<std::size_t>(from)]);
        FItems.erase(FItems.begin() + from);
        FItems.insert(FItems.begin() + to, std::move(item));
    }

private:
    QObject* FOwner;
    std::vector<std::unique_ptr<TItem>> FItems;
};

// The part every collection item shares: its collection and its position.
template <class TItem> class TLuCollectionItem
{
public:
    using TCollection = TLuCollection<TItem>;

    TLuCollectionItem(const TLuCollectionItem&) = delete;
    TLuCollectionItem& operator=(const TLuCollectionItem&) = delete;
    virtual ~TLuCollectionItem() = default;

    TCollection* Collection() const { return FCollection; }
    int Index() const { return FCollection->IndexOf(static_cast<const TItem*>(this)); }
    // Moves the item to another position of its collection.
    void SetIndex(int value) { FCollection->Move(Index(), value); }

protected:
    explicit TLuCollectionItem(TCollection* collection) : FCollection(collection) {}

private:
    TCollection* FCollection;
};
