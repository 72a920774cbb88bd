#pragma once
// Turns finger input from a host into touches: hit tests the window, feeds the gesture recognisers
// of the touched view and its ancestors, lets one of them win, and delivers the touches to the view
// (which passes what it does not handle along the responder chain).
#include "kit/base/Geometry.h"
#include "kit/ui/Touch.h"

#include <map>
#include <memory>
#include <vector>

namespace kit {

class GestureRecognizer;
class Timer;
class View;
struct WheelEvent;

struct TouchInput {
    int identifier = 0;
    Point location; // window coordinates
};

class EventDispatcher {
public:
    explicit EventDispatcher(std::shared_ptr<View> window = nullptr);
    ~EventDispatcher();
    EventDispatcher(const EventDispatcher&) = delete;
    EventDispatcher& operator=(const EventDispatcher&) = delete;

    const std::shared_ptr<View>& window() const { return window_; }
    void setWindow(std::shared_ptr<View> window) { window_ = std::move(window); }

    // Several fingers at once (pinch, rotation) or one at a time.
    void touchesBegan(const std::vector<TouchInput>& touches);
    void touchesMoved(const std::vector<TouchInput>& touches);
    void touchesEnded(const std::vector<TouchInput>& touches);
    void touchesCancelled(const std::vector<int>& identifiers);
    void touchBegan(int identifier, Point location) { touchesBegan({{identifier, location}}); }
    void touchMoved(int identifier, Point location) { touchesMoved({{identifier, location}}); }
    void touchEnded(int identifier, Point location) { touchesEnded({{identifier, location}}); }
    void touchCancelled(int identifier) { touchesCancelled({identifier}); }

    // A wheel or touchpad scroll: offered to the view under the pointer, then to its superviews,
    // until one takes it. False when none did.
    bool scrollWheel(const WheelEvent& event);

    // Time-driven recogniser changes (a long press reaching its duration, a second tap that never
    // came). Called before every input and by a timer at the next deadline; hosts may call it too.
    void update();

    bool hasActiveTouches() const { return !active_.empty(); }
    std::shared_ptr<View> hitTest(Point windowLocation) const;

private:
    using RecognizerList = std::vector<std::shared_ptr<GestureRecognizer>>;
    enum class Phase { began, moved, ended, cancelled };

    std::vector<std::shared_ptr<GestureRecognizer>> recognizersFor(const std::shared_ptr<View>& hit) const;
    void feedRecognizers(Phase phase, const TouchSet& touches, const Event& event);
    void processTransitions();
    TouchSet touchesOf(const GestureRecognizer* recognizer) const;
    void cancelInViews(const TouchSet& touches, const Event& event);
    void deliver(Phase phase, const TouchSet& touches, const Event& event);
    void flushHeld(const Event& event);
    bool holds(const Touch& touch) const;
    void cleanUp();
    // Arms one timer for the earliest recogniser deadline, so time-driven changes happen on time.
    void scheduleWake();
    Event makeEvent(double now) const;

    std::shared_ptr<View> window_;
    std::map<int, std::shared_ptr<Touch>> active_;
    // Touches in their last phase, still visible to the transition logic of this delivery.
    TouchSet finishing_;
    // Recognisers with something going on, in the order they first saw a touch.
    RecognizerList live_;
    // Those among them whose recognition has been granted.
    RecognizerList established_;
    // Consecutive taps for Touch::tapCount.
    double lastTapTime_ = -1;
    Point lastTapPoint_;
    int lastTapCount_ = 0;
    std::shared_ptr<Timer> wake_;
    double wakeAt_ = -1;
};

} // namespace kit
