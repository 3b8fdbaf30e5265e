#include "framework/data/NKTextBlock.h"

#include <cstring>
#include <new>

#include "framework/core/LittleEndian.h"
#include "framework/core/RecordTag.h"
#include "framework/data/NKRawText.h"
#include "shell/HostBridge.h"

namespace {
constexpr size_t kRawTextOffset = 0;
constexpr size_t kDefaultWordOffset = 8;
constexpr size_t kFlagsOffset = 14;
constexpr size_t kTextTypeOffset = 24;

constexpr uint16_t kDefaultWord = 100;
constexpr uint16_t kDefaultFlags = 0x1A08;
constexpr uint16_t kDefaultTextType = 0x626C; // 'bl'
} // namespace

NKTextBlock::NKTextBlock() {
    WriteLE16(record, kDefaultWordOffset, kDefaultWord);
    WriteLE16(record, kFlagsOffset, kDefaultFlags);
    WriteLE16(record, kTextTypeOffset, kDefaultTextType);
    data = record;
    loadedSize = kTextBlockRecordSize;
}

const char* NKTextBlock::ClassName() const {
    return "NKTextBlock";
}

__NKBaseData* NKTextBlock::CreateInstance() const {
    return new (std::nothrow) NKTextBlock();
}

uint32_t NKTextBlock::ClassTag() const {
    return RecordTagOf("SOTX");
}

uint32_t NKTextBlock::RecordVersion() const {
    return kApiVersion;
}

unsigned char* NKTextBlock::AllocateData() {
    data = record;
    return data;
}

void NKTextBlock::CopyDataFrom(const __NKBaseData* other) {
    const auto* block = dynamic_cast<const NKTextBlock*>(other);
    if (!block || block == this)
        return;
    std::memcpy(record, block->record, kTextBlockRecordSize);
    data = record;
    loadedSize = block->loadedSize;
}

int16_t NKTextBlock::RawTextNumber() const {
    return static_cast<int16_t>(ReadLE16(record, kRawTextOffset));
}

void NKTextBlock::SetRawTextNumber(int16_t item) {
    WriteLE16(record, kRawTextOffset, static_cast<uint16_t>(item));
}

uint16_t NKTextBlock::TextType() const {
    return ReadLE16(record, kTextTypeOffset);
}

void NKTextBlock::SetTextType(uint16_t type) {
    WriteLE16(record, kTextTypeOffset, type);
}

uint32_t NKTextBlock::RawTextTag() const {
    return RawTextTagFor(TextType());
}

NKString* NKTextBlock::CreateRawTextString() const {
    NKRawText text;
    // A block that failed to load holds a stale raw text number; what it names is not
    // this block's text.
    if (loadedSize != 0) {
        text.tagOverride = RawTextTag();
        text.SetItemNumber(RawTextNumber());
        text.LoadCurrent();
    }
    return text.CreateString();
}

bool NKTextBlock::DeleteDeep() {
    NKRawText text;
    text.tagOverride = RawTextTag();
    text.SetItemNumber(RawTextNumber());
    // The raw text goes with its block; whether it was still there does not matter. A block
    // that failed to load names no raw text of its own.
    if (loadedSize != 0 && text.LoadCurrent())
        NX_DeleteEData(text.RecordTag(), text.KeyBytes(), text.RecordVersion());
    return DeleteData();
}
