#pragma once
// A drawing context over Cairo, in points with y down. Fill and stroke colours, global alpha and the
// line style live in kit's own state stack alongside Cairo's, saved and restored together.
// Input that would put Cairo into a permanent error state (coordinates or transforms that are not
// finite, singular transforms, invalid dash lists) is dropped or made harmless here.
#include "kit/base/AffineTransform.h"
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/AlphaMask.h"
#include "kit/graphics/Gradient.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/Path.h"

#include <concepts>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

typedef struct _cairo cairo_t;

namespace kit {

enum class LineCap { butt = 0, round = 1, square = 2 };
enum class LineJoin { miter = 0, round = 1, bevel = 2 };
enum class BlendMode { normal, multiply, screen, clear, copy, destinationOut };

struct LineDash {
    double phase = 0;
    std::vector<double> lengths; // empty: solid
    bool isSolid() const { return lengths.empty(); }
    friend bool operator==(const LineDash&, const LineDash&) = default;
};

class Context {
public:
    // Draws into the image, one point being `image.scale()` pixels.
    explicit Context(Image& image);
    // Draws through an existing Cairo context (a window's surface); its current matrix is the base.
    explicit Context(cairo_t* borrowed);
    virtual ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    // State. An unbalanced restore is ignored.
    void save();
    void restore();
    int saveDepth() const { return static_cast<int>(stack_.size()) - 1; }
    // Until the matching end, drawing goes into a picture of its own, composited as one with the
    // global alpha in force at the beginning (inside, alpha starts at 1): overlapping shapes of a
    // translucent colour ink once. The state is saved at the beginning and restored at the end;
    // an end without a beginning is ignored.
    void beginTransparencyLayer();
    void endTransparencyLayer();

    void setFillColor(const Color& c);
    void setStrokeColor(const Color& c);
    const Color& fillColor() const { return state().fill; }
    const Color& strokeColor() const { return state().stroke; }
    // Multiplies every later fill, stroke, gradient, image and text; clamped to [0, 1].
    void setAlpha(double alpha);
    double alpha() const { return state().alpha; }
    // Negative widths count as 0, and a zero width strokes nothing.
    void setLineWidth(double width);
    double lineWidth() const { return state().lineWidth; }
    void setLineCap(LineCap cap);
    LineCap lineCap() const { return state().cap; }
    void setLineJoin(LineJoin join);
    LineJoin lineJoin() const { return state().join; }
    void setMiterLimit(double limit);
    double miterLimit() const { return state().miterLimit; }
    // A list with a negative or non-finite length, or only zeros, draws solid.
    void setLineDash(double phase, const std::vector<double>& lengths);
    void setLineDashSolid() { setLineDash(0, {}); }
    const LineDash& lineDash() const { return state().dash; }
    void setShouldAntialias(bool on);
    void setBlendMode(BlendMode mode);

    // Transform of user space into the context's base space (points of the target).
    void translate(double dx, double dy);
    void scale(double sx, double sy);
    void rotate(double radians);
    void concat(const AffineTransform& t);
    AffineTransform currentTransform() const { return state().ctm; }
    // User space to the target's pixels (the current transform and the target's own scale).
    AffineTransform deviceTransform() const { return state().ctm.concat(base_); }

    // Clips intersect the current clip until the matching restore.
    void clipToRect(const Rect& r);
    void clipToPath(const Path& path, bool evenOdd = false);
    // Clips to the current path and consumes it.
    void clip(bool evenOdd = false);
    // Device-independent bounds of the current clip in user space.
    Rect clipBoundingBox() const;
    // True while every clip so far was an upright rectangle, so the clip is its bounding box.
    bool isClipRectangular() const { return state().rectangularClip; }

    // The current path (kept in target space, as transforms change it stays where it was drawn).
    void beginPath();
    void moveTo(Point p);
    void lineTo(Point p);
    void curveTo(Point c1, Point c2, Point end);
    void closePath();
    void addRect(const Rect& r);
    void addEllipse(const Rect& r);
    void addPath(const Path& path);
    bool isPathEmpty() const;
    // Paint and consume the current path.
    void fillPath(bool evenOdd = false);
    void strokePath();

