#include "capture/CameraView.h"

#include "capture/BackgroundSession.h"
#include "capture/CameraTrouble.h"

#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/ui/Label.h"

#include <atomic>
#include <sstream>

namespace capture {

using namespace kit::media;

CameraView::CameraView(const kit::Rect& frame) : View(frame) {}

void CameraView::initialize() {
    session_ = std::make_shared<CaptureSession>();
    session_->setSessionPreset(SessionPreset::vga640x480);
    videoDataOutputQueue_ = kit::DispatchQueue::serial("JKVideoDataOutputQueue");
    videoDataOutput_ = std::make_shared<VideoDataOutput>();
    videoDataOutput_->alwaysDiscardsLateVideoFrames = true;
    videoDataOutput_->pixelFormatType = pixelFormat420FullRange;
    // The queue without a delegate: frames reach it and are let go.
    videoDataOutput_->setSampleBufferDelegate({}, videoDataOutputQueue_);
    previewLayer_ = kit::make<CaptureVideoPreviewLayer>(session_);
    previewLayer_->setVideoGravity(VideoGravity::resizeAspectFill);
    captureDevice_ = CaptureDevice::defaultDevice(CaptureDevicePosition::back);
    setContentMode(kit::ContentMode::scaleAspectFit);
    beginSession();
}

void CameraView::layoutSubviews() { previewLayer_->setFrame(bounds()); }

std::string CameraView::description() const {
    std::ostringstream text;
    const kit::Rect f = frame();
    text << "<CameraView: " << this << "; frame = (" << f.origin.x << " " << f.origin.y << "; " << f.size.width << " "
         << f.size.height << ")>";
    return text.str();
}

void CameraView::beginSession() {
    if (!captureDevice_) {
        // Without a camera the view says so in the picture's place; the console once is enough.
        static std::atomic<bool> told{false};
        if (!told.exchange(true))
            kit::print("Camera doesn't work on the simulator! You have to test this on an actual device!");
        showCameraTrouble(notice_, *this, noCameraFound());
        return;
    }
    std::string error;
    auto input = CaptureDeviceInput::make(captureDevice_, &error);
    if (!input) {
        // In debug form: the text quoted. The user reads the reason in the view, and standard error hears of it.
        kit::print(std::string("\"").append(description()).append(": beginSession() line: 74.  ").append(error).append("\""));
        showCameraTrouble(notice_, *this, cameraCannotBeOpened(error));
        return;
    }
    if (session_->canAddInput(input)) session_->addInput(input);
    if (session_->canAddOutput(videoDataOutput_)) {
        session_->addOutput(videoDataOutput_);
        if (auto* connection = videoDataOutput_->connection()) connection->isEnabled = true;
    }
    layer()->setMasksToBounds(true);
    previewLayer_->setFrame(bounds());
    layer()->addSublayer(previewLayer_);
    startRunningInBackground(session_);
}

} // namespace capture
