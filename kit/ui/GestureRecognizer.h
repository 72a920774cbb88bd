#pragma once
// Base of the gesture recognisers. A recogniser attached to a view sees the touches that begin in
// that view's subtree, moves through its states, and calls its actions: discrete gestures (tap,
// swipe) once when recognised, continuous ones on each state change. The event dispatcher decides
// between competing recognisers: one recognises a touch sequence, the others fail.
#include "kit/base/Geometry.h"
#include "kit/ui/Touch.h"

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace kit {

class View;
class GestureRecognizer;

// Lets an owner (usually the view the recogniser sits on) veto a recognition or let two
// recognisers work on the same touches.
class GestureRecognizerDelegate {
public:
    virtual ~GestureRecognizerDelegate() = default;
    // Asked when the recogniser is about to leave the possible state; false makes it fail.
    virtual bool gestureRecognizerShouldBegin(GestureRecognizer&) { return true; }
    // Whether `recognizer` may recognise together with `other` instead of one excluding the other.
    virtual bool gestureRecognizerShouldRecognizeSimultaneously(GestureRecognizer& recognizer, GestureRecognizer& other) {
        (void)recognizer;
        (void)other;
        return false;
    }
};

class GestureRecognizer : public std::enable_shared_from_this<GestureRecognizer> {
public:
    enum class State { possible = 0, began = 1, changed = 2, ended = 3, cancelled = 4, failed = 5 };
    static constexpr State recognized = State::ended;
    using Action = std::function<void(GestureRecognizer&)>;

    GestureRecognizer() = default;
    explicit GestureRecognizer(Action action);
    virtual ~GestureRecognizer() = default;
    GestureRecognizer(const GestureRecognizer&) = delete;
    GestureRecognizer& operator=(const GestureRecognizer&) = delete;

    // Actions run in the order they were added; an owner token allows removing them again.
    void addTarget(Action action, const void* owner = nullptr);
    void removeTarget(const void* owner);

    State state() const { return state_; }
    std::shared_ptr<View> view() const { return view_.lock(); }

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // When it recognises, the touches it took are cancelled in their views (default on).
    bool cancelsTouchesInView() const { return cancelsTouchesInView_; }
    void setCancelsTouchesInView(bool cancels) { cancelsTouchesInView_ = cancels; }
    // Held weakly.
    std::shared_ptr<GestureRecognizerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<GestureRecognizerDelegate> delegate) { delegate_ = std::move(delegate); }
    // Whether this recogniser's recognition makes `other` fail when they share touches (and
    // wins over it when both recognise at the same moment).
    virtual bool canPrevent(const GestureRecognizer& other) const { (void)other; return true; }
    // Touches reach their view only once this recogniser failed (default off).
    bool delaysTouchesBegan() const { return delaysTouchesBegan_; }
    void setDelaysTouchesBegan(bool delays) { delaysTouchesBegan_ = delays; }

    // Centroid of the recogniser's touches in a view's coordinates (nullptr: window).
    Point locationIn(const View* view) const;
    Point locationIn(const std::shared_ptr<View>& view) const { return locationIn(view.get()); }
    Point locationOfTouch(std::size_t index, const View* view) const;
    std::size_t numberOfTouches() const { return touches_.size(); }

    // Input from the dispatcher. Subclasses track the touches and call setState.
    virtual void touchesBegan(const TouchSet& touches, const Event& event);
    virtual void touchesMoved(const TouchSet& touches, const Event& event);
    virtual void touchesEnded(const TouchSet& touches, const Event& event);
    virtual void touchesCancelled(const TouchSet& touches, const Event& event);
    // Time-driven transitions (long press, the wait for a second tap), on the clock's time.
    virtual void tick(double now) { (void)now; }
    // Back to possible, forgetting any touches (after the end of a sequence, or on failure).
    virtual void reset();

    // Whether the action runs on entering this state.
    virtual bool actsOn(State state) const;
    // Whether the recogniser is still waiting for something with no finger down (a second tap).
    virtual bool isWaiting() const { return false; }
    // The clock time at which tick() has something to decide, if any.
    virtual std::optional<double> deadline() const { return std::nullopt; }

    // Dispatcher side.
    void sendActions();
    void fail() { setState(State::failed); }
    // The states entered since the last call, in order.
    std::vector<State> takeTransitions() { return std::exchange(transitions_, {}); }
    bool hasPendingTransitions() const { return !transitions_.empty(); }
    const TouchSet& trackedTouches() const { return touches_; }
    void forgetTouch(const Touch* touch);

protected:
    void setState(State state);
    double timeNow() const;
    void trackTouches(const TouchSet& touches);
    // The last centroid, kept after the fingers lifted so that a handler can still read it.
    Point lastLocation_;

private:
    friend class View;
    void attachTo(std::weak_ptr<View> view) { view_ = std::move(view); }

    struct Target {
        Action action;
        const void* owner;
    };
    std::vector<Target> targets_;
    std::weak_ptr<View> view_;
    std::weak_ptr<GestureRecognizerDelegate> delegate_;
    TouchSet touches_;
    State state_ = State::possible;
    std::vector<State> transitions_;
    bool enabled_ = true;
    bool cancelsTouchesInView_ = true;
    bool delaysTouchesBegan_ = false;
};

} // namespace kit
