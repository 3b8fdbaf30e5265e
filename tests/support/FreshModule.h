// Puts the plug-in's module-wide state back to how a freshly loaded module has it, before and
// after a test, so tests do not see each other's bindings, edits or host version.
#pragma once

#include "shell/HostBridge.h"
#include "shell/HostVersion.h"

struct FreshModule {
    FreshModule() { Reset(); }
    ~FreshModule() { Reset(); }
    static void Reset() {
        ResetHostBridgeForTests();
        ResetHostVersionForTests();
    }
};
