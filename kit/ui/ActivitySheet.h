#pragma once
// Sharing text on the desktop: a sheet that saves the text to a file the user picks (through the
// desktop's file chooser when there is one, else into the documents folder, Paths::documentsDir())
// or copies it.
#include "kit/ui/AlertController.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kit {

class ActivitySheet : public AlertController {
public:
    explicit ActivitySheet(std::vector<std::string> items);
    static std::shared_ptr<ActivitySheet> make(std::vector<std::string> items);
    void initialize();

    const std::vector<std::string>& items() const { return items_; }
    // Runs once the sheet is closed: whether something was done, and what ("save", "copy" or "").
    std::function<void(bool completed, const std::string& activity)> completionHandler;

    // The texts of every sheet presented so far (tests read what would have been shared).
    static const std::vector<std::string>& sharedTexts();
    static void resetSharedTexts();

    // Where "Save" writes: the path the chooser returns, or none when the user cancelled it.
    // Replaceable (tests, desktops without a chooser).
    using SavePathChooser = std::function<std::optional<std::filesystem::path>(const std::string& suggestedName)>;
    static void setSavePathChooser(SavePathChooser chooser);
    // Where "Save" writes on a desktop without a chooser: a fresh file in the documents folder.
    static std::filesystem::path fallbackSavePath(const std::string& suggestedName);
    // Shows the outcome of a save to the user ("Saved to PATH" or "Could not save PATH: why"); the
    // app installs its toast here.
    static void setNoticePresenter(std::function<void(const std::string&)> presenter);

    void viewWillAppear(bool animated) override;

private:
    std::string joined() const;
    std::vector<std::string> items_;
};

} // namespace kit
