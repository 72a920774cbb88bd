#pragma once
// The abstract-art wheel (ten painted hues; a tip points to the digital wheel's abstract mode) and
// its result screen, a fixed four-colour scheme of painted swatches around the picked hue.
#include "kit/ui/Button.h"
#include "kit/ui/ViewController.h"

#include <array>
#include <memory>
#include <string>

namespace wheels {

// The swatch asset of hue 1...10 (counted cyclically).
const char* abstractHueAsset(int number);
// Main, major accent and the two minor accents for a picked hue: t, t+5, t+3, t+7 over 1...10.
std::array<int, 4> abstractScheme(int colorTag);

class ZelVC : public kit::ViewController {
public:
    ZelVC();
    const std::shared_ptr<kit::Button>& backBtn() const { return backBtn_; }
    const std::shared_ptr<kit::Button>& tipBtn() const { return tipBtn_; }
    const std::shared_ptr<kit::View>& viewForBackSwipe() const { return viewForBackSwipe_; }
    // The hue button with tag 1...10.
    std::shared_ptr<kit::Button> hueButton(int tag) const;

    void showTip();
    void pickColorBtnWasPressed(kit::Button& sender);

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewDidLayoutSubviews() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

private:
    std::shared_ptr<kit::Button> backBtn_, tipBtn_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
    std::array<std::shared_ptr<kit::Button>, 10> hueButtons_;
};

class ZelCcVC : public kit::ViewController {
public:
    ZelCcVC();
    int colorTag = 1;

    const std::shared_ptr<kit::Button>& mainColorBtn() const { return buttons_[0]; }
    const std::shared_ptr<kit::Button>& focalPointColorBtn() const { return buttons_[1]; }
    const std::shared_ptr<kit::Button>& accentColorOneBtn() const { return buttons_[2]; }
    const std::shared_ptr<kit::Button>& accentColorTwoBtn() const { return buttons_[3]; }
    const std::shared_ptr<kit::Button>& backBtn() const { return backBtn_; }
    const std::shared_ptr<kit::View>& viewForBackSwipe() const { return viewForBackSwipe_; }

    void showScheme();

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

private:
    std::array<std::shared_ptr<kit::Button>, 4> buttons_;
    std::shared_ptr<kit::Button> backBtn_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
};

} // namespace wheels
