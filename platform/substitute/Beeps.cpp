#include "platform/substitute/Beeps.h"

namespace {

struct BeepState {
    std::vector<UINT> made;
    bool fails = false;
};

BeepState& State() {
    static BeepState state;
    return state;
}

} // namespace

namespace substitute {

const std::vector<UINT>& BeepsMade() {
    return State().made;
}

void ClearBeeps() {
    State().made.clear();
}

void SetMessageBeepFails(bool fails) {
    State().fails = fails;
}

} // namespace substitute

extern "C" BOOL WINAPI MessageBeep(UINT type) {
    State().made.push_back(type);
    return State().fails ? FALSE : TRUE;
}
