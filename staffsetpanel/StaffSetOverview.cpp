#include "staffsetpanel/StaffSetOverview.h"

#include <map>

#include "framework/data/NKTextExpressionDefs.h"
#include "staffsetpanel/ScorePartCurrent.h"
#include "staffsetpanel/StaffSetNameStore.h"

ListEndsOfRows ReadListEndsOfRows() {
    ListEndsOfRows lists;
    ScorePartCurrent score;
    for (int32_t row = 0; row < kStaffSetRows; ++row)
        lists[row] = ReadStaffListEnds(StaffListItemOfRow(row));
    return lists;
}

void StaffSetOverview::Describe(const ListEndsOfRows& lists) {
    rows_[kAllStavesRow].count = lists[kAllStavesRow].count;
    DescribeSets(lists, 1, kStaffSetSlots);
}

void StaffSetOverview::ReadRow(int32_t set) {
    if (!IsStaffSetSlot(set))
        return;
    ListEndsOfRows lists;
    {
        ScorePartCurrent score;
        lists[ListRowOfSet(set)] = ReadStaffListEnds(StaffSetItem(set));
    }
    DescribeSets(lists, set, set);
}

void StaffSetOverview::DescribeSets(const ListEndsOfRows& lists, int32_t firstSet,
                                    int32_t lastSet) {
    // Names and staff names are read with the part the user is looking at current, as
    // everywhere else; the score was current only while the lists were read.
    int16_t category = -1;
    bool definitionsRead = false;
    NKTextExpressionDefs definitions;
    std::map<int16_t, NKString> staffTexts;
    auto staffText = [&staffTexts](int16_t staff) -> const NKString& {
        auto found = staffTexts.find(staff);
        if (found == staffTexts.end()) {
            found = staffTexts.emplace(staff, NKString()).first;
            StaffDisplayText(&found->second, staff);
        }
        return found->second;
    };
    for (int32_t set = firstSet; set <= lastSet; ++set) {
        const StaffListEnds& ends = lists[ListRowOfSet(set)];
        StaffSetSummary& row = rows_[ListRowOfSet(set)];
        row.count = ends.count;
        if (row.count == 0) {
            row.name.AssignNarrow(kNoSetText);
            row.top.AssignNarrow(kNoSetText);
            row.bottom.AssignNarrow(kNoSetText);
            continue;
        }
        if (!definitionsRead) {
            definitionsRead = true;
            category = FindNameCategory();
            if (category >= 0)
                definitions.LoadAll();
        }
        NKString name;
        if (const NKTextExpressionDef* record = FindNameDef(definitions, set, category))
            NameFromRecord(*record, set, &name);
        if (name.Length() > 0)
            row.name.Assign(&name);
        else
            row.name.AssignNarrow(kUnnamedSetText);
        row.top.Assign(&staffText(ends.first));
        row.bottom.Assign(&staffText(ends.last));
    }
}
