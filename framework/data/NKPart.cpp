#include "framework/data/NKPart.h"

#include <cstring>

#include "framework/core/RecordTag.h"
#include "shell/HostBridge.h"

NKPart::NKPart(int16_t part)
    : partId(part == kCurrentPart ? static_cast<int16_t>(NX_GetCurrentPartID()) : part),
      documentId(static_cast<int16_t>(NX_GetCurrentTavrinDocument())) {}

const char* NKPart::ClassName() const {
    return "NKPart";
}

bool NKPart::IsIdentical(const __NKBase* other) const {
    const auto* part = dynamic_cast<const NKPart*>(other);
    return part && part->partId == partId && part->documentId == documentId;
}

unsigned char* NKPart::AllocateData() {
    data = record;
    return data;
}

__NKBaseData* NKPart::CreateInstance() const {
    return new NKPart(partId);
}

uint32_t NKPart::RecordVersion() const {
    return kApiVersion;
}

uint32_t NKPart::ClassTag() const {
    return RecordTagOf("otpD");
}

void NKPart::CopyDataFrom(const __NKBaseData* other) {
    const auto* part = dynamic_cast<const NKPart*>(other);
    if (!part || part == this)
        return;
    std::memcpy(record, part->record, kPartRecordSize);
    data = record;
    loadedSize = kPartRecordSize;
}

bool NKPart::DocumentIsCurrent() const {
    return static_cast<int16_t>(NX_GetCurrentTavrinDocument()) == documentId;
}

void NKPart::SwitchTo() {
    if (savedPartId != kNoSwitch || !DocumentIsCurrent())
        return;
    savedPartId = static_cast<int16_t>(NX_GetCurrentPartID());
    NX_SetCurrentPartID(partId);
}

void NKPart::SwitchBack() {
    if (savedPartId == kNoSwitch || !DocumentIsCurrent())
        return;
    NX_SetCurrentPartID(savedPartId);
    savedPartId = kNoSwitch;
}
