#pragma once
// A real plane the tracking found: where it is (transform), which way it lies, and how far it
// reaches around its centre. Anchors are snapshots; the session hands out a new one each time it
// refines a plane, with the same identifier, and two anchors are equal when their identifiers are.
#include "kit/ar/Matrix4.h"

#include <string>

namespace kit::ar {

enum class PlaneAlignment { horizontal, vertical };

// Which planes the tracking looks for: a set of options.
struct PlaneDetection {
    unsigned rawValue = 0;
    static constexpr unsigned horizontalBit = 1;
    static constexpr unsigned verticalBit = 2;
    static PlaneDetection horizontal() { return {horizontalBit}; }
    static PlaneDetection vertical() { return {verticalBit}; }
    bool contains(PlaneAlignment alignment) const {
        return rawValue & (alignment == PlaneAlignment::horizontal ? horizontalBit : verticalBit);
    }
    friend bool operator==(const PlaneDetection&, const PlaneDetection&) = default;
};

struct PlaneAnchor {
    std::string identifier;
    PlaneAlignment alignment = PlaneAlignment::horizontal;
    // The anchor's place in the world. The plane lies in its local x-z plane, y is the normal.
    Matrix4 transform;
    // The plane's middle and size (x and z; y is 0) in the anchor's own coordinates.
    Vector3 center;
    Vector3 extent;

    friend bool operator==(const PlaneAnchor& a, const PlaneAnchor& b) { return a.identifier == b.identifier; }
};

} // namespace kit::ar
