#include "staffsetpanel/NKStaffSetPanelHandler.h"

#include <memory>

#include "framework/data/NKMusicRegion.h"
#include "framework/data/NKSystemStaves.h"
#include "framework/data/NKTextExpressionDefs.h"
#include "framework/ui/NKUI.h"
#include "shell/HostBridge.h"
#include "staffsetpanel/ScoreOrderOfSet.h"
#include "staffsetpanel/ScorePartCurrent.h"
#include "staffsetpanel/StaffSetNameStore.h"

namespace {

NKSystemStaff* NewEntry(int16_t staff, int32_t distance) {
    auto* entry = new NKSystemStaff();
    entry->SetStaffNumber(staff);
    entry->SetDistance(distance);
    return entry;
}

int32_t IndexOfStaff(const NKSystemStaves& list, int16_t staff) {
    return list.IndexOf(list.FindStaff(staff));
}

} // namespace

NKStaffSetPanelHandler::NKStaffSetPanelHandler(const NKString* name, int32_t setNumber, NKUI* ui,
                                               NKMusicRegion* region)
    : ui(ui), setNumber(setNumber), region(region) {
    this->name.Assign(name);
}

bool NKStaffSetPanelHandler::Execute() {
    switch (kind) {
    case kMoveSetUp:
        return SwapSets(setNumber, SetAbove(setNumber));
    case kMoveSetDown:
        return SwapSets(setNumber, SetBelow(setNumber));
    case kDeleteSet:
        return DeleteSet(setNumber);
    case kAddStaves:
        return AddStaves(setNumber);
    case kRemoveStaves:
        return RemoveStaves(setNumber);
    case kCreateSet:
        if (!CreateFromRegion(setNumber))
            return false;
        break;
    case kRenameSet:
        break;
    default:
        return false;
    }
    return name.Length() == 0 ? ClearSetName(setNumber) : SetSetName(&name, setNumber);
}

bool NKStaffSetPanelHandler::EnsureNameCategory() {
    return NameCategoryOrTell() >= 0;
}

int16_t NKStaffSetPanelHandler::NameCategoryOrTell() {
    const int16_t category = FindNameCategory();
    if (category >= 0)
        return category;
    NKString message("To be able to save the staff set name to the document, an expression "
                     "category named '");
    message.AppendNarrow(kNameCategoryName);
    message.AppendNarrow("' (exact name, without the quotes) needs to be created MANUALLY "
                         "first, such as:\n\n1. Select 'Document/Category Designer...' in "
                         "Varlune\n2. Create a duplicate of any category and name the "
                         "duplicate '");
    message.AppendNarrow(kNameCategoryName);
    message.AppendNarrow("'.");
    NKString caption("Category doesn't exist");
    if (ui)
        ui->ShowInfoText(&message, &caption);
    return -1;
}

bool NKStaffSetPanelHandler::SetSetName(const NKString* setName, int32_t set) {
    const int16_t category = NameCategoryOrTell();
    if (category < 0)
        return false; // the user has been told
    NKTextExpressionDefs definitions;
    definitions.LoadAll();
    NKTextExpressionDef* record = FindNameDef(definitions, set, category);
    std::unique_ptr<NKTextExpressionDef> created;
    if (!record) {
        created = std::make_unique<NKTextExpressionDef>();
        NKString text(kNameRecordText);
        if (!created->SaveNewText(&text))
            return false;
        created->SetCategory(static_cast<uint16_t>(category));
        if (!created->SaveNew())
            return false;
        record = created.get();
    }
    NKString description;
    SetPrefix(&description, set);
    description.Append(setName);
    record->SetDescription(&description);
    return record->Save();
}

bool NKStaffSetPanelHandler::ClearSetName(int32_t set) {
    return RemoveNameRecord(set, NameRecordParts::kRecordOnly);
}

bool NKStaffSetPanelHandler::RemoveNameRecord(int32_t set, NameRecordParts parts) {
    NKTextExpressionDefs definitions;
    definitions.LoadAll();
    NKTextExpressionDef* record = FindNameDef(definitions, set);
    if (!record)
        return true;
    return parts == NameRecordParts::kWithEnclosure ? record->DeleteDeep() : record->DeleteData();
}

bool NKStaffSetPanelHandler::CreateFromRegion(int32_t set) {
    if (!region)
        return false;
    // The region's slots count in the list of the part the user is looking at; only the
    // set's own list belongs to the score.
    const int16_t list = region->StartListItem();
    NKSystemStaves source;
    source.LoadAllForItem(list);
    const NKSystemStaff* top =
        source.FindStaff(static_cast<int16_t>(NX_SlotToInst(region->startSlot, list)));
    if (!top)
        return false;
    const int32_t base = top->Distance();
    NKSystemStaves created;
    int32_t k = 1;
    for (int32_t slot = region->startSlot; slot <= region->endSlot; ++slot, ++k) {
        auto staff = static_cast<int16_t>(NX_SlotToInst(slot, list));
        // The host names no staff for some slots; such a slot would become an entry for
        // staff 0.
        if (staff == 0)
            return false;
        const NKSystemStaff* known = source.FindStaff(staff);
        int32_t distance = known ? known->Distance() - base : -kStaffSpacing * k;
        if (!created.Add(NewEntry(staff, distance)))
            return false;
    }
    // Writing the new list deletes the old one first; a failure in between must fail the
    // operation, so that the cancelled edit gives the old set back.
    ScorePartCurrent score;
    return created.SaveAllForItem(StaffSetItem(set));
}

