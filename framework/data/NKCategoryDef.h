// An expression category ('SOMC'): an identifier that definitions file themselves under, and
// a name. Hosts before UTF-16 text keep it in 104 bytes with an 8-bit name, later ones in 296
// bytes with a UTF-16 name.
#pragma once

#include <cstdint>

#include "framework/core/NKString.h"
#include "framework/data/NKNoInciOther.h"

constexpr uint32_t kCategorySizeWide = 296;
constexpr uint32_t kCategorySizeNarrow = 104;

class NKCategoryDef : public __NKNoInciOther {
public:
    // An empty category in the running host's layout, ready to save.
    NKCategoryDef();
    // data points into the object itself; a copy would point into the original.
    NKCategoryDef(const NKCategoryDef&) = delete;
    NKCategoryDef& operator=(const NKCategoryDef&) = delete;

    const char* ClassName() const override;
    // Same identifier, same word at the end of the record and the same name.
    bool IsIdentical(const __NKBase* other) const override;

    // The storage of the running host's layout.
    unsigned char* AllocateData() override;
    __NKBaseData* CreateInstance() const override;
    uint32_t RecordVersion() const override;
    uint32_t RecordSize() override;
    void CopyDataFrom(const __NKBaseData* other) override;
    // Loads go into the running host's layout, whichever one the object held before.
    bool Load(int16_t item) override;
    bool LoadNext() override;
    // Category 1, or the host's first category when there is no category 1.
    bool LoadFirst() override;

    int16_t Id() const;
    void SetId(int16_t id);
    void GetName(NKString* out) const;

protected:
    uint32_t ClassTag() const override;

private:
    bool HoldsWideLayout() const { return data == wide; }
    uint32_t LayoutSize() const {
        return HoldsWideLayout() ? kCategorySizeWide : kCategorySizeNarrow;
    }
    // The 16-bit word after the name field.
    uint16_t TrailingWord() const;

    unsigned char narrow[kCategorySizeNarrow] = {};
    unsigned char wide[kCategorySizeWide] = {};
};
