#include "kit/ui/ScrollView.h"

#include "kit/base/Clock.h"
#include "kit/base/Make.h"
#include "kit/runtime/Timer.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/WheelEvent.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

// Velocity falls to 0.998 of itself each millisecond, as on the platform's normal rate.
constexpr double decelerationPerMs = 0.998;
constexpr double frameInterval = 1.0 / 60.0;
constexpr double restingSpeed = 10;  // points per second below which the content stops

} // namespace

ScrollView::ScrollView() = default;
ScrollView::ScrollView(const Rect& frame) : View(frame) {}

void ScrollView::initialize() {
    setClipsToBounds(true);
    pan_ = kit::make<PanGesture>([weak = std::weak_ptr<View>(shared_from_this())](GestureRecognizer&) {
        if (auto self = std::static_pointer_cast<ScrollView>(weak.lock())) self->handlePan();
    });
    addGestureRecognizer(pan_);
}

void ScrollView::setContentSize(Size size) {
    contentSize_ = size;
    setNeedsLayout();
}

void ScrollView::setContentInset(const EdgeInsets& inset) {
    contentInset_ = inset;
    setNeedsLayout();
}

EdgeInsets ScrollView::adjustedContentInset() const {
    EdgeInsets inset = contentInset_;
    auto win = window();
    if (!win) return inset;
    EdgeInsets safe = win->safeAreaInsets();
    Rect inWindow = convertRectTo(bounds(), nullptr);
    Rect w = win->bounds();
    inset.top += std::max(0.0, safe.top - (inWindow.minY() - w.minY()));
    inset.bottom += std::max(0.0, (inWindow.maxY() - w.maxY()) + safe.bottom);
    return inset;
}

Point ScrollView::minimumContentOffset() const {
    auto inset = adjustedContentInset();
    return {-inset.left, -inset.top};
}

Point ScrollView::maximumContentOffset() const {
    auto inset = adjustedContentInset();
    Size b = bounds().size;
    Point min = minimumContentOffset();
    return {std::max(min.x, contentSize_.width + inset.right - b.width),
            std::max(min.y, contentSize_.height + inset.bottom - b.height)};
}

bool ScrollView::scrollsVertically() const {
    return alwaysBounceVertical_ || maximumContentOffset().y > minimumContentOffset().y;
}

bool ScrollView::scrollsHorizontally() const {
    return alwaysBounceHorizontal_ || maximumContentOffset().x > minimumContentOffset().x;
}

Point ScrollView::clamped(Point p) const {
    Point lo = minimumContentOffset(), hi = maximumContentOffset();
    return {std::clamp(p.x, lo.x, hi.x), std::clamp(p.y, lo.y, hi.y)};
}

Point ScrollView::rubberBanded(Point p) const {
    // Past the ends the content follows the finger at a third of its speed.
    Point c = clamped(p);
    return {c.x + (p.x - c.x) / 3, c.y + (p.y - c.y) / 3};
}

void ScrollView::setContentOffset(Point offset, bool animated) {
    (void)animated;  // Scrolling in code lands at once; only the drawn content would interpolate.
    stopDeceleration();
    Rect b = bounds();
    if (b.origin == offset) return;
    b.origin = offset;
    setBounds(b);
    contentOffsetChanged();
    if (didScroll) didScroll(*this);
}

bool ScrollView::gestureRecognizerShouldBegin(GestureRecognizer& recognizer) {
    if (&recognizer != pan_.get()) return View::gestureRecognizerShouldBegin(recognizer);
    const Point t = pan_->translationIn(this);
    if (std::fabs(t.x) > std::fabs(t.y)) return scrollsHorizontally();
    if (std::fabs(t.y) > std::fabs(t.x)) return scrollsVertically();
    return scrollsHorizontally() || scrollsVertically();
}

bool ScrollView::scrollWheel(const WheelEvent& event) {
    if (!scrollEnabled_ || dragging_ || event.control) return false;
    Point delta = event.delta;
    if (event.shift && delta.x == 0) std::swap(delta.x, delta.y);
    if (event.unit == WheelEvent::Unit::lines) delta = {delta.x * wheelLineHeight, delta.y * wheelLineHeight};
    const Point lo = minimumContentOffset(), hi = maximumContentOffset();
    const bool alongX = delta.x != 0 && hi.x > lo.x;
    const bool alongY = delta.y != 0 && hi.y > lo.y;
    if (!alongX && !alongY) return false;
    Point target = clamped(contentOffset());
    if (alongX) target.x += delta.x;
    if (alongY) target.y += delta.y;
    setContentOffset(clamped(target));
    return true;
}

