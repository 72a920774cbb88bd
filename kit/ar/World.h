#pragma once
// What the simulated tracking sees: a room, a camera standing in it, and the planes it will find,
// each with the moment it is found and how it grows and drifts while the tracking refines it.
#include "kit/ar/Matrix4.h"
#include "kit/ar/PlaneAnchor.h"
#include "kit/base/Geometry.h"

#include <optional>
#include <vector>

namespace kit::ar {

struct Ray {
    Vector3 origin;
    Vector3 direction; // unit length
};

// A camera held still: its picture fills the view it is shown in (the view's height spans the
// vertical field of view).
struct Camera {
    Vector3 position{0, 1.35f, 0};
    // Turn about x (negative looks down), applied after the turn about y.
    float pitch = -0.42f;
    float yaw = 0;
    float verticalFieldOfView = 1.05f;
    friend bool operator==(const Camera&, const Camera&) = default;

    Matrix4 transform() const;
    // The ray through a point of a view of that size (points, y down).
    Ray ray(Point point, Size viewSize) const;
    // Where a point of the world shows in such a view; none when it lies behind the camera.
    std::optional<Point> project(const Vector3& world, Size viewSize) const;

    // The directions (not of unit length) of the rays through the pixel centres of a picture of the
    // view at `scale`, as seen in the space `toSpace` maps world directions into. They are linear
    // in the pixel position, so a picture needs no trigonometry per pixel.
    struct PixelRays {
        Vector3 base, stepX, stepY;
        Vector3 through(int px, int py) const { return base + stepX * (float(px) + 0.5f) + stepY * (float(py) + 0.5f); }
    };
    PixelRays pixelRays(Size viewSize, double scale, const Matrix4& toSpace = Matrix4::identity()) const;
};

// A box-shaped room: floor at y = 0, walls at x = +-halfWidth and z = -depth, ceiling at height.
struct Room {
    float halfWidth = 2.6f;
    float depth = 3.6f;
    float height = 2.6f;
    friend bool operator==(const Room&, const Room&) = default;
};

struct ScriptedPlane {
    PlaneAlignment alignment = PlaneAlignment::horizontal;
    Matrix4 transform;
    // Seconds of tracking before the plane is found.
    double foundAfter = 0;
    // Extent and centre when found, and after growing for `growthSeconds`.
    Vector3 firstExtent, lastExtent;
    Vector3 firstCenter, lastCenter;
    double growthSeconds = 0;
};

struct World {
    Room room;
    Camera camera;
    std::vector<ScriptedPlane> planes;

    // The room with a patch of floor and a patch of the back wall found after a moment, and a
    // second patch of floor later.
    static World standard();
};

} // namespace kit::ar
