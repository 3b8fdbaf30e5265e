#include "simhost/scenarios/ScenarioRunner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/PanelFacts.h"
#include "simhost/desktop/PanelView.h"
#include "simhost/desktop/PluginDialogs.h"
#include "simhost/desktop/UserInput.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/documents/ScenarioScores.h"
#include "simhost/documents/UtfConversion.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"

namespace {

bool Is(const ScenarioAction& action, std::initializer_list<const char*> words) {
    if (action.words.size() < words.size())
        return false;
    size_t i = 0;
    for (const char* word : words)
        if (action.words[i++] != word)
            return false;
    return true;
}

bool Number(const std::string& text, long& value, int base = 10) {
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, base);
    return !text.empty() && end && *end == '\0';
}

std::string AnswerName(int answer) {
    switch (answer) {
    case IDYES:
        return "Yes";
    case IDNO:
        return "No";
    case IDOK:
        return "OK";
    default:
        return std::to_string(answer);
    }
}

std::string ViewName(int set) {
    return set == 0 ? "all staves" : "staff set " + std::to_string(set);
}

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items)
        out += (out.empty() ? "" : ", ") + item;
    return out.empty() ? "(empty)" : out;
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

// A user's click or key that cannot arrive (the window is disabled or hidden) does nothing;
// the transcript says so.
void Reached(bool reached, std::string& out) {
    if (!reached)
        out += "  (the panel is disabled or hidden: nothing happens)\n";
}

} // namespace

ScenarioRunner::ScenarioRunner(std::string pluginPath, std::string screenshotFolder)
    : pluginPath_(std::move(pluginPath)), screenshotFolder_(std::move(screenshotFolder)) {}

ScenarioRunner::~ScenarioRunner() {
    Unload();
}

HWND ScenarioRunner::Panel() const {
    std::vector<HWND> open = PluginDialogs::Open();
    return open.empty() ? nullptr : open.back();
}

std::string ScenarioRunner::PreferenceFile(const char* name) const {
    return (host_->PreferenceFolder() / name).string();
}

bool ScenarioRunner::Load(std::string& out) {
    plugin_ = std::make_unique<PluginModule>(pluginPath_);
    if (!plugin_->Usable()) {
        out += "  the plug-in could not be loaded from " + pluginPath_ + "\n";
        plugin_.reset();
        return false;
    }
    host_->SetPluginModule(plugin_->Handle());
    desktop_->RecordBeepsOf(plugin_->Handle());
    plugin_->Version(hostVersion_);
    uint32_t flags = 0;
    plugin_->Init(&flags);
    return true;
}

void ScenarioRunner::Unload() {
    if (!plugin_)
        return;
    plugin_->Terminate();
    if (desktop_)
        desktop_->PumpMessages();
    plugin_.reset();
    if (host_)
        host_->SetPluginModule(nullptr);
}

bool ScenarioRunner::Run(const Scenario& scenario, std::string& out) {
    if (!scenario.error.empty()) {
        out += "the scenario cannot be read: " + scenario.error + "\n";
        return false;
    }
    size_t first = 0;
    long version = 0;
    if (!scenario.actions.empty() && Is(scenario.actions[0], {"host", "version"}) &&
        scenario.actions[0].words.size() == 3 &&
        Number(scenario.actions[0].words[2], version, 16)) {
        hostVersion_ = static_cast<uint32_t>(version);
        first = 1;
    }
    host_ = std::make_unique<SimHost>(hostVersion_);
    desktop_ = std::make_unique<HostDesktop>();
    char banner[80];
    std::snprintf(banner, sizeof banner, "host version 0x%08X, plug-in loaded\n",
                  static_cast<unsigned>(hostVersion_));
    out += banner;
    if (!Load(out))
        return false;
    for (size_t i = first; i < scenario.actions.size(); ++i) {
        const ScenarioAction& action = scenario.actions[i];
        out += "\n> " + action.text + "\n";
        if (!Do(action, out)) {
            out += "  line " + std::to_string(action.line) + ": cannot do this\n";
            return false;
        }
        desktop_->PumpMessages();
        ReportStep(out);
    }
    return true;
}

