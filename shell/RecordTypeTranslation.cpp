#include "shell/RecordTypeTranslation.h"

#include <algorithm>
#include <cstring>

#include "framework/core/LittleEndian.h"
#include "shell/HostBridge.h"
#include "shell/HostRecordCalls.h"

namespace translation {
namespace {

// Saves in a record format older than this are the host's own business and pass untranslated.
constexpr uint32_t kFirstTranslatedSaveVersion = 0x08000000;

// A load of this tag starts from a cleared buffer, and a failed host call still counts as a
// success when it left data in that cleared stretch.
constexpr uint32_t kClearedTag = 0x4F096649;
constexpr uint32_t kClearedBytes = 108;

using Record = unsigned char[kOtRecordSize];

int16_t ItemOf(const void* key) {
    return static_cast<int16_t>(ReadLE16(key, 0));
}

// The 8-byte key of an 'ot' record; the four bytes after item and sub-number stay zero.
struct OtKey {
    unsigned char bytes[8] = {};
    OtKey(int16_t item, int16_t sub) {
        WriteLE16(bytes, 0, static_cast<uint16_t>(item));
        WriteLE16(bytes, 2, static_cast<uint16_t>(sub));
    }
};

// Loads one 'ot' record into a block the caller has zero-filled, so that whatever the host
// leaves unwritten (the whole block, when the record is not there) reads as zeros. The block
// is the capacity offered, so even a host that reports more than fitted writes no further.
// The 'ot' tags are in no table: these calls reach the host directly.
void LoadOtRecord(uint32_t otTag, int16_t item, int16_t sub, Record& block) {
    OtKey key(item, sub);
    uint32_t size = kOtRecordSize;
    NX_LoadEData(otTag, key.bytes, block, &size, kOtRecordVersion);
}

void SaveOtRecord(uint32_t otTag, int16_t item, int16_t sub, const unsigned char* block) {
    OtKey key(item, sub);
    NX_SaveEData(otTag, key.bytes, block, kOtRecordSize, kOtRecordVersion);
}

// Item numbers are tested as unsigned after subtracting 1, so 0 and negative items fail.
bool ItemAccepted(const ArrayType& type, int16_t item) {
    if (type.lastItem == 0)
        return true;
    return static_cast<uint16_t>(item - 1) < type.lastItem;
}

int16_t FirstSub(const ArrayType& type, int16_t item) {
    return type.subFromItem ? static_cast<int16_t>(item - 1) : 0;
}

int32_t LoadArray(const ArrayType& type, int16_t item, void* buffer, uint32_t* size) {
    const uint32_t total = type.records * kOtRecordSize;
    if (!size)
        return 0;
    if (!buffer) {
        *size = total;
        return 1;
    }
    if (*size < total)
        return 0;
    auto* out = static_cast<unsigned char*>(buffer);
    const int16_t first = FirstSub(type, item);
    // Each slot gets its record's bytes and zeros after them, however much or little the host
    // says it delivered.
    for (uint16_t i = 0; i < type.records; ++i) {
        Record block = {};
        LoadOtRecord(type.otTag, kOtArrayItem, static_cast<int16_t>(first + i), block);
        std::memcpy(out + i * kOtRecordSize, block, kOtRecordSize);
    }
    *size = total;
    return 1;
}

int32_t SaveArray(const ArrayType& type, int16_t item, const void* buffer, uint32_t size) {
    const uint32_t total = type.records * kOtRecordSize;
    if (!buffer || size < total)
        return 0;
    const auto* in = static_cast<const unsigned char*>(buffer);
    const int16_t first = FirstSub(type, item);
    for (uint16_t i = 0; i < type.records; ++i)
        SaveOtRecord(type.otTag, kOtArrayItem, static_cast<int16_t>(first + i),
                     in + i * kOtRecordSize);
    return 1;
}

// Calls visit(rows, count) once for each distinct 'ot' record the table names, in the order of
// its first row, with the rows that name it: that way each record is read (and written) at
// most once per call, and every field of it is handled on the same block.
template <typename Visit> void ForEachRecord(const FieldTable& table, Visit visit) {
    bool done[kMaxFieldRows] = {};
    const FieldRow* group[kMaxFieldRows];
    for (size_t i = 0; i < table.rows.size(); ++i) {
        if (done[i])
            continue;
        size_t count = 0;
        for (size_t j = i; j < table.rows.size(); ++j) {
            if (!done[j] && table.rows[j].SameRecord(table.rows[i])) {
                done[j] = true;
                group[count++] = &table.rows[j];
            }
        }
        visit(group, count);
    }
}

int32_t LoadFields(const FieldTable& table, void* buffer, uint32_t* size) {
    if (!size)
        return 0;
    if (!buffer) {
        *size = table.structureSize;
        return 1;
    }
    // The size on entry is the buffer's capacity: the fields would not fit.
    if (*size < table.structureSize)
        return 0;
    *size = table.structureSize;
    auto* structure = static_cast<unsigned char*>(buffer);
    // Bytes between fields belong to no record; they come back as zeros.
    std::memset(structure, 0, table.structureSize);
    ForEachRecord(table, [structure](const FieldRow* const* rows, size_t count) {
        Record block = {};
        LoadOtRecord(rows[0]->otTag, rows[0]->item, rows[0]->sub, block);
        for (size_t i = 0; i < count; ++i)
            LoadField(*rows[i], block, structure);
    });
    return 1;
}

// Read, modify, write: the words of a record that belong to no field of this type keep what
// the host holds, and a record whose words all stay the same is not written at all.
int32_t SaveFields(const FieldTable& table, const void* buffer, uint32_t size) {
    if (!buffer || size < table.structureSize)
        return 0;
    const auto* structure = static_cast<const unsigned char*>(buffer);
    ForEachRecord(table, [structure](const FieldRow* const* rows, size_t count) {
        Record block = {};
        LoadOtRecord(rows[0]->otTag, rows[0]->item, rows[0]->sub, block);
        bool changed = false;
        for (size_t i = 0; i < count; ++i)
            changed |= SaveField(*rows[i], structure, block);
        if (changed)
            SaveOtRecord(rows[0]->otTag, rows[0]->item, rows[0]->sub, block);
    });
    return 1;
}

bool PutWord(unsigned char* record, uint8_t word, uint16_t value) {
    if (ReadLE16(record, word * 2u) == value)
        return false;
    WriteLE16(record, word * 2u, value);
    return true;
}

// The special tag's first host call. Gives true when the load should go on as for any other
// tag, and otherwise stores the final result. Only the part of the cleared stretch that the
// caller's capacity covers is touched.
bool LoadClearedTag(void* key, void* buffer, uint32_t* size, uint32_t version, int32_t& result) {
    const uint32_t capacity = size ? *size : 0;
    const uint32_t cleared = std::min(capacity, kClearedBytes);
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::memset(bytes, 0, cleared);
    if (untranslated::NX_LoadEData(kClearedTag, key, buffer, size, version) != 0) {
        // The host reported the record's size; the call that follows must again offer only the
        // buffer's real capacity.
        if (size)
            *size = capacity;
        return true;
    }
    result = std::any_of(bytes, bytes + cleared, [](unsigned char b) { return b != 0; }) ? 1 : 0;
    return false;
}

} // namespace

void LoadField(const FieldRow& row, const unsigned char* record, unsigned char* structure) {
    const uint16_t word = ReadLE16(record, row.word * 2u);
    if (row.size == 4) {
        uint32_t value = 0;
        if (row.code == kHighWordFirst)
            value = (static_cast<uint32_t>(word) << 16) | ReadLE16(record, row.word * 2u + 2);
        else if (row.code == kLowWordFirst)
            value = (static_cast<uint32_t>(ReadLE16(record, row.word * 2u + 2)) << 16) | word;
        WriteLE32(structure, row.offset, value);
        return;
    }
    uint16_t value = word;
    if (row.code == kInvert)
        value = word == 0 ? 1 : 0;
    else if (row.code == kLowByte)
        value = word & 0xFF;
    WriteLE16(structure, row.offset, value);
}

bool SaveField(const FieldRow& row, const unsigned char* structure, unsigned char* record) {
    if (row.size == 4) {
        const uint32_t value = ReadLE32(structure, row.offset);
        const auto high = static_cast<uint16_t>(value >> 16);
        const auto low = static_cast<uint16_t>(value);
        if (row.code != kHighWordFirst && row.code != kLowWordFirst)
            return false;
        const bool highFirst = row.code == kHighWordFirst;
        bool changed = PutWord(record, row.word, highFirst ? high : low);
        changed |= PutWord(record, static_cast<uint8_t>(row.word + 1), highFirst ? low : high);
        return changed;
    }
    const uint16_t field = ReadLE16(structure, row.offset);
    uint16_t value = field;
    if (row.code == kInvert)
        value = field == 0 ? 1 : 0;
    else if (row.code == kLowByte) // sign-extended
        value = static_cast<uint16_t>(static_cast<int16_t>(static_cast<int8_t>(field & 0xFF)));
    return PutWord(record, row.word, value);
}

} // namespace translation

