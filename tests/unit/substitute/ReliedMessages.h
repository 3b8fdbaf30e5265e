// The part of a probe's message record (tests/support/DialogProbe.h) that the plug-in and the
// simulated host act on. Wine sends many more messages than these, and which focus, frame or
// capture messages it sends, and in which order, may change from one version to the next
// without the panel noticing; a test that states only what Relied keeps fails when a message
// the panel acts on is missing, extra, out of order or carries another value, and on nothing
// else.
//
// What is read, and by whom:
//  - the panel's dialog callback: that WM_INITDIALOG, WM_SHOWWINDOW, WM_CLOSE, WM_DESTROY,
//    WM_WINDOWPOSCHANGING and WM_GETMINMAXINFO arrive; whether WM_ACTIVATE activates; the
//    kind and client size of WM_SIZE; the timer id; the control id of a command, from every
//    control but the name field, whose commands it leaves alone (it reads the field's text
//    when a button is pressed); of the list's notifications NM_DBLCLK, and of LVN_ITEMCHANGED
//    the row and whether the checked image or the selection changed (the other state bits
//    it ignores); LVN_GETDISPINFOW is recorded apart by the probe;
//  - the simulated host: WM_ENABLE of its main window, which it passes on to its plug-in
//    dialogs, and WM_NCDESTROY of a dialog, after which it forgets the dialog's route.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace relied {

using Lines = std::vector<std::string>;

// The state bits of a list item the panel looks at: the checked state image and the selection.
constexpr UINT kReadStateBits = 0x2000 | LVIS_SELECTED;

// The panel's name field.
constexpr const char* kNameFieldId = "102";

inline std::string Hex(UINT value) {
    char text[12];
    std::snprintf(text, sizeof text, "%x", value);
    return text;
}

// A state change as the panel reads it, from the states the list view reports; empty when the
// panel sees no change in it.
inline std::string ItemChanged(int row, UINT newState, UINT oldState) {
    newState &= kReadStateBits;
    oldState &= kReadStateBits;
    if (newState == oldState)
        return "";
    return "dlg LVN_ITEMCHANGED " + std::to_string(row) + " new " + Hex(newState) + " old " +
           Hex(oldState);
}

// One recorded line as far as it is read, or empty when nothing reads it.
inline std::string ReadPart(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string word; in >> word;)
        w.push_back(word);
    if (w.size() < 2)
        return "";
    const std::string& who = w[0];
    const std::string& message = w[1];
    if (who == "host")
        return message == "WM_ENABLE" ? line : "";
    if (who != "dlg")
        return "";
    for (const char* arrival : {"WM_INITDIALOG", "WM_SHOWWINDOW", "WM_CLOSE", "WM_DESTROY",
                                "WM_NCDESTROY", "WM_WINDOWPOSCHANGING", "WM_GETMINMAXINFO"})
        if (message == arrival)
            return "dlg " + message;
    if (message == "WM_ACTIVATE" && w.size() > 2)
        return std::string("dlg WM_ACTIVATE ") + (w[2] == "0" ? "0" : "1");
    if (message == "WM_SIZE" || message == "WM_TIMER")
        return line;
    if (message == "WM_COMMAND" && w.size() > 2)
        return w[2] == kNameFieldId ? "" : "dlg WM_COMMAND " + w[2];
    if (message == "WM_NOTIFY" && w.size() > 2) {
        if (w[2] == "NM_DBLCLK")
            return "dlg NM_DBLCLK";
        // "LVN_ITEMCHANGED row lParam data new state old state changed mask"
        if (w[2] == "LVN_ITEMCHANGED" && w.size() > 9)
            return ItemChanged(std::stoi(w[3]), static_cast<UINT>(std::stoul(w[7], nullptr, 16)),
                               static_cast<UINT>(std::stoul(w[9], nullptr, 16)));
    }
    return "";
}

// The lines of a record that are read, in their order.
inline Lines Relied(const Lines& record) {
    Lines read;
    for (const std::string& line : record) {
        std::string part = ReadPart(line);
        if (!part.empty())
            read.push_back(std::move(part));
    }
    return read;
}

} // namespace relied
