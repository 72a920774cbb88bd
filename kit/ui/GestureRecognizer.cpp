#include "kit/ui/GestureRecognizer.h"

#include "kit/base/Clock.h"
#include "kit/ui/View.h"

#include <algorithm>

namespace kit {

GestureRecognizer::GestureRecognizer(Action action) {
    if (action) addTarget(std::move(action));
}

void GestureRecognizer::addTarget(Action action, const void* owner) {
    if (action) targets_.push_back({std::move(action), owner});
}

void GestureRecognizer::removeTarget(const void* owner) {
    std::erase_if(targets_, [&](const Target& t) { return t.owner == owner; });
}

void GestureRecognizer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (!enabled_) {
        if (state_ == State::began || state_ == State::changed) setState(State::cancelled);
        else if (state_ == State::possible && !touches_.empty()) setState(State::failed);
    }
}

Point GestureRecognizer::locationIn(const View* view) const {
    Point p = lastLocation_;
    if (!touches_.empty()) {
        p = {};
        for (auto& t : touches_) {
            p.x += t->windowLocation().x;
            p.y += t->windowLocation().y;
        }
        p.x /= static_cast<double>(touches_.size());
        p.y /= static_cast<double>(touches_.size());
    }
    return view ? view->convertPointFrom(p, nullptr) : p;
}

Point GestureRecognizer::locationOfTouch(std::size_t index, const View* view) const {
    if (index >= touches_.size()) return locationIn(view);
    return touches_[index]->locationIn(view);
}

void GestureRecognizer::trackTouches(const TouchSet& touches) {
    for (auto& t : touches)
        if (std::find(touches_.begin(), touches_.end(), t) == touches_.end()) touches_.push_back(t);
    lastLocation_ = locationIn(nullptr);
}

void GestureRecognizer::forgetTouch(const Touch* touch) {
    if (!touches_.empty()) lastLocation_ = locationIn(nullptr);
    std::erase_if(touches_, [&](auto& t) { return t.get() == touch; });
}

void GestureRecognizer::touchesBegan(const TouchSet& touches, const Event&) { trackTouches(touches); }

void GestureRecognizer::touchesMoved(const TouchSet&, const Event&) { lastLocation_ = locationIn(nullptr); }

void GestureRecognizer::touchesEnded(const TouchSet& touches, const Event&) {
    lastLocation_ = locationIn(nullptr);
    for (auto& t : touches) forgetTouch(t.get());
}

void GestureRecognizer::touchesCancelled(const TouchSet& touches, const Event&) {
    for (auto& t : touches) forgetTouch(t.get());
    if (state_ == State::began || state_ == State::changed) setState(State::cancelled);
    else if (state_ == State::possible) setState(State::failed);
}

void GestureRecognizer::reset() {
    touches_.clear();
    state_ = State::possible;
    transitions_.clear();
}

bool GestureRecognizer::actsOn(State state) const {
    return state == State::began || state == State::changed || state == State::ended || state == State::cancelled;
}

void GestureRecognizer::setState(State state) {
    state_ = state;
    transitions_.push_back(state);
}

double GestureRecognizer::timeNow() const { return Clock::current().now(); }

void GestureRecognizer::sendActions() {
    auto self = shared_from_this();
    const auto targets = targets_; // an action may add or remove targets
    for (auto& t : targets) t.action(*this);
}

} // namespace kit
