// A text expression definition ('SODT'): points to the text block of its text, is filed in a
// category, may own an enclosure record under its own item number, and carries a description
// of its own from offset 34 to the end of the record.
#pragma once

#include <cstdint>

#include "framework/core/NKString.h"
#include "framework/data/NKEnclosure.h"
#include "framework/data/NKNoInciOther.h"

// The smallest record the host takes: the fields and an empty description.
constexpr uint32_t kExpressionDefSizeWide = 38;
constexpr uint32_t kExpressionDefSizeNarrow = 36; // hosts before UTF-16 text

constexpr uint16_t kExpressionDefHasEnclosure = 0x0800;
constexpr uint16_t kExpressionDefReferenceInUse = 0x2000;

class NKTextExpressionDef : public __NKNoInciOther {
public:
    // An empty definition, ready to save: all fields zero, no description.
    NKTextExpressionDef();
    // The block is owned: a copy would free it twice.
    NKTextExpressionDef(const NKTextExpressionDef&) = delete;
    NKTextExpressionDef& operator=(const NKTextExpressionDef&) = delete;
    ~NKTextExpressionDef() override;

    const char* ClassName() const override;

    unsigned char* AllocateData() override;
    void FreeData() override;
    bool OwnsDataBlock() const override { return true; }
    __NKBaseData* CreateInstance() const override;
    uint32_t RecordVersion() const override;
    // The stored size, but never less than the smallest record; 0 when there is no record.
    uint32_t RecordSize() override;
    // A definition with an empty description is saved at the smallest size, whatever its
    // block holds after the terminator.
    uint32_t LoadedSize() const override;
    void CopyDataFrom(const __NKBaseData* other) override;
    // Definitions are read by number from 1; a gap left by a deleted one is stepped over
    // with the host's own walk.
    bool LoadFirst() override;
    bool LoadNext() override;
    // Copies the definition under another item number with a new text of its own, and its
    // enclosure with it.
    bool SaveAsDeep(int16_t item) override;
    // Deletes the definition and its enclosure; its text block and raw text stay.
    bool DeleteDeep() override;

    // Fields; all read 0 and ignore writes while there is no block.
    int16_t TextBlockNumber() const;
    void SetTextBlockNumber(int16_t item);
    uint16_t Flags() const;
    void SetFlags(uint16_t flags);
    // Meaningful only while kExpressionDefReferenceInUse is set.
    uint16_t Reference() const;
    // The category number in bits 0 to 13; the host's bits 14 and 15 are kept.
    uint16_t Category() const;
    void SetCategory(uint16_t category);

    // The text the definition shows, as a new string (the caller deletes it); empty when its
    // text block or raw text cannot be loaded.
    NKString* CreateTextString() const;
    // Creates a raw text and a text block for the text and points this definition at them.
    // The definition itself is not saved. A failure may leave the created records behind.
    bool SaveNewText(const NKString* text);
    // Replaces the description, keeping the fields before it. A null string changes nothing.
    void SetDescription(const NKString* text);
    void GetDescription(NKString* out) const;
    // The loaded enclosure (the caller deletes it), or null when the definition has none.
    NKEnclosure* LoadEnclosure() const;

protected:
    uint32_t ClassTag() const override;

private:
    uint32_t SmallestRecord() const;
    // A zero-filled block of at least the smallest wide record, so that every field offset
    // and the first description unit lie inside it whatever the record's own size.
    unsigned char* NewBlock(uint64_t size, uint32_t* allocated) const;
    void UseBlock(unsigned char* block, uint32_t allocated, uint32_t size);
    uint32_t ValidBytes() const { return loadedSize < blockSize ? loadedSize : blockSize; }

    uint32_t blockSize = 0; // bytes in data; loadedSize never exceeds it
};
