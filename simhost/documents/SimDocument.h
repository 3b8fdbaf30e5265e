// One open score in the simulated host: its records, its parts and which part is current.
// The staff-list records ('SOIu' and their 'dtLP' companions) belong to a part; a plug-in
// that reads them with the wrong part current reads that part's lists.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "simhost/documents/RecordStore.h"

class SimDocument {
public:
    SimDocument(int16_t id, std::string title);

    int16_t Id() const { return id_; }
    const std::string& Title() const { return title_; }

    // Records that do not belong to a part.
    RecordStore& Records() { return records_; }
    const RecordStore& Records() const { return records_; }
    // The staff lists of a part; a part is created by first use.
    RecordStore& PartRecords(int16_t part) { return parts_[part]; }
    const RecordStore* FindPartRecords(int16_t part) const;
    // Where a record of this tag lives with the current part.
    RecordStore& StoreFor(uint32_t tag);
    static bool IsPartRecord(uint32_t tag);

    bool HasPart(int16_t part) const { return parts_.count(part) > 0; }
    int16_t CurrentPart() const { return currentPart_; }
    bool SetCurrentPart(int16_t part);

    // Everything the document holds, for comparing a document before and after an edit.
    struct Contents {
        RecordStore records;
        std::map<int16_t, RecordStore> parts;
        bool operator==(const Contents& o) const {
            return records == o.records && parts == o.parts;
        }
        bool operator!=(const Contents& o) const { return !(*this == o); }
    };
    Contents Snapshot() const { return {records_, parts_}; }
    void Restore(const Contents& contents);

    // Undoable edits. One edit is open at a time; ending it records one undo step under its
    // name, cancelling it puts the document back exactly as it was when it started.
    bool StartEdit(const std::string& name);
    bool EndEdit();
    bool CancelEdit();
    bool EditOpen() const { return openEdit_.has_value(); }
    bool Undo();
    bool Redo();
    // Names of the steps that Undo would take back, oldest first, and of those Redo would
    // bring back, next first.
    std::vector<std::string> UndoHistory() const;
    std::vector<std::string> RedoHistory() const;

    // The selection, as the host's region record: staff-list item and slots, measures and
    // positions. Measures 0 and 0 mean nothing is selected.
    void SelectSlots(int16_t firstSlot, int16_t lastSlot, int16_t firstMeasure = 1,
                     int16_t lastMeasure = 4, uint16_t staffList = 0);
    void ClearSelection();
    // The first and last selected slot, or nothing when nothing is selected.
    std::optional<std::pair<int16_t, int16_t>> SelectedSlots() const;
    const std::vector<unsigned char>& SelectionRecord() const { return selection_; }
    // The second region record the host delivers: the selected staves over whole measures.
    const std::vector<unsigned char>& RedrawRecord() const { return redraw_; }

    // The score view: 0 for all staves, or the staff set shown.
    int ViewedSet() const { return viewedSet_; }
    void SetViewedSet(int set) { viewedSet_ = set; }

private:
    int16_t id_;
    std::string title_;
    RecordStore records_;
    std::map<int16_t, RecordStore> parts_;
    int16_t currentPart_ = 0;

    struct Step {
        std::string name;
        Contents before, after;
    };
    struct OpenEdit {
        std::string name;
        Contents before;
    };
    std::optional<OpenEdit> openEdit_;
    std::vector<Step> undo_, redo_;
    std::vector<unsigned char> selection_ = std::vector<unsigned char>(20, 0);
    std::vector<unsigned char> redraw_ = std::vector<unsigned char>(20, 0);
    int viewedSet_ = 0;
};
