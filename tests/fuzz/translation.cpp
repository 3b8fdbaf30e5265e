// The translated record types over arbitrary 'ot' records: records of any size (shorter or
// longer than 12 bytes, or missing), careless and failing hosts, and loads and saves of any
// tag, item and buffer size. Buffers are exactly the capacity offered, so AddressSanitizer
// sees any byte written past it. A translated type must keep the host's protocol: a size
// query tells the size, a buffer at least that large is filled and reports that size, a
// smaller one is refused untouched; an array type gives back exactly what was saved.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "shell/EntryPoints.h"
#include "shell/HostBridge.h"
#include "shell/HostVersion.h"
#include "shell/TranslationTables.h"
#include "simhost/documents/RecordStore.h"
#include "simhost/documents/ScenarioScores.h"
#include "simhost/hostfunctions/SimHost.h"

namespace {

using translation::Tag;

constexpr uint32_t kClearedTag = 0x4F096649;

// The 'pf' tags kept as runs of 'ot' records, and those records' tags.
constexpr uint32_t kArrayTags[] = {
    Tag("pfGD"), Tag("pfGG"), Tag("pfGb"), Tag("pfGd"), Tag("pfGs"), Tag("pfMM"),
    Tag("pfND"), Tag("pfNd"), Tag("pfPF"), Tag("pfSC"), Tag("pfSN"), Tag("pfSP"),
    Tag("pfSl"), Tag("pfTC"), Tag("pfTI"), Tag("pfTX"), Tag("pfTp"), Tag("pfTs"),
};

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::vector<uint32_t> PfTags() {
    std::vector<uint32_t> tags(std::begin(kArrayTags), std::end(kArrayTags));
    for (const translation::FieldTable& table : translation::FieldTables())
        tags.push_back(table.pfTag);
    return tags;
}

std::vector<uint32_t> OtTags() {
    std::vector<uint32_t> tags;
    for (uint32_t pf : kArrayTags)
        tags.push_back(translation::FindArrayType(pf)->otTag);
    for (const translation::FieldTable& table : translation::FieldTables())
        for (const translation::FieldRow& row : table.rows)
            tags.push_back(row.otTag);
    return tags;
}

template <typename T> T Pick(FuzzedDataProvider& input, const std::vector<T>& from) {
    return from[input.ConsumeIntegralInRange<size_t>(0, from.size() - 1)];
}

int16_t Item(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeIntegralInRange<int16_t>(-3, 10)
                               : input.ConsumeIntegral<int16_t>();
}

struct Key {
    unsigned char bytes[8] = {};
    explicit Key(int16_t item) { PutItem(item); }
    void PutItem(int16_t item) {
        bytes[0] = static_cast<unsigned char>(item);
        bytes[1] = static_cast<unsigned char>(static_cast<uint16_t>(item) >> 8);
    }
};

uint32_t Tagged(FuzzedDataProvider& input, const std::vector<uint32_t>& pfTags) {
    switch (input.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
        return kClearedTag;
    case 1:
        return input.ConsumeIntegral<uint32_t>();
    default:
        return Pick(input, pfTags);
    }
}

// The size a translated type reports for this item, or 0 when the item is not translated.
uint32_t SizeOf(uint32_t tag, int16_t item) {
    Key key(item);
    uint32_t size = 0;
    if (!NX_LoadEData(tag, key.bytes, nullptr, &size, translation::kOtRecordVersion))
        return 0;
    return size;
}

void LoadOnce(FuzzedDataProvider& input, uint32_t tag, int16_t item) {
    const bool translated = translation::IsTranslatedTag(tag);
    const uint32_t needed = translated ? SizeOf(tag, item) : 0;
    const auto capacity = input.ConsumeIntegralInRange<uint32_t>(0, 160);
    std::vector<unsigned char> buffer(capacity);
    Key key(item);
    uint32_t size = capacity;
    const int32_t result = NX_LoadEData(tag, key.bytes, capacity ? buffer.data() : nullptr, &size,
                                        translation::kOtRecordVersion);
    if (!translated || needed == 0 || capacity == 0)
        return;
    // A buffer too small is refused before anything is read or written, the size included.
    Check((result != 0) == (capacity >= needed));
    Check(size == (result != 0 ? needed : capacity));
}

void SaveOnce(FuzzedDataProvider& input, uint32_t tag, int16_t item, bool faultsPending) {
    const bool translated = translation::IsTranslatedTag(tag);
    const uint32_t needed = translated ? SizeOf(tag, item) : 0;
    std::vector<unsigned char> bytes =
        input.ConsumeBytes<unsigned char>(input.ConsumeIntegralInRange<size_t>(0, 160));
    const uint32_t version =
        input.ConsumeBool() ? translation::kOtRecordVersion : input.ConsumeIntegral<uint32_t>();
    Key key(item);
    const int32_t result = NX_SaveEData(tag, key.bytes, bytes.empty() ? nullptr : bytes.data(),
                                        static_cast<uint32_t>(bytes.size()), version);
    if (!translated || needed == 0 || version < 0x08000000)
        return;
    Check((result != 0) == (bytes.size() >= needed));
    // An array type keeps each record as it was given.
    if (result == 0 || faultsPending || !translation::FindArrayType(tag) ||
        translation::FindFieldTable(tag, item))
        return;
    std::vector<unsigned char> back(needed);
    uint32_t size = needed;
    Check(NX_LoadEData(tag, key.bytes, back.data(), &size, translation::kOtRecordVersion) != 0);
    Check(std::memcmp(back.data(), bytes.data(), needed) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<uint32_t> pfTags = PfTags();
    static const std::vector<uint32_t> otTags = OtTags();
    FuzzedDataProvider input(data, size);

    ResetHostBridgeForTests();
    ResetHostVersionForTests();
    SimHost host;
    VarluneExtensionVersion(host.Version());
    RecordStore& records = AddEmptyScore(host).Records();
    host.SetOverReportingLoads(input.ConsumeBool());
    host.SetFailingLoadsWrite(input.ConsumeBool());
    const bool faults = input.ConsumeBool();
    if (faults)
        host.FailCall({"NX_LoadEData", "NX_SaveEData"}, input.ConsumeIntegralInRange<int>(1, 40));

    const auto recordCount = input.ConsumeIntegralInRange<int>(0, 24);
    for (int i = 0; i < recordCount; ++i) {
        const uint32_t otTag = Pick(input, otTags);
        const int16_t item = input.ConsumeBool() ? translation::kOtArrayItem : Item(input);
        const auto sub = input.ConsumeIntegralInRange<int16_t>(-1, 130);
        const size_t length = input.ConsumeBool() ? translation::kOtRecordSize
                                                  : input.ConsumeIntegralInRange<size_t>(0, 40);
        Bytes bytes = input.ConsumeBytes<unsigned char>(length);
        bytes.resize(length);
        records.Put({otTag, item, sub}, bytes);
    }

    while (input.remaining_bytes() > 0) {
        const uint32_t tag = Tagged(input, pfTags);
        const int16_t item = Item(input);
        if (input.ConsumeBool())
            LoadOnce(input, tag, item);
        else
            SaveOnce(input, tag, item, faults);
    }
    ResetHostBridgeForTests();
    ResetHostVersionForTests();
    return 0;
}
