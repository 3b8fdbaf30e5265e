// One record of the host's document store, addressed by a type tag and an 8-byte key. The
// object changes nothing in the document until one of its saves succeeds. Concrete record
// classes supply the tag, version, size and storage; loading, saving and enumerating are
// done here.
#pragma once

#include <cstdint>

#include "framework/core/NKBase.h"

// The host's record key: item number, sub-number (both signed 16-bit), four bytes carried.
constexpr uint32_t kRecordKeySize = 8;

class __NKBaseData : public __NKBase {
public:
    ~__NKBaseData() override;
    const char* ClassName() const override;

    // The block to load into; also makes data point to it. A heap block also sets loadedSize
    // to its size, which a load offers the host as the capacity.
    virtual unsigned char* AllocateData() = 0;
    // Releases a heap block; nothing for storage inside the object.
    virtual void FreeData();
    virtual bool OwnsDataBlock() const { return false; }
    // A new, empty object of the same concrete class (the element factory of collections).
    virtual __NKBaseData* CreateInstance() const = 0;
    virtual uint32_t RecordTag() const;
    virtual uint32_t RecordVersion() const = 0;
    // The bytes offered to the host when loading.
    virtual uint32_t RecordSize() = 0;
    // The bytes written by a save.
    virtual uint32_t LoadedSize() const { return loadedSize; }
    // Copies the other object's record bytes (not its key); other is of the same class.
    virtual void CopyDataFrom(const __NKBaseData* other) = 0;
    virtual bool Save();
    virtual bool Reload();
    virtual bool DeleteData();
    virtual bool DeleteDeep() { return DeleteData(); }
    virtual bool LoadFirst() { return false; }
    virtual bool LoadNext();

    bool LoadCurrent();

    int16_t KeyItem() const;
    int16_t KeySub() const;
    void SetKey(int16_t item, int16_t sub);
    void CopyKeyFrom(const __NKBaseData& other);
    // The raw key as the host reads and writes it.
    unsigned char* KeyBytes() { return key; }

    const unsigned char* Data() const { return data; }
    unsigned char* Data() { return data; }
    bool HasData() const { return loadedSize != 0; }

    // 0: the class's own tag. Collections set it on the elements they load and save.
    uint32_t tagOverride = 0;

protected:
    virtual uint32_t ClassTag() const = 0;

    unsigned char* data = nullptr;
    uint32_t loadedSize = 0; // 0: no data, and every save refuses
    unsigned char key[kRecordKeySize] = {};
};
