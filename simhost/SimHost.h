// The simulated host: the state behind the NX_ functions that the plug-in calls. One SimHost
// is current at a time; the exported host functions act on it, and fail while there is none.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "simhost/CallLog.h"
#include "simhost/HostModule.h"

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

    // Makes every later call of the named host function answer this value. Results of host
    // functions without a result are not affected.
    void ScriptResult(const std::string& function, int32_t result);
    std::optional<int32_t> ScriptedResult(const std::string& function) const;

private:
    uint32_t version_;
    CallLog log_;
    std::map<std::string, int32_t> scriptedResults_;
    SimHost* previous_;
    bool presented_;
};
