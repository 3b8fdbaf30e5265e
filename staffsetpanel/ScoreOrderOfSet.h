// Where staves stand in the score's main list and which of them a staff set holds, so that
// staves added to the set go in score order without walking the score once per added staff.
// The main list stays the caller's and must not change while this lives; the set grows
// through Added.
#pragma once

#include <cstdint>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class NKSystemStaff;
class NKSystemStaves;

class ScoreOrderOfSet {
public:
    ScoreOrderOfSet(const NKSystemStaves& main, const NKSystemStaves& set);

    bool InSet(int16_t staff) const { return inSet_.count(staff) > 0; }
    // The index of the staff's first entry in the main list, or -1.
    int32_t PositionInScore(int16_t staff) const;
    // From that index of the main list on, the first entry whose staff the set holds; null
    // when none follows.
    const NKSystemStaff* FirstInSetFrom(int32_t position) const;
    void Added(int16_t staff);

private:
    const NKSystemStaves& main_;
    // Every index of each staff in the main list: a damaged score may list a staff twice.
    std::unordered_map<int16_t, std::vector<int32_t>> positions_;
    std::unordered_set<int16_t> inSet_;
    std::set<int32_t> setPositions_; // main list indices whose staff the set holds
};
