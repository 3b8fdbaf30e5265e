#include "staffsetpanel/StaffSetOverview.h"

#include <map>

#include "framework/data/NKTextExpressionDefs.h"
#include "staffsetpanel/NKStaffSetPanelHandler.h"
#include "staffsetpanel/ScorePartCurrent.h"
#include "staffsetpanel/StaffSetNameStore.h"
#include "staffsetpanel/StaffSetQueries.h"

namespace {

int16_t ListItem(int32_t row) {
    return row == 0 ? 0 : StaffSetItem(row);
}

} // namespace

void StaffSetOverview::ReadLists(StaffListEnds lists[kOverviewRows]) {
    ScorePartCurrent score;
    for (int32_t row = 0; row < kOverviewRows; ++row)
        lists[row] = ReadStaffListEnds(ListItem(row));
}

void StaffSetOverview::Read() {
    StaffListEnds lists[kOverviewRows];
    ReadLists(lists);
    Describe(lists);
}

void StaffSetOverview::Describe(const StaffListEnds ends[kOverviewRows]) {
    rows_[0].count = ends[0].count;
    DescribeSets(ends, 1, kOverviewRows - 1);
}

void StaffSetOverview::ReadRow(int32_t set) {
    if (set < 1 || set >= kOverviewRows)
        return;
    StaffListEnds ends[kOverviewRows];
    {
        ScorePartCurrent score;
        ends[set] = ReadStaffListEnds(ListItem(set));
    }
    DescribeSets(ends, set, set);
}

void StaffSetOverview::DescribeSets(const StaffListEnds ends[kOverviewRows], int32_t firstSet,
                                    int32_t lastSet) {
    // Names and staff names are read with the part the user is looking at current again, as
    // they are everywhere else.
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
        StaffSetSummary& row = rows_[set];
        row.count = ends[set].count;
        if (row.count == 0) {
            row.name.AssignNarrow("-");
            row.top.AssignNarrow("-");
            row.bottom.AssignNarrow("-");
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
            row.name.AssignNarrow("(No Name)");
        row.top.Assign(&staffText(ends[set].first));
        row.bottom.Assign(&staffText(ends[set].last));
    }
}
