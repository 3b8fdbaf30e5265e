// Staff sets belong to the score, not to a part: their lists are read and written with the
// score (part 0) current. This makes it current for the lifetime of the object, and the part
// that was current before again afterwards, on every path out of the caller.
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