void ScrollView::scrollRectToVisible(const Rect& rect) {
    const EdgeInsets inset = adjustedContentInset();
    const Rect b = bounds();
    // Past the far edge: move on until its end shows; then the near edge wins, for a rect longer
    // than what shows.
    Point target = b.origin;
    if (rect.maxY() > b.maxY() - inset.bottom) target.y += rect.maxY() - (b.maxY() - inset.bottom);
    if (rect.minY() < target.y + inset.top) target.y = rect.minY() - inset.top;
    if (rect.maxX() > b.maxX() - inset.right) target.x += rect.maxX() - (b.maxX() - inset.right);
    if (rect.minX() < target.x + inset.left) target.x = rect.minX() - inset.left;
    setContentOffset(clamped(target));
}

bool ScrollView::canScroll() const {
    const Point lo = minimumContentOffset(), hi = maximumContentOffset();
    return scrollEnabled_ && (hi.y > lo.y || hi.x > lo.x);
}

bool ScrollView::scrollByKey(ScrollKey key) {
    if (!canScroll() || dragging_) return false;
    const Point lo = minimumContentOffset(), hi = maximumContentOffset();
    const bool vertical = hi.y > lo.y;
    const EdgeInsets inset = adjustedContentInset();
    const double shown = vertical ? bounds().height() - inset.top - inset.bottom : bounds().width() - inset.left - inset.right;
    const double page = std::max(wheelLineHeight, shown - wheelLineHeight);
    Point target = clamped(contentOffset());
    double& along = vertical ? target.y : target.x;
    switch (key) {
    case ScrollKey::pageUp: along -= page; break;
    case ScrollKey::pageDown: along += page; break;
    case ScrollKey::home: along = vertical ? lo.y : lo.x; break;
    case ScrollKey::end: along = vertical ? hi.y : hi.x; break;
    }
    setContentOffset(clamped(target));
    return true;
}

void ScrollView::handlePan() {
    if (!scrollEnabled_) return;
    using State = GestureRecognizer::State;
    switch (pan_->state()) {
    case State::began:
        stopDeceleration();
        dragging_ = true;
        panStartOffset_ = contentOffset();
        break;
    case State::changed: {
        Point t = pan_->translationIn(this);
        Point target = panStartOffset_;
        if (scrollsHorizontally()) target.x -= t.x;
        if (scrollsVertically()) target.y -= t.y;
        Rect b = bounds();
        b.origin = rubberBanded(target);
        setBounds(b);
        contentOffsetChanged();
        if (didScroll) didScroll(*this);
        break;
    }
    case State::ended: {
        dragging_ = false;
        Point v = pan_->velocityIn(this);
        startDeceleration({scrollsHorizontally() ? -v.x : 0, scrollsVertically() ? -v.y : 0});
        break;
    }
    case State::cancelled:
    case State::failed:
        dragging_ = false;
        startDeceleration({0, 0});
        break;
    default: break;
    }
}

void ScrollView::startDeceleration(Point velocity) {
    stopDeceleration();
    velocity_ = velocity;
    lastStep_ = Clock::current().now();
    decelerationTimer_ = Timer::scheduled(frameInterval, true, [weak = std::weak_ptr<View>(shared_from_this())](Timer& timer) {
        auto self = std::static_pointer_cast<ScrollView>(weak.lock());
        if (!self) {
            timer.invalidate();
            return;
        }
        double now = Clock::current().now();
        double dt = std::max(0.0, now - self->lastStep_);
        self->lastStep_ = now;
        double decay = std::pow(decelerationPerMs, dt * 1000);
        Rect b = self->bounds();
        Point p{b.origin.x + self->velocity_.x * dt, b.origin.y + self->velocity_.y * dt};
        self->velocity_ = {self->velocity_.x * decay, self->velocity_.y * decay};
        Point c = self->clamped(p);
        if (c != p) {
            // Out of range: spring back towards the edge.
            p = {c.x + (p.x - c.x) * 0.7, c.y + (p.y - c.y) * 0.7};
            if (c == self->clamped(b.origin)) self->velocity_ = {0, 0};
            if (std::hypot(p.x - c.x, p.y - c.y) < 0.5) p = c;
        }
        b.origin = p;
        self->setBounds(b);
        self->contentOffsetChanged();
        if (self->didScroll) self->didScroll(*self);
        if (std::hypot(self->velocity_.x, self->velocity_.y) < restingSpeed && self->clamped(p) == p) {
            timer.invalidate();
            self->decelerationTimer_.reset();
        }
    });
}

void ScrollView::stopDeceleration() {
    if (decelerationTimer_) decelerationTimer_->invalidate();
    decelerationTimer_.reset();
}

} // namespace kit
