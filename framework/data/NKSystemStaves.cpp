#include "framework/data/NKSystemStaves.h"

#include "framework/data/NKMusicRegion.h"
#include "shell/HostBridge.h"

const char* NKSystemStaves::ClassName() const {
    return "NKSystemStaves";
}

NKSystemStaff* NKSystemStaves::CreateElement() {
    return new NKSystemStaff;
}

NKSystemStaff* NKSystemStaves::FindStaff(int16_t staff) const {
    for (int32_t i = 0; i < Count(); ++i) {
        NKSystemStaff* entry = StaffAt(i);
        if (entry && entry->StaffNumber() == staff)
            return entry;
    }
    return nullptr;
}

int32_t NKSystemStaves::LoadAllInRegion(const NKMusicRegion& region) {
    const int16_t list = region.StartListItem();
    LoadAllForItem(list);
    for (int32_t i = Count() - 1; i >= 0; --i) {
        int32_t slot = NX_InstToSlot(StaffAt(i)->StaffNumber(), list);
        if (slot < 1 || slot < region.startSlot || slot > region.endSlot)
            RemoveAt(i);
    }
    return Count();
}
