#include "shell/HostVersion.h"

namespace {
uint32_t hostVersion = kHostVersionDefault;
}

uint32_t HostVersion() {
    return hostVersion;
}

void SetHostVersion(uint32_t version) {
    hostVersion = version;
}

void ResetHostVersionForTests() {
    hostVersion = kHostVersionDefault;
}
