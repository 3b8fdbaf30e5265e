// The host's version word, module-wide, and the one home of the thresholds it is compared
// with. Every version-dependent choice of the plug-in (record layouts and record versions,
// 8-bit or UTF-16 text, the preference folder's path kind) compares the word, unsigned,
// with one of these, never with a number of its own. Set once by the host through
// VarluneExtensionVersion; read on the host's user-interface thread like everything else.
#pragma once

#include <cstdint>

constexpr uint32_t kHostVersionDefault = 0x12050000; // assumed until the host tells
constexpr uint32_t kHostVersion10 = 0x10000000;      // preference folder by path kind 15, not 7
constexpr uint32_t kHostVersionUnicode = 0x11000000; // UTF-16 text and its record layouts
constexpr uint32_t kHostVersion12 = 0x12000000;      // the larger staff record

uint32_t HostVersion();
// Text exchanged with the host is UTF-16 from version 0x11000000 on, 8-bit before.
inline bool HostUsesUtf16() {
    return HostVersion() >= kHostVersionUnicode;
}
void SetHostVersion(uint32_t version);

// For tests that need the state of a freshly loaded module.
void ResetHostVersionForTests();
