#include "framework/data/NKInciOther.h"

#include "shell/HostBridge.h"

const char* __NKInciOther::ClassName() const {
    return "__NKInciOther";
}

bool __NKInciOther::Reload() {
    return loadedSize != 0 && Load(KeyItem(), KeySub());
}

bool __NKInciOther::Load(int16_t item, int16_t sub) {
    SetKey(item, sub);
    return LoadCurrent();
}

bool __NKInciOther::SaveNew(int16_t item) {
    if (loadedSize == 0)
        return false;
    SetKey(item, -1);
    return NX_CreateEData(RecordTag(), key, data, LoadedSize(), RecordVersion()) != 0;
}
