#pragma once
// The colour lamp: one colour over the whole display, the status bar and home indicator hidden,
// the display kept on while shown; a tap anywhere closes it.
#include "kit/base/Color.h"
#include "kit/ui/ViewController.h"

namespace tools {

class LedVC : public kit::ViewController {
public:
    // Read once, when the screen loads.
    kit::Color color = kit::Color::whiteColor();

    bool prefersStatusBarHidden() const { return true; }
    bool prefersHomeIndicatorAutoHidden() const { return true; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void backTapped();
};

} // namespace tools
