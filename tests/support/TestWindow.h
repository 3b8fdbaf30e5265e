// A small window of the framework on the panel's template, which writes down every virtual
// operation the dialog dispatch calls, with its arguments, so that a test states the calls it
// expects as a list of lines ("Ok", "HandleCommand 104", "RowSelected 3"). It holds a list
// control on item 101 and buttons on items 1 (confirming), 2 (dismissing), 109 (third dialog
// button), 108 (a role the dispatch does not know) and 104 (ordinary), and the name field 102.
// Items 103, 105, 106 and 107 of the template have no control here.
//
// When its dialog is initialised it adds six columns to the list and one row for each entry
// of rowTexts: the rows have five cells, so the sixth column shows what a row answers for a
// cell it does not have.
#pragma once

#include <string>
#include <vector>

#include "framework/core/NKString.h"
#include "framework/ui/NKCtrlButton.h"
#include "framework/ui/NKCtrlDataList.h"
#include "framework/ui/NKCtrlEdit.h"
#include "framework/ui/NKResourceWindow.h"

// The list of the test window: it writes down the row calls, then does what the framework does.
class RecordingList : public NKCtrlDataList {
public:
    RecordingList(int16_t id, std::vector<std::string>* calls)
        : NKCtrlDataList(id), calls_(calls) {}
    void RowSelected(int32_t item) override {
        calls_->push_back("RowSelected " + std::to_string(item));
    }
    void RowDeselected(int32_t item) override {
        calls_->push_back("RowDeselected " + std::to_string(item));
    }
    void RowCheckChanged(int32_t item, bool checked) override {
        calls_->push_back("RowCheckChanged " + std::to_string(item) + " " +
                          (checked ? "checked" : "unchecked"));
        NKCtrlDataList::RowCheckChanged(item, checked);
    }
    void RowDoubleClicked() override { calls_->push_back("RowDoubleClicked"); }

private:
    std::vector<std::string>* calls_;
};

// A row of five cells with the given texts (missing ones empty).
inline NKDataListRow* MakeRow(const std::vector<std::u16string>& texts) {
    auto* row = new NKDataListRow();
    for (size_t cell = 0; cell < 5; ++cell) {
        auto* text = new NKString();
        text->AssignWide(cell < texts.size() ? texts[cell].c_str() : u"");
        row->Add(text);
    }
    return row;
}

class TestWindow : public NKResourceWindow {
public:
    static constexpr int16_t kListId = 101;
    static constexpr int16_t kOkId = 1;
    static constexpr int16_t kCancelId = 2;
    static constexpr int16_t kThirdId = 109;
    static constexpr int16_t kUnknownRoleId = 108;
    static constexpr int16_t kOrdinaryId = 104;
    static constexpr int16_t kEditId = 102;
    static constexpr int kColumns = 6;

    TestWindow() {
        list = new RecordingList(kListId, &calls);
        AddControl(list);
        ok = AddButton(kOkId);
        ok->commandRole = kRoleConfirm;
        cancel = AddButton(kCancelId);
        cancel->commandRole = kRoleDismiss;
        third = AddButton(kThirdId);
        third->commandRole = kRoleThird;
        unknownRole = AddButton(kUnknownRoleId);
        unknownRole->commandRole = 7;
        ordinary = AddButton(kOrdinaryId);
        edit = AddEdit(kEditId);
    }

    // Every call, in order; Take empties the record.
    std::vector<std::string> calls;
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }

    // The rows added at each initialisation of the dialog, in order.
    std::vector<std::vector<std::u16string>> rowTexts = {
        {u"0", u"Flute", u"1"}, {u"1", u"Oboe", u"2"}, {u"2", u"Clarinet in B\u266D", u"3"}};
    // What HandleCommand answers.
    bool commandAnswer = false;
    // Folds the dialog while another window is active, as the panel can.
    bool foldWhileInactive = false;

    void CloseWindow() override {
        calls.push_back("CloseWindow");
        NKResourceWindow::CloseWindow();
    }
    void InitWindow() override {
        calls.push_back("InitWindow");
        NKResourceWindow::InitWindow();
        for (int column = 0; column < kColumns; ++column) {
            NKString title;
            title.AssignNumber(column);
            list->AddColumn(&title, 60);
        }
        list->RemoveAllRows();
        for (const auto& texts : rowTexts)
            list->AddRow(MakeRow(texts));
    }
    void Cancel() override {
        calls.push_back("Cancel");
        NKResourceWindow::Cancel();
    }
    void Ok() override {
        calls.push_back("Ok");
        NKResourceWindow::Ok();
    }
    void Dismiss() override {
        calls.push_back("Dismiss");
        NKResourceWindow::Dismiss();
    }
    bool HandleCommand(NKControl* control) override {
        calls.push_back("HandleCommand " +
                        (control ? std::to_string(control->controlId) : std::string("null")));
        return commandAnswer;
    }
    void HandleUpDown(NKControl* control, int32_t delta) override {
        calls.push_back("HandleUpDown " + std::to_string(control ? control->controlId : -1) + " " +
                        std::to_string(delta));
    }
    void HandleTimer(UINT_PTR timerId) override {
        calls.push_back("HandleTimer " + std::to_string(timerId));
    }
    void HandleActivate(bool activated) override {
        calls.push_back(activated ? "HandleActivate on" : "HandleActivate off");
        if (foldWhileInactive)
            SetShade(!activated);
    }
    void HandleResize(int32_t newWidth, int32_t newHeight, int32_t oldWidth,
                      int32_t oldHeight) override {
        calls.push_back("HandleResize " + std::to_string(newWidth) + "x" +
                        std::to_string(newHeight) + " from " + std::to_string(oldWidth) + "x" +
                        std::to_string(oldHeight));
    }

    RecordingList* list;
    NKCtrlButton* ok;
    NKCtrlButton* cancel;
    NKCtrlButton* third;
    NKCtrlButton* unknownRole;
    NKCtrlButton* ordinary;
    NKCtrlEdit* edit;
};
