#include "framework/data/NKTextExpressionDef.h"

#include <climits>
#include <cstring>
#include <memory>
#include <new>

#include "framework/core/LittleEndian.h"
#include "framework/core/RecordTag.h"
#include "framework/data/NKRawText.h"
#include "framework/data/NKTextBlock.h"
#include "shell/HostBridge.h"
#include "shell/HostVersion.h"

namespace {
constexpr size_t kTextBlockOffset = 0;
constexpr size_t kReferenceOffset = 4;
constexpr size_t kFlagsOffset = 10;
constexpr size_t kCategoryOffset = 26;
constexpr size_t kDescriptionOffset = 34;

constexpr uint16_t kCategoryMask = 0x3FFF;
constexpr uint32_t kOldHostRecordVersion = 0x0F000000;
constexpr uint16_t kExpressionTextType = 0x7870; // 'xp'
} // namespace

NKTextExpressionDef::NKTextExpressionDef() {
    uint32_t allocated = 0;
    if (unsigned char* block = NewBlock(SmallestRecord(), &allocated))
        UseBlock(block, allocated, SmallestRecord());
}

NKTextExpressionDef::~NKTextExpressionDef() {
    NKTextExpressionDef::FreeData();
}

const char* NKTextExpressionDef::ClassName() const {
    return "NKTextExpressionDef";
}

__NKBaseData* NKTextExpressionDef::CreateInstance() const {
    return new (std::nothrow) NKTextExpressionDef();
}

uint32_t NKTextExpressionDef::ClassTag() const {
    return RecordTagOf("SODT");
}

uint32_t NKTextExpressionDef::SmallestRecord() const {
    return HostUsesUtf16() ? kExpressionDefSizeWide : kExpressionDefSizeNarrow;
}

uint32_t NKTextExpressionDef::RecordVersion() const {
    return HostUsesUtf16() ? kApiVersion : kOldHostRecordVersion;
}

unsigned char* NKTextExpressionDef::NewBlock(uint64_t size, uint32_t* allocated) const {
    if (size < kExpressionDefSizeWide)
        size = kExpressionDefSizeWide;
    if (size > UINT32_MAX)
        return nullptr;
    auto* block = new (std::nothrow) unsigned char[static_cast<size_t>(size)]();
    if (block)
        *allocated = static_cast<uint32_t>(size);
    return block;
}

void NKTextExpressionDef::UseBlock(unsigned char* block, uint32_t allocated, uint32_t size) {
    delete[] data;
    data = block;
    blockSize = allocated;
    loadedSize = size < allocated ? size : allocated;
}

uint32_t NKTextExpressionDef::RecordSize() {
    uint32_t size = 0;
    if (NX_LoadEData(RecordTag(), key, nullptr, &size, RecordVersion()) == 0)
        return 0;
    return size < SmallestRecord() ? SmallestRecord() : size;
}

unsigned char* NKTextExpressionDef::AllocateData() {
    FreeData();
    const uint32_t size = RecordSize();
    if (size == 0)
        return nullptr;
    uint32_t allocated = 0;
    unsigned char* block = NewBlock(size, &allocated);
    if (!block)
        return nullptr;
    UseBlock(block, allocated, size);
    return data;
}

void NKTextExpressionDef::FreeData() {
    delete[] data;
    data = nullptr;
    blockSize = 0;
    loadedSize = 0;
}

uint32_t NKTextExpressionDef::LoadedSize() const {
    if (!data || loadedSize == 0)
        return loadedSize;
    // The block always reaches past offset 35, so these reads are safe even for a record
    // that ended before its description.
    const bool emptyDescription =
        HostUsesUtf16() ? ReadLE16(data, kDescriptionOffset) == 0 : data[kDescriptionOffset] == 0;
    return emptyDescription ? SmallestRecord() : loadedSize;
}

void NKTextExpressionDef::CopyDataFrom(const __NKBaseData* other) {
    const auto* definition = dynamic_cast<const NKTextExpressionDef*>(other);
    if (!definition || definition == this || definition->loadedSize == 0 || !definition->data)
        return;
    const uint32_t size = definition->ValidBytes();
    uint32_t allocated = 0;
    unsigned char* block = NewBlock(size, &allocated);
    if (!block)
        return;
    std::memcpy(block, definition->data, size);
    UseBlock(block, allocated, size);
}

bool NKTextExpressionDef::LoadFirst() {
    if (Load(1))
        return true;
    SetKey(0, 0);
    return __NKNoInciOther::LoadNext();
}

// Definitions are read by number, one after the other. A deleted definition leaves a gap
// (deleting a staff set deletes its name record), and the definitions behind it must stay
// visible, or their set names would be lost: the host's own walk steps over the gap.
bool NKTextExpressionDef::LoadNext() {
    if (ItemNumber() == SHRT_MAX)
        return false;
    if (Load(static_cast<int16_t>(ItemNumber() + 1)))
        return true;
    return __NKNoInciOther::LoadNext();
}

int16_t NKTextExpressionDef::TextBlockNumber() const {
    return data ? static_cast<int16_t>(ReadLE16(data, kTextBlockOffset)) : 0;
}

void NKTextExpressionDef::SetTextBlockNumber(int16_t item) {
    if (data)
        WriteLE16(data, kTextBlockOffset, static_cast<uint16_t>(item));
}

