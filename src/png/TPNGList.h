#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "png/TChunk.h"

class TPNGObject;

// An ordered list owning its items, with the owner picture. Replacing or cutting items
// destroys them; Remove hands the item back to the caller.
template <typename T>
class TPNGPointerList {
public:
    explicit TPNGPointerList(TPNGObject& owner) : owner_(&owner) {}

    TPNGObject& Owner() const { return *owner_; }
    std::size_t Count() const { return items_.size(); }

    T& Add(std::unique_ptr<T> item) {
        items_.push_back(std::move(item));
        return *items_.back();
    }

    // Removes the last slot holding item; nothing when it is not in the list.
    std::unique_ptr<T> Remove(const T* item) {
        for (std::size_t i = items_.size(); i-- > 0;) {
            if (items_[i].get() == item) {
                std::unique_ptr<T> removed = std::move(items_[i]);
                items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
                return removed;
            }
        }
        return nullptr;
    }

    T* Item(std::size_t index) const {
        return index < items_.size() ? items_[index].get() : nullptr;
    }

    void SetItem(std::size_t index, std::unique_ptr<T> item) {
        if (index < items_.size()) items_[index] = std::move(item);
    }

    // New slots hold nothing until SetItem fills them.
    void SetCount(std::size_t count) { items_.resize(count); }
    void Reserve(std::size_t capacity) { items_.reserve(capacity); }
    void Trim() { items_.shrink_to_fit(); }
    // Exchanges all items with the vector's, for changes that must be undone when they fail.
    void SwapItems(std::vector<std::unique_ptr<T>>& items) { items_.swap(items); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    TPNGObject* owner_;
    std::vector<std::unique_ptr<T>> items_;
};

// The chunk list of a picture, in stream order.
class TPNGList : public TPNGPointerList<TChunk> {
public:
    using TPNGPointerList::TPNGPointerList;

    // The first chunk of the class or of a class derived from it.
    template <typename Kind>
    Kind* FindChunkOfKind() const {
        for (const auto& chunk : *this) {
            if (auto* match = dynamic_cast<Kind*>(chunk.get())) return match;
        }
        return nullptr;
    }
};
