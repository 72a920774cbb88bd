#pragma once
// The second page of the main menu, built in code: seven more tools, their tiles lined up with the
// first page's column.
#include "kit/ui/ViewController.h"

#include <memory>
#include <optional>

namespace kit {
class Button;
class Label;
class View;
} // namespace kit

namespace app {

class MainMenuSecondPageVC : public kit::ViewController {
public:
    // Both must be set before the view loads.
    std::optional<double> menuItemHeight;
    std::optional<double> topPadding;

    const std::shared_ptr<kit::Button>& backButton();
    const std::shared_ptr<kit::View>& viewForBackSwipe() const { return viewForBackSwipe_; }
    const std::shared_ptr<kit::Button>& firstMenuItem();
    const std::shared_ptr<kit::Button>& secondMenuItem();
    const std::shared_ptr<kit::Button>& thirdMenuItem();
    const std::shared_ptr<kit::Button>& fourthMenuItem();
    const std::shared_ptr<kit::Button>& fifthMenuItem();
    const std::shared_ptr<kit::Button>& sixthMenuItem();
    const std::shared_ptr<kit::Button>& seventhMenuItem();
    const std::shared_ptr<kit::Label>& menuTitle() const { return menuTitle_; }

    void viewDidLoad() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void backButtonPressed();
    void backBySwipe();
    void openNonDigitalColorWheel();
    void openValueChecker();
    void openCustomHue();
    void openLight();
    void openValueBreaker();
    void openContrastRatio();
    void openColorGroup();

private:
    const std::shared_ptr<kit::Button>& item(int index);
    void setupLayout();
    void open(const char* identifier);

    std::shared_ptr<kit::Button> backButton_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
    std::shared_ptr<kit::Button> items_[7];
    std::shared_ptr<kit::Label> menuTitle_;
};

} // namespace app
