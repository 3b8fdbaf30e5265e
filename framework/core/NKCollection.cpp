#include "framework/core/NKCollection.h"

#include "framework/core/NKVisitor.h"

#include <cstddef>
#include <cstdint>
#include <new>

__NKCollection::~__NKCollection() {
    ClearAll();
    delete[] items;
    items = nullptr;
    capacity = 0;
}

const char* __NKCollection::ClassName() const {
    return "__NKCollection";
}

// The walk of both visits: the count is read afresh on every step, so a visitor that
// shrinks the collection shortens the walk; null slots are skipped.
template <typename Visit> int32_t __NKCollection::CountVisits(Visit visit) const {
    int32_t accepted = 0;
    for (int32_t i = 0; i < count; ++i) {
        __NKBase* element = items != nullptr ? items[i] : nullptr;
        if (element == nullptr) {
            continue;
        }
        if (!visit(element, i)) {
            break;
        }
        ++accepted;
    }
    return accepted;
}

int32_t __NKCollection::ForEach(__NKVisitor* visitor) {
    if (visitor == nullptr) {
        return 0;
    }
    return CountVisits([visitor](__NKBase* element, int32_t) { return visitor->Visit(element); });
}

__NKBase* __NKCollection::FindFirst(__NKVisitor* visitor) {
    if (visitor == nullptr) {
        return nullptr;
    }
    for (int32_t i = 0; i < count; ++i) {
        __NKBase* element = items != nullptr ? items[i] : nullptr;
        if (element != nullptr && visitor->Matches(element)) {
            return element;
        }
    }
    return nullptr;
}

int32_t __NKCollection::ForEachIndexed(__NKVisitor* visitor) {
    if (visitor == nullptr) {
        return 0;
    }
    return CountVisits([visitor](__NKBase* element, int32_t index) {
        return visitor->VisitIndexed(element, index);
    });
}

__NKBase* __NKCollection::GetItemAt(int32_t index) const {
    if (index < 0 || index >= count || items == nullptr) {
        return nullptr;
    }
    return items[index];
}

bool __NKCollection::EnsureCapacity(int32_t extra) {
    const int64_t needed = static_cast<int64_t>(count) + extra;
    if (capacity >= needed) {
        return true;
    }
    const int64_t newCapacity = (needed + 10) / 10 * 10;
    // Byte sizes are 32-bit on the host's platform; a size that would wrap must fail, never
    // yield a smaller array than the count it was computed for.
    const uint64_t bytes = static_cast<uint64_t>(newCapacity) * sizeof(__NKBase*);
    if (newCapacity > INT32_MAX || bytes > UINT32_MAX) {
        return false;
    }
    __NKBase** grown = new (std::nothrow) __NKBase*[static_cast<size_t>(newCapacity)];
    if (grown == nullptr) {
        return false;
    }
    for (int32_t i = 0; i < newCapacity; ++i) {
        grown[i] = i < count ? items[i] : nullptr;
    }
    delete[] items;
    items = grown;
    capacity = static_cast<int32_t>(newCapacity);
    return true;
}

bool __NKCollection::Add(__NKBase* element) {
    if (!EnsureCapacity(1)) {
        delete element;
        return false;
    }
    items[count] = element;
    ++count;
    return true;
}

bool __NKCollection::InsertAt(int32_t index, __NKBase* element) {
    if (index < 0 || index > count || !EnsureCapacity(1)) {
        delete element;
        return false;
    }
    for (int32_t i = count; i > index; --i) {
        items[i] = items[i - 1];
    }
    items[index] = element;
    ++count;
    return true;
}

bool __NKCollection::RemoveAt(int32_t index) {
    if (index < 0 || index >= count) {
        return false;
    }
    // The element leaves the collection before it is deleted, so a destructor that looks at
    // the collection finds it consistent.
    __NKBase* removed = items[index];
    for (int32_t i = index + 1; i < count; ++i) {
        items[i - 1] = items[i];
    }
    --count;
    items[count] = nullptr;
    delete removed;
    return true;
}

void __NKCollection::ClearAll() {
    for (int32_t i = 0; i < count; ++i) {
        __NKBase* element = items[i];
        items[i] = nullptr;
        delete element;
    }
    count = 0;
}

int32_t __NKCollection::IndexOf(const __NKBase* element) const {
    for (int32_t i = 0; i < count; ++i) {
        if (items[i] == element) {
            return i;
        }
    }
    return -1;
}
