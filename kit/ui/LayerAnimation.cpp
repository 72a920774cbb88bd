#include "kit/base/Clock.h"
#include "kit/runtime/DisplayLink.h"
#include "kit/ui/Layer.h"

#include <algorithm>

namespace kit {

namespace {
std::vector<std::weak_ptr<Layer>>& animating() {
    static std::vector<std::weak_ptr<Layer>> layers;
    return layers;
}

// While anything animates, one display link paces frames so that hosts see the tree change
// sixty times a second; it stops when the last animation has ended.
void keepFramesComing() {
    static std::shared_ptr<DisplayLink> link;
    if (link && link->isValid()) return;
    link = DisplayLink::scheduled([](DisplayLink& self) {
        bool running = false;
        for (auto& layer : Layer::animatingLayers()) running = layer->stepAnimations(Clock::current().now()) || running;
        if (!running) self.invalidate();
    });
}
} // namespace

void Layer::addAnimation(PropertyAnimation animation) {
    const double now = Clock::current().now();
    auto it = std::find_if(animations_.begin(), animations_.end(),
                           [&](const PropertyAnimation& a) { return a.property == animation.property; });
    if (it != animations_.end()) {
        animation.from = it->valueAt(now);
        animations_.erase(it);
    }
    const bool first = animations_.empty();
    animations_.push_back(std::move(animation));
    if (first) {
        std::erase_if(animating(), [](auto& w) { return w.expired(); });
        animating().push_back(weak_from_this());
    }
    keepFramesComing();
    markChanged(true);
}

void Layer::removeAnimation(AnimatedProperty property) {
    if (std::erase_if(animations_, [&](const PropertyAnimation& a) { return a.property == property; }) > 0)
        markChanged(true);
}

void Layer::removeAllAnimations() {
    if (animations_.empty()) return;
    animations_.clear();
    markChanged(true);
}

bool Layer::acceptsTouchesWhileAnimating() const {
    const double now = Clock::current().now();
    return std::all_of(animations_.begin(), animations_.end(),
                       [&](const PropertyAnimation& a) { return a.allowsUserInteraction || now >= a.end(); });
}

LayerPresentation Layer::presentationAt(double now) const {
    LayerPresentation p{position_, bounds_, transform_, opacity_, backgroundColor_};
    for (const PropertyAnimation& a : animations_) {
        const AnimatedValue v = a.valueAt(now);
        switch (a.property) {
        case AnimatedProperty::position: p.position = std::get<Point>(v); break;
        case AnimatedProperty::bounds: p.bounds = std::get<Rect>(v); break;
        case AnimatedProperty::transform: p.transform = std::get<AffineTransform>(v); break;
        case AnimatedProperty::opacity: p.opacity = std::get<double>(v); break;
        case AnimatedProperty::backgroundColor: p.backgroundColor = std::get<std::optional<Color>>(v); break;
        }
    }
    return p;
}

LayerPresentation Layer::presentation() const {
    if (animations_.empty()) return {position_, bounds_, transform_, opacity_, backgroundColor_};
    return presentationAt(Clock::current().now());
}

bool Layer::stepAnimations(double now) {
    if (animations_.empty()) return false;
    std::erase_if(animations_, [&](const PropertyAnimation& a) { return now >= a.end(); });
    // Something moved (or just settled on the model values): draw again.
    markChanged(true);
    return !animations_.empty();
}

std::vector<std::shared_ptr<Layer>> Layer::animatingLayers() {
    std::vector<std::shared_ptr<Layer>> out;
    for (auto& w : animating())
        if (auto l = w.lock(); l && l->hasAnimations()) out.push_back(l);
    std::erase_if(animating(), [](auto& w) {
        auto l = w.lock();
        return !l || !l->hasAnimations();
    });
    return out;
}

} // namespace kit
