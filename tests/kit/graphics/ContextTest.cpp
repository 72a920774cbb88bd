#include "kit/graphics/Context.h"
#include "kit/graphics/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

using namespace kit;

namespace {

using Bytes = std::array<std::uint8_t, 4>;
const double NaN = std::nan("");
const double Inf = INFINITY;

Image canvas(double w = 40, double h = 40) { return *Image::make(w, h); }

} // namespace

TEST(Context, SceneOfShapesGradientAndDashes) {
    Image image = canvas(120, 80);
    {
        Context c(image);
        c.setFillColor(Color::whiteColor());
        c.fillRect({0, 0, 120, 80});
        c.setFillColor(Color::redColor());
        c.fillRect({10, 10, 30, 20});
        c.setFillColor(Color::blueColor());
        c.fillEllipse({50, 10, 30, 20});
        {
            SavedState saved(c);
            c.clipToRect({10, 40, 100, 10});
            c.drawLinearGradient(*Gradient::make({Color::blackColor(), Color::greenColor()}), {10, 0}, {110, 0});
        }
        c.setStrokeColor(Color::blackColor());
        c.setLineWidth(2);
        c.setLineDash(0, {10, 10});
        c.drawLine({0, 65}, {120, 65});
    }
    TempDir dir;
    ASSERT_TRUE(image.savePNG(dir.file("scene.png")));
    if (const char* keep = std::getenv("KIT_GRAPHICS_KEEP")) image.savePNG(keep);

    EXPECT_EQ(image.pixelRGBA(20, 20), (Bytes{255, 0, 0, 255}));
    EXPECT_EQ(image.pixelRGBA(65, 20), (Bytes{0, 0, 255, 255}));
    EXPECT_EQ(image.pixelRGBA(51, 11), (Bytes{255, 255, 255, 255})); // outside the ellipse, inside its box
    // Gradient: dark at the start, green at the end, clipped to its band.
    EXPECT_LT(image.pixelRGBA(11, 45)[1], 20);
    EXPECT_GT(image.pixelRGBA(108, 45)[1], 235);
    EXPECT_EQ(image.pixelRGBA(60, 55), (Bytes{255, 255, 255, 255}));
    // Dashes: on, off, on.
    EXPECT_EQ(image.pixelRGBA(5, 65), (Bytes{0, 0, 0, 255}));
    EXPECT_EQ(image.pixelRGBA(15, 65), (Bytes{255, 255, 255, 255}));
    EXPECT_EQ(image.pixelRGBA(25, 65), (Bytes{0, 0, 0, 255}));
}

TEST(Context, NonFiniteInputDoesNotPoisonTheContext) {
    Image image = canvas();
    Context c(image);
    c.setFillColor(Color::redColor());
    c.setStrokeColor(Color::redColor());
    c.moveTo({NaN, 0});
    c.lineTo({0, Inf});
    c.curveTo({0, 0}, {NaN, 1}, {2, 2});
    c.fillRect({NaN, 0, 10, 10});
    c.fillEllipse({0, 0, Inf, 10});
    c.drawLine({0, 0}, {NaN, NaN});
    c.translate(NaN, 0);
    c.scale(Inf, 1);
    c.rotate(NaN);
    c.concat({NaN, 0, 0, 1, 0, 0});
    c.setLineWidth(NaN);
    c.setLineDash(NaN, {1, NaN});
    c.drawRadialGradient(*Gradient::make({Color::redColor()}), {0, 0}, -1, {0, 0}, 5);
    Path p;
    p.moveTo({NaN, 1});
    c.fill(p);
    c.clipToRect({0, 0, NaN, 1});
    EXPECT_TRUE(c.isHealthy());
    EXPECT_TRUE(c.currentTransform().isIdentity());
    EXPECT_EQ(c.lineWidth(), 1);
    c.fillRect({0, 0, 10, 10});
    EXPECT_EQ(image.pixelRGBA(5, 5), (Bytes{255, 0, 0, 255}));
}

