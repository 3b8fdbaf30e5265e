// One open score in the simulated host: its records, its parts and which part is current.
// The staff-list records ('SOIu' and their 'dtLP' companions) belong to a part; a plug-in
// that reads them with the wrong part current reads that part's lists.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "simhost/RecordStore.h"

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

private:
    int16_t id_;
    std::string title_;
    RecordStore records_;
    std::map<int16_t, RecordStore> parts_;
    int16_t currentPart_ = 0;
};
