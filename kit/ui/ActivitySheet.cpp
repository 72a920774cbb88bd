#include "kit/ui/ActivitySheet.h"

#include "kit/base/Console.h"
#include "kit/base/Files.h"
#include "kit/base/Make.h"
#include "kit/store/Paths.h"
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

// Where an export goes unless the user picks another place: the documents folder (under --data-dir
// when set; made when missing there), else the home folder.
std::filesystem::path exportFolder() {
    const auto docs = Paths::documentsDir();
    std::error_code ec;
    if (!Paths::dataDirOverride().empty()) std::filesystem::create_directories(docs, ec);
    if (std::filesystem::is_directory(docs, ec)) return docs;
    const char* home = std::getenv("HOME");
    return home && *home ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
}

std::optional<std::filesystem::path> defaultChooser(const std::string& suggested) {
    std::string chosen;
    if (runProgram({"zenity", "--file-selection", "--save", "--confirm-overwrite",
                    "--filename=" + (exportFolder() / suggested).string()},
                   &chosen)) {
        while (!chosen.empty() && (chosen.back() == '\n' || chosen.back() == '\r')) chosen.pop_back();
        if (!chosen.empty()) return std::filesystem::path(chosen);
        return std::nullopt;
    }
    return ActivitySheet::fallbackSavePath(suggested);
}

std::function<void(const std::string&)>& noticePresenter() {
    static std::function<void(const std::string&)> presenter;
    return presenter;
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
            const std::string notice = ok ? "Saved to " + path->string() : "Could not save " + path->string() + ": " + error;
            if (ok) kit::print(notice);
            else kit::warn(notice);
            if (noticePresenter()) noticePresenter()(notice);
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
std::filesystem::path ActivitySheet::fallbackSavePath(const std::string& suggestedName) {
    const auto folder = exportFolder();
    const std::filesystem::path name(suggestedName);
    auto path = folder / name;
    // Taken: the time, and a number when needed, so that nothing is overwritten.
    const auto stamp = std::chrono::duration_cast<std::chrono::seconds>(
                           std::chrono::system_clock::now().time_since_epoch()).count();
    for (int n = 1; std::filesystem::exists(path); ++n) {
        std::string taken = name.stem().string() + "-" + std::to_string(stamp);
        if (n > 1) taken.append("-").append(std::to_string(n));
        path = folder / (taken + name.extension().string());
    }
    return path;
}

void ActivitySheet::setNoticePresenter(std::function<void(const std::string&)> presenter) {
    noticePresenter() = std::move(presenter);
}

} // namespace kit