TEST(Context, SingularTransformDrawsNothingUntilRestore) {
    Image image = canvas();
    Context c(image);
    c.setFillColor(Color::redColor());
    c.save();
    c.scale(0, 1);
    c.fillRect({0, 0, 40, 40});
    c.fillEllipse({0, 0, 40, 40});
    c.restore();
    EXPECT_TRUE(c.isHealthy());
    EXPECT_EQ(image.pixelRGBA(5, 5)[3], 0);
    c.fillRect({0, 0, 10, 10});
    EXPECT_EQ(image.pixelRGBA(5, 5)[3], 255);
}

TEST(Context, InvalidDashListsDrawSolid) {
    struct Case { std::vector<double> lengths; bool solid; };
    const Case cases[] = {
        {{}, true}, {{0, 0}, true}, {{4, -1}, true}, {{Inf, 2}, true}, {{4, 4}, false}, {{0, 3}, false},
    };
    for (const auto& k : cases) {
        Image image = canvas(40, 4);
        Context c(image);
        c.setLineDash(2, k.lengths);
        EXPECT_EQ(c.lineDash().isSolid(), k.solid);
        c.setLineWidth(2);
        c.drawLine({0, 2}, {40, 2});
        EXPECT_TRUE(c.isHealthy());
        int inked = 0;
        for (int x = 0; x < 40; ++x) inked += image.pixelRGBA(x, 2)[3] > 128;
        if (k.solid) EXPECT_EQ(inked, 40);
        else EXPECT_LT(inked, 40);
    }
}

TEST(Context, SaveRestoreCoversColoursAlphaLineStyleAndTransform) {
    Image image = canvas();
    Context c(image);
    c.setFillColor(Color::redColor());
    c.setStrokeColor(Color::blueColor());
    c.save();
    c.setFillColor(Color::greenColor());
    c.setAlpha(0.25);
    c.setLineWidth(7);
    c.setLineCap(LineCap::round);
    c.setLineDash(0, {1, 2});
    c.translate(5, 6);
    EXPECT_EQ(c.currentTransform(), AffineTransform::translation(5, 6));
    EXPECT_EQ(c.strokeColor(), Color::blueColor()); // kept apart from the fill colour
    c.restore();
    c.restore(); // unbalanced: ignored
    EXPECT_EQ(c.fillColor(), Color::redColor());
    EXPECT_EQ(c.alpha(), 1);
    EXPECT_EQ(c.lineWidth(), 1);
    EXPECT_EQ(c.lineCap(), LineCap::butt);
    EXPECT_TRUE(c.lineDash().isSolid());
    EXPECT_TRUE(c.currentTransform().isIdentity());
    EXPECT_EQ(c.saveDepth(), 0);
}

TEST(Context, GlobalAlphaMultipliesFillsAndImages) {
    Image image = canvas();
    Context c(image);
    c.setAlpha(0.5);
    c.setFillColor(Color::rgba(1, 0, 0, 0.5));
    c.fillRect({0, 0, 10, 10});
    EXPECT_NEAR(image.pixelRGBA(5, 5)[3], 64, 1);
    const auto blue = Image::fromRGBA(1, 1, std::vector<std::uint8_t>{0, 0, 255, 255});
    c.drawImage(*blue, {20, 20, 10, 10});
    EXPECT_NEAR(image.pixelRGBA(25, 25)[3], 128, 1);
    EXPECT_NEAR(image.pixelRGBA(25, 25)[2], 128, 1);
}

