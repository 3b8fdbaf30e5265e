// Staff set names live in the document, which has no place of its own for them: each named
// set has a text expression definition in the category "QM Plug-in Data" whose description
// is "QM Staff Set Panel <n>:<name>". The user creates that category once by hand.
#pragma once

#include <cstdint>

class NKString;
class NKTextExpressionDef;
class NKTextExpressionDefs;

extern const char* const kNameCategoryName;
// What the name record shows in the host: "QM Staff Set Panel Data" in Times New Roman.
extern const char* const kNameRecordText;

// "QM Staff Set Panel <n>:" — with the colon, so that set 1 is never taken for set 10.
void SetPrefix(NKString* out, int32_t set);

// The identifier of the first category named exactly "QM Plug-in Data", or -1.
int16_t FindNameCategory();

// The name record of the set among the definitions (the collection keeps owning it), or
// null; the first one in collection order counts.
NKTextExpressionDef* FindNameDef(const NKTextExpressionDefs& definitions, int32_t set);
NKTextExpressionDef* FindNameDef(const NKTextExpressionDefs& definitions, int32_t set,
                                 int16_t category);

// The name held by a set's name record: its description without the set's prefix.
void NameFromRecord(const NKTextExpressionDef& record, int32_t set, NKString* out);

// Fills out with the set's name; leaves it as it is when the set has none.
void GetSetName(NKString* out, int32_t set);
