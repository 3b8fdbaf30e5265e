// The open panel on a generated score, driven the way a user and the host drive it: the
// simulated host loads the plug-in from its module file, opens the panel through the
// plug-in's own entry points, delivers timer ticks to the real dialog and clicks its real
// controls. Every benchmark of the panel's host-call cost starts from one of these.
//
// The score has `staves` staves in eight sets of staves/8 and `definitions` expression
// definitions besides the set names. The host's call log is the measure: HostCalls counts
// every host function the plug-in called since the last ClearLog.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32.h"

class HostDesktop;
class PluginModule;
class SimDocument;
class SimHost;

class PanelBench {
public:
    PanelBench(int staves, int definitions);
    ~PanelBench();
    PanelBench(const PanelBench&) = delete;
    PanelBench& operator=(const PanelBench&) = delete;

    // False when the plug-in could not be loaded or the panel did not open.
    bool Ready() const { return panelOpened_; }

    SimHost& Host() { return *host_; }
    SimDocument& Document() { return *document_; }

    // Opens the panel through the plug-in's invoke entry point; closes it with its "&Close"
    // button. The host's message queue is emptied after each.
    void Open();
    void Close();
    HWND Panel() const;

    // One tick of the panel's timer, sent to the dialog as the system sends it.
    void Tick();
    // The user's clicks and typing on the open panel.
    void ClickRow(int row);
    void Type(const std::string& text);
    void Press(const std::string& caption);
    // The next question box is answered "Yes".
    void AnswerYes();
    // Takes back the last edit of the score, if there was one since `historyBefore` steps.
    void UndoEditsBeyond(size_t historyBefore);
    size_t UndoSteps() const;

    size_t HostCalls() const;
    // Loads (with a buffer, not size queries) of records with this tag since the last ClearLog.
    size_t LoadsWithBuffer(uint32_t tag) const;
    void ClearLog();

private:
    std::unique_ptr<SimHost> host_;
    std::unique_ptr<HostDesktop> desktop_;
    std::unique_ptr<PluginModule> plugin_;
    SimDocument* document_ = nullptr;
    bool panelOpened_ = false;
};
