#pragma once
// The live camera colour picker: the back camera's picture in the upper half with a dot at its
// centre; the colour under the dot flows frame by frame into the current slot of the slot panel.
#include "app/ui/InfoView.h"
#include "capture/FrameHandoff.h"
#include "capture/SlotPanel.h"
#include "kit/graphics/Image.h"
#include "kit/media/CaptureSession.h"
#include "kit/ui/Label.h"
#include "kit/ui/ViewController.h"

#include <memory>
#include <optional>

namespace capture {

class ColorPicker2VC : public kit::ViewController,
                       public kit::media::SampleBufferDelegate,
                       public app::InfoViewDelegate {
public:
    ColorPicker2VC();
    void initialize();

    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidLayoutSubviews() override;

    // One frame, on the capture queue: its pixels are copied and handed to the main queue.
    void captureOutput(kit::media::VideoDataOutput& output, kit::media::SampleBuffer& sampleBuffer,
                       kit::media::CaptureConnection& connection) override;
    // Main thread: the frame turned upright becomes the picture; the pixel under the dot is read.
    void showFrame(const kit::Image& frame);

    void addColor();
    void deleteColor();
    void saveColorCombination();
    void editCCTapped();
    void openDcwTapped();
    void showInfo();
    void infoViewDidClose() override { infoView_.reset(); }

    SlotPanel& panel() { return *panel_; }
    const std::optional<kit::Color>& color() const { return color_; }
    const std::shared_ptr<kit::View>& cameraView() const { return cameraView_; }
    const std::shared_ptr<kit::View>& dotView() const { return dotView_; }
    // What stands in the picture's place when the camera gives none; none while it works.
    const std::shared_ptr<kit::Label>& cameraNotice() const { return cameraNotice_; }
    const std::shared_ptr<kit::Button>& backBtn() const { return backBtn_; }
    const std::shared_ptr<kit::View>& viewForBackSwipe() const { return viewForBackSwipe_; }
    const std::shared_ptr<kit::media::CaptureSession>& session() const { return sssn_; }
    const std::shared_ptr<kit::media::CaptureDevice>& device() const { return dvc_; }
    const std::shared_ptr<kit::DispatchQueue>& queue() const { return que_; }
    const std::shared_ptr<app::InfoView>& infoView() const { return infoView_; }

private:
    void buildUI();
    void setupCamera();

    std::shared_ptr<kit::media::CaptureDevice> dvc_;
    std::shared_ptr<kit::media::CaptureDevice> bckCmr_;
    std::shared_ptr<kit::media::CaptureSession> sssn_;
    std::shared_ptr<kit::DispatchQueue> que_;
    std::optional<kit::Color> color_;
    std::shared_ptr<kit::View> cameraView_;
    std::shared_ptr<kit::View> dotView_;
    std::shared_ptr<kit::Label> cameraNotice_;
    std::unique_ptr<SlotPanel> panel_;
    std::shared_ptr<kit::Button> backBtn_;
    std::shared_ptr<app::InfoView> infoView_;
    std::shared_ptr<kit::View> viewForBackSwipe_;
    std::shared_ptr<FrameHandoff> frames_;
};

} // namespace capture
