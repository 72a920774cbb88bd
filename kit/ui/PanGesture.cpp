#include "kit/ui/PanGesture.h"

#include "kit/ui/View.h"

namespace kit {

Point vectorToView(Point v, const View* view) {
    if (!view) return v;
    AffineTransform t = view->transformToWindow().inverted();
    t.tx = t.ty = 0;
    return t.apply(v);
}

Point vectorFromView(Point v, const View* view) {
    if (!view) return v;
    AffineTransform t = view->transformToWindow();
    t.tx = t.ty = 0;
    return t.apply(v);
}

void PanGesture::reanchor(Point before) {
    // A finger came or went: the centroid jumps, the translation must not.
    const Point after = locationIn(nullptr);
    offset_.x += before.x - after.x;
    offset_.y += before.y - after.y;
    current_ = after;
    samples_.clear();
}

void PanGesture::touchesBegan(const TouchSet& touches, const Event& event) {
    if (state() == State::failed || state() == State::ended || state() == State::cancelled) return;
    const bool first = numberOfTouches() == 0;
    const Point before = locationIn(nullptr);
    GestureRecognizer::touchesBegan(touches, event);
    if (numberOfTouches() > static_cast<std::size_t>(maxTouches_)) {
        if (state() == State::possible) fail();
        return;
    }
    if (first) {
        start_ = current_ = locationIn(nullptr);
        offset_ = {};
        samples_.clear();
        samples_.push_back({timeNow(), start_});
    } else {
        reanchor(before);
    }
}

void PanGesture::touchesMoved(const TouchSet& touches, const Event& event) {
    GestureRecognizer::touchesMoved(touches, event);
    current_ = locationIn(nullptr);
    const double now = timeNow();
    samples_.push_back({now, current_});
    while (samples_.size() > 2 && now - samples_.front().time > 0.1) samples_.pop_front();
    if (state() == State::possible) {
        if (numberOfTouches() >= static_cast<std::size_t>(minTouches_) && distance(current_, start_) >= kThreshold)
            setState(State::began);
    } else if (state() == State::began || state() == State::changed) {
        setState(State::changed);
    }
}

void PanGesture::touchesEnded(const TouchSet& touches, const Event& event) {
    const Point before = locationIn(nullptr);
    GestureRecognizer::touchesEnded(touches, event);
    if (numberOfTouches() == 0) {
        current_ = before;
        if (state() == State::began || state() == State::changed) setState(State::ended);
        else if (state() == State::possible) fail();
    } else {
        reanchor(before);
    }
}

void PanGesture::reset() {
    GestureRecognizer::reset();
    samples_.clear();
    offset_ = {};
}

Point PanGesture::translationIn(const View* view) const {
    return vectorToView({current_.x - start_.x + offset_.x, current_.y - start_.y + offset_.y}, view);
}

void PanGesture::setTranslation(Point translation, const View* view) {
    const Point w = vectorFromView(translation, view);
    offset_ = {w.x - (current_.x - start_.x), w.y - (current_.y - start_.y)};
}

Point PanGesture::velocityIn(const View* view) const {
    if (samples_.size() < 2) return {};
    const Sample& a = samples_.front();
    const Sample& b = samples_.back();
    const double dt = b.time - a.time;
    if (dt <= 0) return {};
    return vectorToView({(b.location.x - a.location.x) / dt, (b.location.y - a.location.y) / dt}, view);
}

} // namespace kit
