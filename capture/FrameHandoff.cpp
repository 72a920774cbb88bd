#include "capture/FrameHandoff.h"

#include "kit/runtime/DispatchQueue.h"

namespace capture {

void FrameHandoff::post(kit::Image frame) {
    bool waiting;
    {
        std::lock_guard lock(mutex_);
        waiting = pending_.has_value();
        pending_ = std::move(frame);
    }
    if (waiting) return;
    kit::DispatchQueue::main().async([weak = weak_from_this()] {
        auto self = weak.lock();
        if (!self) return;
        std::optional<kit::Image> newest;
        {
            std::lock_guard lock(self->mutex_);
            newest.swap(self->pending_);
        }
        if (newest) self->show_(*newest);
    });
}

} // namespace capture
