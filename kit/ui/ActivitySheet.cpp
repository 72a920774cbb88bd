#include "kit/ui/ActivitySheet.h"

#include "kit/base/Console.h"
#include "kit/base/Files.h"
#include "kit/base/Make.h"
#include "kit/ui/Application.h"
#include "kit/ui/Pasteboard.h"

#include <chrono>
#include <cstdlib>

namespace kit {
namespace {

std::vector<std::string>& shared() {
    static std::vector<std::string> texts;
    return texts;
}

std::filesystem::path documentsFolder() {
    const char* home = std::getenv("HOME");
    std::filesystem::path base = home && *home ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
    auto docs = base / "Documents";
    return std::filesystem::is_directory(docs) ? docs : base;
}

std::optional<std::filesystem::path> defaultChooser(const std::string& suggested) {
    std::string chosen;
    if (runProgram({"zenity", "--file-selection", "--save", "--confirm-overwrite", "--filename=" + suggested}, &chosen)) {
        while (!chosen.empty() && (chosen.back() == '\n' || chosen.back() == '\r')) chosen.pop_back();
        if (!chosen.empty()) return std::filesystem::path(chosen);
        return std::nullopt;
    }
    // No chooser on this desktop: a fresh file in the documents folder, named so nothing is overwritten.
    auto stamp = std::chrono::duration_cast<std::chrono::seconds>(
                     std::chrono::system_clock::now().time_since_epoch()).count();
    auto path = documentsFolder() / suggested;
    if (std::filesystem::exists(path))
        path = documentsFolder() / (path.stem().string() + "-" + std::to_string(stamp) + path.extension().string());
    return path;
}

ActivitySheet::SavePathChooser& chooser() {
    static ActivitySheet::SavePathChooser c = defaultChooser;
    return c;
}

} // namespace

ActivitySheet::ActivitySheet(std::vector<std::string> items)
    : AlertController("Share", "", AlertControllerStyle::actionSheet), items_(std::move(items)) {}

std::shared_ptr<ActivitySheet> ActivitySheet::make(std::vector<std::string> items) {
    return kit::make<ActivitySheet>(std::move(items));
}

void ActivitySheet::initialize() {
    AlertController::initialize();
    std::weak_ptr<ActivitySheet> weak = std::static_pointer_cast<ActivitySheet>(shared_from_this());
    addAction(AlertAction::make("Save to File…", AlertActionStyle::defaultStyle, [weak](AlertAction&) {
        auto self = weak.lock();
        if (!self) return;
        bool ok = false;
        if (auto path = chooser()("tinctura-export.txt")) {
            std::string text = self->joined();
            std::string error;
            ok = writeFileAtomically(*path, text, &error);
            kit::print(ok ? "Saved to " + path->string() : "Could not save " + path->string() + ": " + error);
        }
        if (self->completionHandler) self->completionHandler(ok, "save");
    }));
    addAction(AlertAction::make("Copy", AlertActionStyle::defaultStyle, [weak](AlertAction&) {
        auto self = weak.lock();
        if (!self) return;
        Pasteboard::general().setString(self->joined());
        if (self->completionHandler) self->completionHandler(true, "copy");
    }));
    addAction(AlertAction::make("Cancel", AlertActionStyle::cancel, [weak](AlertAction&) {
        auto self = weak.lock();
        if (self && self->completionHandler) self->completionHandler(false, "");
    }));
}

std::string ActivitySheet::joined() const {
    std::string text;
    for (std::size_t i = 0; i < items_.size(); ++i) text += (i ? "\n" : "") + items_[i];
    return text;
}

void ActivitySheet::viewWillAppear(bool animated) {
    AlertController::viewWillAppear(animated);
    shared().push_back(joined());
}

const std::vector<std::string>& ActivitySheet::sharedTexts() { return shared(); }
void ActivitySheet::resetSharedTexts() { shared().clear(); }
void ActivitySheet::setSavePathChooser(SavePathChooser c) { chooser() = c ? std::move(c) : defaultChooser; }

} // namespace kit
