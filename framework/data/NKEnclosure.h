// The enclosure record ('otDe') of a text expression definition, stored under the
// definition's item number. Its bytes are the host's; it is only copied, saved and deleted.
#pragma once

#include <cstdint>

#include "framework/data/NKNoInciOther.h"

constexpr uint32_t kEnclosureRecordSize = 12;

class NKEnclosure : public __NKNoInciOther {
public:
    // Holds nothing to save until it is loaded or copied into.
    NKEnclosure();
    // data points into the object itself; a copy would point into the original.
    NKEnclosure(const NKEnclosure&) = delete;
    NKEnclosure& operator=(const NKEnclosure&) = delete;

    const char* ClassName() const override;

    unsigned char* AllocateData() override;
    __NKBaseData* CreateInstance() const override;
    uint32_t RecordVersion() const override;
    uint32_t RecordSize() override { return kEnclosureRecordSize; }
    void CopyDataFrom(const __NKBaseData* other) override;

protected:
    uint32_t ClassTag() const override;

private:
    unsigned char record[kEnclosureRecordSize] = {};
    unsigned char* area = record;
};
