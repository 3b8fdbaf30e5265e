// The 'pf' record types the host does not keep under their own tag. The host stores each of
// them as 12-byte 'ot' records instead, in one of two ways:
// - array types: the 'pf' record is a run of consecutive 'ot' records under item -2;
// - field-mapped types: the 'pf' record is a structure whose 2- and 4-byte fields lie scattered
//   over words of several 'ot' records, one row per field.
// The tables are constant; the translation keeps its working state in each call.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/core/RecordTag.h"

namespace translation {

constexpr uint32_t Tag(const char (&text)[5]) {
    return RecordTagOf(text);
}

// Every 'ot' record is exchanged as 12 bytes (six little-endian words) in this format version,
// whatever version the 'pf' call was made in.
constexpr uint32_t kOtRecordSize = 12;
constexpr uint32_t kOtRecordWords = kOtRecordSize / 2;
constexpr uint32_t kOtRecordVersion = 0x12050000;
// The item number under which the records of array types, and most mapped fields, are kept.
constexpr int16_t kOtArrayItem = -2;

struct ArrayType {
    uint32_t pfTag;
    uint32_t otTag;
    uint16_t records;
    // Items 1 to lastItem are accepted, 0 accepts every item.
    uint16_t lastItem;
    // The first record's sub-number is the item number minus 1 rather than 0.
    bool subFromItem;
};

// How a field's value and its record's words correspond.
enum ConversionCode : uint8_t {
    kCopyWord = 0,      // 2-byte field: the word itself (so is any code not named here)
    kHighWordFirst = 1, // 4-byte field: word[i] is the high half, word[i + 1] the low half
    kLowWordFirst = 2,  // 4-byte field: word[i + 1] is the high half, word[i] the low half
    kInvert = 3,        // 2-byte field: 0 and non-zero swap, as 1 and 0
    kLowByte = 4,       // 2-byte field: only the low byte is kept
};

struct FieldRow {
    uint32_t otTag;
    int16_t item; // of the 'ot' record itself: the table's item 0 stands for kOtArrayItem
    int16_t sub;
    uint16_t offset; // of the field in the 'pf' structure
    uint8_t word;    // index of the record's word where the field starts
    uint8_t size;    // 2 or 4 bytes
    uint8_t code;    // ConversionCode; a 4-byte field with any code but 1 or 2 carries nothing

    // Builders, so a table reads like a list of fields.
    constexpr FieldRow At(int16_t tableItem, int16_t subNumber) const {
        FieldRow row = *this;
        row.item = tableItem == 0 ? kOtArrayItem : tableItem;
        row.sub = subNumber;
        return row;
    }
    constexpr FieldRow Long() const {
        FieldRow row = *this;
        row.size = 4;
        return row;
    }
    constexpr FieldRow Code(uint8_t conversion) const {
        FieldRow row = *this;
        row.code = conversion;
        return row;
    }
    constexpr bool SameRecord(const FieldRow& other) const {
        return otTag == other.otTag && item == other.item && sub == other.sub;
    }
};

// A 2-byte field at the given structure offset, in the given word of the 'ot' record
// (item -2, sub-number 0 unless At says otherwise).
constexpr FieldRow Field(uint16_t offset, const char (&otTag)[5], uint8_t word) {
    return FieldRow{Tag(otTag), kOtArrayItem, 0, offset, word, 2, kCopyWord};
}

// The rows of one table, in their order, which is the order the records are visited in.
struct FieldRows {
    const FieldRow* first;
    size_t count;
    constexpr const FieldRow* begin() const { return first; }
    constexpr const FieldRow* end() const { return first + count; }
    constexpr size_t size() const { return count; }
    constexpr const FieldRow& operator[](size_t i) const { return first[i]; }
};

constexpr size_t kMaxFieldRows = 64;

struct FieldTable {
    uint32_t pfTag;
    // Only item 0 of the type is field-mapped; its other items are an array type or nothing.
    bool onlyItemZero;
    FieldRows rows;
    // Bytes up to the end of the farthest field, which is what a buffer must hold. Where a
    // table leaves gaps between its fields this is more than the sum of the field sizes.
    uint32_t structureSize;
};

const ArrayType* FindArrayType(uint32_t pfTag);
// The table for this item of the type, or null when the item is not field-mapped.
const FieldTable* FindFieldTable(uint32_t pfTag, int16_t item);
// True for every tag of either kind, whatever its item numbers.
bool IsTranslatedTag(uint32_t tag);

struct FieldTableList {
    const FieldTable* first;
    size_t count;
    constexpr const FieldTable* begin() const { return first; }
    constexpr const FieldTable* end() const { return first + count; }
    constexpr size_t size() const { return count; }
};
FieldTableList FieldTables();

} // namespace translation
