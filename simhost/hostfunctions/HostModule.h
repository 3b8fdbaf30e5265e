// Which executable the plug-in finds when it looks for its host. On Windows that is the
// running executable itself, which exports the host functions (VARLUNE.def); natively the
// simulated host registers its export table with the substitute loader under a chosen name.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

enum class HostExecutable { Varlune, Kestrin, None };

struct HostExport {
    const char* name;
    FARPROC proc;
};

// Every host function under its exact export name.
const std::vector<HostExport>& HostExportTable();

// Presents the host functions, all but those left out, as the exports of the given
// executable. Returns false where that cannot be arranged (on Windows, anything but the
// running executable with all of its exports).
bool PresentHostModule(HostExecutable executable, const std::vector<std::string>& leftOut);
void WithdrawHostModule();
