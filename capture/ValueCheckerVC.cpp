#include "capture/ValueCheckerVC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "app/ui/SafeBottom.h"
#include "app/ui/SoftShadow.h"
#include "app/ui/Strings.h"
#include "capture/BackgroundSession.h"
#include "capture/CameraPermission.h"
#include "capture/CameraTrouble.h"
#include "capture/InfoButton.h"
#include "colour/ThemeColors.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/graphics/filters/Filters.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/ui/Application.h"
#include "kit/ui/Assets.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/SwipeGesture.h"

namespace capture {

using namespace kit::media;

namespace {

std::shared_ptr<kit::Button> assetButton(const char* asset) {
    auto button = kit::make<kit::Button>();
    button->setImage(kit::Assets::imageNamed(asset), kit::ControlState::normal);
    return button;
}

kit::layout::ConstraintList pinToEdges(kit::View& view, kit::View& root) {
    return app::anchor(view, root.topAnchor(), root.leftAnchor(), root.bottomAnchor(), root.rightAnchor());
}

} // namespace

ValueCheckerVC::ValueCheckerVC()
    : capture_(std::make_shared<CaptureSession>()), filteredImage_(kit::make<kit::ImageView>()),
      freezeLbl_(kit::make<kit::Label>()), goldenRatioImageView_(kit::make<kit::ImageView>()),
      viewForBackSwipe_(kit::make<kit::View>()) {
    // Whole and undistorted in a window of any shape: the values are judged on the real picture.
    filteredImage_->setContentMode(kit::ContentMode::scaleAspectFit);
    freezeLbl_->setTextAlignment(kit::TextAlignment::center);
    freezeLbl_->setTextColor(kit::Color::whiteColor().withAlpha(0.7020522));
    freezeLbl_->setFont(kit::Font::system(21, kit::FontWeight::medium));
    freezeLbl_->setText(app::Strings::text("Tap to freeze"));
    goldenRatioImageView_->setImage(kit::Assets::imageNamed("Golden Ratio"));
    goldenRatioImageView_->setContentMode(kit::ContentMode::scaleAspectFit);
    goldenRatioImageView_->setHidden(true);
    goldenRatioImageView_->layer()->setMasksToBounds(true);
}

void ValueCheckerVC::initialize() {
    std::weak_ptr<kit::ViewController> weak = weak_from_this();
    auto self = [weak] { return std::static_pointer_cast<ValueCheckerVC>(weak.lock()); };
    frames_ = std::make_shared<FrameHandoff>([self](std::shared_ptr<const kit::Image> frame) {
        if (auto screen = self()) screen->showFrame(std::move(frame));
    });
    ratioBtn_ = assetButton("ratio-btn");
    ratioBtn_->imageView()->setContentMode(kit::ContentMode::scaleAspectFit);
    ratioBtn_->addTarget(this, "showGoldenRatio", kit::ControlEvent::touchDown, [this] { showGoldenRatio(); });
    backBtn_ = assetButton("back-btn");
    backBtn_->addTarget(this, "backBtnTapped", kit::ControlEvent::touchUpInside, [this] { app::backBtnTapped(*this); });
    infoBtn_ = makeInfoButton([self] {
        if (auto screen = self()) screen->showInfo();
    });
    importColorBtn_ = assetButton("Inport_color");
    importColorBtn_->addTarget(this, "importImageBtnTapped", kit::ControlEvent::touchDown,
                               [this] { importImageBtnTapped(); });
    for (auto* control : {ratioBtn_.get(), backBtn_.get(), infoBtn_.get(), importColorBtn_.get()})
        app::addSoftShadow(*control);
}

void ValueCheckerVC::viewDidLoad() {
    for (const auto& device : CaptureDevice::devices())
        if (device->position() == CaptureDevicePosition::back) backCam_ = device;
    currentCam_ = backCam_;
    // One swipe for the life of the screen: building the screen again must not stack another.
    std::weak_ptr<kit::ViewController> weak = weak_from_this();
    auto swipe = kit::make<kit::SwipeGesture>([weak](kit::GestureRecognizer&) {
        if (auto screen = weak.lock()) app::backBySwipe(*screen);
    });
    swipe->setDirection(kit::SwipeDirection::right);
    viewForBackSwipe_->addGestureRecognizer(swipe);
    buildScreen();
    if (!currentCam_) showTrouble(noCameraFound());
}

void ValueCheckerVC::buildScreen() {
    // An unfreeze builds the screen again: the last build's constraints go first, or every freeze
    // would leave one more set of them for each later layout to solve.
    kit::layout::Constraint::deactivate(builtLayout_);
    builtLayout_.clear();
    const auto keep = [this](const kit::layout::ConstraintList& made) {
        builtLayout_.insert(builtLayout_.end(), made.begin(), made.end());
    };
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    root->addSubview(filteredImage_);
    keep(pinToEdges(*filteredImage_, *root));

    // A fresh tap in place of the last one, so that one tap toggles once.
    if (frozeTap_) root->removeGestureRecognizer(frozeTap_.get());
    std::weak_ptr<kit::ViewController> weak = weak_from_this();
    frozeTap_ = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto screen = std::static_pointer_cast<ValueCheckerVC>(weak.lock())) screen->frozeHandle();
    });
    root->addGestureRecognizer(frozeTap_);

    root->addSubview(viewForBackSwipe_);
    keep(app::anchor(*viewForBackSwipe_, root->topAnchor(), root->leftAnchor(), root->bottomAnchor(), std::nullopt, 0,
                     0, 0, 0, app::backSwipeAreaWidth));
    root->addSubview(backBtn_);
    keep(app::anchor(*backBtn_, root->safeAreaLayoutGuide().topAnchor(), root->leftAnchor(), std::nullopt, std::nullopt,
                     1, 0, 0, 0, 45, 40));
    root->addSubview(ratioBtn_);
    keep(app::anchorWithCenter(*ratioBtn_, std::nullopt, std::nullopt, std::nullopt, root->rightAnchor(), std::nullopt,
                               backBtn_->centerYAnchor(), 0, 0, 0, 0, 45, 21));
    filteredImage_->addSubview(goldenRatioImageView_);
    keep(app::anchor(*goldenRatioImageView_, root->topAnchor(), root->leftAnchor(), root->bottomAnchor(),
                     root->rightAnchor(), 40, 20, -20, 20));
    root->addSubview(freezeLbl_);
    keep(app::anchorWithCenter(*freezeLbl_, std::nullopt, root->leftAnchor(), std::nullopt, root->rightAnchor(),
                               root->centerXAnchor(), std::nullopt, 0, 15, 0, 15, 0, 40));
    keep(app::pinBottomInsideSafeArea(*freezeLbl_, *root, 24));
    root->addSubview(infoBtn_);
    keep(app::anchorWithCenter(*infoBtn_, ratioBtn_->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                               ratioBtn_->centerXAnchor(), std::nullopt, 20, 0, 0, 0, 45, 40));
    root->addSubview(importColorBtn_);
    keep(app::anchorWithCenter(*importColorBtn_, infoBtn_->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                               infoBtn_->centerXAnchor(), std::nullopt, 4, 0, 0, 0, 45, 40));
}

