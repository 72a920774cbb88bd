#include "capture/FrameHandoff.h"

#include "kit/runtime/DispatchQueue.h"

#include <utility>

namespace capture {

void FrameHandoff::Spare::give(kit::Image&& frame) {
    std::lock_guard lock(mutex);
    if (!image) image = std::move(frame);
}

kit::Image FrameHandoff::takeBuffer() {
    std::lock_guard lock(spare_->mutex);
    kit::Image buffer = spare_->image ? std::move(*spare_->image) : kit::Image();
    spare_->image.reset();
    return buffer;
}

void FrameHandoff::post(kit::Image frame) {
    bool waiting;
    std::optional<kit::Image> replaced;
    {
        std::lock_guard lock(mutex_);
        waiting = pending_.has_value();
        replaced = std::exchange(pending_, std::move(frame));
    }
    if (replaced) spare_->give(std::move(*replaced));
    if (waiting) return;
    kit::DispatchQueue::main().async([weak = weak_from_this()] {
        auto self = weak.lock();
        if (!self) return;
        std::optional<kit::Image> newest;
        {
            std::lock_guard lock(self->mutex_);
            newest.swap(self->pending_);
        }
        if (!newest) return;
        // Once nothing shows the frame any more, its pixels go back for a later frame.
        auto held = std::make_unique<kit::Image>(std::move(*newest));
        std::shared_ptr<kit::Image> shown(held.release(), [spare = std::weak_ptr(self->spare_)](kit::Image* frame) {
            std::unique_ptr<kit::Image> owned(frame);
            if (auto s = spare.lock()) s->give(std::move(*owned));
        });
        self->show_(std::move(shown));
    });
}

} // namespace capture
