#pragma once
// A callback once per display frame (60 per second) on the main run loop. Frames fall on whole
// multiples of 1/60 s of the clock, so under a manual clock they are deterministic.
//
// The run loop does not own a link: the holder does, and destroying the last handle stops it. A link
// may be invalidated from inside its own callback, and links may be added inside a callback (they
// start at the next frame).
#include <functional>
#include <memory>

namespace kit {

class DisplayLink : public std::enable_shared_from_this<DisplayLink> {
public:
    using Callback = std::function<void(DisplayLink&)>;

    // A link that runs from the next frame on.
    static std::shared_ptr<DisplayLink> scheduled(Callback callback);
    // A link that runs once add() is called.
    static std::shared_ptr<DisplayLink> create(Callback callback);

    void add();
    // Stops the link for good.
    void invalidate();
    bool isValid() const { return valid_; }
    bool isPaused() const { return paused_; }
    void setPaused(bool paused) { paused_ = paused; }

    // The time of the frame being handled, and of the next one.
    double timestamp() const { return timestamp_; }
    double targetTimestamp() const { return timestamp_ + duration(); }
    static constexpr double duration() { return 1.0 / 60.0; }

    struct Key {
    private:
        friend class DisplayLink;
        Key() = default;
    };
    DisplayLink(Key, Callback callback);

private:
    friend class RunLoop;
    void fire(double frameTime);

    std::shared_ptr<Callback> callback_;
    bool valid_ = true;
    bool added_ = false;
    bool paused_ = false;
    double timestamp_ = 0;
};

} // namespace kit
