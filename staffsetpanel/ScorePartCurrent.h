// Staff sets belong to the score, not to a part: their lists are read and written with the
// score (part 0) current. An object of this class makes the score current while it lives;
// when it goes, on every path out of the caller, the part current before is current again.
#pragma once

#include "framework/data/NKPart.h"

class ScorePartCurrent {
public:
    ScorePartCurrent() : score_(0) { score_.SwitchTo(); }
    ~ScorePartCurrent() { score_.SwitchBack(); }
    ScorePartCurrent(const ScorePartCurrent&) = delete;
    ScorePartCurrent& operator=(const ScorePartCurrent&) = delete;

private:
    NKPart score_;
};