TEST(Context, FillMaskPaintsThroughCoverageInDevicePixelsUnderTheClip) {
    Image image = *Image::make(20, 20, 2.0); // 40 x 40 device pixels
    Context c(image);
    c.translate(5, 5); // the mask ignores the transform
    c.clipToRect({0, 0, 10, 10}); // device pixels 10 to 30
    AlphaMask mask;
    mask.reset(8, 12, 4, 2);
    mask.row(0)[0] = 255; // device (8, 12): outside the clip
    mask.row(0)[3] = 255; // device (11, 12)
    mask.row(1)[3] = 128; // device (11, 13)
    c.setFillColor(Color::redColor());
    c.fillMask(mask);
    EXPECT_EQ(image.pixelRGBA(8, 12)[3], 0);
    EXPECT_EQ(image.pixelRGBA(11, 12), (Bytes{255, 0, 0, 255}));
    EXPECT_NEAR(image.pixelRGBA(11, 13)[3], 128, 1);
    EXPECT_EQ(image.pixelRGBA(10, 12)[3], 0);
}

TEST(Context, DrawImageScalesUprightIntoTheRect) {
    // Top row red, bottom row blue.
    const auto src = Image::fromRGBA(1, 2, std::vector<std::uint8_t>{255, 0, 0, 255, 0, 0, 255, 255});
    Image image = canvas();
    Context c(image);
    c.drawImage(*src, {10, 10, 20, 20});
    EXPECT_EQ(image.pixelRGBA(20, 12), (Bytes{255, 0, 0, 255}));
    EXPECT_EQ(image.pixelRGBA(20, 28), (Bytes{0, 0, 255, 255}));
    EXPECT_EQ(image.pixelRGBA(5, 5)[3], 0);
    EXPECT_EQ(image.pixelRGBA(31, 20)[3], 0);
}

TEST(Context, FillsOfShapesKeepTheCurrentPath) {
    Image image = canvas();
    Context c(image);
    c.moveTo({0, 0});
    c.lineTo({10, 0});
    c.lineTo({10, 10});
    c.closePath();
    c.setFillColor(Color::blueColor());
    c.fillRect({30, 30, 5, 5});
    EXPECT_FALSE(c.isPathEmpty());
    c.setFillColor(Color::redColor());
    c.fillPath();
    EXPECT_TRUE(c.isPathEmpty());
    EXPECT_EQ(image.pixelRGBA(8, 2), (Bytes{255, 0, 0, 255}));
    EXPECT_EQ(image.pixelRGBA(2, 8)[3], 0);
}

TEST(Context, EvenOddAndClipping) {
    Path ring;
    ring.addRect({0, 0, 40, 40});
    ring.addRect({10, 10, 20, 20});
    Image image = canvas();
    Context c(image);
    c.setFillColor(Color::redColor());
    c.fill(ring, true);
    EXPECT_EQ(image.pixelRGBA(5, 5)[3], 255);
    EXPECT_EQ(image.pixelRGBA(20, 20)[3], 0);
    c.fill(ring); // non-zero: both rects wind the same way
    EXPECT_EQ(image.pixelRGBA(20, 20)[3], 255);

    Image clipped = canvas();
    Context k(clipped);
    k.clipToPath(Path::ellipse({0, 0, 40, 40}));
    k.fillRect({0, 0, 40, 40});
    EXPECT_EQ(clipped.pixelRGBA(1, 1)[3], 0);
    EXPECT_EQ(clipped.pixelRGBA(20, 20)[3], 255);
    EXPECT_EQ(k.clipBoundingBox(), (Rect{0, 0, 40, 40}));
}

TEST(Context, ZeroLineWidthStrokesNothing) {
    Image image = canvas();
    Context c(image);
    c.setLineWidth(-3);
    EXPECT_EQ(c.lineWidth(), 0);
    c.strokeRect({5, 5, 20, 20});
    c.drawLine({0, 10}, {40, 10});
    for (int x = 0; x < 40; ++x) EXPECT_EQ(image.pixelRGBA(x, 10)[3], 0);
}