using namespace translation;

int32_t NX_LoadEData(uint32_t tag, void* key, void* buffer, uint32_t* size, uint32_t version) {
    if (tag == kClearedTag && buffer) {
        int32_t result = 0;
        if (!LoadClearedTag(key, buffer, size, version, result))
            return result;
    }
    if (!IsTranslatedTag(tag))
        return untranslated::NX_LoadEData(tag, key, buffer, size, version);
    // Translated types are addressed by their item number.
    if (!key)
        return 0;
    const int16_t item = ItemOf(key);
    if (const FieldTable* table = FindFieldTable(tag, item))
        return LoadFields(*table, buffer, size);
    const ArrayType* type = FindArrayType(tag);
    if (!type || !ItemAccepted(*type, item))
        return 0;
    return LoadArray(*type, item, buffer, size);
}

int32_t NX_SaveEData(uint32_t tag, void* key, const void* buffer, uint32_t size, uint32_t version) {
    if (version < kFirstTranslatedSaveVersion || !IsTranslatedTag(tag))
        return untranslated::NX_SaveEData(tag, key, buffer, size, version);
    if (!key)
        return 0;
    const int16_t item = ItemOf(key);
    if (const FieldTable* table = FindFieldTable(tag, item))
        return SaveFields(*table, buffer, size);
    const ArrayType* type = FindArrayType(tag);
    if (!type || !ItemAccepted(*type, item))
        return 0;
    return SaveArray(*type, item, buffer, size);
}
