// A simulated host with its desktop and the plug-in module loaded for its dialog template,
// and a dialog callback that records every message the host routes to it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simhost/desktop/HostDesktop.h"
#include "simhost/desktop/PanelFacts.h"
#include "simhost/hostfunctions/HostFunctions.h"
#include "simhost/hostfunctions/SimHost.h"

constexpr uint32_t kInterfaceVersion = 0x12050000;

inline const WCHAR* W(const char16_t* text) {
    return reinterpret_cast<const WCHAR*>(text);
}

inline std::u16string WindowTextOf(HWND window) {
    WCHAR text[8192] = {};
    int length = GetWindowTextW(window, text, 8192);
    return std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length));
}

struct RoutedMessage {
    HWND dialog;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    void* userData;
};

// The plug-in's side of a dialog, as the host sees it: the user data handed to NX_Dialog is
// the recorder itself.
struct CallbackRecorder {
    std::vector<RoutedMessage> seen;
    UINT answeredMessage = 0; // the callback answers `answer` to this message, 0 to others
    INT_PTR answer = 0;

    static INT_PTR WINAPI Callback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                   void* userData) {
        auto* recorder = static_cast<CallbackRecorder*>(userData);
        recorder->seen.push_back({dialog, message, wParam, lParam, userData});
        return message == recorder->answeredMessage ? recorder->answer : 0;
    }

    size_t CountOf(UINT message) const {
        size_t count = 0;
        for (const RoutedMessage& routed : seen)
            count += routed.message == message;
        return count;
    }
};

class HostDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        plugin = LoadLibraryA(NK_PLUGIN_MODULE_PATH);
        ASSERT_NE(nullptr, plugin) << NK_PLUGIN_MODULE_PATH;
        host.SetPluginModule(plugin);
    }
    void TearDown() override {
        for (HWND dialog : opened)
            if (IsWindow(dialog))
                DestroyWindow(dialog);
        if (plugin)
            FreeLibrary(plugin);
    }

    // Opens the panel's template as the plug-in does, owned by the host's main window; null
    // when NX_Dialog failed.
    HWND OpenPanel(CallbackRecorder& recorder) {
        size_t before = recorder.seen.size();
        if (!Host_NX_Dialog(PanelFacts::kTemplateId, &CallbackRecorder::Callback,
                            desktop.MainWindow(), 0, &recorder, kInterfaceVersion) ||
            recorder.seen.size() == before)
            return nullptr;
        opened.push_back(recorder.seen[before].dialog);
        return opened.back();
    }

    SimHost host;
    HostDesktop desktop;
    HMODULE plugin = nullptr;
    // The plug-in side of the dialogs a test opens; they outlive the dialogs.
    CallbackRecorder panel, other;
    std::vector<HWND> opened;
};
