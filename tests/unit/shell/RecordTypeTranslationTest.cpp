// The translated 'pf' record types as the host sees them: which 'ot' records are read and
// written, with what, and what the caller gets back.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "shell/HostBridge.h"
#include "shell/RecordTypeTranslation.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/support/FreshModule.h"

namespace {

using translation::FieldRow;
using translation::FieldTable;

constexpr uint32_t kVersion = 0x12050000;
constexpr uint32_t kClearedTag = 0x4F096649;

struct Key {
    unsigned char bytes[8] = {};
    explicit Key(int16_t item) {
        bytes[0] = static_cast<unsigned char>(item);
        bytes[1] = static_cast<unsigned char>(static_cast<uint16_t>(item) >> 8);
    }
};

// A 12-byte 'ot' record from its six words.
Bytes Words(std::vector<uint16_t> words) {
    words.resize(6);
    Bytes record(12);
    for (size_t i = 0; i < 6; ++i)
        WriteLittleEndian16(record, i * 2, words[i]);
    return record;
}

size_t DistinctRecords(const FieldTable& table) {
    std::set<std::tuple<uint32_t, int16_t, int16_t>> records;
    for (const FieldRow& row : table.rows)
        records.insert({row.otTag, row.item, row.sub});
    return records.size();
}

// A structure every conversion carries unchanged, different for each seed.
Bytes Sample(const FieldTable& table, unsigned seed) {
    Bytes structure(table.structureSize);
    unsigned k = seed;
    for (const FieldRow& row : table.rows) {
        ++k;
        if (row.size == 4)
            WriteLittleEndian32(structure, row.offset, static_cast<int32_t>(0x01030507u * k));
        else if (row.code == translation::kInvert)
            WriteLittleEndian16(structure, row.offset, k % 2);
        else if (row.code == translation::kLowByte)
            WriteLittleEndian16(structure, row.offset, (k * 37) & 0xFF);
        else
            WriteLittleEndian16(structure, row.offset, static_cast<uint16_t>(0x8101 * k));
    }
    return structure;
}

class RecordTypeTranslationTest : public ::testing::Test {
protected:
    FreshModule fresh;
    SimHost host{kVersion};
    RecordStore& store = host.AddDocument("test").Records();

    int32_t Load(uint32_t tag, int16_t item, Bytes& buffer, uint32_t capacity) {
        Key key(item);
        return NX_LoadEData(tag, key.bytes, buffer.data(), &capacity, kVersion);
    }
    int32_t Load(uint32_t tag, int16_t item, Bytes& buffer) {
        return Load(tag, item, buffer, static_cast<uint32_t>(buffer.size()));
    }
    // The size a null-buffer query reports, or -1 when it fails.
    int64_t SizeQuery(uint32_t tag, int16_t item) {
        Key key(item);
        uint32_t size = 0;
        return NX_LoadEData(tag, key.bytes, nullptr, &size, kVersion) ? size : -1;
    }
    int32_t Save(uint32_t tag, int16_t item, const Bytes& data, uint32_t version = kVersion) {
        Key key(item);
        return NX_SaveEData(tag, key.bytes, data.data(), static_cast<uint32_t>(data.size()),
                            version);
    }
    void PutOt(uint32_t tag, int16_t item, int16_t sub, Bytes record) {
        store.Put({tag, item, sub}, std::move(record));
    }
    Bytes Ot(uint32_t tag, int16_t item, int16_t sub) {
        const Bytes* record = store.Find({tag, item, sub});
        return record ? *record : Bytes{};
    }
    size_t HostLoads() { return host.Log().CountOf("NX_LoadEData"); }
    size_t HostSaves() { return host.Log().CountOf("NX_SaveEData"); }
};

} // namespace

TEST_F(RecordTypeTranslationTest, ArrayTypesReportTwelveBytesPerRecordWithoutTheHost) {
    EXPECT_EQ(12, SizeQuery(SimTag("pfSN"), 1));
    EXPECT_EQ(132, SizeQuery(SimTag("pfGG"), 1));
    EXPECT_EQ(132, SizeQuery(SimTag("pfGG"), -5)) << "any item";
    Key key(1);
    EXPECT_EQ(0, NX_LoadEData(SimTag("pfGG"), key.bytes, nullptr, nullptr, kVersion));
    EXPECT_EQ(0, NX_LoadEData(SimTag("pfSI"), key.bytes, nullptr, nullptr, kVersion));
    EXPECT_EQ(0, NX_LoadEData(SimTag("pfGG"), nullptr, nullptr, nullptr, kVersion));
    EXPECT_EQ(0u, HostLoads());
}

