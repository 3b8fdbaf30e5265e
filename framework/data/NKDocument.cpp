#include "framework/data/NKDocument.h"

#include "shell/HostBridge.h"

NKDocument::NKDocument() : documentId(static_cast<int16_t>(NX_GetCurrentTavrinDocument())) {}

bool NKDocument::IsIdentical(const __NKBase* other) const {
    const auto* document = dynamic_cast<const NKDocument*>(other);
    return document && document->documentId == documentId;
}
