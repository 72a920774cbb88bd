// View::animate: the block sets model values at once; each change it makes to a drawn property
// becomes a presentation animation of the view's layer, and the completion is timed on the clock.
#include "kit/base/Clock.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/Timer.h"
#include "kit/ui/View.h"

#include <algorithm>
#include <vector>

namespace kit {

namespace {

struct AnimationScope {
    double duration = 0;
    double begin = 0;
    AnimationCurve curve = AnimationCurve::easeInOut;
    bool allowsUserInteraction = false;
    bool disabled = false;
    int recorded = 0;
};

std::vector<AnimationScope>& scopes() {
    static std::vector<AnimationScope> stack;
    return stack;
}

bool sameValue(const AnimatedValue& a, const AnimatedValue& b) { return a == b; }

bool& animationsEnabled() {
    static bool enabled = true;
    return enabled;
}

} // namespace

void View::recordAnimated(AnimatedProperty property, AnimatedValue from, AnimatedValue to) {
    if (scopes().empty()) {
        // Not animated: a running animation of the property stops where the model now is.
        if (layer_->hasAnimations()) {
            layer_->removeAnimation(property);
        }
        return;
    }
    AnimationScope& scope = scopes().back();
    if (scope.disabled || scope.duration <= 0 || sameValue(from, to)) return;
    PropertyAnimation a{property, std::move(from), std::move(to), scope.begin, scope.duration, scope.curve,
                        scope.allowsUserInteraction};
    layer_->addAnimation(std::move(a));
    ++scope.recorded;
}

void View::animate(double duration, double delay, AnimationOptions options, const std::function<void()>& changes,
                   std::function<void(bool finished)> completion) {
    ensurePhaseHandlers();
    AnimationScope scope;
    scope.duration = std::max(0.0, duration);
    delay = std::max(0.0, delay);
    scope.begin = Clock::current().now() + delay;
    scope.curve = curveOf(options);
    scope.allowsUserInteraction = has(options, AnimationOptions::allowUserInteraction);
    scope.disabled = !animationsEnabled() || (!scopes().empty() && scopes().back().disabled);
    scopes().push_back(scope);
    if (changes) changes();
    const int recorded = scopes().back().recorded;
    scopes().pop_back();
    if (!completion) return;
    if (recorded == 0 || scope.disabled) {
        // Nothing to show moving: the completion comes on the next turn, as the platform does.
        DispatchQueue::main().async([completion = std::move(completion)] { completion(true); });
        return;
    }
    Timer::scheduled(delay + scope.duration, false, [completion = std::move(completion)] { completion(true); });
}

void View::animate(double duration, const std::function<void()>& changes, std::function<void(bool finished)> completion) {
    animate(duration, 0, AnimationOptions::none, changes, std::move(completion));
}

void View::setAnimationsEnabled(bool enabled) { animationsEnabled() = enabled; }

bool View::areAnimationsEnabled() { return animationsEnabled(); }

void View::performWithoutAnimation(const std::function<void()>& changes) {
    AnimationScope scope;
    scope.disabled = true;
    scopes().push_back(scope);
    if (changes) changes();
    scopes().pop_back();
}

} // namespace kit
