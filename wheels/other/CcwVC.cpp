#include "wheels/other/CcwVC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "colour/HexText.h"
#include "colour/ThemeColors.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/ui/Application.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Device.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Touch.h"
#include "wheels/ScreenLayout.h"
#include "wheels/ScreenParts.h"
#include "wheels/digital/DcwEditCcVC.h"

#include <cmath>

namespace wheels {

namespace {
const char* ccwInfoBody(CCWMode mode) {
    switch (mode) {
    case CCWMode::complementary: return "Create high contrast. When mixed with each other, they give gray tones.";
    case CCWMode::analogous: return "Very harmonious, calm and comfortable, with no bright contrast between colors.";
    case CCWMode::triad: return "The first is dominant, the second and third are accents.";
    case CCWMode::split_complementary: return "The first color dominates, the second and third contrast with the first.";
    case CCWMode::tetradic: return "No dominant color, bright, aggressive combination.";
    case CCWMode::square: return "There is no dominant color, all colors must be evenly balanced.";
    }
    return "";
}
} // namespace

CcwVC::CcwVC() {
    spinningCircleImg_ = kit::make<kit::ImageView>(kit::Assets::imageNamed("Complementary"));
    wheelBGImg_ = kit::make<kit::ImageView>(kit::Assets::imageNamed("ccw_wheel"));
    viewForBackSwipe_ = kit::make<kit::View>();
}

CcwVC::~CcwVC() {
    if (timer_) timer_->invalidate();
}

const std::shared_ptr<kit::Button>& CcwVC::modeNowBtn() {
    if (!modeNowBtn_) {
        modeNowBtn_ = makeModeNowButton(colour::darkOverlayColor());
        modeNowBtn_->addTarget(this, "openModeNowMenu", kit::ControlEvent::touchUpInside, [this] { openModeNowMenu(); });
    }
    return modeNowBtn_;
}

const std::shared_ptr<kit::Button>& CcwVC::editCCBtn() {
    if (!editCCBtn_) {
        editCCBtn_ = imageButton("edit_cc_btn_2px_black");
        editCCBtn_->addTarget(this, "editCCTapped", kit::ControlEvent::touchDown, [this] { editCCTapped(); });
    }
    return editCCBtn_;
}

void CcwVC::loadView() {
    kit::ViewController::loadView();
    auto root = view();
    root->setBackgroundColor(kit::Color::rgba(0.957, 0.945, 0.918));
    // The scene: the painted wheel with the overlay above it, fitted between the controls once they
    // are laid out, and the back and info controls.
    for (auto& image : {wheelBGImg_, spinningCircleImg_}) {
        image->setContentMode(kit::ContentMode::scaleAspectFit);
        root->addSubview(image);
    }
    wheelBGImg_->setAccessibilityIdentifier("ccw_wheel");
    spinningCircleImg_->setAccessibilityIdentifier("ccw_overlay");
    spinningCircleImg_->setUserInteractionEnabled(true);
    backBtn_ = makeBackButton(*this, "back-btn-dark");
    app::placeBackButton(*root, backBtn_);
    infoBtn_ = app::makeHelpButton(kit::Color::rgba(0.1, 0.1, 0.1));
    infoBtn_->addTarget(this, "changeWheelBGImg", kit::ControlEvent::touchUpInside, [this] { changeWheelBGImg(); });
    app::placeTopRight(*root, infoBtn_, *backBtn_);
    app::placeBackSwipeStrip(*root, viewForBackSwipe_, backBtn_->bottomAnchor());
}

void CcwVC::viewDidLoad() {
    auto root = view();
    placeModeNowButton(*root, modeNowBtn());
    std::vector<std::string> titles;
    for (auto mode : allCcwModes) titles.push_back(ccwModeTitle(mode));
    modeMenu_.addModeButtons(titles, [this](kit::Button& button) { selectModeWithButton(&button); });
    modeMenu_.hang(*root, *modeNowBtn(), 360);
    app::stackButtons(*root, *backBtn_, *backBtn_, {editCCBtn()}, 2);
    addBackSwipe(*viewForBackSwipe_, *this);
}

void CcwVC::viewWillAppear(bool animated) {
    kit::ViewController::viewWillAppear(animated);
    updateCombinationColors();
    kit::Application::shared().setIdleTimerDisabled(true);
}

void CcwVC::viewWillDisappear(bool animated) {
    kit::ViewController::viewWillDisappear(animated);
    kit::Application::shared().setIdleTimerDisabled(false);
}

void CcwVC::viewDidLayoutSubviews() {
    kit::ViewController::viewDidLayoutSubviews();
    fitWheel();
}

// The wheel takes 90 % of the width, centred, where that fits; else the largest disc clear of the
// controls in the safe area. Bounds and centre, not the frame: the overlay may be turned.
void CcwVC::fitWheel() {
    auto root = view();
    const kit::Rect b = root->bounds();
    if (b.size.width <= 0 || b.size.height <= 0) return;
    std::vector<kit::Rect> controls;
    // The mode button counts while the menu stands in for it, so that the wheel stays put.
    for (const auto& v : {backBtn_, infoBtn_, modeNowBtn(), editCCBtn()})
        if (v && v->superview()) controls.push_back(v->convertRectTo(v->bounds(), root.get()));
    const double side = b.size.width * 0.9;
    DiscSpace space{{b.midX() - side / 2, b.midY() - side / 2, side, side}, discShare,
                    b.inset(kit::Device::current().safeAreaInsets()), std::move(controls)};
    if (space == lastWheelSpace_) return;
    const kit::Rect frame = fitDiscFrame(space);
    lastWheelSpace_ = std::move(space);
    for (auto& image : {wheelBGImg_, spinningCircleImg_}) {
        image->setBounds({0, 0, frame.size.width, frame.size.height});
        image->setCenter({frame.midX(), frame.midY()});
    }
}

void CcwVC::touchesMoved(const kit::TouchSet& touches, const kit::Event&) {
    for (const auto& touch : touches) {
        if (touch->view() != spinningCircleImg_) continue;
        const auto p = touch->locationIn(view().get());
        const auto c = spinningCircleImg_->center();
        const double a = std::atan2(c.y - p.y, c.x - p.x);
        kit::print(std::to_string(a));
        endAngle = a;
        spinningCircleImg_->setTransform(kit::AffineTransform::rotation(a - 3 * oneColor));
        return;
    }
}

void CcwVC::touchesEnded(const kit::TouchSet& touches, const kit::Event&) {
    for (const auto& touch : touches) {
        if (touch->view() != spinningCircleImg_) continue;
        if (timer_) timer_->invalidate();
        std::weak_ptr<kit::ViewController> weakSelf = weak_from_this();
        timer_ = kit::Timer::scheduled(0.6, false, [this, weakSelf] {
            if (weakSelf.lock()) settleWheel();
        });
        return;
    }
}

void CcwVC::settleWheel() {
    std::optional<Snap> snap;
    if (endAngle > 0) snap = snapPositiveAngle(endAngle);
    else if (endAngle < 0) snap = snapNegativeAngle(endAngle);
    if (snap) {
        if (snap->sector) colorNow = *snap->sector;
        kit::print("colorNow " + std::to_string(sectorIndex(colorNow)));
        const double angle = snap->angle - 3 * oneColor;
        std::weak_ptr<kit::ImageView> weakImage = spinningCircleImg_;
        kit::View::animate(1.0, [weakImage, angle] {
            if (auto image = weakImage.lock()) image->setTransform(kit::AffineTransform::rotation(angle));
        });
    }
    updateCombinationColors();
}

void CcwVC::updateCombinationColors() {
    if (colorNow == ClassicCwColors::white) return;
    midBtns = harmonySectors(modeNow, colorNow);
    for (std::size_t i = 0; i < 4; ++i) {
        colors[i] = colour::colorFromHex(hexCode(midBtns[i]));
        kit::print(colour::hexString(colors[i]));
    }
}

void CcwVC::closeInfo() {
    // The overlay tells its delegate, which lets go of it: hold it for the call.
    if (infoView_) infoView_->closeInfo();
}

void CcwVC::closeMenuState() {
    modeMenu_.close(*view(), *modeNowBtn());
    closeInfo();
}

void CcwVC::openModeNowMenu() {
    closeMenuState();
    modeMenu_.open(*this, *modeNowBtn(), [this] { handleTap(); });
}

void CcwVC::handleTap() { closeMenuState(); }

void CcwVC::selectModeWithButton(kit::Button* sender) {
    if (sender) {
        bool matched = false;
        for (auto mode : allCcwModes) {
            if (sender->accessibilityIdentifier() != ccwModeTitle(mode)) continue;
            modeNowBtn()->setAttributedTitle(app::makeAttributedTitle(tr(ccwModeTitle(mode))));
            spinningCircleImg_->setImage(kit::Assets::imageNamed(ccwModeTitle(mode)));
            modeNow = mode;
            closeInfo();
            matched = true;
            break;
        }
        if (!matched) modeNowBtn()->setAttributedTitle(app::makeAttributedTitle(tr("Complementary")));
    }
    modeMenu_.close(*view(), *modeNowBtn());
    updateCombinationColors();
}

void CcwVC::changeWheelBGImg() {
    haptic();
    // The overlay takes its text when it is made: a closed one is made anew for the current mode.
    if (!infoView_ || !infoView_->isInfoShown()) {
        infoView_ = kit::make<app::InfoView>(
            view(), modeNowBtn(), std::nullopt,
            app::makeInfoAttributedText(tr(ccwModeTitle(modeNow)), tr(ccwInfoBody(modeNow)), false), false, 20);
        infoView_->infoViewDelegate = std::shared_ptr<app::InfoViewDelegate>(shared_from_this(), this);
    }
    infoView_->toggleInfo();
}

void CcwVC::editCCTapped() {
    haptic();
    auto editor = kit::make<DcwEditCcVC>();
    editor->numberOfColors = ccwNumberOfColors(modeNow);
    for (int i = 1; i <= 4; ++i) editor->setColor(i, colors[static_cast<std::size_t>(i - 1)]);
    if (auto nav = navigationController()) nav->pushViewController(editor, true);
}

} // namespace wheels
