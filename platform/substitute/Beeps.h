// MessageBeep of the substitute layer: nothing sounds; every beep asked for is recorded, and
// a test can make the call fail to see how a caller copes.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace substitute {

// The type of every MessageBeep call since the last ClearBeeps, failed calls included.
const std::vector<UINT>& BeepsMade();
void ClearBeeps();

// While set, MessageBeep answers FALSE.
void SetMessageBeepFails(bool fails);

} // namespace substitute
