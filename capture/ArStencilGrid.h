#pragma once
// One detected plane shown as a grid, so the user sees where a picture can be laid. It hangs under
// the node made for its anchor; its one child lies flat in the anchor's x-z plane and carries the
// grid texture, stretched once over the plane's extent. Made and updated on the renderer thread.
#include "kit/ar/Node.h"
#include "kit/ar/PlaneAnchor.h"

#include <memory>

namespace kit::ar {
class PlaneGeometry;
}

namespace capture {

class ArStencilGrid : public kit::ar::Node {
public:
    explicit ArStencilGrid(kit::ar::PlaneAnchor anchor) : anchor_(std::move(anchor)) {}
    void initialize() { setup(); }

    // The anchor the grid was made for; refinements do not replace it.
    const kit::ar::PlaneAnchor& anchor() const { return anchor_; }
    const std::shared_ptr<kit::ar::PlaneGeometry>& planeGeometry() const { return planeGeometry_; }

    // Takes the refined plane's size and centre.
    void update(const kit::ar::PlaneAnchor& anchor);

private:
    void setup();

    kit::ar::PlaneAnchor anchor_;
    std::shared_ptr<kit::ar::PlaneGeometry> planeGeometry_;
};

} // namespace capture
