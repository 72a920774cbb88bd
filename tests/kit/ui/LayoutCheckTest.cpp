// The screen tests' layout check on a small screen of its own: it must catch a misplaced label and
// leave a clean screen alone.
#include "LayoutCheck.h"

#include "kit/base/Make.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Slider.h"
#include "kit/ui/View.h"

#include <gtest/gtest.h>

namespace {

using layoutcheck::Finding;

struct LayoutCheckFixture : ::testing::Test {
    const kit::EdgeInsets safeArea{20, 0, 0, 0};
    std::shared_ptr<kit::View> screen = kit::make<kit::View>(kit::Rect{0, 0, 320, 480});
    std::shared_ptr<kit::Label> title = label("Colours", {20, 40, 200, 30});
    std::shared_ptr<kit::Button> save = button("Save", {240, 40, 70, 30});
    std::shared_ptr<kit::Slider> slider = kit::make<kit::Slider>(kit::Rect{20, 400, 280, 30});

    void SetUp() override {
        for (const auto& v : std::initializer_list<std::shared_ptr<kit::View>>{title, save, slider}) screen->addSubview(v);
    }
    static std::shared_ptr<kit::Label> label(const std::string& text, const kit::Rect& frame) {
        auto l = kit::make<kit::Label>(frame);
        l->setText(text);
        return l;
    }
    static std::shared_ptr<kit::Button> button(const std::string& title, const kit::Rect& frame) {
        auto b = kit::make<kit::Button>(frame);
        b->setTitle(title);
        b->layoutIfNeeded();
        return b;
    }
    layoutcheck::LayoutCheck check() const { return layoutcheck::LayoutCheck(*screen, safeArea); }
};

TEST_F(LayoutCheckFixture, CleanScreenHasNoFindings) {
    const auto findings = check().run();
    EXPECT_TRUE(findings.empty()) << layoutcheck::describe(findings);
}

TEST_F(LayoutCheckFixture, MisplacedLabelOverAControlIsReportedByBothNames) {
    screen->addSubview(label("FF9F28", {30, 395, 100, 30}));
    const auto findings = check().run();
    ASSERT_EQ(findings.size(), 1u) << layoutcheck::describe(findings);
    EXPECT_EQ(findings[0].kind, Finding::Kind::overlap);
    EXPECT_NE(findings[0].describe().find("Slider"), std::string::npos) << findings[0].describe();
    EXPECT_NE(findings[0].describe().find("\"FF9F28\""), std::string::npos) << findings[0].describe();
}

TEST_F(LayoutCheckFixture, DeclaredOverlapPasses) {
    auto caption = label("MAIN", {25, 405, 60, 20});
    screen->addSubview(caption);
    EXPECT_FALSE(check().run().empty());
    auto declared = check();
    declared.allowOverlap(layoutcheck::showing("MAIN"), layoutcheck::ofType<kit::Slider>(), "a caption on its own slider");
    EXPECT_TRUE(declared.run().empty());
}

TEST_F(LayoutCheckFixture, OutsideTheScreenOrTheSafeArea) {
    struct Case {
        kit::Rect frame;
        Finding::Kind kind;
    };
    for (const Case& c : {Case{{280, 200, 80, 30}, Finding::Kind::offScreen}, Case{{100, 5, 80, 30}, Finding::Kind::outsideSafeArea}}) {
        auto stray = label("Hex", c.frame);
        screen->addSubview(stray);
        const auto findings = check().run();
        ASSERT_EQ(findings.size(), 1u) << layoutcheck::describe(findings);
        EXPECT_EQ(findings[0].kind, c.kind) << findings[0].describe();
        stray->removeFromSuperview();
    }
}

TEST_F(LayoutCheckFixture, TextThatNeedsMoreRoomThanItsFrame) {
    auto narrow = label("Split-Complementary", {20, 100, 40, 30});
    auto lines = label("R: 255\nG: 159\nB: 40", {20, 200, 120, 30});
    lines->setNumberOfLines(0);
    auto cramped = button("Monochrome and more", {20, 300, 60, 30});
    auto shrinking = label("Split-Complementary", {200, 100, 60, 30});
    shrinking->setAdjustsFontSizeToFitWidth(true);
    shrinking->setMinimumScaleFactor(0.3);
    for (const auto& v : std::initializer_list<std::shared_ptr<kit::View>>{narrow, lines, cramped, shrinking}) screen->addSubview(v);

    std::vector<std::string> clipped;
    for (const auto& f : check().run()) {
        EXPECT_EQ(f.kind, Finding::Kind::clippedText) << f.describe();
        clipped.push_back(f.first);
    }
    EXPECT_EQ(clipped, (std::vector<std::string>{"Label \"Split-Complementary\"", "Label \"R: 255|G: 159|B: 40\"",
                                                  "Button \"Monochrome and more\""}));
}

TEST_F(LayoutCheckFixture, HiddenAndClippedAwayViewsAreNotSeen) {
    auto hidden = label("Hidden", {30, 395, 100, 30});
    hidden->setHidden(true);
    auto clipper = kit::make<kit::View>(kit::Rect{0, 100, 320, 100});
    clipper->setClipsToBounds(true);
    clipper->addSubview(label("Scrolled away", {20, 300, 200, 30}));  // lands on the slider, but clipped
    for (const auto& v : std::initializer_list<std::shared_ptr<kit::View>>{hidden, clipper}) screen->addSubview(v);
    const auto findings = check().run();
    EXPECT_TRUE(findings.empty()) << layoutcheck::describe(findings);
}

} // namespace
