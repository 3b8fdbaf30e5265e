#include "framework/core/NKStrings.h"

const char* NKStrings::ClassName() const {
    return "NKStrings";
}
