#pragma once
// The digital colour wheel screen (or, with isClassic, the painter's wheel): one to four linked hue
// wheels of the current harmony mode over full-screen colour strips, with shade and angle sliders,
// colour labels that copy, import, save, edit and info actions.
#include "app/ui/InfoView.h"
#include "kit/runtime/Timer.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Slider.h"
#include "kit/ui/StackView.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/ViewController.h"
#include "tools/ColorImportSheet.h"
#include "wheels/DcwPicker.h"
#include "wheels/ModeMenu.h"
#include "wheels/ScreenLayout.h"
#include "wheels/ScreenParts.h"
#include "wheels/WheelFit.h"
#include "wheels/digital/Mode.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace wheels {

class DcwVC : public kit::ViewController, public app::InfoViewDelegate {
public:
    DcwVC();
    ~DcwVC() override;

    // Entry properties, set before the push.
    bool isClassic = false;
    bool instantLoadFromClipboard = false;

    // State (readable by tests and the screens that return here).
    Mode modeNow = Mode::complementary;
    std::shared_ptr<DCW> dcw1, dcw2, dcw3, dcw4;
    std::array<std::shared_ptr<kit::View>, 4> colorViews;
    kit::Color color1 = kit::Color::whiteColor(), color2 = kit::Color::whiteColor(),
               color3 = kit::Color::whiteColor(), color4 = kit::Color::whiteColor();
    bool isCopiedToClipboard = false;
    kit::Color colorNow = kit::Color::whiteColor();
    kit::Color colorInBuffer = kit::Color::clearColor();
    bool fromEditCC = false;
    kit::Color color1Save = kit::Color::whiteColor();
    float angleToAddEditCCSave = 0;
    float addToAngle = 0;
    bool atStart = true;
    float lastAngle = 0;
    bool isTryItImageWasShown = false;
    int willLayout = 0;

    // Controls, built once on first use.
    const std::shared_ptr<kit::Button>& colorLbl(int n);
    const std::shared_ptr<kit::Button>& backBtn();
    const std::shared_ptr<kit::Button>& modeNowBtn();
    const std::shared_ptr<kit::Button>& saveBtn();
    const std::shared_ptr<kit::Button>& importColorBtn();
    const std::shared_ptr<kit::Button>& editCCBtn();
    const std::shared_ptr<kit::Button>& infoBtn();
    const std::shared_ptr<kit::Button>& importColorFromBufferBtn();
    const std::shared_ptr<kit::Slider>& saturationSlider();
    const std::shared_ptr<kit::Slider>& brightnessSlider();
    const std::shared_ptr<kit::Slider>& angleSlider();
    const std::shared_ptr<kit::View>& menuStackView() const { return modeMenu_.frame(); }
    const std::shared_ptr<kit::StackView>& modeNowMenuStack() const { return modeMenu_.stack(); }
    const std::shared_ptr<kit::View>& viewForBackSwipe() const { return viewForBackSwipe_; }
    const std::shared_ptr<kit::ImageView>& tryItImageView() const { return tryItImageView_; }
    // The abstract strips' captions, top strip first; none in other modes.
    const std::vector<std::shared_ptr<kit::Label>>& captions() const { return captions_; }
    const std::shared_ptr<app::InfoView>& infoView() const { return infoView_; }
    const std::shared_ptr<kit::Timer>& editCCBtnAnimationTimer() const { return editCCBtnAnimationTimer_; }
    const std::shared_ptr<kit::Timer>& sliderEndTouchTimer() const { return sliderEndTouchTimer_; }

    // Building and moving the wheels.
    void rebuildScreen();
    void buildColorStrips();
    void buildWheelsForMode();
    void buildWheelsAtAngle(float angle);
    std::shared_ptr<DCW> makeWheel(float angle);
    void layoutControls();
    void refreshBufferButton();
    void moveAll();
    void recomputeCombination();
    void refreshColorLabels();
    void moveByColor(const kit::Color& color);
    void selectModeWithButton(kit::Button& button);
    void applyMode(kit::Button* button);
    void applyModeAngleLimits();
    void moveAngleSlider();
    void loadStoredMode();
    void scheduleTryItHint();
    void showTryItHint();

    // Actions.
    void colorLblTapped(int n);
    void importColorBtnTapped();
    void showImportMenu();
    void showHexEntry();
    void showRgbEntry();
    void showSwatchMenu();
    void openSingleView(bool isSingleCC, std::optional<ImportSwatchesEnum> swatch);
    void singleViewDidPick(const kit::Color& color);
    void editCCTapped();
    void showInfo();
    void closeInfo();
    void handleTap();
    void saveColorCombination();
    void backBtnTapped();
    void openModeNowMenu();
    void getColorFromBufferButtonPressed();
    void editCCBtnPulseOnSliderEndTouch();
    void startMonoPulse();
    // The title and body of the current mode's info text.
    std::pair<std::string, std::string> modeInfoText() const;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewWillLayoutSubviews() override;
    void infoViewDidClose() override { infoView_.reset(); }
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

private:
    std::array<std::shared_ptr<DCW>*, 4> wheels() { return {&dcw1, &dcw2, &dcw3, &dcw4}; }
    kit::Color& colorRef(int n);
    // The tint or shade of the wheel that carries the shade slider now.
    double shownShade();
    const std::shared_ptr<kit::Slider>& shadeSlider(std::shared_ptr<kit::Slider>& slot);
    tools::ApplyColor moveToTypedColor();
    void closeMenuState();
    void invalidateTimers();

    // Every control over the strips in the tint that shows on the strip behind it.
    void tintControls();

    std::shared_ptr<kit::StackView> clrsSV_, clrBtnsSV_;
    std::vector<std::shared_ptr<kit::Label>> captions_;  // abstract mode's strip captions
    // Moves each caption up or down its strip the least that clears the controls over it; false
    // when the bottom one finds no clear place.
    bool clearCaptionsOfControls();
    // The captions clear of the controls, the saturation slider raised for the bottom one if need be.
    void placeCaptions();
    void placeShadeSliders(double room);
    // The frame the screen's own geometry gives every wheel, before it is fitted.
    kit::Rect partWheelFrame();
    void fitWheels(double sliderLowestEdge);
    // The screen's controls around the wheel, in the view's coordinates.
    std::vector<kit::Rect> controlFrames();
    double shadowedStripWidth_ = 0;
    WheelSpace lastWheelSpace_;
    kit::Rect lastWheelFrame_;
    void viewDidLayoutSubviews() override;
    std::array<std::shared_ptr<kit::Button>, 4> colorLbls_;
    std::shared_ptr<kit::Button> backBtn_, modeNowBtn_, saveBtn_, importColorBtn_, editCCBtn_, infoBtn_,
        importColorFromBufferBtn_;
    std::shared_ptr<kit::Slider> saturationSlider_, brightnessSlider_, angleSlider_;
    ModeMenu modeMenu_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
    std::shared_ptr<kit::ImageView> tryItImageView_;
    std::shared_ptr<app::InfoView> infoView_;
    std::shared_ptr<kit::Timer> editCCBtnAnimationTimer_, sliderEndTouchTimer_, tryItShowTimer_, tryItHideTimer_;
};

} // namespace wheels
