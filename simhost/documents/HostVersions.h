// The host versions from which the host changes its text and record layouts: the simulated
// host's own thresholds, independent of the plug-in's.
#pragma once

#include <cstdint>

// The newest host's interface version, in which the host exchanges the record types that
// have only one format.
constexpr uint32_t kSimApiVersion = 0x12050000;

constexpr uint32_t kSimUnicodeHost = 0x11000000; // UTF-16 text and its record layouts
constexpr uint32_t kSimHost12 = 0x12000000;      // the larger staff record

constexpr bool IsUnicodeHost(uint32_t hostVersion) {
    return hostVersion >= kSimUnicodeHost;
}
