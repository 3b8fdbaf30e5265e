#include "framework/data/NKCollectionInciOther.h"

#include <climits>
#include <memory>

bool __NKCollectionInciOther::DeleteAllForItem(int16_t item) {
    std::unique_ptr<__NKInciOther> loader(CreateElement());
    if (!loader)
        return false;
    loader->tagOverride = tagOverride;
    if (!loader->Load(item, 0))
        return true;
    int32_t count = 1;
    while (count < SHRT_MAX && loader->Load(item, static_cast<int16_t>(count)))
        ++count;
    for (int32_t sub = count - 1; sub >= 0; --sub)
        if (!loader->Load(item, static_cast<int16_t>(sub)) || !loader->DeleteData())
            return false;
    // A load that failed in the count reads like the end of the list: the entries after it
    // would stay behind, under a list without its first entry, and new entries would join
    // them. Such a list was not deleted.
    return count >= SHRT_MAX || !loader->Load(item, static_cast<int16_t>(count));
}

int32_t __NKCollectionInciOther::LoadAllForItem(int16_t item) {
    ClearAll();
    std::unique_ptr<__NKInciOther> loader(CreateElement());
    if (!loader)
        return 0;
    loader->tagOverride = tagOverride;
    for (int32_t sub = 0; sub <= SHRT_MAX && loader->Load(item, static_cast<int16_t>(sub)); ++sub)
        if (!AddCopyOf(*loader))
            break;
    return Count();
}

bool __NKCollectionInciOther::SaveAllForItem(int16_t item) {
    if (!DeleteAllForItem(item))
        return false;
    for (int32_t i = 0; i < Count(); ++i) {
        __NKInciOther* element = ElementAt(i);
        element->tagOverride = tagOverride;
        if (!element->SaveNew(item))
            return false;
    }
    return true;
}
