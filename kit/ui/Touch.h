#pragma once
// One finger on the screen for the length of its sequence (began ... ended or cancelled).
#include "kit/base/Geometry.h"

#include <memory>
#include <vector>

namespace kit {

class View;
class GestureRecognizer;

enum class TouchPhase { began, moved, stationary, ended, cancelled };

class Touch {
public:
    Touch(int identifier, Point windowLocation, double timestamp, std::shared_ptr<View> view, int tapCount);

    int identifier() const { return identifier_; }
    TouchPhase phase() const { return phase_; }
    double timestamp() const { return timestamp_; }
    int tapCount() const { return tapCount_; }
    // The view the touch began on; it stays the touch's view for the whole sequence.
    const std::shared_ptr<View>& view() const { return view_; }

    // Location in a view's own coordinates; nullptr means window coordinates.
    Point locationIn(const View* view) const;
    Point previousLocationIn(const View* view) const;
    Point locationIn(const std::shared_ptr<View>& view) const { return locationIn(view.get()); }
    Point previousLocationIn(const std::shared_ptr<View>& view) const { return previousLocationIn(view.get()); }
    Point windowLocation() const { return location_; }

    // The recognisers attached to this touch's sequence (deepest view first).
    const std::vector<std::shared_ptr<GestureRecognizer>>& gestureRecognizers() const { return recognizers_; }

private:
    friend class EventDispatcher;
    int identifier_;
    TouchPhase phase_ = TouchPhase::began;
    double timestamp_;
    int tapCount_;
    Point location_;
    Point previous_;
    std::shared_ptr<View> view_;
    std::vector<std::shared_ptr<GestureRecognizer>> recognizers_;
    // Delivery state kept by the dispatcher.
    bool toView_ = true;          // false when the view takes one finger only and has one
    bool beganDelivered_ = false; // the view has seen touchesBegan
    bool cancelledInView_ = false; // a recogniser took the touch; the view hears nothing more
};

// The touches of one delivery, in the order the fingers went down ("the first touch" is front()).
using TouchSet = std::vector<std::shared_ptr<Touch>>;

class Event {
public:
    Event(double timestamp, TouchSet allTouches) : timestamp_(timestamp), all_(std::move(allTouches)) {}
    double timestamp() const { return timestamp_; }
    const TouchSet& allTouches() const { return all_; }
    TouchSet touchesFor(const View* view) const;

private:
    double timestamp_;
    TouchSet all_;
};

} // namespace kit
