#include "capture/ColorPicker2VC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/Strings.h"
#include "capture/BackgroundSession.h"
#include "capture/CameraPermission.h"
#include "capture/CameraTrouble.h"
#include "capture/OrientedImage.h"
#include "colour/PixelColor.h"
#include "colour/ThemeColors.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/media/PixelConversion.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/ui/NavigationController.h"

namespace capture {

using namespace kit::media;

namespace {

struct BaseAddressLock {
    PixelBuffer& buffer;
    explicit BaseAddressLock(PixelBuffer& b) : buffer(b) { buffer.lockBaseAddress(); }
    ~BaseAddressLock() { buffer.unlockBaseAddress(); }
};

} // namespace

ColorPicker2VC::ColorPicker2VC()
    : sssn_(std::make_shared<CaptureSession>()), que_(kit::DispatchQueue::serial("my_camera_que")),
      cameraView_(kit::make<kit::View>()), dotView_(kit::make<kit::View>()),
      viewForBackSwipe_(kit::make<kit::View>()) {}

void ColorPicker2VC::initialize() {
    panel_ = std::make_unique<SlotPanel>(*this);
    std::weak_ptr<kit::ViewController> weak = weak_from_this();
    frames_ = std::make_shared<FrameHandoff>([weak](std::shared_ptr<const kit::Image> frame) {
        if (auto screen = std::static_pointer_cast<ColorPicker2VC>(weak.lock())) screen->showFrame(*frame);
    });
}

void ColorPicker2VC::viewDidLoad() {
    buildUI();
    setupCamera();
}

void ColorPicker2VC::buildUI() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());
    const double h = root->bounds().size.height;

    root->addSubview(cameraView_);
    app::anchor(*cameraView_, root->safeAreaLayoutGuide().topAnchor(), root->leftAnchor(), std::nullopt,
                root->rightAnchor(), 4, 0, 0, 0, 0, h / 2 - 20);
    cameraView_->layer()->setMasksToBounds(true);

    dotView_->setBackgroundColor(kit::Color::rgba(246 / 255.0, 42 / 255.0, 102 / 255.0));
    dotView_->layer()->setCornerRadius(3);
    root->addSubview(dotView_);
    app::anchorWithCenter(*dotView_, std::nullopt, std::nullopt, std::nullopt, std::nullopt, cameraView_->centerXAnchor(),
                          cameraView_->centerYAnchor(), 0, 0, 0, 0, 6, 6);

    SlotPanel& panel = *panel_;
    root->addSubview(panel.controlSV());
    app::anchor(*panel.controlSV(), cameraView_->bottomAnchor(), root->leftAnchor(), std::nullopt, root->rightAnchor(), 8,
                8, 0, 8, 0, 40);
    panel.deleteBtn()->addTarget(this, "deleteColor", kit::ControlEvent::touchUpInside, [this] { deleteColor(); });
    panel.addBtn()->addTarget(this, "addColor", kit::ControlEvent::touchUpInside, [this] { addColor(); });

    backBtn_ = app::addBackButton(*root);
    backBtn_->addTarget(this, "backBtnTapped", kit::ControlEvent::touchUpInside, [this] { app::backBtnTapped(*this); });
    panel.placeCornerButtons(*backBtn_);
    const auto& save = panel.saveBtn();
    save->addTarget(this, "saveColorCombination", kit::ControlEvent::touchDown, [this] { saveColorCombination(); });
    const auto& edit = panel.editCCBtn();
    edit->addTarget(this, "editCCTapped", kit::ControlEvent::touchDown, [this] { editCCTapped(); });
    const auto& wheel = panel.openDcwBtn();
    wheel->addTarget(this, "openDcwTapped", kit::ControlEvent::touchUpInside, [this] { openDcwTapped(); });

    std::weak_ptr<kit::ViewController> weak = weak_from_this();
    viewForBackSwipe_ = app::addBackSwipeStrip(*root, 0, [weak] {
        if (auto screen = weak.lock()) app::backBySwipe(*screen);
    });
    panel.setBackSwipeStrip(viewForBackSwipe_);
}

