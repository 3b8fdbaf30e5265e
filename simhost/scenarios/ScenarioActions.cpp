#include "simhost/scenarios/ScenarioActions.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/PanelFacts.h"
#include "simhost/desktop/PanelView.h"
#include "simhost/desktop/ScoreReport.h"
#include "simhost/desktop/UserInput.h"
#include "simhost/documents/HostEdits.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/documents/ScenarioScores.h"
#include "simhost/documents/SimDocument.h"
#include "simhost/documents/UtfConversion.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"

namespace {

using PanelFacts::kOptionsFile;
using PanelFacts::kPreferencesFile;

// Each action below takes the stage, what its line gave for the form's placeholders, and the
// transcript; it returns false when it cannot be done.

bool ChooseHostVersion(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    stage.ChooseHostVersion(static_cast<uint32_t>(arguments.numbers[0]));
    return true;
}

// The scales a scenario can ask for: those the substitute was measured at under Wine.
constexpr int kDisplayScales[] = {96, 120, 144, 192};

bool ChooseDisplayScale(ScenarioStage&, const ActionArguments& arguments, std::string& out) {
    const long long asked = arguments.numbers[0];
    if (std::find(std::begin(kDisplayScales), std::end(kDisplayScales), asked) ==
        std::end(kDisplayScales)) {
        out +=
            "  a display runs at 96, 120, 144 or 192 dpi here, not " + std::to_string(asked) + "\n";
        return false;
    }
    std::string why;
    if (!HostDesktop::UseDisplayScale(static_cast<int>(asked), why)) {
        out += "  " + why + "\n";
        return false;
    }
    out += "display at " + std::to_string(asked) + " dpi\n";
    return true;
}

bool SayLoaded(const SimDocument& document, std::string& out) {
    out += "  document " + std::to_string(document.Id()) + ": " + document.Title() + "\n";
    return true;
}

bool LoadSampleScore(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return SayLoaded(AddSampleScore(stage.Host()), out);
}

bool LoadEmptyScore(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return SayLoaded(AddEmptyScore(stage.Host()), out);
}

bool LoadScoreWithoutDataCategory(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return SayLoaded(AddSampleWithoutDataCategory(stage.Host()), out);
}

bool LoadGeneratedScore(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    const int staves = static_cast<int>(arguments.numbers[0]);
    const int definitions = static_cast<int>(arguments.numbers[1]);
    return SayLoaded(AddGeneratedScore(stage.Host(), staves, definitions), out);
}

bool SwitchToDocument(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    return stage.Host().SwitchToDocument(static_cast<int16_t>(arguments.numbers[0]));
}

bool SelectStaves(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    stage.Document()->SelectSlots(static_cast<int16_t>(arguments.numbers[0]),
                                  static_cast<int16_t>(arguments.numbers[1]));
    return true;
}

bool SelectStaff(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    const auto slot = static_cast<int16_t>(arguments.numbers[0]);
    stage.Document()->SelectSlots(slot, slot);
    return true;
}

bool SelectNothing(ScenarioStage& stage, const ActionArguments&, std::string&) {
    stage.Document()->ClearSelection();
    return true;
}

// The command is on the host's menu, which a modal dialog of the host puts out of reach.
bool OpenPanel(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    if (!IsWindowEnabled(stage.Desktop().MainWindow())) {
        out += "  (the host's window is disabled: its menu cannot be reached)\n";
        return true;
    }
    stage.Plugin()->Invoke(stage.Desktop().MainWindow());
    return true;
}

// A user's click or key that cannot arrive (the window is disabled or hidden) does nothing;
// the transcript says so.
bool SayIfUnreached(bool reached, std::string& out) {
    if (!reached)
        out += "  (the panel is disabled or hidden: nothing happens)\n";
    return true;
}

bool ClickRow(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    const int row = static_cast<int>(arguments.numbers[0]);
    return SayIfUnreached(UserInput::ClickRow(PanelList(stage.Panel()), row), out);
}

bool DoubleClickRow(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    const int row = static_cast<int>(arguments.numbers[0]);
    return SayIfUnreached(UserInput::DoubleClickRow(PanelList(stage.Panel()), row), out);
}

bool TypeText(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    HWND nameField = PanelNameField(stage.Panel());
    return SayIfUnreached(UserInput::TypeText(nameField, Utf8ToUtf16(arguments.texts[0])), out);
}

bool PressButton(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    HWND button = FindButton(stage.Panel(), arguments.texts[0]);
    if (!button)
        return false;
    if (!IsWindowEnabled(button)) {
        out += "  (the button is disabled: the click does nothing)\n";
        return true;
    }
    return SayIfUnreached(UserInput::ClickButton(button), out);
}

bool AnswerYes(ScenarioStage& stage, const ActionArguments&, std::string&) {
    stage.Desktop().AnswerNextBoxes({IDYES});
    return true;
}

bool AnswerNo(ScenarioStage& stage, const ActionArguments&, std::string&) {
    stage.Desktop().AnswerNextBoxes({IDNO});
    return true;
}

bool PressKey(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    UserInput::KeyStroke key;
    if (!UserInput::ReadKey(arguments.texts[0], key))
        return false;
    if (!UserInput::PressKey(key, [&stage] { stage.Desktop().PumpMessages(); }))
        out += "  (no window has the focus: the key goes nowhere)\n";
    return true;
}

bool AnswerByKey(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    UserInput::KeyStroke key;
    if (!UserInput::ReadKey(arguments.texts[0], key))
        return false;
    stage.Desktop().AnswerNextBoxByKey(arguments.texts[0], key);
    return true;
}

bool ShowFocus(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    out += DescribeFocus(stage.Panel(), stage.Desktop().MainWindow(), "  ");
    return true;
}

bool Tick(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    // A tick may close the panel; the ticks after that have no timer to fire.
    for (long long tick = 0; tick < arguments.numbers[0] && stage.Panel(); ++tick) {
        SendMessageW(stage.Panel(), WM_TIMER, PanelFacts::kTimerId, 0);
        stage.Desktop().PumpMessages();
    }
    return true;
}

bool ClickIntoTheScore(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return SayIfUnreached(UserInput::Activate(stage.Desktop().MainWindow()), out);
}

bool ClickIntoThePanel(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return SayIfUnreached(UserInput::Activate(stage.Panel()), out);
}

bool PutUpHostModalDialog(ScenarioStage& stage, const ActionArguments&, std::string&) {
    stage.Desktop().PutUpModalDialog();
    return true;
}

bool TakeDownHostModalDialog(ScenarioStage& stage, const ActionArguments&, std::string&) {
    stage.Desktop().TakeDownModalDialog();
    return true;
}

bool MovePanel(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    SetWindowPos(stage.Panel(), nullptr, static_cast<int>(arguments.numbers[0]),
                 static_cast<int>(arguments.numbers[1]), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool ClosePanelByCaption(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return SayIfUnreached(UserInput::CloseByCaption(stage.Panel()), out);
}

// Lines end as the host writes them on Windows, whatever the platform.
bool WritePreferenceFile(ScenarioStage& stage, const char* name,
                         const std::vector<std::string>& lines) {
    std::ofstream file(stage.PreferenceFile(name), std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        file << line << "\r\n";
    return static_cast<bool>(file);
}

bool WriteOptions(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    return WritePreferenceFile(stage, kOptionsFile, arguments.texts);
}

bool WritePrefs(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    return WritePreferenceFile(stage, kPreferencesFile, arguments.texts);
}

bool UnloadPlugin(ScenarioStage& stage, const ActionArguments&, std::string&) {
    stage.UnloadPlugin();
    return true;
}

bool LoadPlugin(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return stage.LoadPlugin(out);
}

// The host's own commands are greyed out where they cannot act (nothing to undo, no such staff
// or set, a set without a name record to rename): the transcript says so and the scenario goes on.
bool SayIfHostCannot(bool done, std::string& out) {
    if (!done)
        out += "  (the host's command is not available: nothing happens)\n";
    return true;
}

bool Undo(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return SayIfHostCannot(stage.Document()->Undo(), out);
}

bool Redo(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return SayIfHostCannot(stage.Document()->Redo(), out);
}

bool FailCall(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    stage.Host().FailCall({arguments.texts[0]}, static_cast<int>(arguments.numbers[0]));
    return true;
}

bool RenameSetOutside(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    return RenameSetBehindThePanel(*stage.Document(), stage.HostVersion(),
                                   static_cast<int>(arguments.numbers[0]), arguments.texts[0]);
}

bool HostAddsStaff(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    return SayIfHostCannot(
        AddStaffToScore(*stage.Document(), stage.HostVersion(), arguments.texts[0]), out);
}

bool HostDeletesStaff(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    return SayIfHostCannot(
        DeleteStaffFromScore(*stage.Document(), static_cast<int>(arguments.numbers[0])), out);
}

bool HostSetsStaves(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    return SayIfHostCannot(SetStaffSetStaves(*stage.Document(),
                                             static_cast<int>(arguments.numbers[0]),
                                             static_cast<int>(arguments.numbers[1]),
                                             static_cast<int>(arguments.numbers[2])),
                           out);
}

bool HostRenamesSet(ScenarioStage& stage, const ActionArguments& arguments, std::string& out) {
    return SayIfHostCannot(RenameStaffSet(*stage.Document(), stage.HostVersion(),
                                          static_cast<int>(arguments.numbers[0]),
                                          arguments.texts[0]),
                           out);
}

bool Show(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    out += DescribePanel(stage.Panel(), "  ");
    if (stage.Document())
        out += "  the score shows " + stage.ViewName() + "\n";
    return true;
}

bool ShowScore(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    out += DescribeScoreRecords(*stage.Document(), stage.HostVersion(), "  ");
    return true;
}

std::string FileContents(const std::string& path, const std::string& indent) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return indent + "(no file)\n";
    std::string out, line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back(); // the same lines whichever line ends the platform writes
        out += indent + line + "\n";
    }
    return out.empty() ? indent + "(empty file)\n" : out;
}

bool ShowColumns(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    out += DescribeColumns(stage.Panel(), "  ");
    return true;
}

bool ShowPrefs(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    for (const char* name : {kPreferencesFile, kOptionsFile})
        out += "  " + std::string(name) + ":\n" + FileContents(stage.PreferenceFile(name), "    ");
    return true;
}

// The file of the picture named in the scenario, in a folder made if need be.
std::string PictureFile(ScenarioStage& stage, const std::string& name) {
    std::error_code ignored; // a folder that cannot be made shows as a failed save
    std::filesystem::create_directories(stage.ScreenshotFolder(), ignored);
    return stage.ScreenshotFolder() + "/" + name + ".png";
}

bool Screenshot(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    // Said on the error stream only: a transcript must not depend on the platform.
    const std::string path = PictureFile(stage, arguments.texts[0]);
    if (stage.Desktop().SaveScreenshot(stage.Panel(), path))
        std::fprintf(stderr, "screenshot saved: %s\n", path.c_str());
    return true;
}

bool ScreenshotNextBox(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    stage.Desktop().PhotographNextBox(PictureFile(stage, arguments.texts[0]));
    return true;
}

std::vector<ScenarioAction> MakeScenarioActions() {
    const std::string prefs = kPreferencesFile, options = kOptionsFile;
    // clang-format off
    return {
        {"host version <hex>", StageNeed::HostNotStarted, ChooseHostVersion,
         "only before other lines: the host the plug-in meets"},
        {"display <number> dpi", StageNeed::HostNotStarted, ChooseDisplayScale,
         "only before other lines: the display's scale (96, 120, 144, 192)"},
        {"load score sample", StageNeed::Nothing, LoadSampleScore,
         "the built-in orchestral score, as a new document"},
        {"load score empty", StageNeed::Nothing, LoadEmptyScore,
         "a new document without a single record"},
        {"load score without data category", StageNeed::Nothing, LoadScoreWithoutDataCategory,
         "the sample without the category that keeps set names"},
        {"load score generated <number> staves <number> definitions",
         StageNeed::Nothing, LoadGeneratedScore,
         "a score of that size, in eight staff sets"},
        {"switch to document <number>", StageNeed::Nothing, SwitchToDocument,
         "that document becomes the current one"},
        {"select staves <number> to <number>", StageNeed::Document, SelectStaves,
         "slots of the score's main list"},
        {"select staff <number>", StageNeed::Document, SelectStaff,
         "one slot of the score's main list"},
        {"select nothing", StageNeed::Document, SelectNothing,
         "no staff stays selected"},
        {"open panel", StageNeed::PluginLoaded, OpenPanel,
         "picks \"QM Staff Set Panel...\" in the host's menu"},
        {"click row <number>", StageNeed::Panel, ClickRow,
         "rows 0 (All Staves) to 8"},
        {"double-click row <number>", StageNeed::Panel, DoubleClickRow,
         "two clicks on the row, the second a double click"},
        {"type <text>", StageNeed::Panel, TypeText,
         "replaces the name field's text, as typing over it does"},
        {"press <text>", StageNeed::Panel, PressButton,
         "the button with that caption: press \"&Create Set\""},
        {"answer Yes", StageNeed::Nothing, AnswerYes,
         "the next message box, when it comes, is answered Yes"},
        {"answer No", StageNeed::Nothing, AnswerNo,
         "the next message box, when it comes, is answered No"},
        {"key <key>", StageNeed::Nothing, PressKey,
         "a key pressed and released where the focus is: key Shift+Tab"},
        {"answer by key <key>", StageNeed::Nothing, AnswerByKey,
         "the next message box, when it comes, gets that key"},
        {"tick <number>", StageNeed::Panel, Tick,
         "the panel's timer fires that many times"},
        {"click into the score", StageNeed::Nothing, ClickIntoTheScore,
         "the host's window becomes active"},
        {"click into the panel", StageNeed::Panel, ClickIntoThePanel,
         "the panel becomes active"},
        {"host modal dialog up", StageNeed::Nothing, PutUpHostModalDialog,
         "the host puts up a modal dialog of its own"},
        {"host modal dialog down", StageNeed::Nothing, TakeDownHostModalDialog,
         "the host takes its modal dialog down"},
        {"move panel to <number>, <number>", StageNeed::Panel, MovePanel,
         "the panel's top left corner goes there on the screen"},
        {"close panel by caption", StageNeed::Panel, ClosePanelByCaption,
         "the close box in the panel's caption"},
        {"write options <text>...", StageNeed::Nothing, WriteOptions,
         "replaces " + options + " with these lines"},
        {"write prefs <text>...", StageNeed::Nothing, WritePrefs,
         "replaces " + prefs + " with these lines"},
        {"unload plug-in", StageNeed::PluginLoaded, UnloadPlugin,
         "the host quits: terminate, then unload the module"},
        {"load plug-in", StageNeed::PluginUnloaded, LoadPlugin,
         "the host starts again and loads the module"},
        {"undo", StageNeed::Document, Undo,
         "the host undoes its last undo step"},
        {"redo", StageNeed::Document, Redo,
         "the host redoes the undo step undone last"},
        {"fail call <number> of <text>", StageNeed::Nothing, FailCall,
         "the n-th call from now of that host function (an NX_ name) fails"},
        {"rename set <number> outside the panel to <text>", StageNeed::Document, RenameSetOutside,
         "another program renames the set"},
        {"host adds staff <text>", StageNeed::Document, HostAddsStaff,
         "the host's own command adds a staff of that name at the bottom of the score"},
        {"host deletes staff <number>", StageNeed::Document, HostDeletesStaff,
         "the host's own command deletes the staff at that score position, from every set too"},
        {"host sets set <number> to staves <number> to <number>", StageNeed::Document,
         HostSetsStaves, "the host's own command makes the set those score positions"},
        {"host renames set <number> to <text>", StageNeed::Document, HostRenamesSet,
         "the host's own command renames the set, where it has a name record"},
        {"show", StageNeed::Nothing, Show,
         "the panel as the user sees it, and what the score shows"},
        {"show score", StageNeed::Document, ShowScore,
         "what the host's records hold: the rows they call for and each set's staves"},
        {"show columns", StageNeed::Panel, ShowColumns,
         "the list's column titles and widths, and the list's width"},
        {"show focus", StageNeed::Nothing, ShowFocus,
         "which control has the keyboard focus, and the default button"},
        {"show prefs", StageNeed::Nothing, ShowPrefs,
         "the two preference files"},
        {"screenshot <text>", StageNeed::Panel, Screenshot,
         "saves the panel's picture as <text>.png (under Windows only)"},
        {"screenshot next message box <text>", StageNeed::Nothing, ScreenshotNextBox,
         "saves the next clicked box's picture as <text>.png (under Windows only)"},
    };
    // clang-format on
}

// Most forms fit before this column; a longer one pushes its help to the right.
constexpr size_t kHelpColumn = 36;

std::string HelpLine(const std::string& form, const std::string& help, const std::string& indent) {
    const size_t blanks = form.size() + 2 > kHelpColumn ? 2 : kHelpColumn - form.size();
    return indent + form + std::string(blanks, ' ') + help + "\n";
}

} // namespace

const std::vector<ScenarioAction>& ScenarioActions() {
    static const std::vector<ScenarioAction> actions = MakeScenarioActions();
    return actions;
}

const ScenarioAction* FindScenarioAction(const std::vector<std::string>& words,
                                         ActionArguments& arguments) {
    for (const ScenarioAction& action : ScenarioActions())
        if (action.form.Match(words, arguments))
            return &action;
    return nullptr;
}

std::string FormsStartingWith(const std::string& firstWord, const std::string& indent) {
    const std::vector<ScenarioAction>& actions = ScenarioActions();
    const bool anyStarts = std::any_of(actions.begin(), actions.end(), [&](const auto& action) {
        return action.form.FirstWord() == firstWord;
    });
    std::string forms;
    for (const ScenarioAction& action : actions)
        if (!anyStarts || action.form.FirstWord() == firstWord)
            forms += HelpLine(action.form.Text(), action.help, indent);
    return forms;
}

std::string ScenarioActionHelp() {
    std::string help =
        "A scenario names one action a line, in one of these forms. Blank lines and\n"
        "lines that start with # are skipped.\n\n";
    for (const ScenarioAction& action : ScenarioActions())
        help += HelpLine(action.form.Text(), action.help, "  ");
    help += "\nIn a form:\n";
    for (const ActionForm::PlaceholderMeaning& kind : ActionForm::PlaceholderMeanings())
        help += HelpLine(kind.placeholder, kind.meaning, "  ");
    return help;
}
