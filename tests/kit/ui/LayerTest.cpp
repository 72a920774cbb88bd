#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/ui/GradientLayer.h"
#include "kit/ui/Layer.h"
#include "kit/ui/ShapeLayer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace kit {
namespace {

using RGBA = std::array<std::uint8_t, 4>;

// Cairo rounds halves either way: one step of tolerance per channel.
::testing::AssertionResult near(const RGBA& actual, const RGBA& expected) {
    for (int i = 0; i < 4; ++i)
        if (std::abs(int(actual[i]) - int(expected[i])) > 1)
            return ::testing::AssertionFailure() << "got " << int(actual[0]) << ',' << int(actual[1]) << ','
                                                 << int(actual[2]) << ',' << int(actual[3]);
    return ::testing::AssertionSuccess();
}

std::shared_ptr<Layer> layerAt(const Rect& frame, std::optional<Color> background) {
    auto l = make<Layer>();
    l->setFrame(frame);
    l->setBackgroundColor(background);
    return l;
}

TEST(Layer, FrameFollowsPositionBoundsAndTransformAboutTheCentre) {
    auto l = layerAt({10, 10, 40, 20}, {});
    EXPECT_EQ(l->position(), (Point{30, 20}));
    l->setTransform(AffineTransform::rotation(M_PI / 2));
    const Rect f = l->frame();
    EXPECT_NEAR(f.x(), 20, 1e-9);
    EXPECT_NEAR(f.y(), 0, 1e-9);
    EXPECT_NEAR(f.width(), 20, 1e-9);
    EXPECT_NEAR(f.height(), 40, 1e-9);
}

TEST(Layer, SublayerOrderAndRemoval) {
    auto root = make<Layer>();
    auto a = make<Layer>(), b = make<Layer>(), c = make<Layer>();
    root->addSublayer(a);
    root->addSublayer(b);
    root->insertSublayerBelow(c, a.get());
    EXPECT_EQ(root->sublayers(), (std::vector<std::shared_ptr<Layer>>{c, a, b}));
    root->addSublayer(c); // re-adding changes nothing
    EXPECT_EQ(root->sublayers(), (std::vector<std::shared_ptr<Layer>>{c, a, b}));
    root->insertSublayer(c, 3); // an explicit place moves it
    EXPECT_EQ(root->sublayers(), (std::vector<std::shared_ptr<Layer>>{a, b, c}));
    auto other = make<Layer>();
    other->addSublayer(a); // moving between trees
    EXPECT_EQ(a->superlayer(), other);
    EXPECT_EQ(root->sublayers().size(), 2u);
    root->removeAllSublayers();
    EXPECT_TRUE(root->sublayers().empty());
    EXPECT_FALSE(b->superlayer());
    const auto before = other->version();
    a->setBackgroundColor(Color::redColor());
    EXPECT_GT(other->version(), before); // changes below reach the root's version
}

TEST(Layer, PixelAtReadsPremultipliedRGBA) {
    auto root = layerAt({0, 0, 100, 100}, Color::whiteColor());
    auto half = layerAt({10, 10, 20, 20}, Color::rgba(1, 0, 0, 0.5));
    auto faded = layerAt({50, 10, 20, 20}, Color::blueColor());
    faded->setOpacity(0.5);
    auto hidden = layerAt({10, 50, 20, 20}, Color::greenColor());
    hidden->setHidden(true);
    root->addSublayer(half);
    root->addSublayer(faded);
    root->addSublayer(hidden);
    EXPECT_EQ(root->pixelAt({5, 5}), (RGBA{255, 255, 255, 255}));
    EXPECT_TRUE(near(root->pixelAt({15, 15}), {255, 128, 128, 255}));
    EXPECT_TRUE(near(root->pixelAt({55, 15}), {128, 128, 255, 255}));
    EXPECT_EQ(root->pixelAt({15, 55}), (RGBA{255, 255, 255, 255}));
    EXPECT_TRUE(near(half->pixelAt({5, 5}), {128, 0, 0, 128})); // premultiplied on its own
    EXPECT_EQ(root->pixelAt({500, 5}), (RGBA{0, 0, 0, 0}));
}

TEST(Layer, CornersBorderMaskAndGradient) {
    auto root = layerAt({0, 0, 200, 100}, Color::whiteColor());
    auto card = layerAt({10, 10, 80, 80}, Color::blueColor());
    card->setCornerRadius(20);
    card->setBorderWidth(4);
    card->setBorderColor(Color::redColor());
    card->setMasksToBounds(true);
    auto spill = layerAt({60, 60, 100, 100}, Color::greenColor()); // clipped by the card
    card->addSublayer(spill);
    auto gradient = make<GradientLayer>();
    gradient->setFrame({100, 10, 90, 80});
    EXPECT_FALSE(gradient->colors().has_value());
    gradient->setColors(std::vector<Color>{Color::blackColor(), Color::whiteColor()});
    gradient->setStartPoint({0, 0.5});
    gradient->setEndPoint({1, 0.5});
    root->addSublayer(card);
    root->addSublayer(gradient);

    EXPECT_EQ(root->pixelAt({12, 12}), (RGBA{255, 255, 255, 255})) << "outside the rounded corner";
    EXPECT_EQ(root->pixelAt({50, 11}), (RGBA{255, 0, 0, 255})) << "border";
    EXPECT_EQ(root->pixelAt({40, 40}), (RGBA{0, 0, 255, 255})) << "inside";
    EXPECT_EQ(root->pixelAt({80, 80}), (RGBA{0, 255, 0, 255})) << "sublayer inside the card";
    EXPECT_EQ(root->pixelAt({95, 95}), (RGBA{255, 255, 255, 255})) << "sublayer clipped";
    const RGBA left = root->pixelAt({101, 50}), mid = root->pixelAt({145, 50}), right = root->pixelAt({189, 50});
    EXPECT_LT(left[0], 10);
    EXPECT_NEAR(mid[0], 128, 4);
    EXPECT_GT(right[0], 245);
    gradient->setColors(std::nullopt); // back to nil: nothing drawn
    EXPECT_EQ(root->pixelAt({145, 50}), (RGBA{255, 255, 255, 255}));
}

TEST(Layer, ShadowIsSoftAndOffset) {
    auto root = layerAt({0, 0, 100, 100}, Color::whiteColor());
    auto box = layerAt({30, 30, 40, 40}, Color::whiteColor());
    box->setShadowOpacity(1);
    box->setShadowOffset({0, 10});
    box->setShadowRadius(6);
    root->addSublayer(box);
    const auto below = root->pixelAt({50, 75}), further = root->pixelAt({50, 85}), above = root->pixelAt({50, 27});
    EXPECT_LT(below[0], 200) << "dark just under the box";
    EXPECT_GT(further[0], below[0]) << "fading out";
    EXPECT_GT(above[0], 240) << "hardly any above, offset down";
    EXPECT_EQ(root->pixelAt({50, 50}), (RGBA{255, 255, 255, 255})) << "box drawn over its shadow";
    // A second render reuses the blur and gives the same pixels.
    EXPECT_EQ(root->pixelAt({50, 75}), below);
}

TEST(Layer, ShadowOfALayerAboveAClippedViewIsASoftLineAlongItsTop) {
    // A dark layer sitting just above the strip casts its shadow into it; the strip clips the rest.
    auto strip = layerAt({0, 0, 200, 80}, Color::whiteColor());
    strip->setMasksToBounds(true);
    auto caster = make<Layer>();
    caster->setBounds({0, 0, 200, 80});
    caster->setPosition({100, 0.25 - 40});
    caster->setBackgroundColor(Color::darkGrayColor());
    caster->setShadowColor(Color::blackColor());
    caster->setShadowOffset({0.5, 0.5});
    caster->setShadowOpacity(0.6);
    caster->setShadowRadius(6);
    strip->addSublayer(caster);
    const int top = strip->pixelAt({100, 1})[0], near = strip->pixelAt({100, 4})[0], far = strip->pixelAt({100, 30})[0];
    EXPECT_LT(top, near);
    EXPECT_LT(near, 250);
    EXPECT_EQ(far, 255);
    auto outside = make<Layer>();
    outside->setFrame({0, 0, 200, 200});
    outside->addSublayer(strip);
    strip->setPosition({100, 140});
    EXPECT_EQ(outside->pixelAt({100, 95})[3], 0) << "nothing above the strip";
}

TEST(Layer, RasterizedSubtreeFollowsChangesBelowIt) {
    auto root = layerAt({0, 0, 100, 100}, Color::whiteColor());
    auto card = layerAt({10, 10, 50, 50}, Color::blueColor());
    auto dot = layerAt({10, 10, 10, 10}, Color::redColor());
    card->addSublayer(dot);
    card->setShouldRasterize(true);
    root->addSublayer(card);
    EXPECT_EQ(root->pixelAt({25, 25}), (RGBA{255, 0, 0, 255}));
    dot->setBackgroundColor(Color::greenColor());
    EXPECT_EQ(root->pixelAt({25, 25}), (RGBA{0, 255, 0, 255}));
    card->setPosition({60, 60}); // moving the card reuses its bitmap
    EXPECT_EQ(root->pixelAt({50, 50}), (RGBA{0, 255, 0, 255}));
}

TEST(Layer, ShapeAndContentsWithGravity) {
    auto root = layerAt({0, 0, 100, 100}, Color::whiteColor());
    auto shape = make<ShapeLayer>();
    shape->setFrame({0, 0, 100, 100});
    shape->setPath(Path::ellipse({10, 10, 30, 30}));
    shape->setFillColor(std::nullopt);
    shape->setStrokeColor(Color::blackColor());
    shape->setLineWidth(4);
    root->addSublayer(shape);
    EXPECT_EQ(root->pixelAt({25, 25}), (RGBA{255, 255, 255, 255})) << "not filled";
    EXPECT_EQ(root->pixelAt({25, 11}), (RGBA{0, 0, 0, 255})) << "stroked";

    auto red = Image::make(10, 20, 1);
    {
        Context c(*red);
        c.setFillColor(Color::redColor());
        c.fillRect({0, 0, 10, 20});
    }
    auto pic = layerAt({50, 50, 40, 40}, {});
    pic->setContents(std::make_shared<Image>(*red));
    pic->setContentsGravity(ContentsGravity::resizeAspect); // 20 x 40, centred
    root->addSublayer(pic);
    EXPECT_EQ(root->pixelAt({70, 70}), (RGBA{255, 0, 0, 255}));
    EXPECT_EQ(root->pixelAt({55, 70}), (RGBA{255, 255, 255, 255}));
    pic->setContentsGravity(ContentsGravity::resize);
    EXPECT_EQ(root->pixelAt({55, 70}), (RGBA{255, 0, 0, 255}));
}

} // namespace
} // namespace kit
