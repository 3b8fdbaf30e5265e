// The host's version word, module-wide. Every version-dependent choice of the plug-in (record
// layouts, 8-bit or UTF-16 text, path kinds) compares it, unsigned, with these thresholds.
#pragma once

#include <cstdint>

constexpr uint32_t kHostVersionDefault = 0x12050000; // assumed until the host tells
constexpr uint32_t kHostVersionUnicode = 0x11000000; // UTF-16 text from here on
constexpr uint32_t kHostVersion12 = 0x12000000;

uint32_t HostVersion();
// Text exchanged with the host is UTF-16 from version 0x11000000 on, 8-bit before.
inline bool HostUsesUtf16() {
    return HostVersion() >= kHostVersionUnicode;
}
void SetHostVersion(uint32_t version);

// For tests that need the state of a freshly loaded module.
void ResetHostVersionForTests();
