// The host's side of loading a plug-in: version, init, the menu entry from both enumerate
// functions, and the menu status, read back from the records as the host's menu shows them.
#pragma once

#include <cstdint>
#include <string>

#include "simhost/hostfunctions/PluginModule.h"

struct MenuEntry {
    int32_t result = 0;                           // what the enumerate function answered
    std::string menuText, description, shortName; // UTF-8
    int32_t trailer = -1;
};

struct HandshakeReport {
    uint32_t hostVersion = 0;
    uint32_t answeredVersion = 0;
    int32_t initResult = 0;
    uint32_t initFlags = 0;
    MenuEntry narrowEntry;
    MenuEntry wideEntry;
    int32_t secondEntryResult = 0; // the host asks for entry 1 to learn there is no other
    int32_t menuStatus = 0;
};

HandshakeReport RunHandshake(PluginModule& plugin, uint32_t hostVersion);
std::string FormatHandshake(const HandshakeReport& report, const std::string& pluginPath);
