#pragma once
// The live value checker: the back camera's picture in sepia monochrome, so that the values of a
// painting can be judged without its hues. A tap freezes the picture (the camera stops, the picture
// stays alone on screen) and the next one brings the camera back; a button cycles two golden-ratio
// overlays; another opens the photo value checker.
#include "app/ui/InfoView.h"
#include "capture/CameraTrouble.h"
#include "capture/FrameHandoff.h"
#include "kit/layout/Constraint.h"
#include "kit/media/CaptureSession.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/ViewController.h"

#include <memory>

namespace capture {

class ValueCheckerVC : public kit::ViewController,
                       public kit::media::SampleBufferDelegate,
                       public app::InfoViewDelegate {
public:
    ValueCheckerVC();
    void initialize();

    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // One frame on the sample queue, already upright: toned sepia, handed to the main queue.
    void captureOutput(kit::media::VideoDataOutput& output, kit::media::SampleBuffer& sampleBuffer,
                       kit::media::CaptureConnection& connection) override;

    void showGoldenRatio();
    void showInfo();
    void frozeHandle();
    void importImageBtnTapped();
    void infoViewDidClose() override { infoView_.reset(); }

    // Walks the device's formats and makes the last one whose first frame-rate range reaches
    // exactly 120 frames a second the active one.
    static void selectHighFrameRateFormat(kit::media::CaptureDevice& device);

    bool isFrozen() const { return isFrozen_; }
    bool isRatioHide() const { return isRatioHide_; }
    const std::shared_ptr<kit::media::CaptureSession>& capture() const { return capture_; }
    const std::shared_ptr<kit::media::CaptureDevice>& currentCam() const { return currentCam_; }
    const std::shared_ptr<kit::ImageView>& filteredImage() const { return filteredImage_; }
    const std::shared_ptr<kit::Label>& freezeLbl() const { return freezeLbl_; }
    // What stands in the picture's place when the camera gives none; none while it works.
    const std::shared_ptr<kit::Label>& cameraNotice() const { return cameraNotice_; }
    const std::shared_ptr<kit::ImageView>& goldenRatioImageView() const { return goldenRatioImageView_; }
    const std::shared_ptr<kit::Button>& ratioBtn() const { return ratioBtn_; }
    const std::shared_ptr<kit::Button>& backBtn() const { return backBtn_; }
    const std::shared_ptr<kit::Button>& infoBtn() const { return infoBtn_; }
    const std::shared_ptr<kit::Button>& importColorBtn() const { return importColorBtn_; }
    const std::shared_ptr<kit::View>& viewForBackSwipe() const { return viewForBackSwipe_; }
    const std::shared_ptr<app::InfoView>& infoView() const { return infoView_; }

private:
    void buildScreen();
    void setupInputOutput();
    void showFrame(std::shared_ptr<const kit::Image> frame);
    void showFrozenFrameOnly();
    // The camera gives no picture: says why where it would be, and offers only what works without.
    void showTrouble(CameraTrouble trouble);

    std::shared_ptr<kit::media::CaptureSession> capture_;
    std::shared_ptr<kit::media::CaptureDevice> backCam_;
    std::shared_ptr<kit::media::CaptureDevice> currentCam_;
    std::shared_ptr<kit::ImageView> filteredImage_;
    bool isFrozen_ = false;
    std::shared_ptr<kit::TapGesture> frozeTap_;
    std::shared_ptr<kit::Label> freezeLbl_;
    std::shared_ptr<kit::Label> cameraNotice_;
    std::shared_ptr<kit::Button> ratioBtn_;
    std::shared_ptr<kit::Button> backBtn_;
    bool isRatioHide_ = true;
    std::shared_ptr<kit::ImageView> goldenRatioImageView_;
    std::shared_ptr<app::InfoView> infoView_;
    std::shared_ptr<kit::Button> infoBtn_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
    std::shared_ptr<kit::Button> importColorBtn_;
    kit::layout::ConstraintList builtLayout_;  // made by the last buildScreen
    std::shared_ptr<FrameHandoff> frames_;
};

} // namespace capture
