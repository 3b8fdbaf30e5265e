#include "simhost/hostfunctions/PluginModule.h"

namespace {
template <typename Function> Function As(FARPROC proc) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}
} // namespace

PluginModule::PluginModule(const std::string& path)
    : module_(LoadLibraryA(path.c_str())), version_(Find("VarluneExtensionVersion")),
      init_(Find("VarluneExtensionInit")), enumerate_(Find("VarluneExtensionEnumerate")),
      enumerateUtf16_(Find("VarluneExtensionEnumerate_UTF16")),
      invoke_(Find("VarluneExtensionInvoke")), terminate_(Find("VarluneExtensionTerminate")),
      menuStatus_(Find("VarluneExtensionGetMenuStatus")) {}

PluginModule::~PluginModule() {
    if (module_)
        FreeLibrary(module_);
}

FARPROC PluginModule::Find(const char* name) {
    FARPROC proc = module_ ? GetProcAddress(module_, name) : nullptr;
    if (!proc)
        missing_.push_back(name);
    return proc;
}

uint32_t PluginModule::Version(uint32_t hostVersion) {
    return version_ ? As<uint32_t(WINAPI*)(uint32_t)>(version_)(hostVersion) : 0;
}

int32_t PluginModule::Init(uint32_t* flags) {
    return init_ ? As<int32_t(WINAPI*)(int32_t, uint32_t*)>(init_)(0, flags) : 0;
}

int32_t PluginModule::Enumerate(int32_t index, void* record) {
    using Function = int32_t(WINAPI*)(int32_t, int32_t, void*);
    return enumerate_ ? As<Function>(enumerate_)(0, index, record) : 0;
}

int32_t PluginModule::EnumerateUtf16(int32_t index, void* record) {
    using Function = int32_t(WINAPI*)(int32_t, int32_t, void*);
    return enumerateUtf16_ ? As<Function>(enumerateUtf16_)(0, index, record) : 0;
}

int32_t PluginModule::Invoke(HWND hostWindow) {
    using Function = int32_t(WINAPI*)(HWND, int32_t, int32_t, int32_t);
    return invoke_ ? As<Function>(invoke_)(hostWindow, 0, 0, 0) : 0;
}

void PluginModule::Terminate() {
    if (terminate_)
        As<void(WINAPI*)(int32_t)>(terminate_)(0);
}

int32_t PluginModule::GetMenuStatus() {
    return menuStatus_ ? As<int32_t(WINAPI*)(int32_t)>(menuStatus_)(0) : 0;
}
