#include "simhost/desktop/TryMode.h"

#include <cstdio>
#include <fstream>

#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/PluginDialogs.h"
#include "simhost/desktop/ScoreReport.h"
#include "simhost/desktop/ScoreWindow.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/documents/ScenarioScores.h"
#include "simhost/hostfunctions/Handshake.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"

namespace {

// The second score: more staves than the sample, all eight sets stored, the odd ones named.
constexpr int kSecondScoreStaves = 24;
constexpr int kSecondScoreDefinitions = 12;

void RunMessageLoop(ScoreWindow& window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TranslateShortcut(message) || PluginDialogs::TakeDialogMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

int RunTryMode(const std::string& pluginPath, const std::string& recordPath) {
    SimHost host;
    AddSampleScore(host);
    AddGeneratedScore(host, kSecondScoreStaves, kSecondScoreDefinitions);
    HostDesktop desktop;
    desktop.LeaveBoxesToTheUser();
    PluginModule plugin(pluginPath);
    if (!plugin.Usable()) {
        std::fprintf(stderr, "The plug-in %s could not be loaded.\n", pluginPath.c_str());
        return 1;
    }
    host.SetPluginModule(plugin.Handle());
    // Loading the plug-in as the host does also gives its menu command's text.
    const HandshakeReport handshake = RunHandshake(plugin, host.Version());
    {
        ScoreWindow window(desktop, host, plugin, handshake.wideEntry.menuText);
        RunMessageLoop(window);
    }
    bool recorded = true;
    if (!recordPath.empty()) {
        std::ofstream record(recordPath, std::ios::binary | std::ios::trunc);
        record << DescribeOpenDocuments(host);
        recorded = static_cast<bool>(record);
        if (!recorded)
            std::fprintf(stderr, "The record could not be written to %s.\n", recordPath.c_str());
    }
    plugin.Terminate();
    desktop.PumpMessages();
    return recorded ? 0 : 1;
}
