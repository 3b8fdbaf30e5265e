// The test window opened the way the plug-in opens its panel: Open calls NX_Dialog with
// DialogCallback, owned by the host's main window, on template 20128 of the plug-in module.
// The same test runs natively on the substitute window system and under Wine on USER32 and
// COMCTL32, and expects the same values on both: every value the tests of this window state
// was seen on both, and none had to be told apart by platform.
#pragma once

#include <string>

#include "tests/support/FreshModule.h"
#include "tests/support/HostDialogFixture.h"
#include "tests/support/TestWindow.h"

using Calls = std::vector<std::string>;

inline std::string RectText(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

class TestWindowTest : public HostDialogTest {
protected:
    void SetUp() override {
        FreshModule::Reset();
        HostDialogTest::SetUp();
    }
    void TearDown() override {
        if (window.dialogHandle)
            window.CloseWindow();
        HostDialogTest::TearDown();
        FreshModule::Reset();
    }

    // Opens the dialog and lets the host's loop run; the record starts empty afterwards.
    bool Open() {
        window.Open(desktop.MainWindow());
        desktop.PumpMessages();
        window.Take();
        return window.dialogHandle != nullptr;
    }

    HWND Dialog() const { return window.dialogHandle; }
    HWND Item(int id) const { return GetDlgItem(window.dialogHandle, id); }
    HWND List() const { return Item(TestWindow::kListId); }

    // The dialog's outer rectangle, "left,top widthxheight".
    std::string Outer() const {
        RECT rect{};
        GetWindowRect(Dialog(), &rect);
        return RectText(rect);
    }
    std::string Client() const {
        RECT rect{};
        GetClientRect(Dialog(), &rect);
        return std::to_string(rect.right - rect.left) + "x" +
               std::to_string(rect.bottom - rect.top);
    }

    // What the list view shows in a cell, read through its own display path.
    std::u16string CellShown(int row, int cell) const {
        WCHAR buffer[1024] = {};
        LVITEMW item{};
        item.iSubItem = cell;
        item.pszText = buffer;
        item.cchTextMax = 1024;
        SendMessageW(List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return std::u16string(reinterpret_cast<const char16_t*>(buffer));
    }

    // The state bits of a row, as the list view keeps them.
    UINT StateOf(int row) const {
        return static_cast<UINT>(
            SendMessageW(List(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), 0xFFFF));
    }
    void SetState(int row, UINT state, UINT mask) const {
        LVITEMW item{};
        item.state = state;
        item.stateMask = mask;
        SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }

    TestWindow window;
};
