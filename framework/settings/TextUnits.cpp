#include "framework/settings/TextUnits.h"

namespace {

// Emptied first, so that making room copies none of the old text.
template <typename Unit> bool Fill(NKString& target, const Unit* units, size_t count) {
    target.AssignNarrow("");
    if (!target.Reserve(count)) {
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        target.AppendChar(static_cast<char16_t>(units[i]));
    }
    return true;
}

} // namespace

bool AssignUnits(NKString& target, const char16_t* units, size_t count) {
    return Fill(target, units, count);
}

bool AssignUnits(NKString& target, const unsigned char* bytes, size_t count) {
    return Fill(target, bytes, count);
}
