#include "staffsetpanel/ScoreOrderOfSet.h"

#include "framework/data/NKSystemStaves.h"

ScoreOrderOfSet::ScoreOrderOfSet(const NKSystemStaves& main, const NKSystemStaves& set)
    : main_(main) {
    for (int32_t m = 0; m < main.Count(); ++m)
        positions_[main.StaffAt(m)->StaffNumber()].push_back(m);
    for (int32_t i = 0; i < set.Count(); ++i)
        Added(set.StaffAt(i)->StaffNumber());
}

int32_t ScoreOrderOfSet::PositionInScore(int16_t staff) const {
    auto found = positions_.find(staff);
    return found == positions_.end() ? -1 : found->second.front();
}

const NKSystemStaff* ScoreOrderOfSet::FirstInSetFrom(int32_t position) const {
    auto next = setPositions_.lower_bound(position);
    return next == setPositions_.end() ? nullptr : main_.StaffAt(*next);
}

void ScoreOrderOfSet::Added(int16_t staff) {
    if (!inSet_.insert(staff).second)
        return;
    auto found = positions_.find(staff);
    if (found != positions_.end())
        setPositions_.insert(found->second.begin(), found->second.end());
}
