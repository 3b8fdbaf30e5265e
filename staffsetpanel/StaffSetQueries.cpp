#include "staffsetpanel/StaffSetQueries.h"

#include <climits>
#include <memory>

#include "framework/core/NKString.h"
#include "framework/data/NKStaff.h"
#include "framework/data/NKSystemStaff.h"
#include "staffsetpanel/ScorePartCurrent.h"
#include "staffsetpanel/StaffSetNameStore.h"
#include "staffsetpanel/StaffSetSlots.h"

bool SetExists(int32_t set) {
    ScorePartCurrent score;
    NKSystemStaff first;
    return first.Load(StaffSetItem(set), 0);
}

StaffListEnds ReadStaffListEnds(int16_t item) {
    StaffListEnds ends;
    for (int32_t sub = 0; sub <= SHRT_MAX; ++sub) {
        NKSystemStaff entry; // fresh each time: a short record leaves no bytes of the last one
        entry.SetKey(item, static_cast<int16_t>(sub));
        if (!entry.LoadCurrent())
            break;
        if (ends.count == 0)
            ends.first = entry.StaffNumber();
        ends.last = entry.StaffNumber();
        ++ends.count;
    }
    return ends;
}

void SetNameText(NKString* target, int32_t set, NameShownIn where) {
    SetNameText(target, set, SetExists(set), where);
}

void SetNameText(NKString* target, int32_t set, bool setExists, NameShownIn where) {
    const bool inList = where == NameShownIn::kList;
    if (!setExists) {
        target->AssignNarrow(inList ? kNoSetText : "");
        return;
    }
    NKString name;
    GetSetName(&name, set);
    if (name.Length() > 0)
        target->Assign(&name);
    else
        target->AssignNarrow(inList ? kUnnamedSetText : "");
}

void StaffDisplayText(NKString* target, int16_t staff) {
    NKStaff record;
    std::unique_ptr<NKString> name;
    if (record.Load(staff))
        name.reset(record.CreateDisplayName());
    if (name && name->Length() > 0) {
        target->Assign(name.get());
        return;
    }
    target->AssignNarrow("Staff #");
    target->AppendNumber(staff);
}
