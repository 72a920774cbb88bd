#include "kit/ar/World.h"

#include <cmath>
#include <numbers>

namespace kit::ar {

Matrix4 Camera::transform() const {
    return Matrix4::translation(position) * Matrix4::rotation(yaw, 0, 1, 0) * Matrix4::rotation(pitch, 1, 0, 0);
}

Ray Camera::ray(Point point, Size viewSize) const {
    auto rays = pixelRays(viewSize, 1);
    Vector3 direction = rays.base + rays.stepX * float(point.x) + rays.stepY * float(point.y);
    return {position, direction * (1 / length(direction))};
}

std::optional<Point> Camera::project(const Vector3& world, Size viewSize) const {
    Matrix4 toCamera;
    if (!transform().inverted(toCamera)) return std::nullopt;
    Vector3 p = toCamera.transformPoint(world);
    if (p.z > -1e-3f) return std::nullopt;
    double focal = viewSize.height / 2 / std::tan(verticalFieldOfView / 2);
    return Point{viewSize.width / 2 + focal * p.x / -p.z, viewSize.height / 2 - focal * p.y / -p.z};
}

Camera::PixelRays Camera::pixelRays(Size viewSize, double scale, const Matrix4& toSpace) const {
    double focal = viewSize.height / 2 / std::tan(verticalFieldOfView / 2) * scale;
    Matrix4 toTarget = toSpace * transform();
    return {toTarget.transformDirection({float(-viewSize.width * scale / 2 / focal), float(viewSize.height * scale / 2 / focal), -1}),
            toTarget.transformDirection({float(1 / focal), 0, 0}),
            toTarget.transformDirection({0, float(-1 / focal), 0})};
}

World World::standard() {
    World world;
    ScriptedPlane floor;
    floor.transform = Matrix4::translation({-0.1f, 0, -2.1f});
    floor.foundAfter = 0.5;
    floor.firstExtent = {0.3f, 0, 0.2f};
    floor.lastExtent = {1.3f, 0, 1.0f};
    floor.lastCenter = {0.1f, 0, -0.15f};
    floor.growthSeconds = 3;

    // A wall anchor's y axis points out of the wall, so its x-z plane lies on the wall.
    ScriptedPlane wall;
    wall.alignment = PlaneAlignment::vertical;
    wall.transform = Matrix4::translation({0, 1.0f, -world.room.depth}) *
                     Matrix4::rotation(std::numbers::pi_v<float> / 2, 1, 0, 0);
    wall.foundAfter = 1.2;
    wall.firstExtent = {0.4f, 0, 0.3f};
    wall.lastExtent = {1.0f, 0, 0.75f};
    wall.growthSeconds = 2.5;

    ScriptedPlane nearFloor;
    nearFloor.transform = Matrix4::translation({0.35f, 0, -1.4f});
    nearFloor.foundAfter = 2.5;
    nearFloor.firstExtent = {0.2f, 0, 0.2f};
    nearFloor.lastExtent = {0.5f, 0, 0.35f};
    nearFloor.growthSeconds = 1.5;

    world.planes = {floor, wall, nearFloor};
    return world;
}

} // namespace kit::ar
