#pragma once
// Draws many copies of one small figure (a chart marker) by drawing it once and compositing its
// pixels straight into the context's target for every copy: a few dozen pixel blends per copy
// instead of a path, a fill and a state change. Copies land on a quarter of a device pixel of
// their point; each quarter position is drawn once, when first used.
#include "kit/base/AffineTransform.h"
#include "kit/base/Geometry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace kit {

class Context;

class Stamper {
public:
    // Draws the figure centred on the point it is given, in the context it is given.
    using Figure = std::function<void(Context& context, Point centre)>;

    explicit Stamper(Context& context);
    ~Stamper();
    Stamper(const Stamper&) = delete;
    Stamper& operator=(const Stamper&) = delete;

    // Only where compositing gives what drawing would: an image target, a transform that only
    // scales (up) and moves, a clip of one rectangle, the normal blend mode. Otherwise the
    // caller draws each figure itself.
    bool isReady() const { return ready_; }

    // A figure that reaches at most `radius` points from its centre; returns its number.
    int addFigure(double radius, Figure figure);
    // Composites figure `figure` centred on the user-space point.
    void stamp(int figure, Point point);

private:
    struct Raster {
        int size = 0;
        std::vector<std::uint32_t> pixels;
        // Per row, the first and one-past-last pixel that is not transparent.
        std::vector<std::pair<int, int>> spans;
        // The rows that hold any of it: [firstRow, endRow).
        int firstRow = 0, endRow = 0;
    };
    struct FigureStamps {
        double radius;
        Figure figure;
        int margin; // device pixels from a raster's edge to the pixel holding the centre
        std::array<std::optional<Raster>, 16> phases;
    };
    const Raster& raster(FigureStamps& figure, int phaseX, int phaseY);

    Context& context_;
    bool ready_ = false;
    cairo_surface_t* target_ = nullptr;
    unsigned char* data_ = nullptr;
    int stride_ = 0;
    AffineTransform toDevice_;
    // The device-pixel clip: [clipX0, clipX1) x [clipY0, clipY1).
    int clipX0_ = 0, clipY0_ = 0, clipX1_ = 0, clipY1_ = 0;
    bool touched_ = false;
    std::vector<FigureStamps> figures_;
};

} // namespace kit
