// A plug-in module as the host sees it: a library loaded from a file and seven entry points
// found in it by name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32.h"

class PluginModule {
public:
    explicit PluginModule(const std::string& path);
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    // The loaded module, whose resources hold the plug-in's dialog templates.
    HMODULE Handle() const { return module_; }
    // Names of the entry points the module does not export; empty for a usable plug-in.
    const std::vector<std::string>& MissingEntryPoints() const { return missing_; }
    bool Usable() const { return Loaded() && missing_.empty(); }

    uint32_t Version(uint32_t hostVersion);
    int32_t Init(uint32_t* flags);
    int32_t Enumerate(int32_t index, void* record);
    int32_t EnumerateUtf16(int32_t index, void* record);
    int32_t Invoke(HWND hostWindow);
    void Terminate();
    int32_t GetMenuStatus();

private:
    FARPROC Find(const char* name);

    HMODULE module_;
    std::vector<std::string> missing_;
    FARPROC version_, init_, enumerate_, enumerateUtf16_, invoke_, terminate_, menuStatus_;
};
