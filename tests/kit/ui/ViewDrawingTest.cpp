#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/ui/Button.h"
#include "kit/ui/GradientLayer.h"
#include "kit/ui/Label.h"
#include "kit/ui/SegmentedControl.h"
#include "kit/ui/TextField.h"
#include "kit/ui/Slider.h"
#include "kit/ui/Switch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace kit {
namespace {

struct Dot : View {
    using View::View;
    int draws = 0;
    void drawRect(Context& c, const Rect& r) override {
        ++draws;
        c.setFillColor(Color::redColor());
        c.fillEllipse(r);
    }
};

// A small screen: a shadowed card with rounded corners and a border, a label, a gradient strip,
// a custom-drawn dot and the standard controls.
std::shared_ptr<View> screen(std::shared_ptr<Dot>& dot) {
    auto root = make<View>(Rect{0, 0, 240, 250});
    root->setBackgroundColor(Color::whiteColor());
    auto card = make<View>(Rect{20, 20, 120, 70});
    card->setBackgroundColor(Color::rgba(0.2, 0.4, 0.9));
    card->layer()->setCornerRadius(12);
    card->layer()->setBorderWidth(3);
    card->layer()->setBorderColor(Color::rgba(0.9, 0.1, 0.1));
    card->layer()->setShadowOpacity(0.6);
    card->layer()->setShadowOffset({4, 6});
    card->layer()->setShadowRadius(6);
    root->addSubview(card);
    auto label = make<Label>(Rect{10, 10, 100, 50});
    label->setText("Tint");
    label->setFont(Font::boldSystem(28));
    label->setTextColor(Color::whiteColor());
    label->setTextAlignment(TextAlignment::center);
    card->addSubview(label);
    auto gradient = make<GradientLayer>();
    gradient->setFrame({160, 20, 60, 70});
    gradient->setColors(std::vector<Color>{Color::yellowColor(), Color::rgba(0.5, 0, 0.5)});
    root->layer()->addSublayer(gradient);
    dot = make<Dot>(Rect{20, 110, 30, 30});
    root->addSubview(dot);
    auto slider = make<Slider>(Rect{60, 110, 100, 31});
    slider->setValue(0.3f);
    root->addSubview(slider);
    auto sw = make<Switch>(Rect{175, 110, 0, 0});
    sw->setOn(true);
    root->addSubview(sw);
    auto segments = make<SegmentedControl>(std::vector<std::string>{"Horizontal", "Vertical"});
    segments->setFrame({20, 155, 200, 32});
    segments->setSelectedSegmentIndex(0);
    segments->setBackgroundColor(Color::gray(214 / 255.0, 0.4037));
    segments->layer()->setCornerRadius(6);
    root->addSubview(segments);
    auto field = make<TextField>(Rect{20, 200, 120, 34});
    field->setBorderStyle(TextBorderStyle::roundedRect);
    field->setPlaceholder("HEX");
    root->addSubview(field);
    auto button = make<Button>(Rect{150, 200, 70, 34}, ButtonType::system);
    button->setTitle("Done");
    root->addSubview(button);
    return root;
}

TEST(ViewDrawing, SmallTreeRendersWhatItShows) {
    std::shared_ptr<Dot> dot;
    auto root = screen(dot);
    root->layoutIfNeeded();
    const Image image = root->snapshot(2);
    ASSERT_EQ(image.pixelWidth(), 480);
    const auto dir = std::filesystem::path(::testing::TempDir());
    ASSERT_TRUE(image.savePNG((dir / "view-tree.png").string()));
    if (const char* keep = std::getenv("TINCTURA_KEEP_RENDERS")) image.savePNG(std::string(keep) + "/view-tree.png");

    auto at = [&](double x, double y) { return image.colorAt(static_cast<int>(x * 2), static_cast<int>(y * 2)); };
    auto close = [](const Color& c, double r, double g, double b) {
        return std::abs(c.red() - r) < 0.06 && std::abs(c.green() - g) < 0.06 && std::abs(c.blue() - b) < 0.06;
    };
    EXPECT_TRUE(close(at(5, 5), 1, 1, 1)) << "background";
    EXPECT_TRUE(close(at(30, 75), 0.2, 0.4, 0.9)) << "card";
    EXPECT_TRUE(close(at(21, 55), 0.9, 0.1, 0.1)) << "border";
    EXPECT_TRUE(close(at(21, 21), 1, 1, 1)) << "rounded corner left out";
    const Color shadow = at(80, 93);
    EXPECT_LT(shadow.red(), 0.85) << "shadow under the card";
    EXPECT_GT(at(80, 104).red(), shadow.red()) << "shadow fades";
    EXPECT_TRUE(close(at(190, 21), 1, 1, 0)) << "gradient top";
    EXPECT_TRUE(close(at(190, 89), 0.5, 0, 0.5)) << "gradient bottom";
    EXPECT_TRUE(close(at(35, 125), 1, 0, 0)) << "custom drawing";
    EXPECT_TRUE(close(at(190, 125), 52 / 255.0, 199 / 255.0, 89 / 255.0)) << "switch on";
    EXPECT_TRUE(close(at(30, 160), 1, 1, 1)) << "selected segment";
    EXPECT_FALSE(close(at(200, 160), 1, 1, 1)) << "the other segment shows the grey behind it";
    // Some white text pixels inside the card, where the label is.
    int textPixels = 0;
    for (int y = 40; y < 70; ++y)
        for (int x = 50; x < 110; ++x)
            if (close(at(x, y), 1, 1, 1)) ++textPixels;
    EXPECT_GT(textPixels, 40);

    // The dot's drawing is kept between frames until it asks to be drawn again.
    EXPECT_EQ(dot->draws, 1);
    (void)root->snapshot(2);
    EXPECT_EQ(dot->draws, 1);
    dot->setNeedsDisplay();
    (void)root->snapshot(2);
    EXPECT_EQ(dot->draws, 2);
    // One pixel read at scale 1 agrees with what is shown.
    const auto px = root->layer()->pixelAt({35, 125});
    EXPECT_EQ(px[0], 255);
    EXPECT_EQ(px[1], 0);
}

} // namespace
} // namespace kit
