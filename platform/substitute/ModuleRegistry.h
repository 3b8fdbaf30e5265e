// What a Windows loader knows about the modules of a process, for the substitute layer:
// a module name, its export table, and a record of every lookup made, so tests can see how
// often the plug-in searched for its host.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"

namespace substitute {

struct Export {
    std::string name;
    FARPROC proc;
};

// Makes a module of that name "loaded" with the given exports; replaces one of the same name.
void RegisterModule(const std::string& moduleName, std::vector<Export> exports);
void UnregisterModule(const std::string& moduleName);

// The file a module was loaded from with LoadLibraryA, as it was named there; empty for a
// module registered by name and for a handle that is no module.
std::string LoadedModuleFile(HMODULE module);

// Every GetModuleHandleA and GetProcAddress call since the last ClearLookupLog, in order.
const std::vector<std::string>& ModuleLookups();
const std::vector<std::string>& ProcLookups();
void ClearLookupLog();

} // namespace substitute
