#pragma once
// Hands camera frames from a capture queue to the main thread. Only the newest waits: a frame that
// arrives while another is still on its way replaces it, so a busy main thread never builds up a
// backlog of stale pictures.
#include "kit/graphics/Image.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace capture {

class FrameHandoff : public std::enable_shared_from_this<FrameHandoff> {
public:
    // `show` runs on the main thread.
    explicit FrameHandoff(std::function<void(const kit::Image&)> show) : show_(std::move(show)) {}
    // Any thread.
    void post(kit::Image frame);

private:
    std::function<void(const kit::Image&)> show_;
    std::mutex mutex_;
    std::optional<kit::Image> pending_;
};

} // namespace capture
