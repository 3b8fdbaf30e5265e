// The records the sample score and the tests put into a document, built from their byte
// layouts for a host version, and the one text read back from them. Written independently of
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

// The description ExpressionDefRecord wrote, or "" for a definition too short to hold one.
std::string ExpressionDescription(uint32_t hostVersion, const Bytes& definition);
