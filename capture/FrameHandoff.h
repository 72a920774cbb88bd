#pragma once
// Hands camera frames from a capture queue to the main thread. Only the newest waits: a frame that
// arrives while another is still on its way replaces it, so a busy main thread never builds up a
// backlog of stale pictures. A frame no longer shown comes back as the buffer for a later one, so
// live frames are filled without a fresh picture-sized allocation each.
#include "kit/graphics/Image.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace capture {

class FrameHandoff : public std::enable_shared_from_this<FrameHandoff> {
public:
    // `show` runs on the main thread; it may keep the frame as long as it shows it.
    explicit FrameHandoff(std::function<void(std::shared_ptr<const kit::Image>)> show) : show_(std::move(show)) {}
    // Any thread. A picture to fill for the next post: an earlier frame nothing holds any more,
    // else an empty one.
    kit::Image takeBuffer();
    // Any thread.
    void post(kit::Image frame);

private:
    struct Spare {
        std::mutex mutex;
        std::optional<kit::Image> image;
        void give(kit::Image&& frame);
    };
    std::function<void(std::shared_ptr<const kit::Image>)> show_;
    std::shared_ptr<Spare> spare_ = std::make_shared<Spare>();
    std::mutex mutex_;
    std::optional<kit::Image> pending_;
};

} // namespace capture
