#pragma once
// The privacy screen: export everything the app keeps for the user in their private cloud database
// and hand it to the share sheet as one text, or delete it from the cloud and then from the device.
// Shown modally; it closes itself.
#include "app/privacy/GDPRTypes.h"
#include "kit/ui/ViewController.h"

#include <memory>

namespace kit {
class Button;
} // namespace kit

namespace app {

class GDPRVC : public kit::ViewController {
public:
    // Taken when the screen is made.
    const kit::CloudContainer defaultContainer = kit::CloudContainer::defaultContainer();

    void viewDidLoad() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    // The container with the record types of the stored entities; and its name in the export.
    CloudPrivacy::Metadata metadata() const;
    CloudPrivacy::ContainerNames containerNameMapping() const;

    void backBtn(kit::Button& sender);
    void exportData(kit::Button& sender);
    void deleteAllData(kit::Button& sender);

    const std::shared_ptr<kit::Button>& backButton() const { return backButton_; }
    const std::shared_ptr<kit::Button>& exportButton() const { return exportButton_; }
    const std::shared_ptr<kit::Button>& deleteButton() const { return deleteButton_; }

private:
    void exportFinished(const CloudPrivacy::Result<std::map<std::string, std::string>>& result);
    void deleteFinished(const std::optional<CloudPrivacy::Error>& cloudError);

    std::shared_ptr<kit::Button> backButton_, exportButton_, deleteButton_;
};

// One pretty-printed JSON object of piece name to piece text; none (with the reason) when the
// pieces cannot be written as JSON (text that is not UTF-8).
std::optional<std::string> privacyShareText(const std::map<std::string, std::string>& pieces, std::string* error);

} // namespace app
