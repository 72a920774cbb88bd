#pragma once
// The about screen: static content and a close button. It is presented modally and closes itself.
#include "kit/ui/ViewController.h"

#include <memory>

namespace kit {
class Button;
} // namespace kit

namespace app {

class AboutVC : public kit::ViewController {
public:
    void viewDidLoad() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    // A light haptic, then an animated dismissal.
    void backBtnTapped(kit::Button& sender);

    const std::shared_ptr<kit::Button>& closeButton() const { return closeButton_; }

private:
    std::shared_ptr<kit::Button> closeButton_;
};

} // namespace app
