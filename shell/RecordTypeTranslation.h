// The translated 'pf' record types are loaded and saved by NX_LoadEData and NX_SaveEData
// (HostBridge.h), which callers use as if the host stored those types itself. These are the
// conversions of one field between the 'pf' structure and the words of its 'ot' record.
#pragma once

#include "shell/TranslationTables.h"

namespace translation {

// Writes the row's field into the structure from the 12-byte record.
void LoadField(const FieldRow& row, const unsigned char* record, unsigned char* structure);

// Writes the row's field from the structure into the record's words; true when that changed
// any of them. A 4-byte field whose code carries nothing leaves the record as it is.
bool SaveField(const FieldRow& row, const unsigned char* structure, unsigned char* record);

} // namespace translation
