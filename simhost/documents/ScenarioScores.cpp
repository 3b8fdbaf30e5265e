#include "simhost/documents/ScenarioScores.h"

#include <vector>

#include "simhost/documents/HostText.h"
#include "simhost/documents/RecordBuilders.h"
#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/documents/StaffLists.h"

namespace {

constexpr uint16_t kDataCategory = 5;
constexpr uint16_t kOtherCategory = 1;
constexpr int16_t kNameTextBase = 1000;
const char* const kNameRecordText = "^font(Times New Roman)^size(12)^efx(0)QM Staff Set Panel Data";

void AddDefinition(SimDocument& document, uint32_t version, int16_t item, uint16_t category,
                   const std::string& text, const std::string& description) {
    RecordStore& records = document.Records();
    auto block = static_cast<int16_t>(kNameTextBase + item);
    records.Put({SimTag("txxp"), block, 0}, EncodeHostText(version, text));
    records.Put({SimTag("SOTX"), block, 0},
                TextBlockRecord(static_cast<uint16_t>(block), TextType('x', 'p')));
    records.Put({SimTag("SODT"), item, 0},
                ExpressionDefRecord(version, static_cast<uint16_t>(block), category, description));
}

} // namespace

SimDocument& AddEmptyScore(SimHost& host) {
    return host.AddDocument("Untitled (empty)");
}

SimDocument& AddSampleWithoutDataCategory(SimHost& host) {
    SimDocument& document = AddSampleScore(host);
    document.Records().Erase({SimTag("SOMC"), static_cast<int16_t>(kSampleDataCategory), 0});
    return document;
}

SimDocument& AddGeneratedScore(SimHost& host, int staves, int definitions) {
    const uint32_t version = host.Version();
    SimDocument& document =
        host.AddDocument("Generated score of " + std::to_string(staves) + " staves");
    RecordStore& records = document.Records();
    std::vector<ListEntry> scoreOrder;
    for (int n = 1; n <= staves; ++n) {
        // Every tenth staff has no name text at all.
        PutStaff(records, version, static_cast<int16_t>(n),
                 n % 10 != 0 ? "Staff " + std::to_string(n) : "");
        scoreOrder.push_back({static_cast<uint16_t>(n), -kStaffGap * (n - 1)});
    }
    RecordStore& score = document.PartRecords(0);
    WriteStaffList(score, 0, scoreOrder);

    const int perSet = staves / 8;
    for (int set = 1; set <= 8 && perSet > 0; ++set) {
        std::vector<ListEntry> list;
        for (int i = 0; i < perSet; ++i)
            list.push_back({static_cast<uint16_t>((set - 1) * perSet + i + 1), -kStaffGap * i});
        WriteStaffList(score, static_cast<int16_t>(set - 37), list);
    }

    records.Put({SimTag("SOMC"), static_cast<int16_t>(kOtherCategory), 0},
                CategoryRecord(version, kOtherCategory, "Dynamics"));
    records.Put({SimTag("SOMC"), static_cast<int16_t>(kDataCategory), 0},
                CategoryRecord(version, kDataCategory, "QM Plug-in Data"));
    int16_t item = 1;
    for (int d = 0; d < definitions; ++d, ++item)
        AddDefinition(document, version, item, kOtherCategory, "mark " + std::to_string(d), "");
    for (int set = 1; set <= 8 && perSet > 0; set += 2, ++item)
        AddDefinition(document, version, item, kDataCategory, kNameRecordText,
                      "QM Staff Set Panel " + std::to_string(set) + ":Group " +
                          std::to_string(set));
    return document;
}

bool RenameSetBehindThePanel(SimDocument& document, uint32_t hostVersion, int set,
                             const std::string& name) {
    const std::string prefix = "QM Staff Set Panel " + std::to_string(set) + ":";
    RecordStore& records = document.Records();
    for (const RecordAddress& at : records.AddressesOf(SimTag("SODT"))) {
        Bytes record = *records.Find(at);
        const std::string description = ExpressionDescription(hostVersion, record);
        if (description.compare(0, prefix.size(), prefix) != 0)
            continue;
        Bytes renamed = ExpressionDefRecord(hostVersion, ReadLittleEndian16(record, 0),
                                            ReadLittleEndian16(record, 26), prefix + name,
                                            ReadLittleEndian16(record, 10));
        records.Put(at, renamed);
        return true;
    }
    return false;
}
