#include "kit/media/CaptureVideoPreviewLayer.h"

#include "kit/media/CaptureSession.h"
#include "kit/media/PixelConversion.h"
#include "kit/runtime/DispatchQueue.h"

namespace kit::media {

void CaptureVideoPreviewLayer::initialize() {
    setVideoGravity(gravity_);
    if (session_) session_->addPreviewLayer(std::static_pointer_cast<CaptureVideoPreviewLayer>(shared_from_this()));
}

void CaptureVideoPreviewLayer::setVideoGravity(VideoGravity gravity) {
    gravity_ = gravity;
    setContentsGravity(gravity == VideoGravity::resize         ? ContentsGravity::resize
                       : gravity == VideoGravity::resizeAspect ? ContentsGravity::resizeAspect
                                                               : ContentsGravity::resizeAspectFill);
}

void CaptureVideoPreviewLayer::show(const Image& frame) {
    bool posted;
    {
        std::lock_guard lock(mutex_);
        posted = pending_.has_value();
        pending_ = frame;
    }
    if (posted) return;
    std::weak_ptr<Layer> weak = weak_from_this();
    DispatchQueue::main().async([weak] {
        auto self = std::static_pointer_cast<CaptureVideoPreviewLayer>(weak.lock());
        if (!self) return;
        std::optional<Image> frame;
        {
            std::lock_guard lock(self->mutex_);
            frame.swap(self->pending_);
        }
        // The sensor is landscape; the screens are portrait.
        if (frame) self->setContents(std::make_shared<const Image>(rotatedQuarterTurns(*frame, 1)));
    });
}

} // namespace kit::media
