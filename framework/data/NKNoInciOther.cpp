#include "framework/data/NKNoInciOther.h"

#include "shell/HostBridge.h"

const char* __NKNoInciOther::ClassName() const {
    return "__NKNoInciOther";
}

bool __NKNoInciOther::Reload() {
    return loadedSize != 0 && Load(ItemNumber());
}

bool __NKNoInciOther::LoadFirst() {
    return Load(1);
}

bool __NKNoInciOther::Load(int16_t item) {
    SetKey(item, 0);
    return LoadCurrent();
}

bool __NKNoInciOther::SaveAs(int16_t item) {
    SetKey(item, 0);
    return Save();
}

bool __NKNoInciOther::SaveNew() {
    if (loadedSize == 0)
        return false;
    SetKey(-1, -1);
    return NX_CreateEData(RecordTag(), key, data, LoadedSize(), RecordVersion()) != 0;
}
