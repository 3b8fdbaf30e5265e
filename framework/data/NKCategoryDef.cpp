#include "framework/data/NKCategoryDef.h"

#include <cstring>
#include <new>

#include "framework/core/LittleEndian.h"
#include "framework/core/RecordTag.h"
#include "framework/data/NKRawText.h"
#include "shell/HostVersion.h"

namespace {
constexpr size_t kIdOffset = 0;
constexpr size_t kNameOffset = 2;
constexpr uint32_t kRecordVersionWide = 0x11000000;
constexpr uint32_t kRecordVersionNarrow = 0x0F000000;

} // namespace

NKCategoryDef::NKCategoryDef() {
    AllocateData();
    loadedSize = LayoutSize();
}

const char* NKCategoryDef::ClassName() const {
    return "NKCategoryDef";
}

uint32_t NKCategoryDef::ClassTag() const {
    return RecordTagOf("SOMC");
}

uint32_t NKCategoryDef::RecordVersion() const {
    return HostUsesUtf16() ? kRecordVersionWide : kRecordVersionNarrow;
}

uint32_t NKCategoryDef::RecordSize() {
    return HostUsesUtf16() ? kCategorySizeWide : kCategorySizeNarrow;
}

unsigned char* NKCategoryDef::AllocateData() {
    data = HostUsesUtf16() ? wide : narrow;
    return data;
}

__NKBaseData* NKCategoryDef::CreateInstance() const {
    return new (std::nothrow) NKCategoryDef();
}

void NKCategoryDef::CopyDataFrom(const __NKBaseData* other) {
    const auto* category = dynamic_cast<const NKCategoryDef*>(other);
    if (!category || category == this)
        return;
    data = category->HoldsWideLayout() ? wide : narrow;
    std::memcpy(data, category->data, LayoutSize());
    loadedSize = category->loadedSize;
}

bool NKCategoryDef::Load(int16_t item) {
    // A load offers RecordSize bytes; the storage must be the one of that size.
    AllocateData();
    return __NKNoInciOther::Load(item);
}

bool NKCategoryDef::LoadNext() {
    AllocateData();
    return __NKNoInciOther::LoadNext();
}

bool NKCategoryDef::LoadFirst() {
    if (Load(1))
        return true;
    // The host's categories need not begin at 1; its enumeration finds the first one.
    SetKey(0, 0);
    return LoadNext();
}

int16_t NKCategoryDef::Id() const {
    return static_cast<int16_t>(ReadLE16(data, kIdOffset));
}

void NKCategoryDef::SetId(int16_t id) {
    WriteLE16(data, kIdOffset, static_cast<uint16_t>(id));
}

uint16_t NKCategoryDef::TrailingWord() const {
    return ReadLE16(data, LayoutSize() - 2);
}

void NKCategoryDef::GetName(NKString* out) const {
    // The name ends at its terminator, at the end of what was loaded, or at the word after the
    // name field, whichever comes first.
    uint32_t end = LayoutSize() - 2;
    if (loadedSize < end)
        end = loadedSize;
    const uint32_t size = end > kNameOffset ? end - kNameOffset : 0;
    NKRawText::ReadHostText(data + kNameOffset, size, HoldsWideLayout(), out);
}

bool NKCategoryDef::IsIdentical(const __NKBase* other) const {
    const auto* category = dynamic_cast<const NKCategoryDef*>(other);
    if (!category || !__NKNoInciOther::IsIdentical(other))
        return false;
    if (Id() != category->Id() || TrailingWord() != category->TrailingWord())
        return false;
    NKString name;
    NKString otherName;
    GetName(&name);
    category->GetName(&otherName);
    return name.Equals(&otherName);
}
