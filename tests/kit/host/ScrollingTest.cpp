#include "kit/host/Headless.h"

#include "kit/base/Make.h"
#include "kit/ui/Application.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/ScrollView.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/ViewController.h"
#include "kit/ui/Window.h"

#include <gtest/gtest.h>

namespace kit::host {
namespace {

struct Rows : CollectionViewDataSource, CollectionViewDelegate {
    std::vector<IndexPath> selected;
    int count = 40;
    int numberOfItemsInSection(CollectionView&, int) override { return count; }
    std::shared_ptr<CollectionViewCell> cellForItemAt(CollectionView& view, const IndexPath& path) override {
        return view.dequeueReusableCell("row", path);
    }
    std::optional<Size> sizeForItemAt(CollectionView& view, const IndexPath&) override {
        return Size{view.bounds().width(), 80};
    }
    void didSelectItemAt(CollectionView&, const IndexPath& path) override { selected.push_back(path); }
};

struct ListScreen : ViewController {
    std::shared_ptr<CollectionView> list;
    std::shared_ptr<Rows> rows = std::make_shared<Rows>();
    bool bounces = true;
    void viewDidLoad() override {
        FlowLayout layout;
        layout.minimumLineSpacing = 0;
        list = kit::make<CollectionView>(view()->bounds(), layout);
        list->registerCellClass<CollectionViewCell>("row");
        list->setAlwaysBounceVertical(bounces);
        list->setDataSource(rows);
        list->setDelegate(rows);
        view()->addSubview(list);
    }
};

struct ScrollingFixture : ::testing::Test {
    void SetUp() override { Application::resetShared(); }
    void TearDown() override { Application::resetShared(); }
};

TEST_F(ScrollingFixture, DragScrollsDecelerationStopsInRangeAndTapsSelect) {
    Headless host;
    auto screen = kit::make<ListScreen>();
    host.setRootViewController(screen);
    auto& list = screen->list;
    // The list reaches under the notch and the home indicator: its insets grow by the safe area.
    EXPECT_EQ(list->adjustedContentInset(), (EdgeInsets{44, 0, 34, 0}));

    host.drag({{200, 600}, {200, 500}, {200, 400}}, 0.2);
    double afterDrag = list->contentOffset().y;
    EXPECT_GT(afterDrag, 150);
    host.advance(3);
    EXPECT_GT(list->contentOffset().y, afterDrag) << "the list carries on after the finger lifts";
    EXPECT_FALSE(list->isDecelerating());
    EXPECT_LE(list->contentOffset().y, list->maximumContentOffset().y);

    // A fling far past the end comes back to rest at the end.
    for (int i = 0; i < 6; ++i) host.drag({{200, 700}, {200, 100}}, 0.05);
    host.advance(5);
    EXPECT_EQ(list->contentOffset().y, list->maximumContentOffset().y);
    EXPECT_EQ(list->maximumContentOffset().y, 40 * 80 + 34 - 812);

    list->setContentOffset({0, -44});
    host.tap(Point{100, 44 + 80 + 40});
    EXPECT_EQ(screen->rows->selected, std::vector<IndexPath>{(IndexPath{0, 1})});
}

TEST_F(ScrollingFixture, PageKeysMoveTheListUnderThePointerOrTheLargestAndHomeEndReachTheEnds) {
    Headless host;
    auto screen = kit::make<ListScreen>();
    host.setRootViewController(screen);
    auto& list = screen->list;
    const double top = list->minimumContentOffset().y, bottom = list->maximumContentOffset().y;
    // What shows between the notch and the home indicator, less one line kept in sight.
    const double page = 812 - 44 - 34 - ScrollView::wheelLineHeight;
    const double start = list->contentOffset().y;

    EXPECT_TRUE(host.pressKey(Key::pageDown));
    EXPECT_EQ(list->contentOffset().y, start + page);
    EXPECT_TRUE(host.pressKey(Key::pageDown));
    EXPECT_TRUE(host.pressKey(Key::pageUp));
    EXPECT_EQ(list->contentOffset().y, start + page);
    EXPECT_TRUE(host.pressKey(Key::end));
    EXPECT_EQ(list->contentOffset().y, bottom);
    EXPECT_TRUE(host.pressKey(Key::pageDown));
    EXPECT_EQ(list->contentOffset().y, bottom) << "no further than the end";
    EXPECT_TRUE(host.pressKey(Key::home));
    EXPECT_EQ(list->contentOffset().y, top);
    EXPECT_TRUE(host.pressKey(Key::pageUp));
    EXPECT_EQ(list->contentOffset().y, top);

    // A small strip of its own: the keys go to the one under the pointer, else the largest.
    auto strip = kit::make<ScrollView>(Rect{0, 700, 375, 100});
    strip->setContentSize({375, 1000});
    screen->view()->addSubview(strip);
    host.settle();
    EXPECT_TRUE(host.pressKey(Key::end, Point{100, 750}));
    EXPECT_EQ(strip->contentOffset().y, strip->maximumContentOffset().y);
    EXPECT_EQ(list->contentOffset().y, top);
    EXPECT_TRUE(host.pressKey(Key::end));
    EXPECT_EQ(list->contentOffset().y, bottom);

    // Nothing that scrolls: the keys mean nothing.
    screen->rows->count = 3;
    list->reloadData();
    strip->removeFromSuperview();
    host.settle();
    EXPECT_FALSE(host.pressKey(Key::pageDown));
}

TEST_F(ScrollingFixture, HorizontalSwipesOnRowsOfAVerticalListReachTheRows) {
    for (int count : {40, 3}) { // a list that scrolls, and one whose rows all fit
        Headless host;
        auto screen = kit::make<ListScreen>();
        screen->rows->count = count;
        screen->bounces = count > 3;
        host.setRootViewController(screen);
        auto& list = screen->list;
        int left = 0, right = 0;
        auto row = list->cellForItemAt({0, 1});
        ASSERT_TRUE(row);
        for (auto [direction, counter] : {std::pair{SwipeDirection::left, &left}, std::pair{SwipeDirection::right, &right}}) {
            auto swipe = kit::make<SwipeGesture>([counter](GestureRecognizer&) { ++*counter; });
            swipe->setDirection(direction);
            row->addGestureRecognizer(swipe);
        }
        const Point start = row->convertPointTo({0, 0}, nullptr);
        const Point offset = list->contentOffset();
        // A finger moving a few points per event, as real input does: the list's pan could
        // begin well before the swipe has travelled far enough.
        auto stroke = [&](Point from, Point to) {
            std::vector<Point> points;
            for (int i = 0; i <= 40; ++i) points.push_back({from.x + (to.x - from.x) * i / 40, from.y + (to.y - from.y) * i / 40});
            host.drag(points, 0.3);
        };
        stroke({start.x + 300, start.y + 40}, {start.x + 100, start.y + 48});
        stroke({start.x + 100, start.y + 40}, {start.x + 300, start.y + 30});
        EXPECT_EQ(left, 1) << count;
        EXPECT_EQ(right, 1) << count;
        EXPECT_EQ(list->contentOffset(), offset) << count;
        if (count == 3) continue;
        // A mostly vertical drag from the same row still scrolls the list and swipes nothing.
        host.advance(1);
        host.drag({{start.x + 200, start.y + 40}, {start.x + 210, start.y - 60}, {start.x + 220, start.y - 160}}, 0.3);
        EXPECT_GT(list->contentOffset().y, offset.y + 100);
        EXPECT_EQ(left + right, 2);
    }
}

TEST_F(ScrollingFixture, WheelStepsScrollLinesTouchpadDeltasScrollPointsWithinTheEnds) {
    Headless host;
    auto screen = kit::make<ListScreen>();
    host.setRootViewController(screen);
    auto& list = screen->list;
    const double top = list->minimumContentOffset().y, end = list->maximumContentOffset().y;
    const double start = list->contentOffset().y;

    EXPECT_TRUE(host.wheel({200, 400}, 3));
    EXPECT_EQ(list->contentOffset().y, start + 3 * ScrollView::wheelLineHeight);
    EXPECT_TRUE(host.scroll({200, 400}, {0, 10.5}));
    EXPECT_EQ(list->contentOffset().y, start + 3 * ScrollView::wheelLineHeight + 10.5);
    EXPECT_TRUE(host.scroll({200, 400}, {0, -4.25}));
    EXPECT_EQ(list->contentOffset().y, start + 3 * ScrollView::wheelLineHeight + 6.25);

    host.wheel({200, 400}, 1000);
    EXPECT_EQ(list->contentOffset().y, end);
    host.wheel({200, 400}, -1000);
    EXPECT_EQ(list->contentOffset().y, top);
    // Ctrl + wheel zooms where something can; a list does not scroll for it.
    EXPECT_FALSE(host.wheel({200, 400}, 3, true));
    EXPECT_EQ(list->contentOffset().y, top);
    EXPECT_FALSE(list->isDecelerating());

    // A list whose rows all fit has nothing to scroll: the wheel passes through it.
    screen->rows->count = 3;
    list->reloadData();
    host.settle();
    EXPECT_FALSE(host.wheel({200, 400}, 3));
}

TEST_F(ScrollingFixture, AVerticalWheelOverASidewaysStripScrollsThePageAndShiftScrollsTheStrip) {
    Headless host;
    auto screen = kit::make<ViewController>();
    host.setRootViewController(screen);
    auto page = kit::make<ScrollView>(screen->view()->bounds());
    page->setContentSize({375, 2000});
    auto strip = kit::make<ScrollView>(Rect{0, 200, 375, 100});
    strip->setContentSize({1500, 100});
    page->addSubview(strip);
    screen->view()->addSubview(page);
    host.settle();
    const Point pageStart = page->contentOffset();

    host.wheel({100, 250}, 2);
    EXPECT_EQ(page->contentOffset().y, pageStart.y + 2 * ScrollView::wheelLineHeight);
    EXPECT_EQ(strip->contentOffset().x, 0);

    host.wheel({100, 250 - 2 * ScrollView::wheelLineHeight}, 2, false, true);
    EXPECT_EQ(strip->contentOffset().x, 2 * ScrollView::wheelLineHeight);
    EXPECT_EQ(page->contentOffset().y, pageStart.y + 2 * ScrollView::wheelLineHeight);
    EXPECT_TRUE(host.scroll({100, 150}, {-30, 0}));
    EXPECT_EQ(strip->contentOffset().x, 2 * ScrollView::wheelLineHeight - 30);
}

} // namespace
} // namespace kit::host
