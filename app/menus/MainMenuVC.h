#pragma once
// The first page of the main menu: a column of tool tiles with the settings and video buttons
// above it. Its last tile opens the second page.
#include "kit/ui/ViewController.h"

#include <functional>
#include <memory>

namespace kit {
class Button;
class StackView;
class View;
} // namespace kit

namespace app {

class MainMenuVC : public kit::ViewController {
public:
    std::weak_ptr<kit::StackView> menuSV;
    std::weak_ptr<kit::Button> digitalColorWheel, classicColorWheel, abstractColorWheel, colorCombinations, swatches,
        colorPicker, imageColors, colorMixing, valueChecker, grayscale;
    std::weak_ptr<kit::Button> settingsButton, videoInstructionsButton;

    // The rating prompt's check, run at every appearance with period 9 and this screen; tests
    // replace it (none restores the prompt's own).
    static void setRatingCheck(std::function<void(int period, kit::ViewController& presenter)> check);

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillLayoutSubviews() override;
    void prepareForSegue(kit::StoryboardSegue& segue, const std::any& sender) override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void dcwTapped(kit::Button& sender);
    void ccwTapped(kit::Button& sender);
    void ccsTapped(kit::Button& sender);
    void swatchesBtnWasPressed(kit::Button& sender);
    void arStencilTapped(kit::Button& sender);
    void moreToolsTapped(kit::Button& sender);

private:
    void pushScene(const char* identifier);
    void buildScene();
    // The scene's views, held here as the storyboard would.
    std::shared_ptr<kit::View> topBar_;
    std::shared_ptr<kit::StackView> stack_;
    std::vector<std::shared_ptr<kit::Button>> tiles_;
    std::shared_ptr<kit::Button> settings_, videos_;
};

} // namespace app
