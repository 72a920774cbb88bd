#include "app/ui/Ext.h"

#include "kit/base/Make.h"
#include "kit/ui/Layer.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

namespace app {
namespace {

struct Tree : ::testing::Test {
    std::shared_ptr<kit::View> root = kit::make<kit::View>(kit::Rect{0, 0, 400, 800});
    std::shared_ptr<kit::View> child = kit::make<kit::View>();
    void SetUp() override {
        root->setWindowRoot(true);
        root->addSubview(child);
    }
    void TearDown() override { root->setWindowRoot(false); }
    kit::Rect laidOut() {
        root->layoutIfNeeded();
        return child->frame();
    }
};

TEST_F(Tree, AnchorBottomIsAnOffsetAndAnchorWithCenterBottomIsAnInset) {
    struct Case {
        bool centered;
        double bottomPadding;
        double expectedMaxY;
    };
    const Case cases[] = {{false, 20, 820}, {false, -20, 780}, {true, 20, 780}};
    for (const auto& c : cases) {
        child->removeFromSuperview();
        child = kit::make<kit::View>();
        root->addSubview(child);
        if (c.centered)
            anchorWithCenter(*child, std::nullopt, root->leftAnchor(), root->bottomAnchor(), root->rightAnchor(),
                             std::nullopt, std::nullopt, 0, 10, c.bottomPadding, 30, 0, 50);
        else
            anchor(*child, std::nullopt, root->leftAnchor(), root->bottomAnchor(), root->rightAnchor(), 0, 10,
                   c.bottomPadding, 30, 0, 50);
        EXPECT_EQ(laidOut(), (kit::Rect{10, c.expectedMaxY - 50, 360, 50})) << c.bottomPadding << " " << c.centered;
    }
}

TEST_F(Tree, ZeroWidthOrHeightAddsNoSizeConstraint) {
    auto list = anchor(*child, root->topAnchor(), std::nullopt, root->bottomAnchor(), std::nullopt, 5, 0, 0, 0, 0, 0);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_FALSE(child->translatesAutoresizingMaskIntoConstraints());
    auto centred = anchorWithCenter(*child, std::nullopt, std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(),
                                    std::nullopt, 0, 0, 0, 0, 120, 0);
    EXPECT_EQ(centred.size(), 2u);
    EXPECT_EQ(laidOut(), (kit::Rect{140, 5, 120, 795}));
}

TEST_F(Tree, VisualFormatKeysViewsByPosition) {
    auto a = kit::make<kit::View>(), b = kit::make<kit::View>();
    root->addSubview(a);
    root->addSubview(b);
    auto list = addConstraintsWithFormat("H:|[v2]|", {a, child, b});
    EXPECT_EQ(list.size(), 2u);
    addConstraintsWithFormat("V:|[v0]|", {b});
    root->layoutIfNeeded();
    EXPECT_EQ(b->frame(), (kit::Rect{0, 0, 400, 800}));
}

TEST_F(Tree, ShadowLayerHangsAboveTheClippingView) {
    child->setFrame({0, 0, 120, 80});
    auto layer = makeShadowLayer(*child);
    EXPECT_TRUE(child->clipsToBounds());
    EXPECT_EQ(layer->bounds(), (kit::Rect{0, 0, 120, 80}));
    EXPECT_EQ(layer->position(), (kit::Point{60, 0.25 - 40}));
    EXPECT_EQ(layer->shadowOpacity(), 0.6);
    EXPECT_EQ(layer->shadowRadius(), 6);

    addShadowLayer(*child);
    addShadowLayer(*child);
    EXPECT_EQ(child->layer()->sublayers().size(), 1u) << "a second call replaces the first shadow";
}

TEST(AttributedTitle, TextAndOneSpaceInTheRegularFont) {
    auto title = makeAttributedTitle("Triad");
    EXPECT_EQ(title.string(), "Triad ");
    EXPECT_EQ(title.attributesAt(0).font.pointSize(), 20);
    EXPECT_EQ(title.attributesAt(0).foregroundColor, kit::Color::whiteColor());
}

} // namespace
} // namespace app

#include "app/ui/BaseCells.h"

namespace app {
namespace {

struct SwatchCell : BaseCVCell {
    int setups = 0;
    std::shared_ptr<kit::View> swatch;
    void setupViews() override {
        ++setups;
        swatch = kit::make<kit::View>();
        contentView()->addSubview(swatch);
        addConstraintsWithFormat("H:|[v0]|", {swatch});
        addConstraintsWithFormat("V:|[v0]|", {swatch});
    }
};

TEST(BaseCells, SetupViewsRunsOnceOnTheFinishedCell) {
    auto cell = kit::make<SwatchCell>();
    EXPECT_EQ(cell->setups, 1);
    cell->setFrame({0, 0, 80, 40});
    cell->setWindowRoot(true);
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->swatch->frame(), (kit::Rect{0, 0, 80, 40}));
    cell->setWindowRoot(false);
}

} // namespace
} // namespace app
