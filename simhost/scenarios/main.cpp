// The simulated host's command-line program. It loads the plug-in module the way the real
// host does and prints what a user of the host would see of it.
//
//   VARLUNE [--host-version HEX] [PLUGIN]
//   VARLUNE --script FILE [--screenshots FOLDER] [PLUGIN]
//   VARLUNE --script-help
//
// PLUGIN defaults to the plug-in module next to this program, FOLDER to "screenshots" there. With
// --script the program carries out the scenario in FILE and prints its transcript; the exit code is
// 1 when an action could not be carried out. --script-help lists the actions a scenario can name.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "simhost/hostfunctions/Handshake.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"
#include "simhost/scenarios/ScenarioActions.h"
#include "simhost/scenarios/ScenarioRunner.h"

namespace {

// The folder of this program, with its separator, or "" when it was started by bare name.
std::string ProgramFolder(const char* programPath) {
    std::string path = programPath ? programPath : "";
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

int Usage() {
    std::fprintf(stderr, "usage: VARLUNE [--host-version HEX] [PLUGIN]\n"
                         "       VARLUNE --script FILE [--screenshots FOLDER] [PLUGIN]\n"
                         "       VARLUNE --script-help\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    uint32_t hostVersion = 0x12050000;
    const std::string programFolder = ProgramFolder(argv[0]);
    std::string pluginPath = programFolder + NK_PLUGIN_FILE_NAME;
    // Pictures stay in the build tree, next to the program, unless a folder is named.
    std::string script, screenshots = programFolder + "screenshots";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--host-version") == 0 && i + 1 < argc)
            hostVersion = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 16));
        else if (std::strcmp(argv[i], "--script") == 0 && i + 1 < argc)
            script = argv[++i];
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
