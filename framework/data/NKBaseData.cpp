#include "framework/data/NKBaseData.h"

#include <cstring>

#include "framework/core/LittleEndian.h"
#include "shell/HostBridge.h"

__NKBaseData::~__NKBaseData() = default;

const char* __NKBaseData::ClassName() const {
    return "__NKBaseData";
}

void __NKBaseData::FreeData() {}

uint32_t __NKBaseData::RecordTag() const {
    return tagOverride != 0 ? tagOverride : ClassTag();
}

bool __NKBaseData::LoadCurrent() {
    if (data && OwnsDataBlock()) {
        FreeData();
        data = nullptr;
        loadedSize = 0;
    }
    uint32_t capacity;
    if (OwnsDataBlock()) {
        // A heap block is sized by asking the host; its size comes back in loadedSize, so
        // the host is not asked twice.
        data = AllocateData();
        capacity = data ? loadedSize : 0;
    } else {
        // Storage inside the object is chosen afresh: its layout may follow the host version.
        capacity = RecordSize();
        data = AllocateData();
    }
    uint32_t size = capacity;
    if (!data || NX_LoadEData(RecordTag(), key, data, &size, RecordVersion()) == 0) {
        loadedSize = 0;
        return false;
    }
    // A host may report more than it could place in the block; what a later save writes must
    // never reach past the block.
    loadedSize = size < capacity ? size : capacity;
    return true;
}

bool __NKBaseData::Save() {
    if (loadedSize == 0)
        return false;
    return NX_SaveEData(RecordTag(), key, data, LoadedSize(), RecordVersion()) != 0;
}

bool __NKBaseData::Reload() {
    return loadedSize != 0 && LoadCurrent();
}

bool __NKBaseData::DeleteData() {
    return NX_DeleteEData(RecordTag(), key, RecordVersion()) != 0;
}

bool __NKBaseData::LoadNext() {
    const int16_t item = KeyItem(), sub = KeySub();
    if (NX_NextEData(RecordTag(), key, RecordVersion()) == 0)
        return false;
    // A host that does not move the key forward would make an enumeration endless.
    if (KeyItem() < item || (KeyItem() == item && KeySub() <= sub))
        return false;
    return LoadCurrent();
}

int16_t __NKBaseData::KeyItem() const {
    return static_cast<int16_t>(ReadLE16(key, 0));
}

int16_t __NKBaseData::KeySub() const {
    return static_cast<int16_t>(ReadLE16(key, 2));
}

void __NKBaseData::SetKey(int16_t item, int16_t sub) {
    WriteLE16(key, 0, static_cast<uint16_t>(item));
    WriteLE16(key, 2, static_cast<uint16_t>(sub));
}

void __NKBaseData::CopyKeyFrom(const __NKBaseData& other) {
    std::memcpy(key, other.key, kRecordKeySize);
}
