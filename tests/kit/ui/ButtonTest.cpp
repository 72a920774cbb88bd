#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/TextMetrics.h"
#include "kit/ui/Button.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

Image square(double side, const Color& color) {
    auto image = Image::make(side, side, 2);
    Context c(*image);
    c.setFillColor(color);
    c.fillRect({0, 0, side, side});
    return std::move(*image);
}

TEST(Button, StatesFallBackToNormal) {
    auto b = make<Button>();
    b->setTitle("Save");
    b->setTitleColor(Color::redColor());
    b->setTitle("Saving", ControlState::highlighted);
    EXPECT_EQ(b->currentTitle(), "Save");
    b->setHighlighted(true);
    EXPECT_EQ(b->currentTitle(), "Saving");
    EXPECT_EQ(b->titleLabel()->text(), "Saving");
    EXPECT_EQ(b->titleColorForState(ControlState::highlighted), Color::redColor());
    b->setHighlighted(false);
    b->setSelected(true);
    EXPECT_EQ(b->currentTitle(), "Save");
    b->setTitle(std::nullopt);
    EXPECT_FALSE(b->currentTitle());
    EXPECT_TRUE(b->titleLabel()->isHidden());
    // Attributed titles win over plain ones.
    b->setTitle("plain");
    b->setAttributedTitle(AttributedString("?"));
    EXPECT_EQ(b->currentTitle(), "?");
    // Default colours: white for custom buttons, the tint for system ones.
    EXPECT_EQ(make<Button>()->titleColorForState(ControlState::normal), Color::whiteColor());
    auto system = make<Button>(ButtonType::system);
    system->setTintColor(Color::greenColor());
    EXPECT_EQ(system->titleColorForState(ControlState::normal), Color::greenColor());
}

TEST(Button, ContentSizeAndPlacement) {
    FixedTextMetricsScope metrics;
    auto b = make<Button>(Rect{0, 0, 200, 60});
    b->titleLabel()->setFont(Font::system(10));
    b->setTitle("Add");  // 15 x 12
    b->setImage(square(20, Color::blueColor()));
    EXPECT_EQ(b->intrinsicContentSize(), (Size{35, 20}));
    b->setContentEdgeInsets({5, 10, 5, 10});
    EXPECT_EQ(b->intrinsicContentSize(), (Size{55, 30}));
    b->layoutIfNeeded();
    // Image then title, centred as a group.
    EXPECT_EQ(b->imageView()->frame(), (Rect{82.5, 20, 20, 20}));
    EXPECT_EQ(b->titleLabel()->frame(), (Rect{102.5, 24, 15, 12}));
    b->setContentVerticalAlignment(ContentVerticalAlignment::top);
    b->layoutIfNeeded();
    EXPECT_EQ(b->titleLabel()->frame().y(), 5);

    // A title allowed several lines asks for the height it needs at a given width.
    b->setImage(std::nullopt);
    b->setTitle("Add to list"); // 55 points on one line
    b->titleLabel()->setNumberOfLines(0);
    EXPECT_EQ(b->heightForWidth(20 + 30), 10 + 36) << "three lines in 30 points";

    // An image alone follows the content mode over the whole button.
    auto icon = make<Button>(Rect{0, 0, 40, 40});
    icon->setImage(square(20, Color::blueColor()));
    icon->setBackgroundImage(std::nullopt);
    icon->setContentMode(ContentMode::scaleAspectFit);
    icon->layoutIfNeeded();
    EXPECT_EQ(icon->imageView()->frame(), (Rect{0, 0, 40, 40}));
    EXPECT_EQ(icon->imageView()->contentMode(), ContentMode::scaleAspectFit);
    EXPECT_FALSE(icon->imageView()->isUserInteractionEnabled());
}

} // namespace
} // namespace kit
