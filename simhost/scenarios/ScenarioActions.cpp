#include "simhost/scenarios/ScenarioActions.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/PanelView.h"
#include "simhost/desktop/UserInput.h"
#include "simhost/documents/RecordLayouts.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/documents/ScenarioScores.h"
#include "simhost/documents/SimDocument.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"

namespace {

constexpr UINT_PTR kPanelTimerId = 2; // the id the panel gives its timer
const char* const kPrefsFile = "qmpluginprefs.txt";
const char* const kOptionsFile = "qmpluginoptions.txt";

// Each action below takes the stage, what its line gave for the form's placeholders, and the
// transcript; it returns false when it cannot be done.

bool ChooseHostVersion(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    stage.ChooseHostVersion(static_cast<uint32_t>(arguments.numbers[0]));
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

bool OpenPanel(ScenarioStage& stage, const ActionArguments&, std::string&) {
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

bool Tick(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    // A tick may close the panel; the ticks after that have no timer to fire.
    for (long long tick = 0; tick < arguments.numbers[0] && stage.Panel(); ++tick) {
        SendMessageW(stage.Panel(), WM_TIMER, kPanelTimerId, 0);
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
    return WritePreferenceFile(stage, kPrefsFile, arguments.texts);
}

bool UnloadPlugin(ScenarioStage& stage, const ActionArguments&, std::string&) {
    stage.UnloadPlugin();
    return true;
}

bool LoadPlugin(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    return stage.LoadPlugin(out);
}

bool Undo(ScenarioStage& stage, const ActionArguments&, std::string&) {
    return stage.Document()->Undo();
}

bool Redo(ScenarioStage& stage, const ActionArguments&, std::string&) {
    return stage.Document()->Redo();
}

bool FailCall(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    stage.Host().FailCall({arguments.texts[0]}, static_cast<int>(arguments.numbers[0]));
    return true;
}

bool RenameSetOutsideThePanel(ScenarioStage& stage, const ActionArguments& arguments,
                              std::string&) {
    return RenameSetBehindThePanel(*stage.Document(), stage.HostVersion(),
                                   static_cast<int>(arguments.numbers[0]), arguments.texts[0]);
}

bool Show(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    out += DescribePanel(stage.Panel(), "  ");
    if (stage.Document())
        out += "  the score shows " + stage.ViewName() + "\n";
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

bool ShowPrefs(ScenarioStage& stage, const ActionArguments&, std::string& out) {
    for (const char* name : {kPrefsFile, kOptionsFile})
        out += "  " + std::string(name) + ":\n" + FileContents(stage.PreferenceFile(name), "    ");
    return true;
}

bool Screenshot(ScenarioStage& stage, const ActionArguments& arguments, std::string&) {
    // Said on the error stream only: a transcript must not depend on the platform.
    std::error_code ignored; // a folder that cannot be made shows as a failed save
    std::filesystem::create_directories(stage.ScreenshotFolder(), ignored);
    const std::string path = stage.ScreenshotFolder() + "/" + arguments.texts[0] + ".png";
    if (stage.Desktop().SaveScreenshot(stage.Panel(), path))
        std::fprintf(stderr, "screenshot saved: %s\n", path.c_str());
    return true;
}

std::vector<ScenarioAction> MakeScenarioActions() {
    const std::string prefs = kPrefsFile, options = kOptionsFile;
    // clang-format off
    return {
        {ActionForm("host version <hex>"), "only as the first line: the host the plug-in meets", StageNeed::HostNotStarted, ChooseHostVersion},
        {ActionForm("load score sample"), "the built-in orchestral score, as a new document", StageNeed::Nothing, LoadSampleScore},
        {ActionForm("load score empty"), "a new document without a single record", StageNeed::Nothing, LoadEmptyScore},
        {ActionForm("load score without data category"), "the sample without the category that keeps set names", StageNeed::Nothing, LoadScoreWithoutDataCategory},
        {ActionForm("load score generated <number> staves <number> definitions"), "a score of that size, in eight staff sets", StageNeed::Nothing, LoadGeneratedScore},
        {ActionForm("switch to document <number>"), "that document becomes the current one", StageNeed::Nothing, SwitchToDocument},
        {ActionForm("select staves <number> to <number>"), "slots of the score's main list", StageNeed::Document, SelectStaves},
        {ActionForm("select staff <number>"), "one slot of the score's main list", StageNeed::Document, SelectStaff},
        {ActionForm("select nothing"), "no staff stays selected", StageNeed::Document, SelectNothing},
        {ActionForm("open panel"), "picks \"QM Staff Set Panel...\" in the host's menu", StageNeed::PluginLoaded, OpenPanel},
        {ActionForm("click row <number>"), "rows 0 (All Staves) to 8", StageNeed::Panel, ClickRow},
        {ActionForm("double-click row <number>"), "two clicks on the row, the second a double click", StageNeed::Panel, DoubleClickRow},
        {ActionForm("type <text>"), "replaces the name field's text, as typing over it does", StageNeed::Panel, TypeText},
        {ActionForm("press <text>"), "the button with that caption: press \"&Create Set\"", StageNeed::Panel, PressButton},
        {ActionForm("answer Yes"), "the next message box, when it comes, is answered Yes", StageNeed::Nothing, AnswerYes},
        {ActionForm("answer No"), "the next message box, when it comes, is answered No", StageNeed::Nothing, AnswerNo},
        {ActionForm("tick <number>"), "the panel's timer fires that many times", StageNeed::Panel, Tick},
        {ActionForm("click into the score"), "the host's window becomes active", StageNeed::Nothing, ClickIntoTheScore},
        {ActionForm("click into the panel"), "the panel becomes active", StageNeed::Panel, ClickIntoThePanel},
        {ActionForm("host modal dialog up"), "the host puts up a modal dialog of its own", StageNeed::Nothing, PutUpHostModalDialog},
        {ActionForm("host modal dialog down"), "the host takes its modal dialog down", StageNeed::Nothing, TakeDownHostModalDialog},
        {ActionForm("move panel to <number>, <number>"), "the panel's top left corner goes there on the screen", StageNeed::Panel, MovePanel},
        {ActionForm("close panel by caption"), "the close box in the panel's caption", StageNeed::Panel, ClosePanelByCaption},
        {ActionForm("write options <text>..."), "replaces " + options + " with these lines", StageNeed::Nothing, WriteOptions},
        {ActionForm("write prefs <text>..."), "replaces " + prefs + " with these lines", StageNeed::Nothing, WritePrefs},
        {ActionForm("unload plug-in"), "the host quits: terminate, then unload the module", StageNeed::PluginLoaded, UnloadPlugin},
        {ActionForm("load plug-in"), "the host starts again and loads the module", StageNeed::PluginUnloaded, LoadPlugin},
        {ActionForm("undo"), "the host undoes its last undo step", StageNeed::Document, Undo},
        {ActionForm("redo"), "the host redoes the undo step undone last", StageNeed::Document, Redo},
        {ActionForm("fail call <number> of <text>"), "the n-th call from now of that host function (an NX_ name) fails", StageNeed::Nothing, FailCall},
        {ActionForm("rename set <number> outside the panel to <text>"), "another program renames the set", StageNeed::Document, RenameSetOutsideThePanel},
        {ActionForm("show"), "the panel as the user sees it, and what the score shows", StageNeed::Nothing, Show},
        {ActionForm("show prefs"), "the two preference files", StageNeed::Nothing, ShowPrefs},
        {ActionForm("screenshot <text>"), "saves the panel's picture as <text>.png (under Windows only)", StageNeed::Panel, Screenshot},
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
