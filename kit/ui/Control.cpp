#include "kit/ui/Control.h"

#include "kit/ui/GestureRecognizer.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"

#include <algorithm>

namespace kit {

namespace {
ControlEvent without(ControlEvent a, ControlEvent b) {
    return static_cast<ControlEvent>(static_cast<std::uint32_t>(a) & ~static_cast<std::uint32_t>(b));
}
} // namespace

void Control::addTarget(const void* target, const std::string& actionId, ControlEvent events, Action action) {
    if (!action || !any(events)) return;
    if (!actionId.empty()) {
        // Only the events not yet registered for this (target, action) are new.
        for (const Registration& r : registrations_)
            if (r.target == target && r.actionId == actionId) events = without(events, r.events);
        if (!any(events)) return;
    }
    registrations_.push_back({target, actionId, events, std::move(action)});
}

void Control::addTarget(const void* target, const std::string& actionId, ControlEvent events, PlainAction action) {
    if (!action) return;
    addTarget(target, actionId, events, Action([action = std::move(action)](Control&) { action(); }));
}

void Control::removeTarget(const void* target, const std::string& actionId, ControlEvent events) {
    for (Registration& r : registrations_) {
        if ((target && r.target != target) || (!actionId.empty() && r.actionId != actionId)) continue;
        r.events = without(r.events, events);
    }
    std::erase_if(registrations_, [](const Registration& r) { return !any(r.events); });
}

std::size_t Control::numberOfActions(ControlEvent events) const {
    return static_cast<std::size_t>(std::count_if(registrations_.begin(), registrations_.end(),
                                                  [&](const Registration& r) { return any(r.events & events); }));
}

void Control::sendActions(ControlEvent events) {
    // An action may remove this control from its superview or register more actions: hold on to
    // the control and run the list as it was when the event happened.
    auto self = weak_from_this().lock();
    std::vector<Action> toRun;
    for (const Registration& r : registrations_)
        if (any(r.events & events)) toRun.push_back(r.action);
    for (auto& action : toRun) action(*this);
}

bool Control::activateFromKeyboard() {
    if (!enabled_) return false;
    auto self = weak_from_this().lock();
    sendActions(ControlEvent::touchDown);
    sendActions(ControlEvent::touchUpInside);
    return true;
}

bool Control::stepFromKeyboard(int direction) {
    if (!enabled_ || !keyboardStep_) return false;
    auto step = keyboardStep_;  // the step may replace the control's
    step(direction);
    return true;
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    setNeedsDisplay();
}

void Control::setSelected(bool selected) {
    if (selected == selected_) return;
    selected_ = selected;
    setNeedsDisplay();
}

void Control::setHighlighted(bool highlighted) {
    if (highlighted == highlighted_) return;
    highlighted_ = highlighted;
    setNeedsDisplay();
}

ControlState Control::state() const {
    std::uint32_t s = 0;
    if (highlighted_) s |= static_cast<std::uint32_t>(ControlState::highlighted);
    if (!enabled_) s |= static_cast<std::uint32_t>(ControlState::disabled);
    if (selected_) s |= static_cast<std::uint32_t>(ControlState::selected);
    return static_cast<ControlState>(s);
}

bool Control::beginTracking(const Touch&, const Event&) { return true; }
bool Control::continueTracking(const Touch&, const Event&) { return true; }
void Control::endTracking(const Touch*, const Event*) {}
void Control::cancelTracking(const Event*) {}

bool Control::touchIsInside(const Touch& touch) const {
    return bounds().insetBy(-kTouchSlop, -kTouchSlop).contains(touch.locationIn(this));
}

bool Control::claimsTapsAndSwipes(const GestureRecognizer& r) const {
    return enabled_ && (dynamic_cast<const TapGesture*>(&r) || dynamic_cast<const SwipeGesture*>(&r));
}

void Control::touchesBegan(const TouchSet& touches, const Event& event) {
    if (!enabled_ || touches.empty()) {
        View::touchesBegan(touches, event);
        return;
    }
    auto self = weak_from_this().lock();
    const Touch& touch = *touches.front();
    following_ = true;
    touchInside_ = true;
    tracking_ = beginTracking(touch, event);
    setHighlighted(true);
    sendActions(touch.tapCount() > 1 ? ControlEvent::touchDown | ControlEvent::touchDownRepeat : ControlEvent::touchDown);
}

void Control::touchesMoved(const TouchSet& touches, const Event& event) {
    if (!following_ || touches.empty()) {
        View::touchesMoved(touches, event);
        return;
    }
    auto self = weak_from_this().lock();
    const Touch& touch = *touches.front();
    const bool wasInside = touchInside_;
    touchInside_ = touchIsInside(touch);
    if (tracking_) tracking_ = continueTracking(touch, event);
    setHighlighted(touchInside_);
    ControlEvent events = touchInside_ ? ControlEvent::touchDragInside : ControlEvent::touchDragOutside;
    if (touchInside_ && !wasInside) events = events | ControlEvent::touchDragEnter;
    if (!touchInside_ && wasInside) events = events | ControlEvent::touchDragExit;
    sendActions(events);
}

void Control::touchesEnded(const TouchSet& touches, const Event& event) {
    if (!following_ || touches.empty()) {
        View::touchesEnded(touches, event);
        return;
    }
    auto self = weak_from_this().lock();
    const Touch& touch = *touches.front();
    following_ = false;
    touchInside_ = touchIsInside(touch);
    if (tracking_) endTracking(&touch, &event);
    tracking_ = false;
    setHighlighted(false);
    sendActions(touchInside_ ? ControlEvent::touchUpInside : ControlEvent::touchUpOutside);
}

void Control::touchesCancelled(const TouchSet& touches, const Event& event) {
    if (!following_) {
        View::touchesCancelled(touches, event);
        return;
    }
    auto self = weak_from_this().lock();
    following_ = false;
    if (tracking_) cancelTracking(&event);
    tracking_ = false;
    setHighlighted(false);
    sendActions(ControlEvent::touchCancel);
}

} // namespace kit
