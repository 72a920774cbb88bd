#include "kit/ar/RoomBackdrop.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kit::ar {
namespace {

struct Rgb {
    float r, g, b;
};

// A stable pseudo-random value in [0, 1) per whole number, for plank tones.
float hash(int n) {
    std::uint32_t x = std::uint32_t(n) * 2654435761u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return float(x & 0xffff) / 65536.f;
}

Rgb floorColour(float x, float z) {
    // Planks 18 cm wide running away from the camera, with dark seams between them.
    float across = x / 0.18f;
    int plank = int(std::floor(across));
    float within = across - float(plank);
    float tone = 0.85f + 0.3f * hash(plank);
    float grain = 0.96f + 0.04f * std::sin(z * 37.f + float(plank) * 1.7f);
    float seam = (within < 0.03f || within > 0.97f) ? 0.55f : 1.f;
    float k = tone * grain * seam;
    return {0.50f * k, 0.37f * k, 0.25f * k};
}

Rgb wallColour(float height) {
    if (height < 0.1f) return {0.90f, 0.89f, 0.86f}; // skirting board
    float light = 0.9f + 0.06f * std::min(height / 2.6f, 1.f);
    return {0.80f * light, 0.78f * light, 0.74f * light};
}

// The colour of what the ray from `o` along `d` meets first.
Rgb shade(const Vector3& o, const Vector3& d, const Room& room) {
    float best = INFINITY;
    Rgb colour{0, 0, 0};
    auto consider = [&](float t, Rgb c) {
        if (t > 0 && t < best) {
            best = t;
            colour = c;
        }
    };
    auto at = [&](float t) { return o + d * t; };
    if (d.y < 0) {
        float t = -o.y / d.y;
        consider(t, floorColour(at(t).x, at(t).z));
    }
    if (d.y > 0) consider((room.height - o.y) / d.y, {0.92f, 0.92f, 0.91f});
    if (d.z < 0) {
        float t = (-room.depth - o.z) / d.z;
        consider(t, wallColour(at(t).y));
    }
    if (d.x != 0) {
        float t = ((d.x > 0 ? room.halfWidth : -room.halfWidth) - o.x) / d.x;
        Rgb side = wallColour(at(t).y);
        consider(t, {side.r * 0.9f, side.g * 0.9f, side.b * 0.9f});
    }
    // Farther surfaces get a little less light.
    float fade = 1.f / (1.f + 0.05f * best * length(d));
    return {colour.r * fade, colour.g * fade, colour.b * fade};
}

std::uint32_t pack(Rgb c) {
    auto byte = [](float v) { return std::uint32_t(std::clamp(v, 0.f, 1.f) * 255.f + 0.5f); };
    return 0xff000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

} // namespace

const Image& RoomBackdrop::picture(const Room& room, const Camera& camera, Size viewSize, double scale) {
    if (picture_ && size_ == viewSize && scale_ == scale && camera_ == camera && room_ == room) return *picture_;
    size_ = viewSize;
    scale_ = scale;
    camera_ = camera;
    room_ = room;
    picture_ = Image::make(viewSize.width, viewSize.height, scale, true);
    if (!picture_) {
        static const Image empty;
        return empty;
    }
    cairo_surface_t* surface = picture_->surface();
    auto* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    int width = picture_->pixelWidth(), height = picture_->pixelHeight();
    auto rays = camera.pixelRays(viewSize, scale);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::ptrdiff_t(y) * stride);
        for (int x = 0; x < width; ++x) row[x] = pack(shade(camera.position, rays.through(x, y), room));
    }
    picture_->markDirty();
    return *picture_;
}

} // namespace kit::ar
