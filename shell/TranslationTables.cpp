#include "shell/TranslationTables.h"

namespace translation {
namespace {

// clang-format off
constexpr ArrayType kArrayTypes[] = {
    // pf tag      ot tag       records  last item (0: any)  first sub-number is item - 1
    {Tag("pfGD"), Tag("ot79"),  1,       0,                  false},
    {Tag("pfGG"), Tag("ot88"), 11,       0,                  false},
    {Tag("pfGb"), Tag("ot98"),  1,       4,                  true},
    {Tag("pfGd"), Tag("ot80"),  1,       0,                  false},
    {Tag("pfGs"), Tag("ot91"),  1,       1,                  false},
    {Tag("pfMM"), Tag("ot25"),  2,       0,                  false},
    {Tag("pfND"), Tag("ot04"),  1,       0,                  false},
    {Tag("pfNd"), Tag("ot66"),  1,       0,                  false},
    {Tag("pfPF"), Tag("ot77"),  4,       1,                  false}, // item 0 is field-mapped
    {Tag("pfSC"), Tag("ot52"),  2,       0,                  false},
    {Tag("pfSN"), Tag("ot40"),  1,     128,                  true},
    {Tag("pfSP"), Tag("ot94"),  3,       0,                  false},
    {Tag("pfSl"), Tag("ot26"),  1,      15,                  true},
    {Tag("pfTC"), Tag("ot86"),  5,       0,                  false},
    {Tag("pfTI"), Tag("ot84"),  4,       0,                  false},
    {Tag("pfTX"), Tag("ot78"),  8,       0,                  false},
    {Tag("pfTp"), Tag("ot85"),  4,       0,                  false},
    {Tag("pfTs"), Tag("ot90"),  1,       9,                  true},
};
// clang-format on

// Field rows. The order of the rows is kept as it is, also where offsets do not ascend: it
// decides the order in which the 'ot' records are read and written.
constexpr FieldRow kPfPFRows[] = {
    Field(0, "ot14", 0).Long().Code(1),
    Field(4, "ot15", 2).Long().Code(1),
    Field(8, "ot39", 2),
    Field(10, "ot16", 0),
    Field(12, "ot16", 1),
    Field(14, "ot16", 2),
    Field(16, "ot16", 3),
    Field(18, "ot02", 0),
    Field(20, "ot02", 1),
    Field(22, "ot02", 2),
    Field(24, "ot02", 3),
    Field(26, "ot17", 0),
    Field(28, "ot17", 1),
    Field(30, "ot17", 3),
    Field(32, "ot17", 2),
    Field(34, "ot01", 4),
    Field(36, "ot02", 4),
    Field(38, "ot13", 5),
    Field(40, "ot13", 4),
    Field(42, "ot02", 5),
    Field(44, "ot03", 0),
    Field(46, "ot03", 1),
};

constexpr FieldRow kPfSIRows[] = {
    Field(0, "ot67", 2),
    Field(2, "ot58", 4),
    Field(4, "ot68", 2).Long().Code(1),
    Field(8, "ot62", 4).Long().Code(1),
    Field(12, "ot03", 3),
    Field(14, "ot23", 0),
    Field(16, "ot14", 2),
    Field(18, "ot64", 1),
    Field(20, "ot27", 3),
    Field(22, "ot58", 5),
    Field(24, "ot59", 0),
    Field(26, "ot59", 1),
    Field(28, "ot01", 2),
    Field(30, "ot59", 2),
    Field(32, "ot01", 3),
    Field(34, "ot97", 0).Long().Code(1),
    Field(38, "ot20", 4),
    Field(40, "ot20", 5),
    Field(42, "ot03", 2),
    Field(44, "ot21", 2),
    Field(46, "ot64", 5),
    Field(48, "ot97", 2).Long().Code(1),
    Field(52, "ot69", 0),
};

constexpr FieldRow kPfEXRows[] = {
    Field(0, "ot77", 1).At(0, 4),  Field(2, "ot77", 2).At(0, 4),  Field(4, "ot77", 3).At(0, 4),
    Field(6, "ot77", 4).At(0, 4),  Field(8, "ot77", 5).At(0, 4),  Field(10, "ot77", 0).At(0, 5),
    Field(12, "ot77", 1).At(0, 5), Field(14, "ot77", 2).At(0, 5), Field(16, "ot77", 3).At(0, 5),
    Field(18, "ot77", 4).At(0, 5), Field(20, "ot77", 5).At(0, 5), Field(22, "ot77", 0).At(0, 6),
    Field(24, "ot77", 1).At(0, 6), Field(26, "ot77", 2).At(0, 6), Field(28, "ot77", 3).At(0, 6),
    Field(30, "ot77", 4).At(0, 6), Field(32, "ot77", 5).At(0, 6), Field(34, "ot77", 0).At(0, 7),
    Field(36, "ot77", 1).At(0, 7), Field(38, "ot77", 2).At(0, 7), Field(40, "ot77", 3).At(0, 7),
    Field(46, "ot77", 4).At(0, 7), Field(48, "ot77", 5).At(0, 7), Field(42, "ot77", 0).At(0, 8),
    Field(44, "ot77", 1).At(0, 8),
};

constexpr FieldRow kPfPBRows[] = {
    Field(0, "ot65", 2).Long().Code(1),  Field(4, "ot60", 2).Long().Code(1),
    Field(8, "ot65", 4).Long().Code(1),  Field(12, "ot60", 4).Long().Code(1),
    Field(16, "ot61", 0).Long().Code(1), Field(20, "ot61", 2).Long().Code(1),
    Field(24, "ot61", 4).Long().Code(1), Field(28, "ot60", 0).Long().Code(1),
    Field(32, "ot64", 2).Long().Code(1), Field(36, "ot45", 2).Long().Code(1),
    Field(40, "ot45", 4).Long().Code(1),
};

constexpr FieldRow kPfSSRows[] = {
    Field(0, "ot92", 0),
    Field(2, "ot92", 1),
    Field(4, "ot92", 2),
    Field(6, "ot92", 3),
    Field(8, "otFI", 0).At(11, 0),
    Field(10, "otFI", 1).At(11, 0),
    Field(12, "otFI", 4).At(12, 0),
    Field(14, "otFI", 4).At(11, 0),
    Field(16, "otFI", 0).At(12, 0).Long().Code(1),
    Field(20, "otFI", 2).At(12, 0).Long().Code(1),
    Field(24, "otFI", 2).At(11, 0),
    Field(26, "otFI", 5).At(11, 0),
    Field(28, "ot12", 5).Code(4),
    Field(32, "ot11", 5).Code(4),
    Field(36, "ot69", 4).Code(4),
    Field(40, "ot69", 5).Code(4),
    Field(44, "ot69", 2).Code(4),
    Field(48, "ot69", 3).Code(4),
    Field(52, "ot51", 5),
    Field(54, "ot53", 5),
    Field(56, "ot51", 4),
    Field(58, "ot53", 4),
    Field(60, "ot50", 4),
    Field(62, "ot53", 0).At(0, 1),
    Field(64, "ot53", 1).At(0, 1),
    Field(66, "ot53", 2).At(0, 1),
    Field(68, "ot53", 3).At(0, 1),
    Field(70, "ot51", 0).Long().Code(1),
    Field(74, "ot51", 2).Long().Code(1),
    Field(78, "ot53", 2),
    Field(80, "ot53", 0),
    Field(82, "ot53", 1),
    Field(84, "ot93", 0).Long().Code(1),
    Field(88, "ot53", 3),
    Field(90, "ot50", 5),
    Field(92, "ot50", 0),
    Field(94, "ot50", 1),
    Field(96, "ot50", 2),
    Field(98, "ot50", 3),
    Field(100, "ot97", 0).At(0, 1),
    Field(102, "ot97", 1).At(0, 1),
    Field(104, "ot97", 2).At(0, 1),
    Field(106, "ot97", 3).At(0, 1),
};

constexpr FieldRow kPfPLRows[] = {
    Field(0, "ot13", 1), Field(2, "ot39", 3),  Field(4, "ot36", 0),  Field(6, "ot36", 5),
    Field(8, "ot37", 0), Field(10, "ot37", 1), Field(12, "ot37", 2),
};

constexpr FieldRow kPfMSRows[] = {
    Field(0, "ot36", 4),
    Field(2, "ot03", 4),
    Field(4, "ot03", 5),
    Field(6, "ot09", 5),
    Field(8, "ot36", 2),
    Field(10, "ot36", 3),
    Field(12, "ot36", 1).Code(3),
    Field(14, "ot41", 0),
    Field(16, "ot41", 1),
    Field(18, "ot20", 0),
    Field(20, "ot27", 1),
    Field(22, "ot01", 0),
    Field(24, "ot13", 2),
    Field(26, "ot15", 4),
    Field(28, "ot27", 0),
    Field(30, "ot27", 4),
    Field(32, "ot44", 4),
    Field(34, "ot27", 2),
    Field(36, "ot12", 2),
    Field(38, "ot12", 3),
    Field(40, "ot12", 1),
    Field(42, "ot41", 1).At(0, 2),
    Field(44, "ot23", 1),
    Field(46, "ot19", 2),
    Field(48, "ot19", 3),
    Field(50, "ot31", 5),
    Field(52, "ot19", 4).Code(4),
    Field(54, "ot19", 5).Code(4),
    Field(56, "ot44", 3),
    Field(58, "ot05", 4),
    Field(60, "ot05", 5),
    Field(62, "ot13", 0),
    Field(64, "ot41", 5),
    Field(66, "ot12", 4),
    Field(68, "ot01", 1),
    Field(70, "ot93", 4),
    Field(72, "ot76", 4),
    Field(74, "ot93", 2),
    Field(76, "ot76", 3),
    Field(78, "ot17", 5),
    Field(80, "ot23", 4),
    Field(82, "ot16", 5),
    Field(84, "ot62", 0).Long().Code(1),
    Field(88, "ot62", 2).Long().Code(1),
    Field(92, "ot41", 0).At(0, 2),
    Field(94, "ot41", 2),
    Field(96, "ot41", 3).At(0, 1).Long().Code(1),
    Field(100, "ot76", 5),
    Field(102, "otFI", 2).At(10, 0),
};

constexpr FieldRow kPfDPRows[] = {
    Field(0, "ot21", 3),
    Field(2, "ot21", 5),
    Field(4, "ot59", 3),
    Field(6, "ot59", 4),
    Field(8, "ot22", 1),
    Field(10, "ot22", 2),
    Field(12, "ot22", 3),
    Field(14, "ot67", 3),
    Field(16, "ot67", 4),
    Field(18, "ot68", 4).Long().Code(1),
    Field(22, "ot20", 1),
    Field(24, "ot20", 2),
    Field(26, "ot13", 3),
    Field(28, "ot19", 0),
    Field(30, "ot19", 1),
    Field(32, "ot68", 0),
    Field(34, "ot21", 1),
    Field(36, "ot68", 1),
    Field(38, "ot21", 0),
    Field(40, "ot27", 5),
    Field(42, "ot18", 0),
    Field(44, "ot18", 2),
    Field(46, "ot18", 1),
    Field(48, "ot21", 4),
    Field(50, "ot39", 0),
    Field(52, "ot39", 1),
    Field(54, "ot65", 0).Long().Code(1),
    Field(58, "ot67", 1),
    Field(60, "ot18", 5),
    Field(62, "ot67", 0),
    Field(64, "ot18", 3),
    Field(66, "ot18", 4),
    Field(68, "ot14", 4),
    Field(70, "ot14", 5),
    Field(74, "ot01", 5),
    Field(72, "ot77", 0).At(0, 4),
};

constexpr FieldRow kPfRPRows[] = {
    Field(0, "ot70", 0),  Field(2, "ot70", 1),  Field(4, "ot70", 2),  Field(6, "ot70", 3),
    Field(8, "ot70", 4),  Field(10, "ot70", 5), Field(12, "ot71", 0), Field(14, "ot71", 1),
    Field(16, "ot71", 2), Field(18, "ot71", 3), Field(20, "ot71", 4), Field(22, "ot71", 5),
    Field(24, "ot05", 3), Field(26, "ot72", 0), Field(28, "ot76", 2), Field(30, "ot72", 1),
    Field(32, "ot72", 2), Field(34, "ot72", 3), Field(36, "ot72", 4), Field(38, "ot72", 5),
};

constexpr FieldRow kPf05Rows[] = {
    Field(0, "ot69", 1),  Field(2, "ot20", 3),           Field(4, "ot39", 5),
    Field(6, "ot38", 5),  Field(8, "ot39", 4),           Field(10, "ot23", 5),
    Field(12, "ot56", 4), Field(14, "ot41", 2).At(0, 2), Field(16, "ot41", 3).At(0, 2),
    Field(18, "ot94", 4), Field(20, "ot94", 2).At(0, 2),
};

template <size_t N> constexpr FieldRows Rows(const FieldRow (&rows)[N]) {
    return {rows, N};
}

template <size_t N> constexpr uint32_t Extent(const FieldRow (&rows)[N]) {
    uint32_t extent = 0;
    for (const FieldRow& row : rows)
        if (row.offset + row.size > extent)
            extent = row.offset + row.size;
    return extent;
}

template <size_t N> constexpr FieldTable Table(uint32_t pfTag, const FieldRow (&rows)[N]) {
    return {pfTag, false, Rows(rows), Extent(rows)};
}

constexpr FieldTable kFieldTables[] = {
    {Tag("pfPF"), true, Rows(kPfPFRows), Extent(kPfPFRows)},
    Table(Tag("pfSI"), kPfSIRows),
    Table(Tag("pfEX"), kPfEXRows),
    Table(Tag("pfPB"), kPfPBRows),
    Table(Tag("pfSS"), kPfSSRows),
    Table(Tag("pfPL"), kPfPLRows),
    Table(Tag("pfMS"), kPfMSRows),
    Table(Tag("pfDP"), kPfDPRows),
    Table(Tag("pfRP"), kPfRPRows),
    Table(Tag("pf05"), kPf05Rows),
};

// Checks of the tables as written, made by the compiler.

constexpr bool RowsAreWellFormed() {
    for (const FieldTable& table : kFieldTables) {
        if (table.rows.size() > kMaxFieldRows)
            return false;
        for (const FieldRow& row : table.rows) {
            if (row.size != 2 && row.size != 4)
                return false;
            if (row.word + row.size / 2 > kOtRecordWords)
                return false;
        }
    }
    return true;
}
static_assert(RowsAreWellFormed(), "a field must lie within its 12-byte record");

constexpr bool Overlap(uint32_t a, uint32_t aLength, uint32_t b, uint32_t bLength) {
    return a < b + bLength && b < a + aLength;
}

// Two fields of one structure sharing bytes would make a load depend on row order.
constexpr bool FieldsAreDisjoint() {
    for (const FieldTable& table : kFieldTables)
        for (size_t i = 0; i < table.rows.size(); ++i)
            for (size_t j = i + 1; j < table.rows.size(); ++j)
                if (Overlap(table.rows[i].offset, table.rows[i].size, table.rows[j].offset,
                            table.rows[j].size))
                    return false;
    return true;
}
static_assert(FieldsAreDisjoint(), "two fields of a structure overlap");

// No word of an 'ot' record belongs to two fields, in one table or across tables, so saving
// one type never overwrites a field of another.
constexpr bool RecordWordsAreDisjoint() {
    constexpr size_t tableCount = sizeof(kFieldTables) / sizeof(kFieldTables[0]);
    for (size_t t = 0; t < tableCount; ++t)
        for (size_t i = 0; i < kFieldTables[t].rows.size(); ++i)
            for (size_t u = t; u < tableCount; ++u)
                for (size_t j = u == t ? i + 1 : 0; j < kFieldTables[u].rows.size(); ++j) {
                    const FieldRow& a = kFieldTables[t].rows[i];
                    const FieldRow& b = kFieldTables[u].rows[j];
                    if (a.SameRecord(b) && Overlap(a.word, a.size / 2u, b.word, b.size / 2u))
                        return false;
                }
    return true;
}
static_assert(RecordWordsAreDisjoint(), "two fields share a word of an 'ot' record");

// Every translated type's tag starts with "pf": the other tags, which almost every load
// names, are told apart without walking the tables.
constexpr bool HasTranslatedPrefix(uint32_t tag) {
    return (tag >> 16) == (Tag("pf  ") >> 16);
}

constexpr bool EveryTagHasTranslatedPrefix() {
    for (const ArrayType& type : kArrayTypes)
        if (!HasTranslatedPrefix(type.pfTag))
            return false;
    for (const FieldTable& table : kFieldTables)
        if (!HasTranslatedPrefix(table.pfTag))
            return false;
    return true;
}
static_assert(EveryTagHasTranslatedPrefix(), "a translated tag without the \"pf\" prefix");

} // namespace

const ArrayType* FindArrayType(uint32_t pfTag) {
    for (const ArrayType& type : kArrayTypes)
        if (type.pfTag == pfTag)
            return &type;
    return nullptr;
}

const FieldTable* FindFieldTable(uint32_t pfTag, int16_t item) {
    for (const FieldTable& table : kFieldTables)
        if (table.pfTag == pfTag)
            return table.onlyItemZero && item != 0 ? nullptr : &table;
    return nullptr;
}

bool IsTranslatedTag(uint32_t tag) {
    return HasTranslatedPrefix(tag) && (FindArrayType(tag) || FindFieldTable(tag, 0));
}

FieldTableList FieldTables() {
    return {kFieldTables, sizeof(kFieldTables) / sizeof(kFieldTables[0])};
}

} // namespace translation
