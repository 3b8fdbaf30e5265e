#include "platform/substitute/DisplayScale.h"

#include <cstdint>

namespace {

// clang-format off
constexpr substitute::ScaleMeasurements kScales[] = {
    // dpi caption frame min track   max track    dialog  system  list header, row
    {96,   19,     4,    112, 27,    1036, 780,   6, 12,  7, 16,  16, 13},
    {120,  24,     4,    140, 32,    1036, 780,   8, 15,  9, 25,  19, 16},
    {144,  28,     5,    162, 38,    1038, 782,   9, 17,  11, 35, 21, 18},
    {192,  37,     5,    210, 47,    1038, 782,   12, 23, 14, 64, 27, 24},
};
// clang-format on

const substitute::ScaleMeasurements* current = &kScales[0];

} // namespace

namespace substitute {

const ScaleMeasurements& DisplayScale() {
    return *current;
}

bool SetDisplayDpi(int dpi) {
    for (const ScaleMeasurements& scale : kScales)
        if (scale.dpi == dpi) {
            current = &scale;
            return true;
        }
    return false;
}

} // namespace substitute
