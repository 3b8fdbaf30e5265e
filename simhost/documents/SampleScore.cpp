#include "simhost/documents/SampleScore.h"

#include <string>
#include <vector>

#include "simhost/documents/HostText.h"
#include "simhost/documents/RecordBuilders.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/StaffLists.h"

namespace {

struct SampleStaff {
    uint16_t number;
    const char* name; // as the engraver typed it, with the host's inline tags
};

// Staff numbers follow the order in which the staves were added; the alto saxophone and the
// harp came last and were placed inside the score.
const std::vector<SampleStaff> kStaves = {
    {1, "^fontTxt(Times New Roman,8192)^size(12)Piccolo"},
    {2, "^fontTxt(Times New Roman,8192)^size(12)Flute"},
    {3, "^fontTxt(Times New Roman,8192)^size(12)Oboe"},
    {4, "^fontTxt(Times New Roman,8192)^size(12)Clarinet in B^flat()"},
    {5, "^fontTxt(Times New Roman,8192)^size(12)Clarinet in B^flat()"},
    {6, "^fontTxt(Times New Roman,8192)^size(12)Bassoon"},
    {7, "^fontTxt(Times New Roman,8192)^size(12)Horn in F"},
    {8, "^fontTxt(Times New Roman,8192)^size(12)Horn in F"},
    {9, "^fontTxt(Times New Roman,8192)^size(12)Trumpet in B^flat()"},
    {10, "^fontTxt(Times New Roman,8192)^size(12)Trombone"},
    {11, "^fontTxt(Times New Roman,8192)^size(12)Tuba"},
    {12, "^fontTxt(Times New Roman,8192)^size(12)Timpani"},
    {13, "^fontTxt(Times New Roman,8192)^size(12)Percussion"},
    {14, "^fontTxt(Times New Roman,8192)^size(12)Violin I"},
    {15, "^fontTxt(Times New Roman,8192)^size(12)Violin II"},
    {16, "^fontTxt(Times New Roman,8192)^size(12)Viola"},
    {17, "^fontTxt(Times New Roman,8192)^size(12)Violoncello"},
    {18, "^fontTxt(Times New Roman,8192)^size(12)Contrabass"},
    {19, "^fontTxt(Times New Roman,8192)^size(12)Harp"},
    {20, "^fontTxt(Times New Roman,8192)^size(12)Alto Saxophone in E^flat()"},
};

// Score order, with a wider gap between the sections.
const std::vector<std::vector<uint16_t>> kSections = {
    {1, 2, 3, 4, 5, 6, 20}, {7, 8, 9, 10, 11}, {12, 13}, {19}, {14, 15, 16, 17, 18}};
constexpr int32_t kSectionGap = 360;

struct SampleExpression {
    uint16_t number;
    const char* text;
    uint16_t category;
    const char* description;
};

const char* const kNameRecordText = "^font(Times New Roman)^size(12)^efx(0)QM Staff Set Panel Data";

const std::vector<SampleExpression> kExpressions = {
    {1, "^fontMus(Maestro,8192)^size(24)f", 1, "forte"},
    {2, "^fontTxt(Times New Roman,8192)^size(12)pizz.", 2, "pizzicato"},
    {3, "^fontTxt(Times New Roman,8192)^size(12)arco", 2, ""},
    {4, kNameRecordText, kSampleDataCategory, "QM Staff Set Panel 1:Woodwinds"},
};

constexpr int16_t kExpressionTextBase = 100; // text blocks and raw texts of expressions

// The staves' records and the score's order; answers the order.
std::vector<ListEntry> AddStaves(uint32_t version, SimDocument& document) {
    for (const SampleStaff& staff : kStaves)
        PutStaff(document.Records(), version, static_cast<int16_t>(staff.number), staff.name);

    std::vector<ListEntry> scoreOrder;
    int32_t distance = 0;
    for (const auto& section : kSections) {
        if (!scoreOrder.empty())
            distance -= kSectionGap - kStaffGap;
        for (uint16_t staff : section) {
            scoreOrder.push_back({staff, distance});
            distance -= kStaffGap;
        }
    }
    RecordStore& score = document.PartRecords(0);
    WriteStaffList(score, 0, scoreOrder);
    // The instrumental parts have lists of their own.
    WriteStaffList(document.PartRecords(1), 0, {{14, 0}});
    WriteStaffList(document.PartRecords(2), 0, {{7, 0}, {8, -288}});
    return scoreOrder;
}

void AddStaffSets(const std::vector<ListEntry>& scoreOrder, RecordStore& score) {
    // Staff set 1, the woodwinds, is named; set 3, the strings, is not, and shows the double
    // basses smaller.
    std::vector<ListEntry> woodwinds, strings;
    for (const ListEntry& entry : scoreOrder) {
        if (entry.staff <= 6 || entry.staff == 20)
            woodwinds.push_back({entry.staff, entry.distance - scoreOrder[0].distance});
        if (entry.staff >= 14 && entry.staff <= 18)
            strings.push_back(entry);
    }
    const int32_t stringsTop = strings.front().distance;
    for (ListEntry& entry : strings)
        entry.distance -= stringsTop;
    WriteStaffList(score, kSampleNamedSet - 37, woodwinds);
    WriteStaffList(score, kSampleUnnamedSet - 37, strings);
    score.Put({SimTag("dtLP"), kSampleUnnamedSet - 37, 18}, StaffPercentRecord(75));
}

void AddCategoriesAndExpressions(uint32_t version, RecordStore& records) {
    records.Put({SimTag("SOMC"), 1, 0}, CategoryRecord(version, 1, "Dynamics"));
    records.Put({SimTag("SOMC"), 2, 0}, CategoryRecord(version, 2, "Technique Text"));
    records.Put({SimTag("SOMC"), kSampleDataCategory, 0},
                CategoryRecord(version, kSampleDataCategory, "QM Plug-in Data"));

    for (const SampleExpression& expression : kExpressions) {
        auto text = static_cast<int16_t>(kExpressionTextBase + expression.number);
        records.Put({SimTag("txxp"), text, 0}, EncodeHostText(version, expression.text));
        records.Put({SimTag("SOTX"), text, 0},
                    TextBlockRecord(static_cast<uint16_t>(text), TextType('x', 'p')));
        records.Put({SimTag("SODT"), static_cast<int16_t>(expression.number), 0},
                    ExpressionDefRecord(version, static_cast<uint16_t>(text), expression.category,
                                        expression.description));
    }
}

} // namespace

SimDocument& AddSampleScore(SimHost& host) {
    const uint32_t version = host.Version();
    SimDocument& document = host.AddDocument("Symphony No. 1 (sample)");
    AddStaffSets(AddStaves(version, document), document.PartRecords(0));
    AddCategoriesAndExpressions(version, document.Records());
    return document;
}