void ScenarioRunner::ReportStep(std::string& out) {
    const std::vector<BoxSeen>& boxes = desktop_->BoxesSeen();
    for (size_t i = boxesReported_; i < boxes.size(); ++i) {
        const BoxSeen& box = boxes[i];
        std::string owner = box.owner == desktop_->MainWindow() ? "the host window"
                            : box.owner && box.owner == Panel() ? "the panel"
                                                                : "no window";
        out += "  message box \"" + Utf16ToUtf8(box.caption) + "\", owned by " + owner + ":\n";
        std::string text = Utf16ToUtf8(box.text);
        for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 5))
            text.replace(at, 1, "\n    ");
        out += "    " + text + "\n    ";
        for (const std::u16string& button : box.buttons)
            out += "[" + Utf16ToUtf8(button) + "] ";
        out += "-> " + AnswerName(box.answer) + "\n";
    }
    boxesReported_ = boxes.size();
    const std::vector<UINT> beeps = desktop_->Beeps();
    for (size_t i = beepsReported_; i < beeps.size(); ++i) {
        char text[40];
        std::snprintf(text, sizeof text, "  beep 0x%X\n", beeps[i]);
        out += text;
    }
    beepsReported_ = beeps.size();
    const std::vector<HostCall>& calls = host_->Log().Calls();
    std::vector<std::string> commands;
    bool redrawn = false;
    for (size_t i = callsReported_; i < calls.size(); ++i) {
        if (calls[i].function == "NX_ExecuteMenuItem" && !calls[i].arguments.empty())
            commands.push_back(std::to_string(calls[i].arguments[0]));
        redrawn = redrawn || calls[i].function == "NX_RedrawMusic";
    }
    callsReported_ = calls.size();
    SimDocument* document = host_->CurrentDocument();
    if (!commands.empty())
        out += "  host commands " + Joined(commands) + "; the score shows " +
               ViewName(document ? document->ViewedSet() : 0) + "\n";
    if (redrawn)
        out += "  the host redraws the music\n";
    std::string undo = document ? Joined(document->UndoHistory()) : "";
    if (undo != undoReported_ && document)
        out += "  undo history: " + undo + "\n";
    undoReported_ = undo;
}

