// The simulated host: the state behind the NX_ functions that the plug-in calls. The newest
// SimHost is the current one; the exported host functions act on it, and fail while there
// is none.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "simhost/hostfunctions/CallLog.h"
#include "simhost/hostfunctions/HostModule.h"
#include "simhost/documents/SimDocument.h"
#include "simhost/documents/StaffSlots.h"

class SimHost {
public:
    // Presents the host functions as the exports of the given executable for as long as this
    // host lives; a test can leave functions out to see how the plug-in copes.
    explicit SimHost(uint32_t version = 0x12050000,
                     HostExecutable executable = HostExecutable::Varlune,
                     const std::vector<std::string>& leftOut = {});
    ~SimHost();
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    static SimHost* Current();

    // The version word this host passes to the plug-in at load time.
    uint32_t Version() const { return version_; }
    // False when the requested executable could not be presented (see PresentHostModule).
    bool Presented() const { return presented_; }

    CallLog& Log() { return log_; }

    // The plug-in module whose dialog templates NX_Dialog creates: the module the host loaded,
    // or, for plug-in code linked into a test, the plug-in module file loaded for its
    // resources. Not owned. Without one NX_Dialog fails.
    void SetPluginModule(HMODULE module) { pluginModule_ = module; }
    HMODULE PluginModuleHandle() const { return pluginModule_; }

    // Documents. The first one added becomes current.
    SimDocument& AddDocument(const std::string& title);
    SimDocument* CurrentDocument();
    SimDocument* FindDocument(int16_t id);
    // Every open document, in the order they were added; the host owns them.
    std::vector<SimDocument*> Documents() const;
    bool SwitchToDocument(int16_t id);
    // The document whose edit is open, or null.
    SimDocument* EditingDocument();

    // Fault injection: the nth call from now (1 for the next) of any of these host functions
    // fails, answering 0 and changing nothing. Several injections may be pending at once.
    void FailCall(const std::vector<std::string>& functions, int nth);
    // True when this call of the function is one that must fail; counts the call.
    bool ConsumeInjectedFailure(const std::string& function);
    // Forgets the failures still to come.
    void ClearInjectedFailures() { failures_.clear(); }

    // The host's numbered staff names can be told to fail, as they do for some staves.
    void SetNumberedNamesFail(bool fail) { numberedNamesFail_ = fail; }
    bool NumberedNamesFail() const { return numberedNamesFail_; }

    // A careless host: a load into a buffer smaller than the record fills the buffer and
    // reports the record's full size as success, instead of refusing.
    void SetOverReportingLoads(bool on) { overReportingLoads_ = on; }
    bool OverReportingLoads() const { return overReportingLoads_; }

    // A host whose loads fail after they have filled the buffer.
    void SetFailingLoadsWrite(bool on) { failingLoadsWrite_ = on; }
    bool FailingLoadsWrite() const { return failingLoadsWrite_; }

    // The folder the host names to plug-ins for their preference files. Unless a caller sets
    // one, a fresh temporary folder is made for this host when first asked for, and removed
    // with its content when the host goes; a folder set by the caller is left as it is. An
    // empty path when no folder could be made.
    void SetPreferenceFolder(const std::filesystem::path& folder);
    const std::filesystem::path& PreferenceFolder();

    // Makes every later call of the named host function answer this value. Results of host
    // functions without a result are not affected.
    void ScriptResult(const std::string& function, int32_t result);
    std::optional<int32_t> ScriptedResult(const std::string& function) const;

    // Carries out one of the host's menu commands on the current document, as its menus or
    // NX_ExecuteMenuItem ask: the view commands change what the score shows, every other
    // command is taken without an effect the simulation shows. False without a document.
    bool ExecuteCommand(int32_t command);

    // Answers the slot questions about staff lists.
    StaffSlots& Slots() { return slots_; }

private:
    uint32_t version_;
    CallLog log_;
    std::map<std::string, int32_t> scriptedResults_;
    std::vector<std::unique_ptr<SimDocument>> documents_;
    int16_t currentDocument_ = 0;
    struct InjectedFailure {
        std::vector<std::string> functions;
        int callsToGo;
    };
    std::vector<InjectedFailure> failures_;
    bool numberedNamesFail_ = false;
    bool overReportingLoads_ = false;
    bool failingLoadsWrite_ = false;
    bool presented_;
    std::filesystem::path preferenceFolder_;
    bool ownsPreferenceFolder_ = false;
    HMODULE pluginModule_ = nullptr;
    StaffSlots slots_;
};
