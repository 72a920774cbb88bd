#pragma once
// A self-contained live picture of the back camera: its own session at 640 x 480 and a preview
// layer filling the view (aspect fill). The frames its data output receives are not used.
#include "kit/media/CaptureSession.h"
#include "kit/media/CaptureVideoPreviewLayer.h"
#include "kit/ui/View.h"

#include <memory>

namespace kit {
class Label;
} // namespace kit

namespace capture {

class CameraView : public kit::View {
public:
    explicit CameraView(const kit::Rect& frame = {});
    void initialize();

    void layoutSubviews() override;

    const std::shared_ptr<kit::media::VideoDataOutput>& videoDataOutput() const { return videoDataOutput_; }
    const std::shared_ptr<kit::media::CaptureVideoPreviewLayer>& previewLayer() const { return previewLayer_; }
    const std::shared_ptr<kit::media::CaptureDevice>& captureDevice() const { return captureDevice_; }
    const std::shared_ptr<kit::media::CaptureSession>& session() const { return session_; }
    // What stands in the picture's place when the camera gives none; none while it works.
    const std::shared_ptr<kit::Label>& notice() const { return notice_; }

private:
    void beginSession();
    std::string description() const;

    std::shared_ptr<kit::media::VideoDataOutput> videoDataOutput_;
    std::shared_ptr<kit::DispatchQueue> videoDataOutputQueue_;
    std::shared_ptr<kit::media::CaptureVideoPreviewLayer> previewLayer_;
    std::shared_ptr<kit::media::CaptureDevice> captureDevice_;
    std::shared_ptr<kit::media::CaptureSession> session_;
    std::shared_ptr<kit::Label> notice_;
};

} // namespace capture
