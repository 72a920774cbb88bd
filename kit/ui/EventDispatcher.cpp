#include "kit/ui/EventDispatcher.h"

#include "kit/base/Clock.h"
#include "kit/runtime/Timer.h"
#include "kit/ui/GestureRecognizer.h"
#include "kit/ui/View.h"
#include "kit/ui/WheelEvent.h"

#include <algorithm>

namespace kit {

namespace {

constexpr double kTapInterval = 0.35;  // seconds between taps that count as one multi-tap
constexpr double kTapDistance = 20;    // points between taps that count as one multi-tap

using State = GestureRecognizer::State;

bool isTerminal(State s) { return s == State::ended || s == State::cancelled || s == State::failed; }
bool isActive(State s) { return s == State::began || s == State::changed; }

// The recogniser's view and delegate both agree to its recognising.
bool mayBegin(GestureRecognizer& r) {
    if (auto view = r.view(); view && !view->gestureRecognizerShouldBegin(r)) return false;
    if (auto d = r.delegate(); d && !d->gestureRecognizerShouldBegin(r)) return false;
    return true;
}

// Either delegate lets the two recognise at the same time.
bool together(GestureRecognizer& a, GestureRecognizer& b) {
    if (auto d = a.delegate(); d && d->gestureRecognizerShouldRecognizeSimultaneously(a, b)) return true;
    if (auto d = b.delegate(); d && d->gestureRecognizerShouldRecognizeSimultaneously(b, a)) return true;
    return false;
}

template <class T>
bool contains(const std::vector<T>& list, const T& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

EventDispatcher::EventDispatcher(std::shared_ptr<View> window) : window_(std::move(window)) {}

EventDispatcher::~EventDispatcher() {
    if (wake_) wake_->invalidate();
}

void EventDispatcher::scheduleWake() {
    std::optional<double> next;
    for (auto& r : live_)
        if (auto d = r->deadline()) next = next ? std::min(*next, *d) : *d;
    if (!next) return;
    if (wake_ && wake_->isValid() && wakeAt_ <= *next) return;
    if (wake_) wake_->invalidate();
    wakeAt_ = *next;
    // The timer is invalidated when this dispatcher dies, so the raw pointer never dangles.
    wake_ = Timer::scheduled(std::max(0.0, *next - Clock::current().now()), false, [this] {
        wake_.reset();
        update();
    });
}

std::shared_ptr<View> EventDispatcher::hitTest(Point p) const {
    return window_ ? window_->hitTest(p, nullptr) : nullptr;
}

bool EventDispatcher::scrollWheel(const WheelEvent& event) {
    // A finger on the screen owns the content; a wheel meanwhile would fight it.
    if (hasActiveTouches()) return false;
    for (auto v = hitTest(event.location); v; v = v->superview())
        if (v->scrollWheel(event)) return true;
    return false;
}

Event EventDispatcher::makeEvent(double now) const {
    TouchSet all;
    for (auto& [id, t] : active_) all.push_back(t);
    for (auto& t : finishing_)
        if (!contains(all, t)) all.push_back(t);
    return Event(now, std::move(all));
}

std::vector<std::shared_ptr<GestureRecognizer>> EventDispatcher::recognizersFor(const std::shared_ptr<View>& hit) const {
    std::vector<std::shared_ptr<GestureRecognizer>> out;
    std::vector<const View*> below; // views passed on the way up, which may claim the touch
    for (auto v = hit; v; v = v->superview()) {
        for (auto& r : v->gestureRecognizers()) {
            if (!r->isEnabled() || isTerminal(r->state()) || isActive(r->state())) continue;
            const bool claimed = std::any_of(below.begin(), below.end(), [&](const View* c) { return c->winsTouchOver(*r); });
            if (!claimed) out.push_back(r);
        }
        below.push_back(v.get());
    }
    return out;
}

TouchSet EventDispatcher::touchesOf(const GestureRecognizer* r) const {
    TouchSet out;
    auto consider = [&](const std::shared_ptr<Touch>& t) {
        for (auto& tr : t->recognizers_)
            if (tr.get() == r) { out.push_back(t); return; }
    };
    for (auto& [id, t] : active_) consider(t);
    for (auto& t : finishing_)
        if (!contains(out, t)) consider(t);
    return out;
}

bool EventDispatcher::holds(const Touch& touch) const {
    return std::any_of(touch.recognizers_.begin(), touch.recognizers_.end(),
                       [](auto& r) { return r->delaysTouchesBegan() && r->state() == State::possible; });
}

void EventDispatcher::deliver(Phase phase, const TouchSet& touches, const Event& event) {
    // Group by view, keeping the order in which the views first appear.
    std::vector<std::pair<std::shared_ptr<View>, TouchSet>> groups;
    for (auto& t : touches) {
        if (!t->view_ || !t->toView_ || t->cancelledInView_) continue;
        if (phase != Phase::began && !t->beganDelivered_) continue;
        if (phase == Phase::began) {
            if (t->beganDelivered_ || holds(*t)) continue;
            t->beganDelivered_ = true;
        }
        auto it = std::find_if(groups.begin(), groups.end(), [&](auto& g) { return g.first == t->view_; });
        if (it == groups.end()) groups.push_back({t->view_, {t}});
        else it->second.push_back(t);
    }
    for (auto& [view, set] : groups) {
        switch (phase) {
        case Phase::began: view->touchesBegan(set, event); break;
        case Phase::moved: view->touchesMoved(set, event); break;
        case Phase::ended: view->touchesEnded(set, event); break;
        case Phase::cancelled: view->touchesCancelled(set, event); break;
        }
    }
}

void EventDispatcher::cancelInViews(const TouchSet& touches, const Event& event) {
    TouchSet toCancel;
    for (auto& t : touches) {
        if (t->cancelledInView_) continue;
        if (t->beganDelivered_) toCancel.push_back(t);
        else t->cancelledInView_ = true; // held: the view never hears of it
    }
    deliver(Phase::cancelled, toCancel, event);
    for (auto& t : toCancel) t->cancelledInView_ = true;
}

void EventDispatcher::flushHeld(const Event& event) {
    TouchSet ready;
    for (auto& [id, t] : active_)
        if (!t->beganDelivered_ && !t->cancelledInView_ && !holds(*t)) ready.push_back(t);
    for (auto& t : finishing_)
        if (!t->beganDelivered_ && !t->cancelledInView_ && !holds(*t) && !contains(ready, t)) ready.push_back(t);
    if (!ready.empty()) deliver(Phase::began, ready, event);
}

void EventDispatcher::feedRecognizers(Phase phase, const TouchSet& touches, const Event& event) {
    // Each recogniser hears, in priority order, the touches of this delivery that are its own.
    RecognizerList order;
    for (auto& t : touches)
        for (auto& r : t->recognizers_)
            if (!contains(order, r)) order.push_back(r);
    for (auto& r : order) {
        if (phase != Phase::cancelled && isTerminal(r->state())) continue;
        TouchSet mine;
        for (auto& t : touches)
            if (contains(t->recognizers_, r)) mine.push_back(t);
        switch (phase) {
        case Phase::began: r->touchesBegan(mine, event); break;
        case Phase::moved: r->touchesMoved(mine, event); break;
        case Phase::ended: r->touchesEnded(mine, event); break;
        case Phase::cancelled:
            if (!isTerminal(r->state())) r->touchesCancelled(mine, event);
            break;
        }
        if (!contains(live_, r)) live_.push_back(r);
    }
}

void EventDispatcher::processTransitions() {
    const Event event = makeEvent(Clock::current().now());
    // A copy: actions may add recognisers or touches may end; new ones wait for the next round.
    const RecognizerList order = live_;
    for (auto& r : order) {
        State previous = State::possible;
        for (State s : r->takeTransitions()) {
            const bool recognising = previous == State::possible && (s == State::began || s == State::ended);
            previous = s;
            const TouchSet mine = touchesOf(r.get());
            if (recognising && !mayBegin(*r)) {
                r->fail();
                r->takeTransitions();
                break;
            }
            if (recognising) {
                // One winner per touch sequence: an earlier winner keeps it, the rest fail,
                // except pairs allowed to work together.
                bool lost = false;
                RecognizerList rivals;
                for (auto& t : mine)
                    for (auto& other : t->recognizers_)
                        if (other != r && !contains(rivals, other) && !together(*r, *other)) rivals.push_back(other);
                // A rival whose recognition was already handled keeps the sequence; rivals that
                // are still possible, or recognised later in this same round, lose it.
                for (auto& other : rivals) {
                    const bool established = contains(established_, other);
                    // Recognising in this same round: the one that prevents without being prevented wins.
                    const bool alsoNow = !established && (isActive(other->state()) || other->state() == State::ended);
                    if (established && other->canPrevent(*r)) lost = true;
                    if (alsoNow && other->canPrevent(*r) && !r->canPrevent(*other)) lost = true;
                }
                if (lost) {
                    r->fail();
                    r->takeTransitions();
                    break;
                }
                for (auto& other : rivals) {
                    if (!r->canPrevent(*other)) continue;
                    if (other->state() != State::failed && other->state() != State::cancelled) {
                        other->fail();
                        other->takeTransitions();
                    }
                }
                established_.push_back(r);
                if (r->cancelsTouchesInView()) cancelInViews(mine, event);
            }
            if (r->actsOn(s)) r->sendActions();
        }
    }
    flushHeld(event);
}

void EventDispatcher::cleanUp() {
    std::erase_if(live_, [&](const std::shared_ptr<GestureRecognizer>& r) {
        const bool touched = !touchesOf(r.get()).empty();
        if (touched) return false;
        if (isTerminal(r->state()) || (r->state() == State::possible && !r->isWaiting()) || isActive(r->state())) {
            // Done, or (when active) its fingers are gone without an ending and nothing can end it.
            std::erase(established_, r);
            r->reset();
            return true;
        }
        return false;
    });
}

void EventDispatcher::update() {
    const double now = Clock::current().now();
    const RecognizerList order = live_;
    for (auto& r : order) r->tick(now);
    processTransitions();
    cleanUp();
    scheduleWake();
}

void EventDispatcher::touchesBegan(const std::vector<TouchInput>& inputs) {
    update();
    const double now = Clock::current().now();
    TouchSet fresh;
    for (const TouchInput& in : inputs) {
        if (active_.count(in.identifier)) continue;
        auto hit = hitTest(in.location);
        int tapCount = 1;
        if (lastTapTime_ >= 0 && now - lastTapTime_ <= kTapInterval && distance(in.location, lastTapPoint_) <= kTapDistance)
            tapCount = lastTapCount_ + 1;
        auto touch = std::make_shared<Touch>(in.identifier, in.location, now, hit, tapCount);
        if (hit) {
            touch->recognizers_ = recognizersFor(hit);
            if (!hit->isMultipleTouchEnabled()) {
                for (auto& [id, other] : active_)
                    if (other->view_ == hit && other->toView_) touch->toView_ = false;
            }
        }
        active_[in.identifier] = touch;
        fresh.push_back(touch);
    }
    if (fresh.empty()) return;
    const Event event = makeEvent(now);
    feedRecognizers(Phase::began, fresh, event);
    processTransitions();
    deliver(Phase::began, fresh, event);
    cleanUp();
    scheduleWake();
}

void EventDispatcher::touchesMoved(const std::vector<TouchInput>& inputs) {
    update();
    const double now = Clock::current().now();
    TouchSet moved;
    for (const TouchInput& in : inputs) {
        auto it = active_.find(in.identifier);
        if (it == active_.end()) continue;
        auto& t = it->second;
        t->previous_ = t->location_;
        t->location_ = in.location;
        t->timestamp_ = now;
        t->phase_ = TouchPhase::moved;
        moved.push_back(t);
    }
    if (moved.empty()) return;
    const Event event = makeEvent(now);
    feedRecognizers(Phase::moved, moved, event);
    processTransitions();
    deliver(Phase::moved, moved, event);
    cleanUp();
    scheduleWake();
}

void EventDispatcher::touchesEnded(const std::vector<TouchInput>& inputs) {
    update();
    const double now = Clock::current().now();
    TouchSet ended;
    for (const TouchInput& in : inputs) {
        auto it = active_.find(in.identifier);
        if (it == active_.end()) continue;
        auto t = it->second;
        active_.erase(it);
        if (t->location_ != in.location) t->previous_ = t->location_;
        t->location_ = in.location;
        t->timestamp_ = now;
        t->phase_ = TouchPhase::ended;
        ended.push_back(t);
        finishing_.push_back(t);
        lastTapTime_ = now;
        lastTapPoint_ = in.location;
        lastTapCount_ = t->tapCount_;
    }
    if (ended.empty()) return;
    const Event event = makeEvent(now);
    feedRecognizers(Phase::ended, ended, event);
    processTransitions();
    deliver(Phase::ended, ended, event);
    finishing_.clear();
    cleanUp();
}

void EventDispatcher::touchesCancelled(const std::vector<int>& identifiers) {
    const double now = Clock::current().now();
    TouchSet cancelled;
    for (int id : identifiers) {
        auto it = active_.find(id);
        if (it == active_.end()) continue;
        auto t = it->second;
        active_.erase(it);
        t->timestamp_ = now;
        t->phase_ = TouchPhase::cancelled;
        cancelled.push_back(t);
        finishing_.push_back(t);
    }
    if (cancelled.empty()) return;
    const Event event = makeEvent(now);
    feedRecognizers(Phase::cancelled, cancelled, event);
    processTransitions();
    deliver(Phase::cancelled, cancelled, event);
    finishing_.clear();
    cleanUp();
}

} // namespace kit
