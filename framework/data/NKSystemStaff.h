// One entry of a staff list ('SOIu'): the records of one item number, in sub-number order, are
// the staves of the list from the top down. An entry may have a companion 'dtLP' record,
// keyed by the list and the entry's staff number, holding a value (a percentage) other than
// its default of 100.
#pragma once

#include <cstdint>

#include "framework/data/NKInciOther.h"

constexpr uint32_t kSystemStaffRecordSize = 24;
constexpr int32_t kDefaultStaffPercent = 100;

class NKSystemStaff : public __NKInciOther {
public:
    // A zeroed entry that can be saved at once.
    NKSystemStaff();
    NKSystemStaff(const NKSystemStaff&) = delete;
    NKSystemStaff& operator=(const NKSystemStaff&) = delete;

    const char* ClassName() const override;
    unsigned char* AllocateData() override;
    __NKBaseData* CreateInstance() const override;
    uint32_t RecordVersion() const override;
    uint32_t RecordSize() override { return kSystemStaffRecordSize; }
    void CopyDataFrom(const __NKBaseData* other) override;
    bool Save() override;

    // Also read the companion record, except for the main list (item 0), whose entries never
    // have one.
    bool Load(int16_t item, int16_t sub) override;
    // Also write the companion record, or remove it when the value is back at 100.
    bool SaveNew(int16_t item) override;

    int16_t StaffNumber() const;
    void SetStaffNumber(int16_t staff);
    // Vertical distance from the list's top staff: 0 for the top staff, negative downwards.
    int32_t Distance() const;
    void SetDistance(int32_t distance);

    // Kept in the companion record; only its low 16 bits are stored.
    int32_t staffPercent = kDefaultStaffPercent;

protected:
    uint32_t ClassTag() const override;

private:
    void LoadCompanion();
    bool SaveCompanion();

    unsigned char record[kSystemStaffRecordSize] = {};
};
