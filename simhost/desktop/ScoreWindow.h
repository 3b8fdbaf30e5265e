// The host's main window as a person uses it in the interactive host: the current document's
// staves to select (StaffPicker), the menu bar (HostMenuBar), a line saying what the score
// shows, and the journal (SessionJournal) printed to the standard output as things change.
// It takes over the desktop's main window for as long as it lives; closing the window, or
// File > Exit, ends the host's message loop. Windows only.
#pragma once

#include <memory>
#include <string>

#include "platform/win32.h"
#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/HostMenuBar.h"
#include "simhost/desktop/SessionJournal.h"
#include "simhost/desktop/StaffPicker.h"
#include "simhost/hostfunctions/PluginModule.h"
#include "simhost/hostfunctions/SimHost.h"

class ScoreWindow {
public:
    // pluginCommand: the plug-in's menu text (UTF-8). None of the arguments is owned; all
    // outlive the window.
    ScoreWindow(HostDesktop& desktop, SimHost& host, PluginModule& plugin,
                const std::string& pluginCommand);
    ~ScoreWindow();
    ScoreWindow(const ScoreWindow&) = delete;
    ScoreWindow& operator=(const ScoreWindow&) = delete;

    // See HostMenuBar::TranslateShortcut.
    bool TranslateShortcut(MSG& message) { return menus_.TranslateShortcut(message); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Command(int id);
    // Prints what changed to the journal and shows the status line.
    void Report();

    HostDesktop& desktop_;
    SimHost& host_;
    PluginModule& plugin_;
    HWND window_;
    WNDPROC desktopProcedure_;
    HostMenuBar menus_;
    StaffPicker staves_;
    HWND status_;
    SessionJournal journal_;
};
