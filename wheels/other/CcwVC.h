#pragma once
// The painter's twelve-sector wheel: a painted wheel with a harmony overlay that turns with the
// finger and settles on a sector; the harmony colours go to the combination editor.
#include "app/ui/InfoView.h"
#include "kit/runtime/Timer.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/StackView.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/ViewController.h"
#include "wheels/ModeMenu.h"
#include "wheels/WheelFit.h"
#include "wheels/other/ClassicWheel.h"

#include <array>
#include <memory>

namespace wheels {

class CcwVC : public kit::ViewController, public app::InfoViewDelegate {
public:
    CcwVC();
    ~CcwVC() override;

    const std::shared_ptr<kit::ImageView>& spinningCircleImg() const { return spinningCircleImg_; }
    const std::shared_ptr<kit::ImageView>& wheelBGImg() const { return wheelBGImg_; }
    const std::shared_ptr<kit::View>& viewForBackSwipe() const { return viewForBackSwipe_; }
    const std::shared_ptr<kit::Button>& backBtn() const { return backBtn_; }
    const std::shared_ptr<kit::Button>& infoBtn() const { return infoBtn_; }
    const std::shared_ptr<kit::Button>& modeNowBtn();
    const std::shared_ptr<kit::Button>& editCCBtn();
    const std::shared_ptr<kit::View>& menuStackView() const { return modeMenu_.frame(); }
    const std::shared_ptr<kit::StackView>& modeNowMenuStack() const { return modeMenu_.stack(); }
    const std::shared_ptr<app::InfoView>& infoView() const { return infoView_; }
    const std::shared_ptr<kit::Timer>& timer() const { return timer_; }

    // How far the painted wheel and its overlay reach from their centre, over half their side.
    static constexpr double discShare = 0.96;

    double endAngle = 0;
    static constexpr double oneColor = 0.5235987755982988;
    CCWMode modeNow = CCWMode::complementary;
    ClassicCwColors colorNow = ClassicCwColors::red;
    std::array<kit::Color, 4> colors{kit::Color::whiteColor(), kit::Color::whiteColor(), kit::Color::whiteColor(),
                                     kit::Color::whiteColor()};
    std::array<ClassicCwColors, 4> midBtns{ClassicCwColors::red, ClassicCwColors::red, ClassicCwColors::red,
                                           ClassicCwColors::red};

    void settleWheel();
    void updateCombinationColors();
    void openModeNowMenu();
    void handleTap();
    void selectModeWithButton(kit::Button* sender);
    void changeWheelBGImg();
    void editCCTapped();

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidLayoutSubviews() override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::darkContent; }
    void touchesMoved(const kit::TouchSet& touches, const kit::Event& event) override;
    void touchesEnded(const kit::TouchSet& touches, const kit::Event& event) override;
    void infoViewDidClose() override { infoView_.reset(); }

private:
    void closeMenuState();
    void closeInfo();
    void fitWheel();

    std::shared_ptr<kit::ImageView> spinningCircleImg_, wheelBGImg_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
    std::shared_ptr<kit::Button> backBtn_, infoBtn_, modeNowBtn_, editCCBtn_;
    std::shared_ptr<kit::Timer> timer_;
    ModeMenu modeMenu_;
    std::shared_ptr<app::InfoView> infoView_;
    DiscSpace lastWheelSpace_;
};

} // namespace wheels
