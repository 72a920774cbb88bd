#pragma once
// A layer that shows what a session's camera sees, upright for a portrait screen, placed in its
// bounds by the video gravity. The newest frame wins: frames that arrive while one is still on its
// way to the main thread replace it.
#include "kit/graphics/Image.h"
#include "kit/ui/Layer.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

namespace kit::media {

class CaptureSession;

enum class VideoGravity { resize, resizeAspect, resizeAspectFill };

class CaptureVideoPreviewLayer : public Layer {
public:
    explicit CaptureVideoPreviewLayer(std::shared_ptr<CaptureSession> session) : session_(std::move(session)) {}
    void initialize();

    const std::shared_ptr<CaptureSession>& session() const { return session_; }
    VideoGravity videoGravity() const { return gravity_; }
    void setVideoGravity(VideoGravity gravity);

private:
    friend class CaptureSession;
    void show(const Image& frame);  // any thread

    std::shared_ptr<CaptureSession> session_;
    VideoGravity gravity_ = VideoGravity::resizeAspect;
    std::mutex mutex_;
    std::optional<Image> pending_;
};

} // namespace kit::media
