// The owning, ordered collection that every list-like framework class builds on.
#pragma once

#include "framework/core/NKIteratorBase.h"

class __NKVisitor;

// The collection owns its elements: removing, clearing or destroying it deletes them through
// their virtual destructors. An object must therefore be held by one collection, once.
class __NKCollection : public __NKIteratorBase {
public:
    __NKCollection() = default;
    ~__NKCollection() override;

    // Copying would leave two owners of the same elements.
    __NKCollection(const __NKCollection&) = delete;
    __NKCollection& operator=(const __NKCollection&) = delete;

    const char* ClassName() const override;

    // The walks re-read count on every step, so a visitor that removes elements shortens the
    // walk (and the element after a removed one moves into the index just visited). Null
    // slots are skipped without calling the visitor; a null visitor visits nothing.
    int32_t ForEach(__NKVisitor* visitor) override;
    __NKBase* FindFirst(__NKVisitor* visitor) override;
    int32_t ForEachIndexed(__NKVisitor* visitor) override;

    int32_t Count() const { return count; }
    int32_t Capacity() const { return capacity; }

    // Null for an index outside 0..count-1.
    __NKBase* GetItemAt(int32_t index) const;

    // Makes room for that many more elements. Capacity only grows, in whole steps of ten.
    // False when the room cannot be had (the array would not fit in 32-bit byte sizes, or
    // memory ran out); the collection is then unchanged.
    bool EnsureCapacity(int32_t extra);

    // Takes ownership whatever happens: when there is no room the element is deleted at once
    // and false is returned, so the caller must not touch it any more. A caller of
    // Add(new X) therefore never leaks.
    bool Add(__NKBase* element);

    // Like Add, at the given index (0 to Count): the later elements move up by one. An
    // index out of range refuses the element, which is deleted.
    bool InsertAt(int32_t index, __NKBase* element);

    // Deletes the element and closes the gap; false, changing nothing, for a bad index.
    bool RemoveAt(int32_t index);

    // Deletes every element; the array stays allocated for reuse.
    void ClearAll();

    // The first index holding exactly this object, or -1.
    int32_t IndexOf(const __NKBase* element) const;

protected:
    int32_t count = 0;
    int32_t capacity = 0;
    // capacity slots; only those below count are meaningful.
    __NKBase** items = nullptr;

private:
    template <typename Visit> int32_t CountVisits(Visit visit) const;
};