uint16_t NKTextExpressionDef::Flags() const {
    return data ? ReadLE16(data, kFlagsOffset) : 0;
}

void NKTextExpressionDef::SetFlags(uint16_t flags) {
    if (data)
        WriteLE16(data, kFlagsOffset, flags);
}

uint16_t NKTextExpressionDef::Reference() const {
    return data ? ReadLE16(data, kReferenceOffset) : 0;
}

uint16_t NKTextExpressionDef::Category() const {
    return data ? static_cast<uint16_t>(ReadLE16(data, kCategoryOffset) & kCategoryMask) : 0;
}

void NKTextExpressionDef::SetCategory(uint16_t category) {
    if (!data)
        return;
    const uint16_t hostBits = ReadLE16(data, kCategoryOffset) & ~kCategoryMask;
    WriteLE16(data, kCategoryOffset, static_cast<uint16_t>(hostBits | (category & kCategoryMask)));
}

NKString* NKTextExpressionDef::CreateTextString() const {
    NKTextBlock block;
    NKRawText text;
    if (data && block.Load(TextBlockNumber())) {
        // Expression texts are always read as type 'xp', whatever the block says.
        text.tagOverride = NKTextBlock::RawTextTagFor(kExpressionTextType);
        text.SetItemNumber(block.RawTextNumber());
        text.LoadCurrent();
    }
    return text.CreateString();
}

bool NKTextExpressionDef::SaveNewText(const NKString* string) {
    // Without a record to point at them the new text records would only be left behind.
    if (!string || !data || loadedSize == 0)
        return false;
    NKRawText text;
    text.tagOverride = NKTextBlock::RawTextTagFor(kExpressionTextType);
    text.SetText(string);
    if (!text.HasData())
        return false;
    text.SetKey(-1, -1); // the host numbers the new text
    if (NX_CreateEData(text.RecordTag(), text.KeyBytes(), text.Data(), text.LoadedSize(),
                       text.RecordVersion()) == 0)
        return false;
    NKTextBlock block;
    block.SetRawTextNumber(text.ItemNumber());
    block.SetTextType(kExpressionTextType);
    if (!block.SaveNew())
        return false;
    SetTextBlockNumber(block.ItemNumber());
    return true;
}

void NKTextExpressionDef::SetDescription(const NKString* string) {
    if (!string)
        return;
    const bool wide = HostUsesUtf16();
    // The fields, then the text and its terminator, then one spare byte on 8-bit hosts.
    const uint64_t size =
        kDescriptionOffset + 2 + static_cast<uint64_t>(string->Length()) * (wide ? 2 : 1);
    uint32_t allocated = 0;
    unsigned char* block = NewBlock(size, &allocated);
    if (!block)
        return;
    if (data)
        std::memcpy(block, data, kDescriptionOffset);
    NKRawText::WriteHostText(*string, wide, block + kDescriptionOffset);
    const auto recordSize = static_cast<uint32_t>(size);
    UseBlock(block, allocated, recordSize < SmallestRecord() ? SmallestRecord() : recordSize);
}

void NKTextExpressionDef::GetDescription(NKString* out) const {
    if (!out)
        return;
    const uint32_t valid = data ? ValidBytes() : 0;
    const uint32_t size = valid > kDescriptionOffset ? valid - kDescriptionOffset : 0;
    NKRawText::ReadHostText(data ? data + kDescriptionOffset : nullptr, size, HostUsesUtf16(), out);
}

NKEnclosure* NKTextExpressionDef::LoadEnclosure() const {
    if ((Flags() & kExpressionDefHasEnclosure) == 0)
        return nullptr;
    auto* enclosure = new (std::nothrow) NKEnclosure();
    if (enclosure && !enclosure->Load(ItemNumber())) {
        delete enclosure;
        return nullptr;
    }
    return enclosure;
}

bool NKTextExpressionDef::SaveAsDeep(int16_t item) {
    if (loadedSize == 0)
        return false;
    NKString* text = CreateTextString();
    if (!text)
        return false;
    const bool textSaved = SaveNewText(text);
    delete text;
    // Without a text of its own the copy would share this definition's text block.
    if (!textSaved)
        return false;
    std::unique_ptr<NKEnclosure> enclosure(LoadEnclosure());
    if (enclosure && !enclosure->SaveAs(item))
        return false;
    return SaveAs(item);
}

bool NKTextExpressionDef::DeleteDeep() {
    if (loadedSize == 0)
        return false;
    std::unique_ptr<NKEnclosure> enclosure(LoadEnclosure());
    // The host is told the reference is no longer in use before the record goes. The exact
    // bytes are kept so that a refused delete leaves the record as it was.
    const uint16_t reference = Reference();
    const uint16_t flags = Flags();
    WriteLE16(data, kReferenceOffset, 0);
    SetFlags(flags & static_cast<uint16_t>(~kExpressionDefReferenceInUse));
    const auto restore = [&] {
        WriteLE16(data, kReferenceOffset, reference);
        SetFlags(flags);
    };
    if (!Save()) {
        restore();
        return false;
    }
    if (DeleteData()) {
        if (enclosure)
            enclosure->DeleteData();
        return true;
    }
    restore();
    Save();
    return false;
}
