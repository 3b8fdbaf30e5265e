// A raw text record: the characters of a text, zero-terminated, in a heap block of the
// record's own size. The tag is 'tx' followed by the text type; the class's own 'txbl' is only
// a default, callers set tagOverride to the type they need. Never a collection element.
#pragma once

#include <cstdint>

#include "framework/core/NKString.h"
#include "framework/data/NKBaseData.h"

class NKRawText : public __NKBaseData {
public:
    NKRawText() = default;
    // The block is owned: a copy would free it twice.
    NKRawText(const NKRawText&) = delete;
    NKRawText& operator=(const NKRawText&) = delete;
    ~NKRawText() override;

    const char* ClassName() const override;

    unsigned char* AllocateData() override;
    void FreeData() override;
    bool OwnsDataBlock() const override { return true; }
    __NKBaseData* CreateInstance() const override { return nullptr; }
    // Raw text is exchanged in the host's own version.
    uint32_t RecordVersion() const override;
    // The stored size as the host reports it; 0 when there is no such record.
    uint32_t RecordSize() override;
    void CopyDataFrom(const __NKBaseData* other) override;
    // Enumerates from the host's first text of the type, whatever its number.
    bool LoadFirst() override;

    virtual void SetItemNumber(int16_t item);
    // UTF-16 text from host version 0x11000000 on, 8-bit before.
    virtual bool IsWideText() const;
    virtual int16_t ItemNumber() const { return KeyItem(); }

    // A new string (the caller deletes it), empty when nothing is loaded.
    NKString* CreateString() const;
    // Replaces the block with the text and its terminator. A null string changes nothing.
    void SetText(const NKString* text);

    // Host text stored in a record: reads up to the first zero unit (or byte), never beyond
    // size bytes, so a text that lost its terminator cannot lead past the record. A trailing
    // odd byte of UTF-16 text is not a unit and is ignored.
    static void ReadHostText(const unsigned char* bytes, uint32_t size, bool wide, NKString* out);
    // The bytes WriteHostText writes: the units (UTF-16) or the narrow text (8-bit), with the
    // terminator.
    static uint64_t HostTextSize(const NKString& text, bool wide);
    // Writes the text and its terminator; room must hold HostTextSize bytes.
    static void WriteHostText(const NKString& text, bool wide, unsigned char* room);

protected:
    uint32_t ClassTag() const override;

private:
    uint32_t blockSize = 0; // bytes in data; loadedSize never exceeds it
};
