// The host's menu commands that choose what the score shows: 10611 all staves, 10611 + s
// staff set s (1 to 8). The plug-in runs them through NX_ExecuteMenuItem; the host's View
// menu carries the same numbers.
#pragma once

#include <cstdint>

constexpr int32_t kShowAllStavesCommand = 10611;
constexpr int kStaffSetsInView = 8;

constexpr int32_t ShowStaffSetCommand(int set) {
    return kShowAllStavesCommand + set;
}

constexpr bool IsViewCommand(int32_t command) {
    return command >= kShowAllStavesCommand && command <= ShowStaffSetCommand(kStaffSetsInView);
}