    // These leave the current path as it was.
    void fill(const Path& path, bool evenOdd = false);
    void stroke(const Path& path);
    void fillRect(const Rect& r);
    void strokeRect(const Rect& r);
    void clearRect(const Rect& r);
    void fillEllipse(const Rect& r);
    void strokeEllipse(const Rect& r);
    void drawLine(Point from, Point to);
    // Each pair of points is a separate segment; an odd last point is ignored.
    void strokeLineSegments(const std::vector<Point>& points);

    // The fill colour painted through `mask`, in device pixels whatever the transform; the clip applies.
    void fillMask(const AlphaMask& mask);

    // The image scaled into `r`, upright; tiled repeats it with one tile at `r` over the clip.
    void drawImage(const Image& image, const Rect& r);
    void drawTiledImage(const Image& image, const Rect& r);

    // Painted over the current clip.
    void drawLinearGradient(const Gradient& g, Point start, Point end, GradientExtend extend = {});
    void drawRadialGradient(const Gradient& g, Point startCenter, double startRadius, Point endCenter,
                            double endRadius, GradientExtend extend = {});
    // Strokes the path (current line style) with a linear gradient as its paint.
    void strokeWithGradient(const Path& path, const Gradient& g, Point start, Point end, GradientExtend extend = {});

    // Recording: each drawing call, state change and transform is kept as a readable line.
    void setRecording(bool on);
    bool isRecording() const { return recording_; }
    const std::vector<std::string>& recordedLines() const { return lines_; }
    void clearRecording() { lines_.clear(); }
    void record(std::string line);
    // Builds the line only while recording, so that drawing pays nothing for the text otherwise.
    template <std::invocable MakeLine>
    void record(MakeLine&& makeLine) {
        if (recording_) record(std::string(makeLine()));
    }
    static std::string describe(double v);
    static std::string describe(const Color& c);
    static std::string describe(const Rect& r);
    static std::string describe(Point p);

    // For kit's own drawing code (text, layers). Nothing may be drawn while `isDrawable()` is false
    // (a singular transform is in force).
    cairo_t* cairo() const { return cr_; }
    bool isDrawable() const { return !state().singular; }
    // False only if Cairo itself has gone into an error state (a fault of this class).
    bool isHealthy() const;
    // Sets the Cairo source to the colour with the global alpha applied.
    void applySource(const Color& c) const;

private:
    struct State {
        Color fill = Color::blackColor();
        Color stroke = Color::blackColor();
        double alpha = 1;
        double lineWidth = 1;
        LineCap cap = LineCap::butt;
        LineJoin join = LineJoin::miter;
        double miterLimit = 10;
        LineDash dash;
        AffineTransform ctm;
        bool singular = false;
        // The clip is one upright rectangle (or none): only clipToRect under an upright transform.
        bool rectangularClip = true;
    };
    State& state() { return stack_.back(); }
    const State& state() const { return stack_.back(); }
    // False when the transform is not finite and nothing was applied.
    bool applyTransform(const AffineTransform& t);
    void syncMatrix();
    bool strokeReady() const;
    template <class F> void keepingPath(F&& draw);
    // Fill or stroke the shape that `addShape` lays down, leaving the current path as it was.
    template <class F> void fillShape(F&& addShape, bool evenOdd = false);
    template <class F> void strokeShape(F&& addShape);
    void appendPath(const Path& path);
    void paintGradient(const Gradient& g, Point p0, double r0, Point p1, double r1, bool radial, GradientExtend extend);

    cairo_t* cr_ = nullptr;
    AffineTransform base_;
    std::vector<State> stack_{State{}};
    // The alpha each open transparency layer is composited with.
    std::vector<double> layerAlphas_;
    bool recording_ = false;
    std::vector<std::string> lines_;
};

// Keeps the state saved for a scope.
class SavedState {
public:
    explicit SavedState(Context& c) : c_(c) { c_.save(); }
    ~SavedState() { c_.restore(); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    Context& c_;
};

namespace detail {
struct RecordingTarget {
    Image target;
};
} // namespace detail

// A context that records every call and also draws into its own image, for tests of drawing order.
class RecordingContext : private detail::RecordingTarget, public Context {
public:
    explicit RecordingContext(Size size = {200, 200}, double scale = 1.0);
    const std::vector<std::string>& lines() const { return recordedLines(); }
    // All lines joined with line breaks.
    std::string text() const;
    void clear() { clearRecording(); }
    Image& image() { return target; }
};

} // namespace kit