TEST_F(RecordTypeTranslationTest, ItemNumbersChooseTheRecordsOrFail) {
    PutOt(SimTag("ot40"), -2, 0, Words({0x1111}));
    PutOt(SimTag("ot40"), -2, 127, Words({0x7F7F}));
    PutOt(SimTag("ot90"), -2, 8, Words({0x0909}));
    Bytes one(12);
    EXPECT_EQ(1, Load(SimTag("pfSN"), 1, one));
    EXPECT_EQ(Words({0x1111}), one);
    EXPECT_EQ(1, Load(SimTag("pfSN"), 128, one));
    EXPECT_EQ(Words({0x7F7F}), one);
    EXPECT_EQ(1, Load(SimTag("pfTs"), 9, one));
    EXPECT_EQ(Words({0x0909}), one);

    const std::vector<std::pair<uint32_t, int16_t>> refused = {
        {SimTag("pfSN"), 0},  {SimTag("pfSN"), 129}, {SimTag("pfSN"), -1},
        {SimTag("pfTs"), 10}, {SimTag("pfGs"), 2},   {SimTag("pfPF"), 2}};
    host.Log().Clear();
    for (auto [tag, item] : refused) {
        EXPECT_EQ(0, Load(tag, item, one)) << TagText(tag) << " " << item;
        EXPECT_EQ(0, Save(tag, item, Bytes(48))) << TagText(tag) << " " << item;
    }
    EXPECT_TRUE(host.Log().Calls().empty()) << "refused before anything is read or written";

    // 'pfPF' item 1 is four whole records, item 0 a structure of fields.
    for (int16_t sub = 0; sub < 4; ++sub)
        PutOt(SimTag("ot77"), -2, sub, Words({static_cast<uint16_t>(0x7700 + sub)}));
    PutOt(SimTag("ot14"), -2, 0, Words({0x1234, 0x5678}));
    Bytes run(48);
    EXPECT_EQ(1, Load(SimTag("pfPF"), 1, run));
    for (int16_t sub = 0; sub < 4; ++sub)
        EXPECT_EQ(0x7700 + sub, ReadLittleEndian16(run, sub * 12u))
            << "records in sub-number order";
    Bytes fields(48);
    EXPECT_EQ(1, Load(SimTag("pfPF"), 0, fields));
    EXPECT_EQ(0x12345678, ReadLittleEndian32(fields, 0));
}

TEST_F(RecordTypeTranslationTest, ArrayTypesAreRunsOfWholeRecords) {
    Bytes text(96);
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<unsigned char>(i + 1);
    EXPECT_EQ(0, Save(SimTag("pfTX"), 1, Bytes(text.begin(), text.end() - 1)));
    EXPECT_EQ(0u, HostSaves());
    EXPECT_EQ(1, Save(SimTag("pfTX"), 1, text));
    EXPECT_EQ(8u, HostSaves());
    for (int16_t sub = 0; sub < 8; ++sub)
        EXPECT_EQ(Bytes(text.begin() + sub * 12, text.begin() + sub * 12 + 12),
                  Ot(SimTag("ot78"), -2, sub));

    Bytes loaded(96, 0xAA);
    host.Log().Clear();
    EXPECT_EQ(0, Load(SimTag("pfTX"), 1, loaded, 95));
    EXPECT_EQ(0u, HostLoads());
    EXPECT_EQ(Bytes(96, 0xAA), loaded);
    EXPECT_EQ(1, Load(SimTag("pfTX"), 1, loaded));
    EXPECT_EQ(text, loaded);

    // A missing or failing record reads as zeros, a short one is padded with zeros.
    store.Erase({SimTag("ot78"), -2, 2});
    PutOt(SimTag("ot78"), -2, 5, Bytes{9, 9, 9});
    host.FailCall({"NX_LoadEData"}, 7);
    std::fill(loaded.begin(), loaded.end(), 0xAA);
    EXPECT_EQ(1, Load(SimTag("pfTX"), 1, loaded));
    Bytes expected = text;
    std::fill(expected.begin() + 24, expected.begin() + 36, 0);
    std::fill(expected.begin() + 60, expected.begin() + 84, 0);
    expected[60] = expected[61] = expected[62] = 9;
    EXPECT_EQ(expected, loaded);

    // A host that over-reports gives the record's full 20 bytes as the size of a 12-byte load.
    host.SetOverReportingLoads(true);
    Bytes wide(20);
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<unsigned char>(0x40 + i);
    PutOt(SimTag("ot40"), -2, 4, wide);
    Bytes guarded(40, 0xEE);
    EXPECT_EQ(1, Load(SimTag("pfSN"), 5, guarded, 12));
    EXPECT_EQ(Bytes(wide.begin(), wide.begin() + 12), Bytes(guarded.begin(), guarded.begin() + 12));
    EXPECT_EQ(Bytes(28, 0xEE), Bytes(guarded.begin() + 12, guarded.end()));
}

