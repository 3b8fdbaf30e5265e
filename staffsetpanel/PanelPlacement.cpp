#include "staffsetpanel/PanelPlacement.h"

#include <cstdlib>
#include <memory>

#include "framework/core/NKString.h"
#include "framework/settings/NKSettingsPair.h"
#include "framework/settings/PreferenceFiles.h"
#include "framework/ui/NKResourceWindow.h"

namespace {

const char* const kKeyX = "QMSTAFFSETP_WINDOWX";
const char* const kKeyY = "QMSTAFFSETP_WINDOWY";
const char* const kKeyShade = "QMSTAFFSETPANEL_WINDOWSHADE";
constexpr int32_t kNoPosition = -1;

// The position is kept with the preferences; folding is an option the user sets by hand.
enum class SettingsFile { kPreferences, kOptions };

std::unique_ptr<NKSettingsPair> Load(const char* key, SettingsFile file) {
    const NKString keyText(key);
    return std::unique_ptr<NKSettingsPair>(
        LoadSetting(&keyText, file == SettingsFile::kPreferences));
}

// Leading white space, an optional sign, then digits up to the first other character; 0
// when there are none.
int32_t Decimal(const NKString& text) {
    return static_cast<int32_t>(std::strtol(text.NarrowText(), nullptr, 10));
}

void Save(const char* key, bool known, int32_t value) {
    const NKString keyText(key);
    NKString valueText;
    valueText.AssignNumber(known ? value : kNoPosition);
    NKSettingsPair pair(&keyText, &valueText);
    SaveSetting(&pair);
}

} // namespace

void LoadPosition(NKResourceWindow* window) {
    std::unique_ptr<NKSettingsPair> x = Load(kKeyX, SettingsFile::kPreferences);
    std::unique_ptr<NKSettingsPair> y = Load(kKeyY, SettingsFile::kPreferences);
    if (!x || !y)
        return;
    const int32_t left = Decimal(x->value);
    const int32_t top = Decimal(y->value);
    if (left == kNoPosition && top == kNoPosition)
        return;
    window->positionKnown = true;
    window->sizeKnown = false;
    window->rememberedX = left;
    window->rememberedY = top;
    window->rememberedWidth = 0;
    window->rememberedHeight = 0;
}

bool LoadShadeOption() {
    std::unique_ptr<NKSettingsPair> shade = Load(kKeyShade, SettingsFile::kOptions);
    if (!shade)
        return false;
    const NKString on("1");
    return shade->value.Equals(&on);
}

void SavePosition(const NKResourceWindow* window) {
    Save(kKeyX, window->positionKnown, window->rememberedX);
    Save(kKeyY, window->positionKnown, window->rememberedY);
}
