#include "tools/ColorImportSheet.h"

#include "app/AppDelegate.h"
#include "app/ui/LayoutConstants.h"
#include "app/ui/Strings.h"
#include "colour/HexText.h"
#include "colour/library/ColorLibrary.h"
#include "kit/text/Trimming.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/TextField.h"
#include "tools/ToolOverlays.h"

namespace tools {
namespace {

using kit::AlertAction;
using kit::AlertActionStyle;
using kit::AlertController;
using app::Strings::text;

void openSet(const std::shared_ptr<kit::ViewController>& host, bool single, std::optional<SwatchSet> set,
             ApplyColor apply) {
    openColorSet({host, single, set, std::move(apply)});
}

// The alert is gone by the time its action runs; the handlers keep its fields.
std::optional<std::string> fieldText(const std::vector<std::shared_ptr<kit::TextField>>& fields, std::size_t index) {
    if (index >= fields.size() || !fields[index]) return std::nullopt;
    return fields[index]->text();
}

} // namespace

void showImportSheet(const std::shared_ptr<kit::ViewController>& host, ApplyColor apply) {
    app::delegate().hapticGenerator.impactOccurred();
    auto sheet = AlertController::make(text("Get color from"), "");
    std::weak_ptr<kit::ViewController> weak = host;
    sheet->addAction(AlertAction::make(text("Enter HEX color"), AlertActionStyle::defaultStyle, [weak, apply](AlertAction&) {
        if (auto h = weak.lock()) showHexEntry(h, apply);
    }));
    sheet->addAction(AlertAction::make(text("Enter RGB color"), AlertActionStyle::defaultStyle, [weak, apply](AlertAction&) {
        if (auto h = weak.lock()) showRgbEntry(h, apply);
    }));
    sheet->addAction(AlertAction::make(text("Swatches"), AlertActionStyle::defaultStyle, [weak, apply](AlertAction&) {
        if (auto h = weak.lock()) showSwatchSets(h, apply);
    }));
    sheet->addAction(AlertAction::make(text("Color Combinations") + " > " + text("Single"), AlertActionStyle::defaultStyle,
                                       [weak, apply](AlertAction&) {
                                           if (auto h = weak.lock()) openSet(h, true, std::nullopt, apply);
                                       }));
    sheet->addAction(AlertAction::make(text("Cancel"), AlertActionStyle::defaultStyle));
    host->presentViewController(sheet, true);
}

void showHexEntry(const std::shared_ptr<kit::ViewController>& host, ApplyColor apply) {
    auto alert = AlertController::make(text("Enter HEX color"), "");
    alert->addTextField([](kit::TextField& field) { field.setPlaceholder("HEX"); });
    const auto fields = alert->textFields();
    alert->addAction(AlertAction::make(text("Cancel"), AlertActionStyle::cancel));
    alert->addAction(AlertAction::make(text("Add"), AlertActionStyle::defaultStyle, [fields, apply](AlertAction&) {
        // Pasted codes often come with spaces or a line break around them.
        const auto typed = fieldText(fields, 0);
        if (!typed) return;
        const std::string_view hex = kit::text::trimmingWhitespaceAndNewlines(*typed);
        if (colour::isValidHexColor(hex)) apply(colour::colorFromHex(hex));
    }));
    host->presentViewController(alert, true);
}

void showRgbEntry(const std::shared_ptr<kit::ViewController>& host, ApplyColor apply) {
    auto alert = AlertController::make(text("Enter RGB color") + " (0-255)", "");
    for (const char* placeholder : {"Red", "Green", "Blue"})
        alert->addTextField([placeholder](kit::TextField& field) { field.setPlaceholder(text(placeholder)); });
    const auto fields = alert->textFields();
    alert->addAction(AlertAction::make(text("Cancel"), AlertActionStyle::cancel));
    alert->addAction(AlertAction::make(text("Add"), AlertActionStyle::defaultStyle, [fields, apply](AlertAction&) {
        const double r = app::parseNumberField(fieldText(fields, 0));
        const double g = app::parseNumberField(fieldText(fields, 1));
        const double b = app::parseNumberField(fieldText(fields, 2));
        apply(colour::initWithRgba(r, g, b, 255));
    }));
    host->presentViewController(alert, true);
}

void showSwatchSets(const std::shared_ptr<kit::ViewController>& host, ApplyColor apply) {
    auto alert = AlertController::make(text("Swatches"), "");
    static const std::pair<const char*, SwatchSet> sets[] = {
        {"Summer", SwatchSet::summer},   {"Winter", SwatchSet::winter},
        {"Spring", SwatchSet::spring},   {"Autumn", SwatchSet::autumn},
        {"Material Design", SwatchSet::material}, {"HTML/CSS by name", SwatchSet::html},
        {"Oil Paint", SwatchSet::oilPaint}, {"Wikipedia", SwatchSet::wikipedia}};
    std::weak_ptr<kit::ViewController> weak = host;
    for (const auto& [title, set] : sets) {
        const SwatchSet chosen = set;
        alert->addAction(AlertAction::make(text(title), AlertActionStyle::defaultStyle, [weak, chosen, apply](AlertAction&) {
            if (auto h = weak.lock()) openSet(h, false, chosen, apply);
        }));
    }
    alert->addAction(AlertAction::make(text("Cancel"), AlertActionStyle::defaultStyle));
    host->presentViewController(alert, true);
}

} // namespace tools
