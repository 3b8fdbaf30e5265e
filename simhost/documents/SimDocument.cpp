#include "simhost/documents/SimDocument.h"

#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordTag.h"

namespace {
// Fields of a region record: where the selection starts, then where it ends.
constexpr size_t kRegionFirstSlot = 2, kRegionFirstMeasure = 4;
constexpr size_t kRegionLastSlot = 12, kRegionLastMeasure = 14;
} // namespace

SimDocument::SimDocument(int16_t id, std::string title) : id_(id), title_(std::move(title)) {
    parts_[0]; // the score itself
}

const RecordStore* SimDocument::FindPartRecords(int16_t part) const {
    auto it = parts_.find(part);
    return it == parts_.end() ? nullptr : &it->second;
}

bool SimDocument::IsPartRecord(uint32_t tag) {
    return tag == SimTag("SOIu") || tag == SimTag("dtLP");
}

RecordStore& SimDocument::StoreFor(uint32_t tag) {
    return IsPartRecord(tag) ? parts_[currentPart_] : records_;
}

bool SimDocument::SetCurrentPart(int16_t part) {
    if (!HasPart(part))
        return false;
    currentPart_ = part;
    return true;
}

void SimDocument::Restore(const Contents& contents) {
    records_ = contents.records;
    parts_ = contents.parts;
    if (!HasPart(currentPart_))
        currentPart_ = 0;
}

bool SimDocument::StartEdit(const std::string& name) {
    if (openEdit_)
        return false;
    openEdit_ = OpenEdit{name, Snapshot()};
    return true;
}

bool SimDocument::EndEdit() {
    if (!openEdit_)
        return false;
    undo_.push_back({openEdit_->name, openEdit_->before, Snapshot()});
    redo_.clear();
    openEdit_.reset();
    return true;
}

bool SimDocument::CancelEdit() {
    if (!openEdit_)
        return false;
    Restore(openEdit_->before);
    openEdit_.reset();
    return true;
}

bool SimDocument::Undo() {
    if (openEdit_ || undo_.empty())
        return false;
    Restore(undo_.back().before);
    redo_.push_back(undo_.back());
    undo_.pop_back();
    return true;
}

bool SimDocument::Redo() {
    if (openEdit_ || redo_.empty())
        return false;
    Restore(redo_.back().after);
    undo_.push_back(redo_.back());
    redo_.pop_back();
    return true;
}

std::vector<std::string> SimDocument::UndoHistory() const {
    std::vector<std::string> names;
    for (const Step& step : undo_)
        names.push_back(step.name);
    return names;
}

std::vector<std::string> SimDocument::RedoHistory() const {
    std::vector<std::string> names;
    for (auto it = redo_.rbegin(); it != redo_.rend(); ++it)
        names.push_back(it->name);
    return names;
}

namespace {
Bytes RegionRecord(uint16_t list, int16_t firstSlot, int16_t lastSlot, int16_t firstMeasure,
                   int16_t lastMeasure, int32_t lastPosition) {
    Bytes region(20, 0);
    WriteLittleEndian16(region, 0, list);
    WriteLittleEndian16(region, kRegionFirstSlot, static_cast<uint16_t>(firstSlot));
    WriteLittleEndian16(region, kRegionFirstMeasure, static_cast<uint16_t>(firstMeasure));
    WriteLittleEndian32(region, 6, 0);
    WriteLittleEndian16(region, 10, list);
    WriteLittleEndian16(region, kRegionLastSlot, static_cast<uint16_t>(lastSlot));
    WriteLittleEndian16(region, kRegionLastMeasure, static_cast<uint16_t>(lastMeasure));
    WriteLittleEndian32(region, 16, lastPosition);
    return region;
}
constexpr int32_t kEndOfMeasure = 0x7FFFFFFF;
} // namespace

void SimDocument::SelectSlots(int16_t firstSlot, int16_t lastSlot, int16_t firstMeasure,
                              int16_t lastMeasure, uint16_t staffList) {
    selection_ = RegionRecord(staffList, firstSlot, lastSlot, firstMeasure, lastMeasure, 1536);
    redraw_ =
        RegionRecord(staffList, firstSlot, lastSlot, firstMeasure, lastMeasure, kEndOfMeasure);
}

void SimDocument::ClearSelection() {
    selection_.assign(20, 0);
    redraw_.assign(20, 0);
}

std::optional<std::pair<int16_t, int16_t>> SimDocument::SelectedSlots() const {
    if (ReadLittleEndian16(selection_, kRegionFirstMeasure) == 0 &&
        ReadLittleEndian16(selection_, kRegionLastMeasure) == 0)
        return std::nullopt;
    return std::make_pair(static_cast<int16_t>(ReadLittleEndian16(selection_, kRegionFirstSlot)),
                          static_cast<int16_t>(ReadLittleEndian16(selection_, kRegionLastSlot)));
}
