// The menu bar of the host's main window in the interactive host, and the keyboard shortcuts
// that go with it:
//   File      the open documents, a mark on the current one; Exit
//   Edit      Undo <step> (Ctrl+Z), Redo <step> (Ctrl+Y), greyed when there is none
//   View      All Staves and Staff Set 1 to 8, the host's view commands 10611 + s, a mark on
//             the one the score shows
//   Plug-ins  the plug-in's menu command, as the plug-in names it
// The items follow the host when a menu opens. Windows only.
#pragma once

#include <string>

#include "platform/win32.h"
#include "simhost/hostfunctions/SimHost.h"

class HostMenuBar {
public:
    // Command ids besides the view commands, whose ids are the host's command numbers.
    static constexpr int kFirstDocumentCommand = 40001; // + document id - 1
    static constexpr int kExitCommand = 40100;
    static constexpr int kUndoCommand = 40201;
    static constexpr int kRedoCommand = 40202;
    static constexpr int kPluginCommand = 40301;

    // Gives the window its menu bar; pluginCommand is the plug-in's menu text (UTF-8).
    HostMenuBar(HWND window, SimHost& host, const std::string& pluginCommand);
    ~HostMenuBar();
    HostMenuBar(const HostMenuBar&) = delete;
    HostMenuBar& operator=(const HostMenuBar&) = delete;

    // Brings every item up to date with the host: which document is current, the undo and
    // redo steps, what the score shows and the sets' names. Called as a menu opens.
    void Refresh();
    // True when the message was one of the shortcuts of a window of the host's; it has been
    // turned into the command then.
    bool TranslateShortcut(MSG& message);

private:
    HWND window_;
    SimHost& host_;
    HMENU bar_, file_, edit_, view_;
    HACCEL shortcuts_;
};
