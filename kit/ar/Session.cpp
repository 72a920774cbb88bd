#include "kit/ar/Session.h"

#include "kit/store/Uuid.h"

#include <algorithm>

namespace kit::ar {

void Session::run(const WorldTrackingConfiguration& configuration) {
    std::lock_guard lock(mutex_);
    configuration_ = configuration;
    running_ = true;
    ++runCount_;
}

void Session::pause() {
    std::lock_guard lock(mutex_);
    running_ = false;
}

bool Session::isRunning() const {
    std::lock_guard lock(mutex_);
    return running_;
}

std::optional<WorldTrackingConfiguration> Session::configuration() const {
    std::lock_guard lock(mutex_);
    return configuration_;
}

int Session::runCount() const {
    std::lock_guard lock(mutex_);
    return runCount_;
}

void Session::setWorld(World world) {
    std::lock_guard lock(mutex_);
    world_ = std::move(world);
    tracked_.clear();
}

Camera Session::camera() const {
    std::lock_guard lock(mutex_);
    return world_.camera;
}

Room Session::room() const {
    std::lock_guard lock(mutex_);
    return world_.room;
}

std::vector<PlaneAnchor> Session::anchors() const {
    std::lock_guard lock(mutex_);
    std::vector<PlaneAnchor> result;
    for (const auto& t : tracked_)
        if (t) result.push_back(t->anchor);
    return result;
}

PlaneAnchor Session::shapeAt(const ScriptedPlane& plane, double time) const {
    double grown = time - plane.foundAfter;
    float f = plane.growthSeconds > 0 ? float(std::clamp(grown / plane.growthSeconds, 0.0, 1.0)) : 1.f;
    PlaneAnchor anchor;
    anchor.alignment = plane.alignment;
    anchor.transform = plane.transform;
    anchor.extent = plane.firstExtent + (plane.lastExtent - plane.firstExtent) * f;
    anchor.center = plane.firstCenter + (plane.lastCenter - plane.firstCenter) * f;
    return anchor;
}

Session::Changes Session::advance(double seconds) {
    std::lock_guard lock(mutex_);
    Changes changes;
    if (!running_ || !configuration_) return changes;
    time_ += std::max(0.0, seconds);
    tracked_.resize(world_.planes.size());
    for (std::size_t i = 0; i < world_.planes.size(); ++i) {
        const auto& plane = world_.planes[i];
        auto& tracked = tracked_[i];
        if (!tracked) {
            if (time_ < plane.foundAfter || !configuration_->planeDetection.contains(plane.alignment)) continue;
            tracked = Tracked{shapeAt(plane, time_)};
            tracked->anchor.identifier = makeUuidString();
            changes.added.push_back(tracked->anchor);
        } else if (!tracked->settled) {
            auto shape = shapeAt(plane, time_);
            tracked->anchor.extent = shape.extent;
            tracked->anchor.center = shape.center;
            tracked->settled = time_ >= plane.foundAfter + plane.growthSeconds;
            changes.updated.push_back(tracked->anchor);
        }
    }
    return changes;
}

} // namespace kit::ar
