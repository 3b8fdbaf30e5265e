#include "framework/data/NKCollectionData.h"

#include <memory>

bool __NKCollectionData::AddCopyOf(const __NKBaseData& loaded) {
    __NKBaseData* copy = loaded.CreateInstance();
    if (!copy)
        return false;
    copy->CopyKeyFrom(loaded);
    copy->tagOverride = loaded.tagOverride;
    copy->CopyDataFrom(&loaded);
    return Add(copy);
}

int32_t __NKCollectionData::LoadAll() {
    ClearAll();
    std::unique_ptr<__NKBaseData> loader(CreateElement());
    if (!loader)
        return 0;
    loader->tagOverride = tagOverride;
    for (bool loaded = loader->LoadFirst(); loaded; loaded = loader->LoadNext())
        if (!AddCopyOf(*loader))
            break;
    return Count();
}

bool __NKCollectionData::SaveAll() {
    for (int32_t i = 0; i < Count(); ++i) {
        __NKBaseData* element = ElementAt(i);
        element->tagOverride = tagOverride;
        if (!element->Save())
            return false;
    }
    return true;
}
