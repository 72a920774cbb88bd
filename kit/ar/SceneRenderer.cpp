#include "kit/ar/SceneRenderer.h"

#include "kit/ar/Node.h"
#include "kit/ar/PlaneGeometry.h"
#include "kit/ar/SceneGraphLock.h"
#include "kit/ui/Assets.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace kit::ar {
namespace {

// A plane as drawn: the unit square [-0.5, 0.5] in x and y of `toWorld`.
struct Quad {
    Matrix4 toWorld;
    Matrix4 toLocal;
    std::shared_ptr<const Image> keptTexture; // keeps a picture alive while drawing
    const Image* texture = nullptr;           // none: plain white, the default material
    float distance = 0;
};

struct Pixels {
    std::uint32_t* data;
    int width, height, stride; // stride in pixels

    static Pixels of(const Image& image) {
        cairo_surface_t* s = image.surface();
        return {reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(s)), image.pixelWidth(),
                image.pixelHeight(), cairo_image_surface_get_stride(s) / 4};
    }
};

// Premultiplied ARGB with bilinear filtering, clamped at the edges.
std::uint32_t sample(const Pixels& t, float u, float v) {
    float x = std::clamp(u * float(t.width) - 0.5f, 0.f, float(t.width - 1));
    float y = std::clamp(v * float(t.height) - 0.5f, 0.f, float(t.height - 1));
    int x0 = int(x), y0 = int(y);
    int x1 = std::min(x0 + 1, t.width - 1), y1 = std::min(y0 + 1, t.height - 1);
    float fx = x - float(x0), fy = y - float(y0);
    const std::uint32_t* r0 = t.data + std::ptrdiff_t(y0) * t.stride;
    const std::uint32_t* r1 = t.data + std::ptrdiff_t(y1) * t.stride;
    std::uint32_t a = r0[x0], b = r0[x1], c = r1[x0], d = r1[x1];
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        auto ch = [shift](std::uint32_t p) { return float((p >> shift) & 0xff); };
        float top = ch(a) + (ch(b) - ch(a)) * fx;
        float bottom = ch(c) + (ch(d) - ch(c)) * fx;
        out |= std::uint32_t(top + (bottom - top) * fy + 0.5f) << shift;
    }
    return out;
}

std::uint32_t over(std::uint32_t src, std::uint32_t dst) {
    std::uint32_t alpha = src >> 24;
    if (alpha == 255) return src;
    if (alpha == 0) return dst;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        std::uint32_t s = (src >> shift) & 0xff, d = (dst >> shift) & 0xff;
        out |= std::min<std::uint32_t>(255, s + (d * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

void collect(const Node& node, const Matrix4& parentToWorld, const Vector3& eye, std::vector<Quad>& quads,
             const std::function<const Image*(const std::string&)>& named) {
    Matrix4 toWorld = parentToWorld * node.transform();
    if (auto geometry = node.geometry()) {
        Quad quad;
        quad.toWorld = toWorld * Matrix4::scaling({float(geometry->width()), float(geometry->height()), 1});
        if (quad.toWorld.inverted(quad.toLocal)) {
            auto materials = geometry->materials();
            if (!materials.empty()) {
                auto contents = materials.front()->diffuseContents();
                if (auto* image = std::get_if<std::shared_ptr<const Image>>(&contents)) {
                    quad.keptTexture = *image;
                    quad.texture = image->get();
                } else if (auto* name = std::get_if<std::string>(&contents)) {
                    quad.texture = named(*name);
                }
            }
            if (quad.texture && quad.texture->isEmpty()) quad.texture = nullptr;
            quad.distance = length(quad.toWorld.translationPart() - eye);
            quads.push_back(std::move(quad));
        }
    }
    for (const auto& child : node.childNodes()) collect(*child, toWorld, eye, quads, named);
}

// The pixel range the quad can cover: its projected corners when all lie in front of the camera,
// else the whole picture.
void coverage(const Quad& quad, const Camera& camera, Size viewSize, double scale, const Pixels& out, int& x0,
              int& y0, int& x1, int& y1) {
    x0 = 0, y0 = 0, x1 = out.width, y1 = out.height;
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    for (float cx : {-0.5f, 0.5f})
        for (float cy : {-0.5f, 0.5f}) {
            auto p = camera.project(quad.toWorld.transformPoint({cx, cy, 0}), viewSize);
            if (!p) return;
            minX = std::min(minX, p->x), maxX = std::max(maxX, p->x);
            minY = std::min(minY, p->y), maxY = std::max(maxY, p->y);
        }
    auto clampTo = [](double v, int hi) { return int(std::clamp(v, 0.0, double(hi))); };
    x0 = clampTo(std::floor(minX * scale) - 1, out.width);
    x1 = clampTo(std::ceil(maxX * scale) + 1, out.width);
    y0 = clampTo(std::floor(minY * scale) - 1, out.height);
    y1 = clampTo(std::ceil(maxY * scale) + 1, out.height);
}

void drawQuad(const Quad& quad, const Camera& camera, Size viewSize, double scale, const Pixels& out) {
    int x0, y0, x1, y1;
    coverage(quad, camera, viewSize, scale, out, x0, y0, x1, y1);
    auto rays = camera.pixelRays(viewSize, scale, quad.toLocal);
    Vector3 origin = quad.toLocal.transformPoint(camera.position);
    Pixels texture{};
    if (quad.texture) texture = Pixels::of(*quad.texture);
    for (int py = y0; py < y1; ++py) {
        std::uint32_t* row = out.data + std::ptrdiff_t(py) * out.stride;
        for (int px = x0; px < x1; ++px) {
            Vector3 d = rays.through(px, py);
            if (d.z == 0) continue;
            float t = -origin.z / d.z;
            if (!(t > 0)) continue;
            float x = origin.x + t * d.x, y = origin.y + t * d.y;
            if (!(std::fabs(x) <= 0.5f && std::fabs(y) <= 0.5f)) continue;
            std::uint32_t colour = quad.texture ? sample(texture, x + 0.5f, 0.5f - y) : 0xffffffffu;
            row[px] = over(colour, row[px]);
        }
    }
}

} // namespace

const Image* SceneRenderer::namedTexture(const std::string& name) {
    auto it = namedTextures_.find(name);
    if (it == namedTextures_.end())
        it = namedTextures_.emplace(name, Assets::imageNamed(name, Size{256, 256}, 2)).first;
    return it->second ? &*it->second : nullptr;
}

Image SceneRenderer::render(const Node& root, const Room& room, const Camera& camera, Size viewSize, double scale) {
    Image picture = backdrop_.picture(room, camera, viewSize, scale);
    if (picture.isEmpty()) return picture;
    std::vector<Quad> quads;
    {
        SceneGraphLock lock;
        collect(root, Matrix4::identity(), camera.position, quads,
                [this](const std::string& name) { return namedTexture(name); });
    }
    std::stable_sort(quads.begin(), quads.end(), [](const Quad& a, const Quad& b) { return a.distance > b.distance; });
    Pixels out = Pixels::of(picture);
    for (const auto& quad : quads) drawQuad(quad, camera, viewSize, scale, out);
    picture.markDirty();
    return picture;
}

} // namespace kit::ar