void ValueCheckerVC::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    requestCameraAccess(*this, [](kit::ViewController& screen) {
        static_cast<ValueCheckerVC&>(screen).setupInputOutput();
    });
    kit::Application::shared().setIdleTimerDisabled(true);
}

void ValueCheckerVC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    stopRunningInBackground(capture_);
    kit::Application::shared().setIdleTimerDisabled(false);
}

void ValueCheckerVC::selectHighFrameRateFormat(CaptureDevice& device) {
    for (const auto& format : device.formats()) {
        const auto& ranges = format.videoSupportedFrameRateRanges;
        if (ranges.empty() || ranges.front().maxFrameRate != 120) continue;
        std::string error;
        if (!device.lockForConfiguration(&error)) {
            kit::warn("Could not set active format");
            kit::warn(error);
            continue;
        }
        device.setActiveFormat(format);
        device.setActiveVideoMinFrameDuration(ranges.front().minFrameDuration());
        device.setActiveVideoMaxFrameDuration(ranges.front().maxFrameDuration());
        // Nothing else here changes the device: let other users configure it again.
        device.unlockForConfiguration();
    }
}

void ValueCheckerVC::setupInputOutput() {
    if (!currentCam_) return;
    selectHighFrameRateFormat(*currentCam_);
    std::string error;
    auto input = CaptureDeviceInput::make(currentCam_, &error);
    if (!input) {
        kit::print("setupInputOutput " + error);
        showTrouble(cameraCannotBeOpened(error));
        return;
    }
    capture_->setSessionPreset(SessionPreset::hd1280x720);
    if (capture_->canAddInput(input)) capture_->addInput(input);
    auto output = std::make_shared<VideoDataOutput>();
    output->setSampleBufferDelegate(std::static_pointer_cast<ValueCheckerVC>(shared_from_this()),
                                    kit::DispatchQueue::serial("sample buffer delegate"));
    if (capture_->canAddOutput(output)) {
        capture_->addOutput(output);
        // A desktop camera does not turn with the window: whatever the window's shape, frames are
        // turned the one way that shows the camera's picture upright, the first one too.
        output->connection()->videoOrientation = VideoOrientation::portrait;
    }
    startRunningInBackground(capture_);
}

