#include "framework/settings/TextUnits.h"

#include <new>

namespace {

// A string's buffer only grows: filling it with a placeholder of the right length and
// emptying it leaves room for count units, so the appends that follow never regrow it.
bool MakeRoom(NKString& target, size_t count) {
    if (target.Capacity() > count) {
        target.AssignNarrow("");
        return true;
    }
    char16_t* placeholder = new (std::nothrow) char16_t[count + 1];
    if (placeholder == nullptr) {
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        placeholder[i] = u' ';
    }
    placeholder[count] = 0;
    target.AssignWide(placeholder);
    delete[] placeholder;
    target.AssignNarrow("");
    return target.Capacity() > count;
}

template <typename Unit> bool Fill(NKString& target, const Unit* units, size_t count) {
    if (!MakeRoom(target, count)) {
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        target.AppendChar(static_cast<char16_t>(units[i]));
    }
    return target.Length() == count;
}

} // namespace

bool AssignUnits(NKString& target, const char16_t* units, size_t count) {
    return Fill(target, units, count);
}

bool AssignUnits(NKString& target, const unsigned char* bytes, size_t count) {
    return Fill(target, bytes, count);
}