TEST_F(RecordTypeTranslationTest, FieldsComeFromTheirRecordWords) {
    PutOt(SimTag("ot77"), -2, 4, Words({0x0472, 0x0400}));
    PutOt(SimTag("ot77"), -2, 7, Words({0, 0, 0, 0, 0x0746, 0x0748}));
    PutOt(SimTag("ot77"), -2, 8, Words({0x0842, 0x0844}));
    PutOt(SimTag("ot01"), -2, 0, Words({0, 0, 0, 0, 0, 0x0174}));
    PutOt(SimTag("otFI"), 11, 0, Words({0x1108, 0x1110}));
    PutOt(SimTag("otFI"), 12, 0, Words({0xABCD, 0x1234, 0, 0, 0x1212}));
    PutOt(SimTag("otFI"), 10, 0, Words({0, 0, 0x1002}));
    PutOt(SimTag("ot12"), -2, 0, Words({0, 0, 0, 0, 0, 0xFF85}));

    Bytes ex(50);
    ASSERT_EQ(1, Load(SimTag("pfEX"), 0, ex));
    EXPECT_EQ(0x0400, ReadLittleEndian16(ex, 0));
    EXPECT_EQ(0x0842, ReadLittleEndian16(ex, 42)) << "rows out of offset order";
    EXPECT_EQ(0x0844, ReadLittleEndian16(ex, 44));
    EXPECT_EQ(0x0746, ReadLittleEndian16(ex, 46));
    EXPECT_EQ(0x0748, ReadLittleEndian16(ex, 48));
    Bytes dp(76);
    ASSERT_EQ(1, Load(SimTag("pfDP"), 0, dp));
    EXPECT_EQ(0x0472, ReadLittleEndian16(dp, 72));
    EXPECT_EQ(0x0174, ReadLittleEndian16(dp, 74));
    Bytes ms(104);
    ASSERT_EQ(1, Load(SimTag("pfMS"), 0, ms));
    EXPECT_EQ(0x1002, ReadLittleEndian16(ms, 102));

    Bytes ss(120, 0xCC);
    ASSERT_EQ(1, Load(SimTag("pfSS"), 0, ss));
    EXPECT_EQ(0x1108, ReadLittleEndian16(ss, 8));
    EXPECT_EQ(0x1110, ReadLittleEndian16(ss, 10));
    EXPECT_EQ(0x1212, ReadLittleEndian16(ss, 12));
    EXPECT_EQ(static_cast<int32_t>(0xABCD1234), ReadLittleEndian32(ss, 16));
    EXPECT_EQ(0x0085, ReadLittleEndian16(ss, 28)) << "low byte only";
    EXPECT_EQ(0, ReadLittleEndian16(ss, 30)) << "bytes between fields are cleared";
    EXPECT_EQ(Bytes(12, 0xCC), Bytes(ss.begin() + 108, ss.end()));
}

