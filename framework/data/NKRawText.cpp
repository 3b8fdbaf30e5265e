#include "framework/data/NKRawText.h"

#include <cstring>
#include <new>

#include "framework/core/LittleEndian.h"
#include "framework/core/RecordTag.h"
#include "shell/HostBridge.h"
#include "shell/HostVersion.h"

NKRawText::~NKRawText() {
    NKRawText::FreeData();
}

const char* NKRawText::ClassName() const {
    return "NKRawText";
}

uint32_t NKRawText::ClassTag() const {
    return RecordTagOf("txbl");
}

uint32_t NKRawText::RecordVersion() const {
    return HostVersion();
}

uint32_t NKRawText::RecordSize() {
    uint32_t size = 0;
    if (NX_LoadEData(RecordTag(), key, nullptr, &size, RecordVersion()) == 0)
        return 0;
    return size;
}

unsigned char* NKRawText::AllocateData() {
    FreeData();
    const uint32_t size = RecordSize();
    if (size == 0)
        return nullptr;
    data = new (std::nothrow) unsigned char[size]();
    if (data)
        blockSize = loadedSize = size;
    return data;
}

void NKRawText::FreeData() {
    delete[] data;
    data = nullptr;
    blockSize = 0;
    loadedSize = 0;
}

void NKRawText::CopyDataFrom(const __NKBaseData* other) {
    const auto* text = dynamic_cast<const NKRawText*>(other);
    if (!text || text == this || text->loadedSize == 0 || !text->data)
        return;
    auto* copy = new (std::nothrow) unsigned char[text->loadedSize];
    if (!copy)
        return;
    std::memcpy(copy, text->data, text->loadedSize);
    FreeData();
    data = copy;
    blockSize = text->loadedSize;
    loadedSize = text->loadedSize;
}

bool NKRawText::LoadFirst() {
    SetItemNumber(0);
    return LoadNext();
}

void NKRawText::SetItemNumber(int16_t item) {
    WriteLE16(key, 0, static_cast<uint16_t>(item));
}

bool NKRawText::IsWideText() const {
    return HostUsesUtf16();
}

NKString* NKRawText::CreateString() const {
    auto* text = new (std::nothrow) NKString();
    if (text && data && LoadedSize() != 0) {
        const uint32_t valid = loadedSize < blockSize ? loadedSize : blockSize;
        ReadHostText(data, valid, IsWideText(), text);
    }
    return text;
}

void NKRawText::SetText(const NKString* text) {
    if (!text)
        return;
    FreeData();
    const uint64_t size = HostTextSize(*text, IsWideText());
    if (size > UINT32_MAX)
        return;
    data = new (std::nothrow) unsigned char[static_cast<size_t>(size)];
    if (!data)
        return;
    WriteHostText(*text, IsWideText(), data);
    blockSize = static_cast<uint32_t>(size);
    loadedSize = blockSize;
}

void NKRawText::ReadHostText(const unsigned char* bytes, uint32_t size, bool wide, NKString* out) {
    if (!out)
        return;
    if (!bytes)
        size = 0;
    if (wide) {
        uint32_t units = 0;
        while (units < size / 2 && ReadLE16(bytes, 2 * units) != 0)
            ++units;
        auto* text = new (std::nothrow) char16_t[units + 1];
        if (!text)
            return;
        for (uint32_t i = 0; i < units; ++i)
            text[i] = static_cast<char16_t>(ReadLE16(bytes, 2 * i));
        text[units] = 0;
        out->AssignWide(text);
        delete[] text;
    } else {
        uint32_t count = 0;
        while (count < size && bytes[count] != 0)
            ++count;
        auto* text = new (std::nothrow) char[count + 1];
        if (!text)
            return;
        if (count)
            std::memcpy(text, bytes, count);
        text[count] = 0;
        out->AssignNarrow(text);
        delete[] text;
    }
}

uint64_t NKRawText::HostTextSize(const NKString& text, bool wide) {
    if (wide)
        return (static_cast<uint64_t>(text.Length()) + 1) * 2;
    return std::strlen(text.NarrowText()) + 1;
}

void NKRawText::WriteHostText(const NKString& text, bool wide, unsigned char* room) {
    if (wide) {
        // Units are written whole: one whose low byte is zero does not end the text.
        const char16_t* units = text.WideText();
        for (uint32_t i = 0; i < text.Length(); ++i)
            WriteLE16(room, 2 * static_cast<size_t>(i), units[i]);
        WriteLE16(room, 2 * static_cast<size_t>(text.Length()), 0);
    } else {
        // The narrow view ends at the first zero unit.
        const char* narrow = text.NarrowText();
        std::memcpy(room, narrow, std::strlen(narrow) + 1);
    }
}
