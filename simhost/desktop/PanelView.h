// The panel as its user sees it, read from the real dialog through Win32 alone: the list's
// rows through the list view's own display path, the selection, which buttons can be
// pressed, the name field, where the panel stands and whether it is folded. The same code
// reads the real controls under Windows and the substitute ones natively.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

// Several lines, each starting with indent.
std::string DescribePanel(HWND panel, const std::string& indent);

// Rows in the list's five columns under their titles, one line each, as DescribePanel shows
// the list, so that rows from elsewhere compare with the panel's line by line.
std::string ListTable(const std::vector<std::vector<std::string>>& rows, const std::string& indent);

// The cells of every row of the panel's list, as the list view shows them.
std::vector<std::vector<std::string>> PanelRows(HWND panel);

// One line: each column of the panel's list with its title and width as the list view reports
// them, and the list's client width with the share of it the columns fill.
std::string DescribeColumns(HWND panel, const std::string& indent);

// One line: the window with the keyboard focus in the user's words (a button by its caption,
// "the name field", "the list, row 3", "the panel", "the score" for the host's window or
// anything in it, "nothing"), and the panel's button that shows itself as the default one.
std::string DescribeFocus(HWND panel, HWND hostWindow, const std::string& indent);

// A dialog item by its caption ("&Create Set"), or null.
HWND FindButton(HWND panel, const std::string& caption);
HWND PanelList(HWND panel);
HWND PanelNameField(HWND panel);

std::u16string TextOf(HWND window);
