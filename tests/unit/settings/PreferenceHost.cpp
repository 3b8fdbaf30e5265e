#include "tests/unit/settings/PreferenceHost.h"

INSTANTIATE_TEST_SUITE_P(HostVersions, EachHostWidth, ::testing::Values(kEightBitHost, kUtf16Host),
                         [](const auto& info) {
                             return info.param == kEightBitHost ? "EightBit" : "Utf16";
                         });
