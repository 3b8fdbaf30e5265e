// A text block record ('SOTX'): names the raw text record that holds a text, and its text
// type. Staff names and expression texts are reached through one.
#pragma once

#include <cstdint>

#include "framework/core/NKString.h"
#include "framework/data/NKNoInciOther.h"

constexpr uint32_t kTextBlockRecordSize = 26;

class NKTextBlock : public __NKNoInciOther {
public:
    // A block of the host's defaults for a new text, ready to save: text type 'bl'.
    NKTextBlock();
    // data points into the object itself; a copy would point into the original.
    NKTextBlock(const NKTextBlock&) = delete;
    NKTextBlock& operator=(const NKTextBlock&) = delete;

    const char* ClassName() const override;

    unsigned char* AllocateData() override;
    __NKBaseData* CreateInstance() const override;
    uint32_t RecordVersion() const override;
    uint32_t RecordSize() override { return kTextBlockRecordSize; }
    void CopyDataFrom(const __NKBaseData* other) override;
    // Deletes the raw text too.
    bool DeleteDeep() override;

    // The raw text's item number.
    int16_t RawTextNumber() const;
    void SetRawTextNumber(int16_t item);
    // Two characters, the first in the high byte ('xp' is 0x7870).
    uint16_t TextType() const;
    void SetTextType(uint16_t type);
    // 'tx' followed by the text type.
    uint32_t RawTextTag() const;
    // Raw texts are tagged 'tx' followed by their two-character text type.
    static constexpr uint32_t RawTextTagFor(uint16_t textType) { return 0x74780000u | textType; }

    // The block's text as a new string (the caller deletes it); empty when this block or its
    // raw text cannot be loaded.
    NKString* CreateRawTextString() const;

protected:
    uint32_t ClassTag() const override;

private:
    unsigned char record[kTextBlockRecordSize] = {};
};