TEST(Context, RotationTurnsClockwiseOnScreen) {
    Image image = canvas();
    Context c(image);
    c.translate(20, 20);
    c.rotate(std::numbers::pi / 2);
    c.setFillColor(Color::redColor());
    c.fillRect({0, -1, 15, 2}); // pointing right before the turn, down after it
    EXPECT_EQ(image.pixelRGBA(20, 30)[3], 255);
    EXPECT_EQ(image.pixelRGBA(30, 20)[3], 0);
}

TEST(Context, GradientExtendsOnlyWhereAsked) {
    const auto g = *Gradient::make({Color::redColor(), Color::blueColor()});
    struct Case { GradientExtend extend; bool before, after; };
    for (const Case k : {Case{{}, false, false}, Case{GradientExtend::both(), true, true}, Case{{true, false}, true, false},
                         Case{{false, true}, false, true}}) {
        Image image = canvas();
        Context c(image);
        c.drawLinearGradient(g, {10, 0}, {30, 0}, k.extend);
        EXPECT_EQ(image.pixelRGBA(3, 5)[3] == 255, k.before);
        EXPECT_EQ(image.pixelRGBA(37, 5)[3] == 255, k.after);
        EXPECT_EQ(image.pixelRGBA(20, 5)[3], 255);
    }
    Image image = canvas();
    Context c(image);
    c.drawRadialGradient(g, {20, 20}, 0, {20, 20}, 10);
    EXPECT_GT(image.pixelRGBA(20, 20)[0], 220);
    EXPECT_GT(image.pixelRGBA(20, 29)[2], 200);
    EXPECT_EQ(image.pixelRGBA(1, 1)[3], 0);
}

TEST(Context, RecordingKeepsReadableLinesInOrder) {
    RecordingContext c({50, 50});
    c.setFillColor(Color::redColor());
    c.fillRect({0, 0, 10, 10});
    c.save();
    c.translate(2.5, 0);
    c.setLineDash(0, {0, 0});
    c.setStrokeColor(Color::gray(0, 0.5));
    c.drawLine({0, 0}, {1.0 / 3, 4});
    c.restore();
    Path p;
    p.moveTo({0, 0});
    p.lineTo({5, 5});
    p.close();
    c.fill(p, true);
    c.fillRect({NaN, 0, 1, 1}); // dropped, not recorded
    const std::vector<std::string> expected = {
        "setFillColor #FF0000FF", "fillRect 0 0 10 10 #FF0000FF", "save", "translate 2.5 0", "setLineDash solid",
        "setStrokeColor #00000080", "drawLine 0 0 0.3333 4 #00000080", "restore", "fill evenodd M 0 0 L 5 5 Z #FF0000FF",
    };
    EXPECT_EQ(c.lines(), expected);
    // It draws as well.
    EXPECT_EQ(c.image().pixelRGBA(5, 5), (Bytes{255, 0, 0, 255}));
    c.clear();
    EXPECT_TRUE(c.lines().empty());
}

TEST(Context, TransparencyLayerInksOverlapsOnceWithTheAlphaOfItsStart) {
    Image image = canvas();
    Context c(image);
    c.setFillColor(Color::whiteColor());
    c.fillRect({0, 0, 40, 40});
    c.setAlpha(0.5);
    c.beginTransparencyLayer();
    EXPECT_EQ(c.alpha(), 1);
    c.setFillColor(Color::blackColor());
    c.fillRect({0, 0, 30, 40});
    c.fillRect({10, 0, 30, 40});
    c.endTransparencyLayer();
    c.endTransparencyLayer(); // without a beginning: ignored
    EXPECT_EQ(c.alpha(), 0.5);
    EXPECT_EQ(c.saveDepth(), 0);
    EXPECT_TRUE(c.isHealthy());
    // Half black where one rectangle lies and where both overlap.
    EXPECT_NEAR(image.pixelRGBA(5, 20)[0], 128, 1);
    EXPECT_NEAR(image.pixelRGBA(20, 20)[0], 128, 1);
}