void ValueCheckerVC::captureOutput(VideoDataOutput&, SampleBuffer& sampleBuffer, CaptureConnection&) {
    if (!sampleBuffer.imageBuffer) return;  // nothing to show: the frame is let go
    kit::Image sepia = frames_->takeBuffer();
    if (kit::filters::sepiaTone(sampleBuffer.imageBuffer->image(), sepia, 1.0)) frames_->post(std::move(sepia));
}

void ValueCheckerVC::showFrame(std::shared_ptr<const kit::Image> frame) {
    // A frame already on its way when the picture froze must not replace the frozen one.
    if (isFrozen_) return;
    filteredImage_->setImage(std::move(frame));
}

void ValueCheckerVC::showTrouble(CameraTrouble trouble) {
    trouble.detail += " To check a picture file's values without a camera, open it with the button under the question "
                      "mark.";
    showCameraTrouble(cameraNotice_, *filteredImage_, trouble);
    // Nothing to freeze and nothing to lay the grid over.
    ratioBtn_->setHidden(true);
    freezeLbl_->setHidden(true);
}

void ValueCheckerVC::frozeHandle() {
    if (cameraNotice_) return;  // no camera picture on this screen
    app::tapHaptic();
    if (infoView_) infoView_->closeInfo();
    if (isFrozen_) {
        freezeLbl_->setText(app::Strings::text("Tap to freeze"));
        startRunningInBackground(capture_);
        buildScreen();
        isFrozen_ = false;
        return;
    }
    goldenRatioImageView_->setHidden(true);
    isRatioHide_ = true;
    freezeLbl_->setText(app::Strings::text("Tap to unfreeze"));
    if (!filteredImage_->image()) return;
    capture_->stopRunning();
    showFrozenFrameOnly();
    isFrozen_ = true;
}

void ValueCheckerVC::showFrozenFrameOnly() {
    auto root = view();
    for (const auto& sub : std::vector<std::shared_ptr<kit::View>>(root->subviews())) sub->removeFromSuperview();
    root->addSubview(filteredImage_);
    pinToEdges(*filteredImage_, *root);
}

void ValueCheckerVC::showGoldenRatio() {
    app::tapHaptic();
    const bool hidden = goldenRatioImageView_->isHidden();
    if (isRatioHide_ && hidden) {
        goldenRatioImageView_->setImage(kit::Assets::imageNamed("Golden Ratio"));
        goldenRatioImageView_->setHidden(false);
    } else if (isRatioHide_) {
        goldenRatioImageView_->setImage(kit::Assets::imageNamed("Golden Ratio 2"));
        isRatioHide_ = false;
    } else if (!hidden) {
        goldenRatioImageView_->setHidden(true);
        isRatioHide_ = true;
    }
}

void ValueCheckerVC::showInfo() {
    app::tapHaptic();
    if (!infoView_) {
        infoView_ = kit::make<app::InfoView>(
            view(), ratioBtn_, std::nullopt,
            app::makeInfoAttributedText(app::Strings::text("How to use"),
                                        app::Strings::text("Point the phone at the painting, the image should not look "
                                                           "flat, it should be vibrant, otherwise you need to work on "
                                                           "the balance of value."),
                                        false),
            false, 20);
        infoView_->infoViewDelegate = std::static_pointer_cast<ValueCheckerVC>(shared_from_this());
    }
    infoView_->toggleInfo();
}

void ValueCheckerVC::importImageBtnTapped() {
    app::tapHaptic();
    auto nav = navigationController();
    if (!nav) return;
    if (auto photoChecker = kit::Storyboard::named("Main")->instantiateViewController("ValueCheckerImageVC"))
        nav->pushViewController(photoChecker, true);
}

} // namespace capture