bool ScenarioRunner::Do(const ScenarioAction& action, std::string& out) {
    const std::vector<std::string>& w = action.words;
    SimDocument* document = host_->CurrentDocument();
    HWND panel = Panel();
    long a = 0, b = 0;

    if (Is(action, {"load", "score"}) && w.size() >= 3) {
        const std::string kind = action.text.substr(action.text.find("score") + 6);
        SimDocument* loaded = nullptr;
        if (kind == "sample")
            loaded = &AddSampleScore(*host_);
        else if (kind == "empty")
            loaded = &AddEmptyScore(*host_);
        else if (kind == "without data category")
            loaded = &AddSampleWithoutDataCategory(*host_);
        else if (w.size() == 7 && w[2] == "generated" && Number(w[3], a) && w[4] == "staves" &&
                 Number(w[5], b) && w[6] == "definitions")
            loaded = &AddGeneratedScore(*host_, static_cast<int>(a), static_cast<int>(b));
        if (!loaded)
            return false;
        out += "  document " + std::to_string(loaded->Id()) + ": " + loaded->Title() + "\n";
        return true;
    }
    if (Is(action, {"switch", "to", "document"}) && w.size() == 4 && Number(w[3], a))
        return host_->SwitchToDocument(static_cast<int16_t>(a));
    if (Is(action, {"select", "nothing"}) && document) {
        document->ClearSelection();
        return true;
    }
    if (Is(action, {"select", "staves"}) && w.size() == 5 && w[3] == "to" && Number(w[2], a) &&
        Number(w[4], b) && document) {
        document->SelectSlots(static_cast<int16_t>(a), static_cast<int16_t>(b));
        return true;
    }
    if (Is(action, {"select", "staff"}) && w.size() == 3 && Number(w[2], a) && document) {
        document->SelectSlots(static_cast<int16_t>(a), static_cast<int16_t>(a));
        return true;
    }
    if (Is(action, {"open", "panel"})) {
        if (!plugin_)
            return false;
        plugin_->Invoke(desktop_->MainWindow());
        return true;
    }
    if ((Is(action, {"click", "row"}) || Is(action, {"double-click", "row"})) && w.size() == 3 &&
        Number(w[2], a) && panel) {
        HWND list = PanelList(panel);
        const int row = static_cast<int>(a);
        Reached(w[0] == "click" ? UserInput::ClickRow(list, row)
                                : UserInput::DoubleClickRow(list, row),
                out);
        return true;
    }
    if (Is(action, {"type"}) && w.size() == 2 && panel) {
        Reached(UserInput::TypeText(PanelNameField(panel), Utf8ToUtf16(w[1])), out);
        return true;
    }
    if (Is(action, {"press"}) && w.size() == 2 && panel) {
        HWND button = FindButton(panel, w[1]);
        if (!button)
            return false;
        if (!IsWindowEnabled(button))
            out += "  (the button is disabled: the click does nothing)\n";
        else
            Reached(UserInput::ClickButton(button), out);
        return true;
    }
    if (Is(action, {"answer"}) && w.size() == 2 && (w[1] == "Yes" || w[1] == "No")) {
        desktop_->AnswerNextBoxes({w[1] == "Yes" ? IDYES : IDNO});
        return true;
    }
    if (Is(action, {"tick"}) && w.size() == 2 && Number(w[1], a) && panel) {
        for (long i = 0; i < a && Panel(); ++i) {
            SendMessageW(Panel(), WM_TIMER, PanelFacts::kTimerId, 0);
            desktop_->PumpMessages();
        }
        return true;
    }
    if (Is(action, {"click", "into", "the", "score"})) {
        Reached(UserInput::Activate(desktop_->MainWindow()), out);
        return true;
    }
    if (Is(action, {"click", "into", "the", "panel"}) && panel) {
        Reached(UserInput::Activate(panel), out);
        return true;
    }
    if (Is(action, {"host", "modal", "dialog"}) && w.size() == 4) {
        if (w[3] == "up")
            desktop_->PutUpModalDialog();
        else if (w[3] == "down")
            desktop_->TakeDownModalDialog();
        else
            return false;
        return true;
    }
    if (Is(action, {"move", "panel", "to"}) && w.size() == 5 && panel) {
        std::string x = w[3];
        if (!x.empty() && x.back() == ',')
            x.pop_back();
        if (!Number(x, a) || !Number(w[4], b))
            return false;
        SetWindowPos(panel, nullptr, static_cast<int>(a), static_cast<int>(b), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    if (Is(action, {"close", "panel", "by", "caption"}) && panel) {
        Reached(UserInput::CloseByCaption(panel), out);
        return true;
    }
    if ((Is(action, {"write", "options"}) || Is(action, {"write", "prefs"})) && w.size() >= 2) {
        std::ofstream file(PreferenceFile(w[1] == "options" ? PanelFacts::kOptionsFile
                                                            : PanelFacts::kPreferencesFile),
                           std::ios::binary | std::ios::trunc);
        for (size_t i = 2; i < w.size(); ++i)
            file << w[i] << "\r\n";
        return static_cast<bool>(file);
    }
    if (Is(action, {"unload", "plug-in"}) && plugin_) {
        Unload();
        return true;
    }
    if (Is(action, {"load", "plug-in"}) && !plugin_)
        return Load(out);
    if (Is(action, {"undo"}) && document)
        return document->Undo();
    if (Is(action, {"redo"}) && document)
        return document->Redo();
    if (Is(action, {"fail", "call"}) && w.size() == 5 && Number(w[2], a) && w[3] == "of") {
        host_->FailCall({w[4]}, static_cast<int>(a));
        return true;
    }
    if (Is(action, {"rename", "set"}) && w.size() == 8 && Number(w[2], a) && document)
        return RenameSetBehindThePanel(*document, hostVersion_, static_cast<int>(a), w[7]);
    if (action.text == "show") {
        out += DescribePanel(panel, "  ");
        if (document)
            out += "  the score shows " + ViewName(document->ViewedSet()) + "\n";
        return true;
    }
    if (action.text == "show prefs") {
        out += "  " + std::string(PanelFacts::kPreferencesFile) + ":\n" +
               FileContents(PreferenceFile(PanelFacts::kPreferencesFile), "    ");
        out += "  " + std::string(PanelFacts::kOptionsFile) + ":\n" +
               FileContents(PreferenceFile(PanelFacts::kOptionsFile), "    ");
        return true;
    }
    if (Is(action, {"screenshot"}) && w.size() == 2 && panel) {
        // Said on the error stream only: a transcript must not depend on the platform.
        std::error_code ignored; // a folder that cannot be made shows as a failed save
        std::filesystem::create_directories(screenshotFolder_, ignored);
        const std::string path = screenshotFolder_ + "/" + w[1] + ".png";
        if (desktop_->SaveScreenshot(panel, path))
            std::fprintf(stderr, "screenshot saved: %s\n", path.c_str());
        return true;
    }
    return false;
}