TEST_F(RecordTypeTranslationTest, ConversionCodes) {
    const FieldRow wide = translation::Field(0, "ot01", 1).Long();
    const Bytes record = Words({0, 0x1234, 0x5678});
    Bytes structure(4);
    for (auto [code, value] : std::vector<std::pair<uint8_t, uint32_t>>{
             {1, 0x12345678}, {2, 0x56781234}, {0, 0}, {7, 0}}) {
        const FieldRow row = wide.Code(code);
        WriteLittleEndian32(structure, 0, -1);
        translation::LoadField(row, record.data(), structure.data());
        EXPECT_EQ(value, static_cast<uint32_t>(ReadLittleEndian32(structure, 0))) << int(code);
        Bytes saved = record;
        WriteLittleEndian32(structure, 0, static_cast<int32_t>(0x0A0B0C0D));
        EXPECT_EQ(code == 1 || code == 2,
                  translation::SaveField(row, structure.data(), saved.data()));
        if (code == 1)
            EXPECT_EQ(Words({0, 0x0A0B, 0x0C0D}), saved);
        else if (code == 2)
            EXPECT_EQ(Words({0, 0x0C0D, 0x0A0B}), saved);
        else
            EXPECT_EQ(record, saved) << "nothing carried";
    }

    // Two-byte fields: {code, stored word, loaded field, field saved back from it}.
    const FieldRow narrow = translation::Field(0, "ot01", 2);
    const std::vector<std::tuple<uint8_t, uint16_t, uint16_t, uint16_t>> cases = {
        {3, 0, 1, 0},
        {3, 5, 0, 1},
        {4, 0xFF80, 0x0080, 0xFF80},
        {4, 0x1234, 0x34, 0x34},
        {0, 0xBEEF, 0xBEEF, 0xBEEF},
        {9, 0xBEEF, 0xBEEF, 0xBEEF}};
    for (auto [code, word, field, savedWord] : cases) {
        const FieldRow row = narrow.Code(code);
        Bytes stored = Words({0, 0, word});
        translation::LoadField(row, stored.data(), structure.data());
        EXPECT_EQ(field, ReadLittleEndian16(structure, 0)) << int(code) << " " << word;
        Bytes saved = Words({0x5555, 0x5555, 0x5555});
        EXPECT_TRUE(translation::SaveField(row, structure.data(), saved.data()));
        EXPECT_EQ(Words({0x5555, 0x5555, savedWord}), saved) << int(code) << " " << word;
    }

    // The same through the host: 'pfMS' offset 12 is inverted.
    Bytes ms(104);
    EXPECT_EQ(1, Save(SimTag("pfMS"), 0, ms));
    EXPECT_EQ(1, ReadLittleEndian16(Ot(SimTag("ot36"), -2, 0), 2));
    PutOt(SimTag("ot36"), -2, 0, Words({0, 0, 0x0808}));
    EXPECT_EQ(1, Load(SimTag("pfMS"), 0, ms));
    EXPECT_EQ(1, ReadLittleEndian16(ms, 12));
    EXPECT_EQ(0x0808, ReadLittleEndian16(ms, 8));
}

TEST_F(RecordTypeTranslationTest, EachRecordIsReadOnceAndWrittenOnlyWhenChanged) {
    for (const FieldTable& table : translation::FieldTables()) {
        const uint32_t tag = table.pfTag;
        const size_t records = DistinctRecords(table);
        const Bytes first = Sample(table, 3);
        host.Log().Clear();
        EXPECT_EQ(1, Save(tag, 0, first));
        EXPECT_EQ(records, HostLoads()) << TagText(tag);
        EXPECT_EQ(records, HostSaves()) << TagText(tag) << ": every record gets new values";

        host.Log().Clear();
        EXPECT_EQ(1, Save(tag, 0, first));
        EXPECT_EQ(records, HostLoads()) << TagText(tag);
        EXPECT_EQ(0u, HostSaves()) << TagText(tag) << ": nothing changed";

        Bytes changed = first;
        const FieldRow& last = table.rows[table.rows.size() - 1];
        changed[last.offset] ^= 1;
        host.Log().Clear();
        EXPECT_EQ(1, Save(tag, 0, changed));
        ASSERT_EQ(1u, HostSaves()) << TagText(tag);
        EXPECT_EQ(last.otTag, host.Log().CallsOf("NX_SaveEData")[0].arguments[0]);

        Bytes loaded(table.structureSize);
        host.Log().Clear();
        EXPECT_EQ(1, Load(tag, 0, loaded));
        EXPECT_EQ(records, HostLoads()) << TagText(tag);
        EXPECT_EQ(changed, loaded) << TagText(tag) << ": every field comes back";
    }

    // Records are visited in the order their first row names them.
    host.Log().Clear();
    Bytes pb(44);
    Load(SimTag("pfPB"), 0, pb);
    std::vector<int64_t> tags;
    for (const HostCall& call : host.Log().CallsOf("NX_LoadEData"))
        tags.push_back(call.arguments[0]);
    EXPECT_EQ((std::vector<int64_t>{SimTag("ot65"), SimTag("ot60"), SimTag("ot61"), SimTag("ot64"),
                                    SimTag("ot45")}),
              tags);
}

