#pragma once
// The settings screen: the colour-code output format and colour-name table menus, and the switches
// for the adjustable harmony angle, cloud storage and rating prompts. Every change is written at
// once. Its further rows open the privacy and about screens.
#include "app/ui/DropDownMenu.h"
#include "kit/ui/ViewController.h"

#include <memory>

namespace kit {
class Button;
class Label;
class Switch;
class View;
} // namespace kit

namespace app {

class SettingsVC : public kit::ViewController {
public:
    // Outlets, connected when the scene is built.
    std::weak_ptr<kit::Switch> adjustableSchemasSwitch;
    std::weak_ptr<kit::Label> outputTitleLbl;
    std::weak_ptr<kit::Label> colorNameFormatLbl;
    std::weak_ptr<kit::Switch> icloudStorage;
    std::weak_ptr<kit::Switch> disablePollsSwitch;
    std::shared_ptr<kit::View> viewForBackSwipe;
    std::shared_ptr<DropDownMenu> dropDownMenu;
    std::shared_ptr<DropDownMenu2> colorNameFormatDropdownMenu;

    void loadView() override;
    void viewDidLoad() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }
    void prepareForSegue(kit::StoryboardSegue& segue, const std::any& sender) override;

    // The two menus' selections.
    void formatSelected(int index);
    void colorNameFormatSelected(int index);

    void adjustableSchemasSwitchTapped(kit::Switch& sender);
    void icloudStorageTapped(kit::Switch& sender);
    void disablePollsSwitchTapped(kit::Switch& sender);
    void backBtnTapped(kit::Button& sender);
    void backBySwipe();

    // The scene's buttons.
    const std::shared_ptr<kit::Button>& backButton() const { return backButton_; }
    const std::shared_ptr<kit::Button>& privacyButton() const { return privacyButton_; }
    const std::shared_ptr<kit::Button>& aboutButton() const { return aboutButton_; }

private:
    // Each menu tells its own delegate; both forward to this screen.
    struct FormatDelegate : DropDownMenuDelegate {
        SettingsVC* owner = nullptr;
        void didSelectElement(int index) override { owner->formatSelected(index); }
    };
    struct NameDelegate : DropDownMenuDelegate2 {
        SettingsVC* owner = nullptr;
        void didSelectElement(int index) override { owner->colorNameFormatSelected(index); }
    };

    void buildScene();
    void buildMenus();

    FormatDelegate formatDelegate_;
    NameDelegate nameDelegate_;
    std::shared_ptr<kit::Button> backButton_, privacyButton_, aboutButton_;
};

} // namespace app
