#include "simhost/documents/HostEdits.h"

#include <algorithm>
#include <functional>

#include "simhost/documents/RecordBuilders.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/ScenarioScores.h"
#include "simhost/documents/StaffLists.h"

namespace {

constexpr int16_t kScoreList = 0;

int16_t SetList(int set) {
    return static_cast<int16_t>(set - 37);
}

// Runs the change as one step; a change that finds it cannot be done leaves no step.
bool AsOneStep(SimDocument& document, const std::string& name,
               const std::function<bool(RecordStore& score)>& change) {
    if (!document.StartEdit(name))
        return false;
    if (!change(document.PartRecords(0))) {
        document.CancelEdit();
        return false;
    }
    return document.EndEdit();
}

} // namespace

bool AddStaffToScore(SimDocument& document, uint32_t hostVersion, const std::string& name) {
    return AsOneStep(document, "Add Staff", [&](RecordStore& score) {
        int16_t number = 1;
        for (const RecordAddress& at : document.Records().AddressesOf(SimTag("SOIS")))
            number = std::max<int16_t>(number, static_cast<int16_t>(at.item + 1));
        PutStaff(document.Records(), hostVersion, number, name);
        std::vector<ListEntry> order = ReadStaffList(score, kScoreList);
        const int32_t distance = order.empty() ? 0 : order.back().distance - kStaffGap;
        order.push_back({static_cast<uint16_t>(number), distance});
        WriteStaffList(score, kScoreList, order);
        return true;
    });
}

bool DeleteStaffFromScore(SimDocument& document, int position) {
    return AsOneStep(document, "Delete Staff", [&](RecordStore& score) {
        const std::vector<ListEntry> order = ReadStaffList(score, kScoreList);
        if (position < 1 || static_cast<size_t>(position) > order.size())
            return false;
        const uint16_t staff = order[static_cast<size_t>(position - 1)].staff;
        for (int16_t list : {kScoreList, SetList(1), SetList(2), SetList(3), SetList(4),
                             SetList(5), SetList(6), SetList(7), SetList(8)}) {
            std::vector<ListEntry> entries = ReadStaffList(score, list);
            entries.erase(std::remove_if(entries.begin(), entries.end(),
                                         [&](const ListEntry& e) { return e.staff == staff; }),
                          entries.end());
            WriteStaffList(score, list, entries);
        }
        return true;
    });
}

bool SetStaffSetStaves(SimDocument& document, int set, int firstPosition, int lastPosition) {
    return AsOneStep(document, "Edit Staff Set", [&](RecordStore& score) {
        const std::vector<ListEntry> order = ReadStaffList(score, kScoreList);
        if (set < 1 || set > 8 || firstPosition < 1 || lastPosition < firstPosition ||
            static_cast<size_t>(lastPosition) > order.size())
            return false;
        std::vector<ListEntry> entries;
        for (int p = firstPosition; p <= lastPosition; ++p)
            entries.push_back({order[static_cast<size_t>(p - 1)].staff,
                               -kStaffGap * (p - firstPosition)});
        WriteStaffList(score, SetList(set), entries);
        return true;
    });
}

bool RenameStaffSet(SimDocument& document, uint32_t hostVersion, int set,
                    const std::string& name) {
    return AsOneStep(document, "Rename Staff Set", [&](RecordStore&) {
        return RenameSetBehindThePanel(document, hostVersion, set, name);
    });
}
