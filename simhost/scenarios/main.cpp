// The simulated host's command-line program. It loads the plug-in module the way the real
// host does and prints what a user of the host would see of it.
//
//   VARLUNE [--host-version HEX] [PLUGIN]
//   VARLUNE --script FILE [--screenshots FOLDER] [--checked] [PLUGIN]
//   VARLUNE --script-help
//   VARLUNE --try [--record FILE] [PLUGIN]
//   VARLUNE --walks SEED COUNT [--actions N] [--display DPI] [--minutes M] [--failures FOLDER]
//           [--keep FOLDER] [PLUGIN]
//
// PLUGIN defaults to the plug-in module next to this program, FOLDER to "screenshots" there. With
// --script the program carries out the scenario in FILE and prints its transcript; the exit code is
// 1 when an action could not be carried out. --script-help lists the actions a scenario can name.
// --checked runs the scenario as a random walk runs: what the stage does not offer is noted
// and passed over, and every step is checked against the host's records (a shrunk walk
// replays so).
//
// --walks runs COUNT random walks of N actions (200 unless given), from seed SEED up, each
// checked against the host's records, and prints a line for each: its actions, the checks
// made and its transcript's fingerprint; with --display the walks run on a display at that
// scale (96 unless given). With --minutes it goes on with new seeds until that
// time is spent. A walk that fails is shrunk, and the shortest scenario found saved in
// FOLDER (the program's folder unless given); the exit code is then 1. With --keep every walk
// and its transcript are written into that folder, to compare the platforms' transcripts.
//
// --try opens the host's main window for a person to try the plug-in (Windows only; see
// TryMode.h); with --record it writes what the host's records hold into FILE as it closes.

#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <cstring>
#include <fstream>
#include <string>

#include "simhost/desktop/TryMode.h"
#include "simhost/hostfunctions/Handshake.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"
#include "simhost/scenarios/ScenarioActions.h"
#include "simhost/scenarios/RandomWalk.h"
#include "simhost/scenarios/ScenarioRunner.h"
#include "simhost/scenarios/WalkRunner.h"