TEST_F(RecordTypeTranslationTest, SavesKeepTheWordsOfOtherFields) {
    // 'pfEX' and 'pfDP' share a record; 'pf05' shares records with the array type 'pfSP'.
    const FieldTable& ex = *translation::FindFieldTable(SimTag("pfEX"), 0);
    const Bytes exFields = Sample(ex, 11);
    EXPECT_EQ(1, Save(SimTag("pfEX"), 0, exFields));
    Bytes dp(76);
    WriteLittleEndian16(dp, 72, 0x4242);
    EXPECT_EQ(1, Save(SimTag("pfDP"), 0, dp));
    EXPECT_EQ(0x4242, ReadLittleEndian16(Ot(SimTag("ot77"), -2, 4), 0));
    Bytes loaded(50);
    EXPECT_EQ(1, Load(SimTag("pfEX"), 0, loaded));
    EXPECT_EQ(exFields, loaded);

    Bytes sp(36, 0x11);
    EXPECT_EQ(1, Save(SimTag("pfSP"), 1, sp));
    Bytes pf05(22);
    WriteLittleEndian16(pf05, 20, 0x0502);
    EXPECT_EQ(1, Save(SimTag("pf05"), 0, pf05));
    Bytes expected = Bytes(12, 0x11);
    WriteLittleEndian16(expected, 4, 0x0502);
    EXPECT_EQ(expected, Ot(SimTag("ot94"), -2, 2));
    EXPECT_EQ(0, ReadLittleEndian16(Ot(SimTag("ot94"), -2, 0), 8))
        << "pf05 offset 18 is 'ot94' word 4";
}

TEST_F(RecordTypeTranslationTest, FieldMappedBuffersMustHoldTheStructureASizeQueryReports) {
    for (const FieldTable& table : translation::FieldTables()) {
        const uint32_t tag = table.pfTag;
        EXPECT_EQ(table.structureSize, SizeQuery(tag, 0)) << TagText(tag);
        Bytes guarded(table.structureSize + 8, 0xEE);
        Key key(0);
        uint32_t size = table.structureSize - 1;
        EXPECT_EQ(0, NX_LoadEData(tag, key.bytes, guarded.data(), &size, kVersion)) << TagText(tag);
        EXPECT_EQ(table.structureSize - 1, size);
        EXPECT_EQ(Bytes(guarded.size(), 0xEE), guarded) << TagText(tag);
        EXPECT_EQ(0, NX_LoadEData(tag, key.bytes, guarded.data(), nullptr, kVersion));
        EXPECT_EQ(0,
                  NX_SaveEData(tag, key.bytes, guarded.data(), table.structureSize - 1, kVersion));
        EXPECT_EQ(0, NX_SaveEData(tag, key.bytes, nullptr, table.structureSize, kVersion));
    }
    EXPECT_TRUE(host.Log().Calls().empty())
        << "size queries and refusals are made without the host";
    Bytes ss(96);
    EXPECT_EQ(0, Load(SimTag("pfSS"), 0, ss)) << "its fields reach byte 108";
}

