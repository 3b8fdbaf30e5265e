#include "framework/data/NKStaff.h"

#include <cstring>

#include "framework/core/LittleEndian.h"
#include "framework/core/NKString.h"
#include "framework/core/RecordTag.h"
#include "framework/data/NKTextBlock.h"
#include "shell/HostBridge.h"
#include "shell/HostVersion.h"

namespace {

constexpr uint32_t kStaffTag = RecordTagOf("SOIS");
constexpr uint32_t kNameTextBlockOffset = 30;

} // namespace

const char* NKStaff::ClassName() const {
    return "NKStaff";
}

unsigned char* NKStaff::AreaForHost() {
    return const_cast<unsigned char*>(static_cast<const NKStaff*>(this)->AreaForHost());
}

const unsigned char* NKStaff::AreaForHost() const {
    uint32_t host = HostVersion();
    if (host >= kHostVersion12)
        return record12;
    if (host >= kHostVersionUnicode)
        return record11;
    return record0F;
}

unsigned char* NKStaff::AllocateData() {
    data = AreaForHost();
    return data;
}

__NKBaseData* NKStaff::CreateInstance() const {
    return new NKStaff;
}

uint32_t NKStaff::RecordVersion() const {
    uint32_t host = HostVersion();
    if (host >= kHostVersion12)
        return 0x12000000;
    if (host >= kHostVersionUnicode)
        return 0x11000000;
    return 0x0F000000;
}

uint32_t NKStaff::RecordSize() {
    uint32_t host = HostVersion();
    if (host >= kHostVersion12)
        return kStaffRecordSize12;
    if (host >= kHostVersionUnicode)
        return kStaffRecordSize11;
    return kStaffRecordSize0F;
}

void NKStaff::CopyDataFrom(const __NKBaseData* other) {
    const auto* staff = dynamic_cast<const NKStaff*>(other);
    if (!staff || staff == this)
        return;
    uint32_t size = RecordSize();
    data = AreaForHost();
    std::memcpy(data, staff->AreaForHost(), size);
    // The copy holds what the original held: a copy of an object that was never loaded must
    // not become saveable, or it would write a zeroed staff over a real one.
    loadedSize = staff->loadedSize < size ? staff->loadedSize : size;
}

bool NKStaff::LoadFirst() {
    SetKey(0, 0);
    return LoadNext();
}

uint16_t NKStaff::WordAt(uint32_t offset) const {
    if (!data || loadedSize < offset + 2)
        return 0;
    return ReadLE16(data, offset);
}

uint16_t NKStaff::LayoutWord94() const {
    return WordAt(94);
}

uint16_t NKStaff::LayoutWord98() const {
    return WordAt(98);
}

int16_t NKStaff::NameTextBlock() const {
    return static_cast<int16_t>(WordAt(kNameTextBlockOffset));
}

NKString* NKStaff::CreateDisplayName() const {
    if (!data || loadedSize == 0)
        return new NKString;
    if (HostUsesUtf16()) {
        char16_t name[kAutoNumberedNameCapacity] = {};
        if (NX_AutoNumberedName_UTF16(NameTextBlock(), ItemNumber(), name) != 0) {
            // The host is not trusted to terminate a name that fills the whole buffer.
            name[kAutoNumberedNameCapacity - 1] = 0;
            auto* text = new NKString;
            text->AssignWide(name);
            return text;
        }
    }
    return CreateNameFromTextBlock();
}

// What the host's numbered name would show, without the number: the name text without its
// font tags, with the accidental tags spelled as letters an 8-bit text can hold.
NKString* NKStaff::CreateNameFromTextBlock() const {
    NKTextBlock block;
    NKString* text = block.Load(NameTextBlock()) ? block.CreateRawTextString() : nullptr;
    if (!text)
        return new NKString;
    text->RemoveFontTags();
    text->ReplaceAllNarrow("^flat()", "b");
    text->ReplaceAllNarrow("^sharp()", "#");
    return text;
}

uint32_t NKStaff::ClassTag() const {
    return kStaffTag;
}