namespace {

// The folder of this program, with its separator, or "" when it was started by bare name.
std::string ProgramFolder(const char* programPath) {
    std::string path = programPath ? programPath : "";
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

int Usage() {
    std::fprintf(stderr, "usage: VARLUNE [--host-version HEX] [PLUGIN]\n"
                         "       VARLUNE --script FILE [--screenshots FOLDER] [--checked] [PLUGIN]\n"
                         "       VARLUNE --script-help\n"
                         "       VARLUNE --try [--record FILE] [PLUGIN]\n"
                         "       VARLUNE --walks SEED COUNT [--actions N] [--display DPI]"
                         " [--minutes M] [--failures FOLDER] [--keep FOLDER] [PLUGIN]\n");
    return 2;
}

struct WalkPlan {
    uint32_t firstSeed = 0;
    long count = 0;
    int actions = 200;
    double minutes = 0;
    int dotsPerInch = 96;
    std::string failures;
    std::string kept; // where every walk and its transcript are kept; "" for nowhere
};

// Saves the shortest failing scenario found for the walk; answers its path.
std::string SaveShrunk(const std::string& pluginPath, const WalkPlan& plan, uint32_t seed,
                       const Scenario& walk) {
    const Scenario shrunk = ShrinkFailingScenario(pluginPath, walk);
    const std::string path = plan.failures + "walk-" + std::to_string(seed) + ".scenario";
    std::ofstream(path) << "# random walk " << seed << ", shrunk from " << walk.lines.size()
                        << " lines to " << shrunk.lines.size() << "\n"
                        << ScenarioText(shrunk);
    return path;
}

int RunWalks(const std::string& pluginPath, const WalkPlan& plan) {
    const auto start = std::chrono::steady_clock::now();
    auto timeLeft = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() <
               plan.minutes * 60;
    };
    size_t walks = 0, actions = 0, comparisons = 0, failed = 0;
    for (uint32_t seed = plan.firstSeed;
         static_cast<long>(walks) < plan.count || (plan.minutes > 0 && timeLeft()); ++seed) {
        const std::string text = WriteRandomWalk(seed, plan.actions, plan.dotsPerInch);
        const Scenario walk = ScenarioOfText(text);
        const WalkOutcome outcome = RunCheckedScenario(pluginPath, walk);
        if (!plan.kept.empty()) {
            const std::string name = plan.kept + "walk-" + std::to_string(seed);
            std::ofstream(name + ".scenario") << text;
            std::ofstream(name + ".txt") << outcome.transcript;
        }
        ++walks;
        actions += outcome.actions;
        comparisons += outcome.comparisons;
        std::printf("walk %u: %zu actions, %zu comparisons, transcript %s\n", seed,
                    outcome.actions, outcome.comparisons,
                    Fingerprint(outcome.transcript).c_str());
        if (!outcome.passed) {
            ++failed;
            std::printf("%s", outcome.transcript.substr(outcome.transcript.rfind("\n> ")).c_str());
            std::printf("  shrunk to %s\n", SaveShrunk(pluginPath, plan, seed, walk).c_str());
        }
        std::fflush(stdout);
    }
    std::printf("%zu walks, %zu actions, %zu comparisons, %zu failed\n", walks, actions,
                comparisons, failed);
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    uint32_t hostVersion = 0x12050000;
    const std::string programFolder = ProgramFolder(argv[0]);
    std::string pluginPath = programFolder + NK_PLUGIN_FILE_NAME;
    // Pictures stay in the build tree, next to the program, unless a folder is named.
    std::string script, screenshots = programFolder + "screenshots";
    WalkPlan walks;
    bool checked = false, interactive = false;
    std::string record;
    walks.failures = programFolder;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--host-version") == 0 && i + 1 < argc)
            hostVersion = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 16));
        else if (std::strcmp(argv[i], "--script") == 0 && i + 1 < argc)
            script = argv[++i];
        else if (std::strcmp(argv[i], "--walks") == 0 && i + 2 < argc) {
            walks.firstSeed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
            walks.count = std::strtol(argv[++i], nullptr, 10);
        } else if (std::strcmp(argv[i], "--actions") == 0 && i + 1 < argc)
            walks.actions = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--display") == 0 && i + 1 < argc)
            walks.dotsPerInch = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--minutes") == 0 && i + 1 < argc)
            walks.minutes = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--failures") == 0 && i + 1 < argc)
            walks.failures = std::string(argv[++i]) + "/";
        else if (std::strcmp(argv[i], "--keep") == 0 && i + 1 < argc)
            walks.kept = std::string(argv[++i]) + "/";
        else if (std::strcmp(argv[i], "--checked") == 0)
            checked = true;
        else if (std::strcmp(argv[i], "--try") == 0)
            interactive = true;
        else if (std::strcmp(argv[i], "--record") == 0 && i + 1 < argc)
            record = argv[++i];
        else if (std::strcmp(argv[i], "--script-help") == 0) {
            std::fputs(ScenarioActionHelp().c_str(), stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--screenshots") == 0 && i + 1 < argc)
            screenshots = argv[++i];
        else if (argv[i][0] == '-')
            return Usage();
        else
            pluginPath = argv[i];
    }

    if (interactive)
        return RunTryMode(pluginPath, record);
    if (walks.count > 0 || walks.minutes > 0)
        return RunWalks(pluginPath, walks);
    if (!script.empty() && checked) {
        const WalkOutcome outcome = RunCheckedScenario(pluginPath, ReadScenario(script));
        std::fputs(outcome.transcript.c_str(), stdout);
        return outcome.passed ? 0 : 1;
    }
    if (!script.empty()) {
        ScenarioRunner runner(pluginPath, screenshots);
        std::string transcript;
        const bool done = runner.Run(ReadScenario(script), transcript);
        std::fputs(transcript.c_str(), stdout);
        return done ? 0 : 1;
    }

    std::printf("Varlune, simulated host (%s build)\n", NK_BUILD_KIND);
    SimHost host(hostVersion);
    PluginModule plugin(pluginPath);
    if (!plugin.Loaded()) {
        std::printf("The plug-in %s could not be loaded.\n", pluginPath.c_str());
        return 1;
    }
    if (!plugin.Usable()) {
        std::printf("%s is not a plug-in; it lacks:", pluginPath.c_str());
        for (const std::string& name : plugin.MissingEntryPoints())
            std::printf(" %s", name.c_str());
        std::printf("\n");
        return 1;
    }
    std::fputs(FormatHandshake(RunHandshake(plugin, hostVersion), pluginPath).c_str(), stdout);
    plugin.Terminate();
    std::printf("  Terminate called; the plug-in is unloaded.\n");
    return 0;
}