void ColorPicker2VC::setupCamera() {
    sssn_->setSessionPreset(SessionPreset::hd1280x720);
    for (const auto& device : CaptureDevice::devices())
        if (device->position() == CaptureDevicePosition::back) bckCmr_ = device;
    dvc_ = bckCmr_;
    // Without a picture there is nothing to aim at: the notice takes the dot's place, and no colour
    // comes in to fix, drop, save or edit.
    auto trouble = [this](const CameraTrouble& t) {
        showCameraTrouble(cameraNotice_, *cameraView_, t);
        dotView_->setHidden(true);
        panel_->offerNothing();
    };
    if (!dvc_) return trouble(noCameraFound());
    std::string error;
    auto input = CaptureDeviceInput::make(dvc_, &error);
    if (!input) return trouble(cameraCannotBeOpened(error));
    auto output = std::make_shared<VideoDataOutput>();
    output->pixelFormatType = pixelFormatBGRA;
    output->alwaysDiscardsLateVideoFrames = true;
    output->setSampleBufferDelegate(std::static_pointer_cast<ColorPicker2VC>(shared_from_this()), que_);
    if (sssn_->canAddOutput(output)) sssn_->addOutput(output);
    if (sssn_->canAddInput(input)) sssn_->addInput(input);
}

void ColorPicker2VC::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    requestCameraAccess(*this, [](kit::ViewController& screen) {
        auto& picker = static_cast<ColorPicker2VC&>(screen);
        startRunningInBackground(picker.sssn_);
        picker.panel_->layoutColorSlots();
    });
}

void ColorPicker2VC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    stopRunningInBackground(sssn_);
}

void ColorPicker2VC::viewDidLayoutSubviews() {
    ViewController::viewDidLayoutSubviews();
    // Upright, the picture fills the area; a wide window leaves the area a low strip, and filling
    // it would show a thin slice of the picture: there it shows whole.
    const kit::Size window = view()->bounds().size;
    cameraView_->layer()->setContentsGravity(window.width > window.height ? kit::ContentsGravity::resizeAspect
                                                                          : kit::ContentsGravity::resizeAspectFill);
}

void ColorPicker2VC::captureOutput(VideoDataOutput&, SampleBuffer& sampleBuffer, CaptureConnection&) {
    if (!sampleBuffer.imageBuffer) return;
    PixelBuffer& pixels = *sampleBuffer.imageBuffer;
    std::optional<kit::Image> frame;
    {
        // The bytes are copied while locked: the buffer goes back to the camera after this call.
        BaseAddressLock lock(pixels);
        frame = imageFromBGRA(pixels.baseAddress(), pixels.width(), pixels.height(), pixels.bytesPerRow());
    }
    if (!frame) return;
    frames_->post(std::move(*frame));
}

void ColorPicker2VC::showFrame(const kit::Image& frame) {
    auto upright = orientedImage(frame, ImageOrientation::right);
    cameraView_->layer()->setContents(upright ? std::make_shared<const kit::Image>(std::move(*upright)) : nullptr);
    const kit::Size size = cameraView_->bounds().size;
    color_ = colour::pixelColor(*cameraView_->layer(), {size.width / 2, size.height / 2});
    if (color_) panel_->updateCurrentSlot(*color_);
}

void ColorPicker2VC::addColor() {
    app::tapHaptic();
    SlotPanel& panel = *panel_;
    if (panel.numberOfColors == 5) {
        SlotPanel::pulse(*panel.deleteBtn());
        return;
    }
    ++panel.numberOfColors;
    panel.openDcwBtn()->setHidden(panel.numberOfColors != 2);
    panel.layoutColorSlots();
}

void ColorPicker2VC::deleteColor() {
    app::tapHaptic();
    SlotPanel& panel = *panel_;
    if (panel.numberOfColors == 1) {
        SlotPanel::pulse(*panel.addBtn());
        return;
    }
    --panel.numberOfColors;
    panel.openDcwBtn()->setHidden(panel.numberOfColors != 2);
    panel.layoutColorSlots();
}

void ColorPicker2VC::saveColorCombination() { panel_->saveColors(); }

void ColorPicker2VC::editCCTapped() {
    app::tapHaptic();
    if (panel_->numberOfColors > 2) panel_->openEditor();
    else SlotPanel::pulse(*panel_->addBtn());
}

void ColorPicker2VC::openDcwTapped() { panel_->openInColorWheel(); }

void ColorPicker2VC::showInfo() {
    app::tapHaptic();
    if (!infoView_) {
        infoView_ = kit::make<app::InfoView>(
            view(), backBtn_, std::nullopt,
            app::makeInfoAttributedText(app::Strings::text("How to use"), app::Strings::saveButtonSavesColorInSaved(), false),
            false, 20);
        infoView_->infoViewDelegate = std::static_pointer_cast<ColorPicker2VC>(shared_from_this());
    }
    infoView_->toggleInfo();
}

} // namespace capture
