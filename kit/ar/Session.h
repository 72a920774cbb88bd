#pragma once
// Simulated world tracking over a scripted world. While it runs, each advance moves tracking time
// on and reports the planes it found (of the alignments the configuration asks for) and the ones
// it refined. Pausing stops the time; running again keeps the tracking and the anchors found so
// far. Safe to use from the renderer's thread and the main thread at once.
#include "kit/ar/PlaneAnchor.h"
#include "kit/ar/World.h"

#include <mutex>
#include <optional>
#include <vector>

namespace kit::ar {

struct WorldTrackingConfiguration {
    PlaneDetection planeDetection;
};

class Session {
public:
    explicit Session(World world = World::standard()) : world_(std::move(world)) {}

    // Tracking and existing anchors are kept (no run options).
    void run(const WorldTrackingConfiguration& configuration);
    void pause();
    bool isRunning() const;
    std::optional<WorldTrackingConfiguration> configuration() const;
    // How often run was called, for screens that must start it on every appearance.
    int runCount() const;

    // The world to track; replacing it forgets the anchors found so far.
    void setWorld(World world);
    Camera camera() const;
    Room room() const;
    std::vector<PlaneAnchor> anchors() const;

    struct Changes {
        std::vector<PlaneAnchor> added;
        std::vector<PlaneAnchor> updated;
    };
    // Nothing while paused.
    Changes advance(double seconds);

private:
    struct Tracked {
        PlaneAnchor anchor;
        bool settled = false;
    };
    PlaneAnchor shapeAt(const ScriptedPlane& plane, double time) const;

    mutable std::mutex mutex_;
    World world_;
    std::optional<WorldTrackingConfiguration> configuration_;
    bool running_ = false;
    int runCount_ = 0;
    double time_ = 0;
    // One entry per scripted plane once found.
    std::vector<std::optional<Tracked>> tracked_;
};

} // namespace kit::ar