bool NKStaffSetPanelHandler::AddStaves(int32_t set) {
    NKSystemStaves selected, main, staves;
    // In the part the user is looking at.
    selected.LoadAllInRegion(NKMusicRegion::CurrentSelection());
    ScorePartCurrent score;
    main.LoadAllForItem(kAllStavesItem);
    staves.LoadAllForItem(StaffSetItem(set));
    if (staves.Count() == 0)
        return false; // adding never creates a set
    ScoreOrderOfSet order(main, staves);
    bool changed = false;
    for (int32_t r = 0; r < selected.Count(); ++r) {
        const int16_t staff = selected.StaffAt(r)->StaffNumber();
        if (order.InSet(staff))
            continue;
        const int32_t position = order.PositionInScore(staff);
        if (position < 0)
            return false; // nothing is written, not even the staves inserted so far
        const NKSystemStaff* next = order.FirstInSetFrom(position);
        const int32_t successor = next ? IndexOfStaff(staves, next->StaffNumber()) : -1;
        if (successor >= 0) {
            int32_t distance =
                successor > 0 ? staves.StaffAt(successor - 1)->Distance() - kStaffSpacing : 0;
            if (!staves.InsertAt(successor, NewEntry(staff, distance)))
                return false;
            for (int32_t i = successor + 1; i < staves.Count(); ++i)
                staves.StaffAt(i)->SetDistance(staves.StaffAt(i)->Distance() - kStaffSpacing);
        } else {
            int32_t distance = staves.StaffAt(staves.Count() - 1)->Distance() - kStaffSpacing;
            if (!staves.Add(NewEntry(staff, distance)))
                return false;
        }
        order.Added(staff);
        changed = true;
    }
    return changed && staves.SaveAllForItem(StaffSetItem(set));
}

bool NKStaffSetPanelHandler::RemoveStaves(int32_t set) {
    bool emptied = false;
    {
        NKSystemStaves selected, staves;
        // In the part the user is looking at.
        selected.LoadAllInRegion(NKMusicRegion::CurrentSelection());
        ScorePartCurrent score;
        staves.LoadAllForItem(StaffSetItem(set));
        bool changed = false;
        for (int32_t r = 0; r < selected.Count(); ++r) {
            const int32_t j = IndexOfStaff(staves, selected.StaffAt(r)->StaffNumber());
            if (j < 0)
                continue;
            int32_t shift = -staves.StaffAt(j)->Distance();
            if (j > 0)
                shift += staves.StaffAt(j - 1)->Distance();
            else if (staves.Count() > 1)
                shift -= staves.StaffAt(1)->Distance();
            staves.RemoveAt(j);
            for (int32_t i = j; i < staves.Count(); ++i)
                staves.StaffAt(i)->SetDistance(staves.StaffAt(i)->Distance() + shift);
            changed = true;
        }
        if (!changed)
            return false;
        // An emptied set is gone: writing its empty list deletes the old entries.
        if (!staves.SaveAllForItem(StaffSetItem(set)))
            return false;
        emptied = staves.Count() == 0;
    }
    return !emptied || RemoveNameRecord(set, NameRecordParts::kWithEnclosure);
}

bool NKStaffSetPanelHandler::SwapSets(int32_t a, int32_t b) {
    {
        NKTextExpressionDefs definitions;
        definitions.LoadAll();
        const int16_t category = FindNameCategory();
        NKTextExpressionDef* recordA = FindNameDef(definitions, a, category);
        NKTextExpressionDef* recordB = FindNameDef(definitions, b, category);
        NKString nameA, nameB;
        if (recordA)
            NameFromRecord(*recordA, a, &nameA);
        if (recordB)
            NameFromRecord(*recordB, b, &nameB);
        // The records change owners; the names they hold stay. A failed save stops the
        // operation before any list is touched.
        NKString description;
        if (recordA) {
            SetPrefix(&description, b);
            description.Append(&nameA);
            recordA->SetDescription(&description);
            if (!recordA->Save())
                return false;
        }
        if (recordB) {
            SetPrefix(&description, a);
            description.Append(&nameB);
            recordB->SetDescription(&description);
            if (!recordB->Save())
                return false;
        }
    }
    ScorePartCurrent score;
    NKSystemStaves listA, listB;
    listA.LoadAllForItem(StaffSetItem(a));
    listB.LoadAllForItem(StaffSetItem(b));
    // Each write deletes the slot's old entries before it writes the other set's.
    return listA.SaveAllForItem(StaffSetItem(b)) && listB.SaveAllForItem(StaffSetItem(a));
}

bool NKStaffSetPanelHandler::DeleteSet(int32_t set) {
    if (!RemoveNameRecord(set, NameRecordParts::kWithEnclosure))
        return false;
    ScorePartCurrent score;
    NKSystemStaves staves;
    return staves.DeleteAllForItem(StaffSetItem(set));
}
