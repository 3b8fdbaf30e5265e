#include "platform/substitute/ModuleRegistry.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <memory>

struct HINSTANCE__ {
    std::string name;
    std::vector<substitute::Export> exports;
    void* sharedObject = nullptr; // set for modules loaded from a file with LoadLibraryA
};

namespace {

struct Registry {
    std::vector<std::unique_ptr<HINSTANCE__>> modules;
    std::vector<std::string> moduleLookups;
    std::vector<std::string> procLookups;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

// Windows compares module names without regard to case.
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

namespace substitute {

void RegisterModule(const std::string& moduleName, std::vector<Export> exports) {
    UnregisterModule(moduleName);
    auto module = std::make_unique<HINSTANCE__>();
    module->name = moduleName;
    module->exports = std::move(exports);
    TheRegistry().modules.push_back(std::move(module));
}

void UnregisterModule(const std::string& moduleName) {
    auto& modules = TheRegistry().modules;
    modules.erase(std::remove_if(modules.begin(), modules.end(),
                                 [&](const std::unique_ptr<HINSTANCE__>& m) {
                                     return !m->sharedObject && SameName(m->name, moduleName);
                                 }),
                  modules.end());
}

std::string LoadedModuleFile(HMODULE module) {
    for (const auto& m : TheRegistry().modules)
        if (m.get() == module && m->sharedObject)
            return m->name;
    return "";
}

const std::vector<std::string>& ModuleLookups() {
    return TheRegistry().moduleLookups;
}
const std::vector<std::string>& ProcLookups() {
    return TheRegistry().procLookups;
}

void ClearLookupLog() {
    TheRegistry().moduleLookups.clear();
    TheRegistry().procLookups.clear();
}

} // namespace substitute

extern "C" {

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
    Registry& registry = TheRegistry();
    registry.moduleLookups.push_back(moduleName ? moduleName : "");
    if (!moduleName)
        return nullptr;
    for (auto& module : registry.modules)
        if (!module->sharedObject && SameName(module->name, moduleName))
            return module.get();
    return nullptr;
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName) {
    Registry& registry = TheRegistry();
    registry.procLookups.push_back(procName ? procName : "");
    // A handle of a module that has gone is refused, not followed.
    const bool known =
        std::any_of(registry.modules.begin(), registry.modules.end(),
                    [&](const std::unique_ptr<HINSTANCE__>& m) { return m.get() == module; });
    if (!known || !procName)
        return nullptr;
    if (module->sharedObject)
        return reinterpret_cast<FARPROC>(dlsym(module->sharedObject, procName));
    for (const auto& entry : module->exports)
        if (entry.name == procName)
            return entry.proc;
    return nullptr;
}

HMODULE WINAPI LoadLibraryA(LPCSTR fileName) {
    if (!fileName)
        return nullptr;
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    auto module = std::make_unique<HINSTANCE__>();
    module->name = fileName;
    module->sharedObject = handle;
    HMODULE result = module.get();
    TheRegistry().modules.push_back(std::move(module));
    return result;
}

BOOL WINAPI FreeLibrary(HMODULE module) {
    auto& modules = TheRegistry().modules;
    auto it =
        std::find_if(modules.begin(), modules.end(),
                     [&](const std::unique_ptr<HINSTANCE__>& m) { return m.get() == module; });
    if (it == modules.end() || !module->sharedObject)
        return FALSE;
    dlclose(module->sharedObject);
    modules.erase(it);
    return TRUE;
}
}
