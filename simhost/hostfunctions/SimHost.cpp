#include "simhost/hostfunctions/SimHost.h"

#include <algorithm>
#include <system_error>

#include "simhost/desktop/PreferenceFolder.h"
#include "simhost/documents/ViewCommands.h"

namespace {
SimHost* currentHost = nullptr;
}

SimHost::SimHost(uint32_t version, HostExecutable executable,
                 const std::vector<std::string>& leftOut)
    : version_(version), presented_(PresentHostModule(executable, leftOut)) {
    currentHost = this;
}

// A host replaced by a newer one leaves the newer one's presentation alone.
SimHost::~SimHost() {
    SetPreferenceFolder({});
    if (currentHost != this)
        return;
    WithdrawHostModule();
    currentHost = nullptr;
}

void SimHost::SetPreferenceFolder(const std::filesystem::path& folder) {
    if (ownsPreferenceFolder_) {
        std::error_code ignored;
        std::filesystem::remove_all(preferenceFolder_, ignored);
    }
    preferenceFolder_ = folder;
    ownsPreferenceFolder_ = false;
}

const std::filesystem::path& SimHost::PreferenceFolder() {
    if (preferenceFolder_.empty()) {
        preferenceFolder_ = MakeTemporaryFolder();
        ownsPreferenceFolder_ = !preferenceFolder_.empty();
    }
    return preferenceFolder_;
}

SimHost* SimHost::Current() {
    return currentHost;
}

void SimHost::ScriptResult(const std::string& function, int32_t result) {
    scriptedResults_[function] = result;
}

std::optional<int32_t> SimHost::ScriptedResult(const std::string& function) const {
    auto it = scriptedResults_.find(function);
    if (it == scriptedResults_.end())
        return std::nullopt;
    return it->second;
}

SimDocument& SimHost::AddDocument(const std::string& title) {
    auto id = static_cast<int16_t>(documents_.size() + 1);
    documents_.push_back(std::make_unique<SimDocument>(id, title));
    if (currentDocument_ == 0)
        currentDocument_ = id;
    return *documents_.back();
}

SimDocument* SimHost::FindDocument(int16_t id) {
    for (auto& document : documents_)
        if (document->Id() == id)
            return document.get();
    return nullptr;
}

std::vector<SimDocument*> SimHost::Documents() const {
    std::vector<SimDocument*> open;
    for (const auto& document : documents_)
        open.push_back(document.get());
    return open;
}

bool SimHost::ExecuteCommand(int32_t command) {
    SimDocument* document = CurrentDocument();
    if (!document)
        return false;
    if (IsViewCommand(command))
        document->SetViewedSet(command - kShowAllStavesCommand);
    return true;
}

SimDocument* SimHost::CurrentDocument() {
    return FindDocument(currentDocument_);
}

SimDocument* SimHost::EditingDocument() {
    for (auto& document : documents_)
        if (document->EditOpen())
            return document.get();
    return nullptr;
}

bool SimHost::SwitchToDocument(int16_t id) {
    if (!FindDocument(id))
        return false;
    currentDocument_ = id;
    return true;
}

void SimHost::FailCall(const std::vector<std::string>& functions, int nth) {
    failures_.push_back({functions, nth});
}

bool SimHost::ConsumeInjectedFailure(const std::string& function) {
    bool fail = false;
    for (InjectedFailure& failure : failures_) {
        if (std::find(failure.functions.begin(), failure.functions.end(), function) ==
            failure.functions.end())
            continue;
        if (--failure.callsToGo == 0)
            fail = true;
    }
    failures_.erase(std::remove_if(failures_.begin(), failures_.end(),
                                   [](const InjectedFailure& f) { return f.callsToGo <= 0; }),
                    failures_.end());
    return fail;
}
