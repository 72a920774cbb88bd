#include "app/storage/SaveHelpers.h"

#include "app/AppDelegate.h"
#include "app/storage/DataModel.h"
#include "app/storage/RecordId.h"
#include "app/ui/Alerts.h"
#include "app/ui/Strings.h"
#include "colour/HexText.h"
#include "kit/base/Console.h"
#include "kit/runtime/Timer.h"
#include "kit/store/Defaults.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/Pasteboard.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace app {
namespace {

bool canSaveFlag = true;
std::shared_ptr<kit::Timer> saveThrottleTimer;

void throttleAndToast(const std::string& toast) {
    canSaveFlag = false;
    if (saveThrottleTimer) saveThrottleTimer->invalidate();
    saveThrottleTimer = kit::Timer::scheduled(saveThrottleInterval, false, [](kit::Timer& timer) {
        canSaveFlag = true;
        timer.invalidate();
    });
    Alerts::shared().showToast(toast);
}

std::optional<std::string> hexOf(const std::optional<kit::Color>& color) {
    if (!color) return std::nullopt;
    return colour::hexString(*color);
}

void saveCombination(const colour::ColorCombination& combination, const char* tag, const std::string& toast) {
    auto& app = delegate();
    app.hapticGenerator.impactOccurred();
    if (combination.numberOfColors < std::numeric_limits<std::int32_t>::min() ||
        combination.numberOfColors > std::numeric_limits<std::int32_t>::max())
        kit::fatal("numberOfColors out of range");
    auto record = CustomColorCombination::insert(*app.persistentContainer().viewContext());
    record.setNumberOfColors(static_cast<std::int32_t>(combination.numberOfColors));
    record.setIsLiked(false);
    record.setTag(tag);
    record.setColor1(hexOf(combination.color1));
    record.setColor2(hexOf(combination.color2));
    record.setColor3(hexOf(combination.color3));
    record.setColor4(hexOf(combination.color4));
    record.setId(newRecordId32());
    if (!app.saveContext()) return;
    throttleAndToast(toast);
}

} // namespace

bool canSave() { return canSaveFlag; }

void saveCustomCombination(const std::optional<colour::ColorCombination>& combination) {
    if (!combination || !canSaveFlag) return;
    saveCombination(*combination, "custom", Strings::combinationSavedInSaved());
}

void saveLikedCombination(const std::optional<colour::ColorCombination>& combination) {
    if (!combination || !canSaveFlag || combination->tag == "liked") return;
    saveCombination(*combination, "liked", Strings::combinationSavedInLiked());
}

void saveSingleColor(const std::optional<kit::Color>& color) {
    if (!color) {
        kit::warn("Color hasn't been saved!");
        return;
    }
    if (!canSaveFlag) return;
    auto& app = delegate();
    app.hapticGenerator.impactOccurred();
    const auto hex = colour::hexString(*color);
    auto record = CustomColorCombination::insert(*app.persistentContainer().viewContext());
    record.setNumberOfColors(1);
    record.setIsLiked(false);
    record.setTag("colorPicker");
    record.setColor1(hex);
    record.setColor2(hex);
    record.setColor3(hex);
    record.setColor4(hex);
    record.setId(newRecordId32());
    if (!app.saveContext()) return;
    throttleAndToast(Strings::colorSavedToSingle());
}

void saveMix(const std::string& mixHex, const std::vector<std::string>& colorHexes) {
    if (!canSaveFlag) return;
    auto& app = delegate();
    auto record = LargeCombination::insert(*app.persistentContainer().viewContext());
    record.setType(1);
    record.setIsMixedColor(true);
    record.setId(newRecordId64());
    record.setColor(mixHex);
    record.setColors(colorHexes);
    if (!app.saveContext()) return;
    throttleAndToast(Strings::mixSavedToColorMixes());
}

void saveLightCombination(const tools::LightToolFields& lightTool) {
    if (!canSaveFlag) return;
    const double power = lightTool.lightPower();
    if (!std::isfinite(power)) kit::fatal("lightPower is not finite");
    const double percent = std::clamp(std::trunc(power * 100), -1e15, 1e15);
    const std::string typeName(tools::englishName(lightTool.selectedLightType()));
    auto& app = delegate();
    auto record = LargeCombination::insert(*app.persistentContainer().viewContext());
    record.setType(2);
    record.setName(lightTool.name());
    record.setId(newRecordId64());
    record.setColors(lightTool.shownColorHexes());
    record.setIsLightColors(true);
    record.setLightName(std::string("[")
                            .append(kit::text::uppercased(typeName))
                            .append(" ")
                            .append(std::to_string(static_cast<std::int64_t>(percent)))
                            .append("%]"));
    record.setLightType(typeName);
    record.setLightPower(power);
    if (!app.saveContext()) return;
    throttleAndToast(Strings::text("Light Combinations"));
}

void copyColorToClipboard(const std::optional<std::string>& hex) {
    if (!hex || hex->empty()) return;
    delegate().hapticGenerator.impactOccurred();
    kit::Pasteboard::general().setString("#" + *hex);
    Alerts::shared().showToast(Strings::colorSavedToClipboard());
    if (colour::isValidHexColor(*hex)) kit::Defaults::standard().set(*hex, Keys::lastColorMixing);
}

void copyTextToClipboard(const std::optional<std::string>& text) {
    if (!text || text->empty()) return;
    delegate().hapticGenerator.impactOccurred();
    kit::Pasteboard::general().setString(*text);
    Alerts::shared().showToast(Strings::text("Copied to clipboard"));
}

} // namespace app
