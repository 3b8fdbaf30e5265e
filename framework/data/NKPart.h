// One part of the current document. The host keeps staff lists per part, so code that reads
// or writes them makes the part it means current with SwitchTo and restores the previous one
// with SwitchBack. As a record class it wraps the part record ('otpD'), which this plug-in
// carries but never interprets.
#pragma once

#include <cstdint>

#include "framework/data/NKNoInciOther.h"

constexpr uint32_t kPartRecordSize = 12;
constexpr int16_t kCurrentPart = -1;

class NKPart : public __NKNoInciOther {
public:
    // kCurrentPart stands for the part that is current now, not at SwitchTo time. The object
    // belongs to the document that is current now.
    explicit NKPart(int16_t part);
    NKPart(const NKPart&) = delete;
    NKPart& operator=(const NKPart&) = delete;

    const char* ClassName() const override;
    // Another NKPart for the same part of the same document.
    bool IsIdentical(const __NKBase* other) const override;

    unsigned char* AllocateData() override;
    __NKBaseData* CreateInstance() const override;
    uint32_t RecordVersion() const override;
    uint32_t RecordSize() override { return kPartRecordSize; }
    void CopyDataFrom(const __NKBaseData* other) override;

    // Makes this part current, remembering the one that was. Does nothing while a switch is
    // in effect (the first remembered part stays) or when another document is current.
    void SwitchTo();
    // Restores the remembered part, only while this object's document is current. The
    // destructor does not switch back: callers pair the two, on failure paths too.
    void SwitchBack();

    int16_t PartId() const { return partId; }
    int16_t DocumentId() const { return documentId; }
    bool IsSwitched() const { return savedPartId != kNoSwitch; }

protected:
    uint32_t ClassTag() const override;

private:
    static constexpr int16_t kNoSwitch = -2;
    bool DocumentIsCurrent() const;

    unsigned char record[kPartRecordSize] = {};
    int16_t partId;
    int16_t documentId;
    int16_t savedPartId = kNoSwitch;
};