TEST_F(RecordTypeTranslationTest, OtherTagsAndOldSavesPassStraightToTheHost) {
    const Bytes data(96, 0x5A);
    Key key(1);
    EXPECT_EQ(1, NX_SaveEData(SimTag("pfTX"), key.bytes, data.data(), 96, 0x07FFFFFF));
    ASSERT_EQ(1u, HostSaves());
    EXPECT_EQ((std::vector<int64_t>{SimTag("pfTX"), reinterpret_cast<intptr_t>(key.bytes),
                                    reinterpret_cast<intptr_t>(data.data()), 96, 0x07FFFFFF}),
              host.Log().Calls()[0].arguments);
    EXPECT_EQ(data, Ot(SimTag("pfTX"), 1, 0));
    host.Log().Clear();
    EXPECT_EQ(1, NX_SaveEData(SimTag("pfTX"), key.bytes, data.data(), 96, 0x08000000));
    EXPECT_EQ(8u, HostSaves()) << "translated from this version on";

    PutOt(SimTag("zzQQ"), 3, 0, Bytes(5, 7));
    Bytes plain(5);
    host.Log().Clear();
    EXPECT_EQ(1, Load(SimTag("zzQQ"), 3, plain));
    EXPECT_EQ(Bytes(5, 7), plain);
    EXPECT_EQ(1u, host.Log().Calls().size());
}

TEST_F(RecordTypeTranslationTest, ClearedTagLoads) {
    Bytes record(20);
    for (size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<unsigned char>(0x80 + i);
    Bytes buffer(200, 0xCC);
    // Found: the host is asked again, and the rest of the first 108 bytes is cleared.
    PutOt(kClearedTag, 1, 0, record);
    EXPECT_EQ(1, Load(kClearedTag, 1, buffer));
    EXPECT_EQ(2u, HostLoads());
    Bytes expected(200, 0xCC);
    std::fill(expected.begin(), expected.begin() + 108, 0);
    std::copy(record.begin(), record.end(), expected.begin());
    EXPECT_EQ(expected, buffer);

    // Found the first time, failing the second: the second answer counts.
    host.FailCall({"NX_LoadEData"}, 2);
    EXPECT_EQ(0, Load(kClearedTag, 1, buffer));

    // Not found: nothing was written, so the load failed; stale data is gone all the same.
    std::fill(buffer.begin(), buffer.end(), 0xCC);
    host.Log().Clear();
    EXPECT_EQ(0, Load(kClearedTag, 2, buffer));
    EXPECT_EQ(1u, HostLoads());
    std::fill(expected.begin(), expected.end(), 0xCC);
    std::fill(expected.begin(), expected.begin() + 108, 0);
    EXPECT_EQ(expected, buffer);

    // Only the capacity given is cleared.
    std::fill(buffer.begin(), buffer.end(), 0xCC);
    EXPECT_EQ(0, Load(kClearedTag, 2, buffer, 40));
    EXPECT_EQ(Bytes(40, 0), Bytes(buffer.begin(), buffer.begin() + 40));
    EXPECT_EQ(Bytes(160, 0xCC), Bytes(buffer.begin() + 40, buffer.end()));

    // An over-reporting host must not make the second call offer more than the buffer holds.
    host.SetOverReportingLoads(true);
    PutOt(kClearedTag, 3, 0, Bytes(150, 0x33));
    std::fill(buffer.begin(), buffer.end(), 0xCC);
    EXPECT_EQ(1, Load(kClearedTag, 3, buffer, 120));
    EXPECT_EQ(Bytes(120, 0x33), Bytes(buffer.begin(), buffer.begin() + 120));
    EXPECT_EQ(Bytes(80, 0xCC), Bytes(buffer.begin() + 120, buffer.end()));
    host.SetOverReportingLoads(false);

    // A host call that fails after writing into the cleared stretch counts as a success.
    host.SetFailingLoadsWrite(true);
    host.Log().Clear();
    EXPECT_EQ(1, Load(kClearedTag, 1, buffer));
    EXPECT_EQ(1u, HostLoads()) << "a failed first call is not repeated";
    EXPECT_EQ(record, Bytes(buffer.begin(), buffer.begin() + 20));
    PutOt(kClearedTag, 4, 0, Bytes(20, 0));
    EXPECT_EQ(0, Load(kClearedTag, 4, buffer)) << "it wrote only zeros";
    host.SetFailingLoadsWrite(false);

    // Without a buffer it is a plain size query.
    host.Log().Clear();
    Key key(1);
    uint32_t size = 0;
    EXPECT_EQ(1, NX_LoadEData(kClearedTag, key.bytes, nullptr, &size, kVersion));
    EXPECT_EQ(20u, size);
    EXPECT_EQ(1u, HostLoads());
}
