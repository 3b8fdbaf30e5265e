// The records the sample score and the tests put into a document, built from their byte
// layouts for a host version, and the texts read back from them. Written independently of
// the plug-in's record classes.
#pragma once

#include <cstdint>
#include <string>

#include "simhost/documents/RecordStore.h"

Bytes StaffRecord(uint32_t hostVersion, uint16_t nameTextBlock);
Bytes TextBlockRecord(uint16_t rawTextNumber, uint16_t textType);
Bytes CategoryRecord(uint32_t hostVersion, uint16_t id, const std::string& name);
Bytes ExpressionDefRecord(uint32_t hostVersion, uint16_t textBlock, uint16_t category,
                          const std::string& description, uint16_t flags = 0);
Bytes StaffPercentRecord(int16_t percent);

// The type word of a text block: two letters, the high byte first ("bl" for staff names).
constexpr uint16_t TextType(char high, char low) {
    return static_cast<uint16_t>((static_cast<unsigned char>(high) << 8) |
                                 static_cast<unsigned char>(low));
}

// A staff's record, and its name as a text block and raw text of the staff's own number;
// a staff without a name has neither.
void PutStaff(RecordStore& records, uint32_t hostVersion, int16_t number,
              const std::string& name);

// The description ExpressionDefRecord wrote, or "" for a definition too short to hold one.
std::string ExpressionDescription(uint32_t hostVersion, const Bytes& definition);
// The name CategoryRecord wrote, or "" for a category too short to hold one.
std::string CategoryName(uint32_t hostVersion, const Bytes& category);
