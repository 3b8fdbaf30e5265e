#include "staffsetpanel/StaffSetNameStore.h"

#include <cstring>

#include "framework/core/NKString.h"
#include "framework/data/NKCategoryDefs.h"
#include "framework/data/NKTextExpressionDefs.h"

const char* const kNameCategoryName = "QM Plug-in Data";
const char* const kNameRecordText = "^font(Times New Roman)^size(12)^efx(0)QM Staff Set Panel Data";

void SetPrefix(NKString* out, int32_t set) {
    out->AssignNarrow("QM Staff Set Panel ");
    out->AppendNumber(set);
    out->AppendChar(u':');
}

int16_t FindNameCategory() {
    NKCategoryDefs categories;
    categories.LoadAll();
    NKString name;
    for (int32_t i = 0; i < categories.Count(); ++i) {
        categories.ElementAt(i)->GetName(&name);
        // Byte for byte on the narrow view, as 8-bit hosts hold the name.
        if (std::strcmp(name.NarrowText(), kNameCategoryName) == 0)
            return categories.ElementAt(i)->Id();
    }
    return -1;
}

NKTextExpressionDef* FindNameDef(const NKTextExpressionDefs& definitions, int32_t set) {
    return FindNameDef(definitions, set, FindNameCategory());
}

NKTextExpressionDef* FindNameDef(const NKTextExpressionDefs& definitions, int32_t set,
                                 int16_t category) {
    if (category < 0)
        return nullptr;
    NKString prefix, description;
    SetPrefix(&prefix, set);
    for (int32_t i = 0; i < definitions.Count(); ++i) {
        NKTextExpressionDef* definition = definitions.ElementAt(i);
        if (definition->Category() != static_cast<uint16_t>(category))
            continue;
        definition->GetDescription(&description);
        if (description.HasPrefix(&prefix))
            return definition;
    }
    return nullptr;
}

void NameFromRecord(const NKTextExpressionDef& record, int32_t set, NKString* out) {
    NKString prefix, description;
    SetPrefix(&prefix, set);
    record.GetDescription(&description);
    description.ReplaceAllNarrow(prefix.NarrowText(), "");
    out->Assign(&description);
}

void GetSetName(NKString* out, int32_t set) {
    int16_t category = FindNameCategory();
    if (category < 0)
        return;
    NKTextExpressionDefs definitions;
    definitions.LoadAll();
    if (const NKTextExpressionDef* record = FindNameDef(definitions, set, category))
        NameFromRecord(*record, set, out);
}
