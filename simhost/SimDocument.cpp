#include "simhost/SimDocument.h"

#include "simhost/RecordLayouts.h"

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
