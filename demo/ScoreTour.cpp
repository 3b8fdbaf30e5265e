// A tour of the sample score as the plug-in sees it: the simulated host keeps the document,
// and the plug-in's own classes read it and change it, as the panel will. The one program
// that links both sides; it shows what an engraver would recognise at each step.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/NKString.h"
#include "framework/core/NKUndoBlock.h"
#include "framework/data/NKCategoryDefs.h"
#include "framework/data/NKMusicRegion.h"
#include "framework/data/NKPart.h"
#include "framework/data/NKStaff.h"
#include "framework/data/NKSystemStaves.h"
#include "framework/data/NKTextExpressionDefs.h"
#include "framework/ui/NKUI.h"
#include "shell/EntryPoints.h"
#include "shell/HostBridge.h"
#include "simhost/documents/SampleScore.h"
#include "simhost/documents/UtfConversion.h"
#include "staffsetpanel/NKStaffSetPanelHandler.h"
#include "staffsetpanel/StaffSetNameStore.h"
#include "staffsetpanel/StaffSetOverview.h"
#include "staffsetpanel/StaffSetQueries.h"
#include "staffsetpanel/StaffSetSlots.h"

namespace {

std::string Utf8(const NKString& text) {
    return Utf16ToUtf8(text.WideText());
}

std::string StaffName(int16_t staff) {
    NKString text;
    StaffDisplayText(&text, staff);
    return Utf8(text);
}

// Pads to a width counted in characters, not bytes, so that flat signs line up.
std::string Pad(const std::string& text, size_t width) {
    size_t characters = 0;
    for (unsigned char c : text)
        characters += (c & 0xC0) != 0x80;
    return text + std::string(characters < width ? width - characters : 1, ' ');
}

void PrintList(const char* heading, int16_t part, int16_t item) {
    NKPart view(part);
    view.SwitchTo();
    NKSystemStaves staves;
    staves.LoadAllForItem(item);
    view.SwitchBack();
    std::printf("%s\n", heading);
    std::printf("    slot  staff  distance  name\n");
    for (int32_t i = 0; i < staves.Count(); ++i) {
        const NKSystemStaff* entry = staves.StaffAt(i);
        std::printf("    %4d  %5d  %8d  %s", i + 1, entry->StaffNumber(), entry->Distance(),
                    StaffName(entry->StaffNumber()).c_str());
        if (entry->staffPercent != 100)
            std::printf("  (shown at %d%%)", entry->staffPercent);
        std::printf("\n");
    }
}

void PrintRows() {
    std::printf("    %-4s%s%-8s%s%s\n", "#", Pad("Name", 22).c_str(), "Staves",
                Pad("Top", 26).c_str(), "Bottom");
    StaffSetOverview overview;
    overview.Describe(ReadListEndsOfRows());
    std::printf("    %-4s%s%-8d\n", "-", Pad("All Staves", 22).c_str(),
                overview.Row(kAllStavesRow).count);
    for (int32_t set = 1; set <= kStaffSetSlots; ++set) {
        const StaffSetSummary& row = overview.Row(ListRowOfSet(set));
        std::printf("    %-4d%s%-8s%s%s\n", set, Pad(Utf8(row.name), 22).c_str(),
                    row.count < 1 ? "-" : std::to_string(row.count).c_str(),
                    Pad(Utf8(row.top), 26).c_str(), Utf8(row.bottom).c_str());
    }
}

void PrintHistory(const SimDocument& score) {
    const std::vector<std::string> undo = score.UndoHistory();
    std::printf("    host's undo history: %zu step(s)", undo.size());
    if (!undo.empty())
        std::printf(", the last one \"%s\"", undo.back().c_str());
    if (!score.RedoHistory().empty())
        std::printf("; %zu step(s) to redo", score.RedoHistory().size());
    std::printf("\n\n");
}

void ReadTheScore(SimDocument& score) {
    std::printf("Document %d, \"%s\", read through the plug-in's record classes\n\n", score.Id(),
                score.Title().c_str());
    PrintList("  Staves in score order (the main staff list, with the score current):", 0,
              kAllStavesItem);
    PrintList("  The same list with the part \"Horn in F\" current holds only its staves:", 2,
              kAllStavesItem);
    std::printf("\n  Staff sets:\n");
    for (int32_t set = 1; set <= kStaffSetSlots; ++set) {
        const bool exists = SetExists(set);
        if (!exists)
            continue;
        NKString name;
        SetNameText(&name, set, exists, NameShownIn::kList);
        std::string heading = "    Set " + std::to_string(set) + ", " + Utf8(name) + ":";
        PrintList(heading.c_str(), 0, StaffSetItem(set));
    }

    std::printf("\n  Expression categories:\n");
    NKCategoryDefs categories;
    categories.LoadAll();
    NKString text;
    for (int32_t i = 0; i < categories.Count(); ++i) {
        categories.ElementAt(i)->GetName(&text);
        std::printf("    %d  %s\n", categories.ElementAt(i)->Id(), Utf8(text).c_str());
    }
    const int16_t dataCategory = FindNameCategory();
    std::printf("\n  Definitions filed in \"%s\" (category %d):\n", kNameCategoryName,
                dataCategory);
    NKTextExpressionDefs definitions;
    definitions.LoadAll();
    for (int32_t i = 0; i < definitions.Count(); ++i) {
        NKTextExpressionDef* definition = definitions.ElementAt(i);
        if (dataCategory < 0 || definition->Category() != static_cast<uint16_t>(dataCategory))
            continue;
        definition->GetDescription(&text);
        std::unique_ptr<NKString> shown(definition->CreateTextString());
        std::printf("    definition %d: description \"%s\", text \"%s\"\n",
                    definition->ItemNumber(), Utf8(text).c_str(), Utf8(*shown).c_str());
    }
    std::printf("\n");
}

struct Step {
    const char* what;
    StaffSetOperation kind;
    int32_t set;
    const char* name;
    int16_t firstSlot, lastSlot; // selection in the main list; 0 for none
};

void RunSession(SimDocument& score) {
    std::printf("A session of staff set operations, each one undoable edit:\n\n");
    NKUI ui(nullptr);
    const NKString undoText("Staff Set Panel");
    const std::vector<Step> steps = {
        {"Select the horns and the trumpet (slots 8 to 10), create set 2 named \"Brass\"",
         kCreateSet, 2, "Brass", 8, 10},
        {"Select the trombone and the tuba (slots 11 and 12), add them to set 2", kAddStaves, 2, "",
         11, 12},
        {"Select the second horn (slot 9), remove it from set 2", kRemoveStaves, 2, "", 9, 9},
        {"Move set 2 up", kMoveSetUp, 2, "", 0, 0},
        {"Rename set 1 to \"Brass and Low Brass\"", kRenameSet, 1, "Brass and Low Brass", 0, 0},
        {"Delete set 3", kDeleteSet, 3, "", 0, 0},
    };
    std::printf("  The panel's rows before:\n");
    PrintRows();
    PrintHistory(score);
    for (const Step& step : steps) {
        if (step.firstSlot > 0)
            score.SelectSlots(step.firstSlot, step.lastSlot);
        else
            score.ClearSelection();
        NKMusicRegion region;
        unsigned char value[4], selection[20], redraw[20];
        NX_GetCurERegions(value, selection, redraw);
        region.ReadRecord(selection);
        NKString name(step.name);
        NKStaffSetPanelHandler handler(&name, step.set, &ui, &region);
        handler.kind = step.kind;
        NKUndoBlock block;
        bool done = block.Run(&handler, &undoText);
        std::printf("  %s: %s\n", step.what, done ? "done" : "FAILED");
        PrintRows();
        PrintHistory(score);
    }
    for (int i = 0; i < 2; ++i) {
        score.Undo();
        std::printf("  Undo (Edit menu of the host):\n");
        PrintRows();
        PrintHistory(score);
    }
}

} // namespace

int main() {
    const uint32_t version = 0x12050000;
    SimHost host(version);
    VarluneExtensionVersion(version);
    SimDocument& score = AddSampleScore(host);
    ReadTheScore(score);
    RunSession(score);

    // On a host before UTF-16 text the host's numbered names are not asked for: the
    // plug-in reduces the name text itself.
    SimHost oldHost(0x10FFFFFF);
    VarluneExtensionVersion(0x10FFFFFF);
    AddSampleScore(oldHost);
    std::printf("The same staves on an 8-bit host (0x10FFFFFF), named from their name texts:\n  ");
    for (int16_t staff : {4, 5, 9, 20})
        std::printf("%s%s", StaffName(staff).c_str(), staff == 20 ? "\n" : "; ");
    return 0;
}
