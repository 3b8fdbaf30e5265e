// The host's staff record ('SOIS'), one per staff, addressed by the staff number. The plug-in
// reads it only for the staff's name; every other byte is the host's and is carried as is.
#pragma once

#include <cstdint>

#include "framework/data/NKNoInciOther.h"

class NKString;

// The record's layout, size and format version follow the host version; one storage area per
// layout, so a record is always read into an area of exactly its layout's size.
constexpr uint32_t kStaffRecordSize12 = 136; // hosts from 0x12000000
constexpr uint32_t kStaffRecordSize11 = 132; // hosts 0x11000000 to 0x11FFFFFF
constexpr uint32_t kStaffRecordSize0F = 114; // older hosts

class NKStaff : public __NKNoInciOther {
public:
    NKStaff() = default;
    NKStaff(const NKStaff&) = delete;
    NKStaff& operator=(const NKStaff&) = delete;

    const char* ClassName() const override;
    unsigned char* AllocateData() override;
    __NKBaseData* CreateInstance() const override;
    uint32_t RecordVersion() const override;
    uint32_t RecordSize() override;
    void CopyDataFrom(const __NKBaseData* other) override;
    // Enumeration starts below the lowest possible staff number, so it finds the first staff
    // whatever its number.
    bool LoadFirst() override;

    // Two words of the host's at offsets 94 and 98; 0 when the loaded record is too short.
    virtual uint16_t LayoutWord94() const;
    virtual uint16_t LayoutWord98() const;

    // The text block that holds the staff's full name; 0 when nothing is loaded.
    int16_t NameTextBlock() const;

    // The staff's name as plain text (caller deletes); empty when the staff has none or
    // nothing is loaded. Never null.
    NKString* CreateDisplayName() const;

protected:
    uint32_t ClassTag() const override;

private:
    unsigned char* AreaForHost();
    const unsigned char* AreaForHost() const;
    uint16_t WordAt(uint32_t offset) const;
    NKString* CreateNameFromTextBlock() const;

    unsigned char record12[kStaffRecordSize12] = {};
    unsigned char record11[kStaffRecordSize11] = {};
    unsigned char record0F[kStaffRecordSize0F] = {};
};
