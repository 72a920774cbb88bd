#include "kit/base/Make.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/TableView.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kit {
namespace {

struct Cell : CollectionViewCell {
    int reuses = 0;
    void prepareForReuse() override { ++reuses; }
};

// Items of a third of the width less 8, as the combination lists size them.
struct Grid : CollectionViewDataSource, CollectionViewDelegate {
    int count = 0;
    int made = 0;
    int sizeQueries = 0;
    std::vector<IndexPath> selected;
    int numberOfItemsInSection(CollectionView&, int) override { return count; }
    std::shared_ptr<CollectionViewCell> cellForItemAt(CollectionView& view, const IndexPath& path) override {
        auto cell = view.dequeueReusableCell("cell", path);
        cell->setTag(path.item);
        return cell;
    }
    std::optional<Size> sizeForItemAt(CollectionView& view, const IndexPath&) override {
        ++sizeQueries;
        return Size{view.bounds().width() / 3 - 8, 60};
    }
    void didSelectItemAt(CollectionView&, const IndexPath& path) override { selected.push_back(path); }
};

struct CollectionFixture : ::testing::Test {
    std::shared_ptr<Grid> grid = std::make_shared<Grid>();
    std::shared_ptr<CollectionView> view = kit::make<CollectionView>(Rect{0, 0, 375, 600});
    void SetUp() override {
        view->registerCell("cell", [this] {
            ++grid->made;
            return kit::make<Cell>();
        });
        view->flowLayout().minimumLineSpacing = 14;
        view->setDelegate(grid);
    }
    void load(int count) {
        grid->count = count;
        view->setDataSource(grid);
        view->layoutIfNeeded();
    }
};

TEST_F(CollectionFixture, FlowLayoutJustifiesThreeItemsPerRow) {
    load(7);
    // 3 x 117 + 2 gaps = 375: the spare width goes into the gaps (12 each).
    EXPECT_EQ(view->frameForItemAt({0, 0}), (Rect{0, 0, 117, 60}));
    EXPECT_EQ(view->frameForItemAt({0, 1}), (Rect{129, 0, 117, 60}));
    EXPECT_EQ(view->frameForItemAt({0, 2}), (Rect{258, 0, 117, 60}));
    EXPECT_EQ(view->frameForItemAt({0, 3}), (Rect{0, 74, 117, 60}));
    // A last line of one item starts at the left.
    EXPECT_EQ(view->frameForItemAt({0, 6}), (Rect{0, 148, 117, 60}));
    EXPECT_EQ(view->contentSize(), (Size{375, 208}));
    EXPECT_EQ(view->frameForItemAt({0, 7}), std::nullopt);
}

TEST_F(CollectionFixture, MakesCellsOnlyNearTheVisibleAreaAndReusesThem) {
    load(1000);
    int madeAtStart = grid->made;
    EXPECT_LT(madeAtStart, 40);
    EXPECT_EQ(view->cellForItemAt({0, 0})->tag(), 0);

    for (double y = 0; y <= 20000; y += 250) {
        view->setContentOffset({0, y});
        view->layoutIfNeeded();
    }
    EXPECT_LE(grid->made, madeAtStart + 6) << "scrolling far reuses the cells that left";
    EXPECT_EQ(view->cellForItemAt({0, 0}), nullptr);
    auto paths = view->indexPathsForVisibleItems();
    ASSERT_FALSE(paths.empty());
    auto cell = view->cellForItemAt(paths.front());
    EXPECT_EQ(cell->tag(), paths.front().item);
    EXPECT_GT(std::static_pointer_cast<Cell>(cell)->reuses, 0);
    EXPECT_EQ(view->indexPathForCell(*cell), paths.front());
}

TEST_F(CollectionFixture, ANewWidthAsksTheSizesAgain) {
    load(6);
    int before = grid->sizeQueries;
    view->setFrame({0, 0, 768, 600});
    view->layoutIfNeeded();
    EXPECT_GT(grid->sizeQueries, before);
    EXPECT_EQ(view->frameForItemAt({0, 1})->x(), 260);
    EXPECT_EQ(view->cellForItemAt({0, 1})->frame(), *view->frameForItemAt({0, 1}));
}

TEST_F(CollectionFixture, SelectionAndScrollToItem) {
    load(100);
    view->tapItem({0, 4});
    EXPECT_EQ(grid->selected, (std::vector<IndexPath>{{0, 4}}));
    EXPECT_EQ(view->indexPathForSelectedItem(), (IndexPath{0, 4}));
    EXPECT_EQ(view->indexPathForItemAtPoint({130, 80}), (IndexPath{0, 4}));

    view->scrollToItem({0, 30}, ScrollPosition::top, false);
    EXPECT_EQ(view->contentOffset().y, 10 * 74);
    // Never past the end.
    view->scrollToItem({0, 99}, ScrollPosition::top, false);
    EXPECT_EQ(view->contentOffset().y, view->maximumContentOffset().y);
}

struct List : TableViewDataSource, TableViewDelegate {
    std::vector<IndexPath> selected;
    int numberOfRowsInSection(TableView&, int) override { return 15; }
    std::shared_ptr<TableViewCell> cellForRowAt(TableView&, const IndexPath&) override {
        return kit::make<TableViewCell>();
    }
    void didSelectRowAt(TableView&, const IndexPath& path) override { selected.push_back(path); }
};

TEST(TableView, RowsOfAFixedHeightWithSelection) {
    auto list = std::make_shared<List>();
    auto table = kit::make<TableView>(Rect{0, 0, 300, 510});
    table->setRowHeight(50);
    table->setDataSource(list);
    table->setDelegate(list);
    table->layoutIfNeeded();
    EXPECT_EQ(table->contentSize(), (Size{300, 750}));
    EXPECT_EQ(table->rectForRowAt({0, 14}), (Rect{0, 700, 300, 50}));
    EXPECT_EQ(table->indexPathForRowAtPoint({10, 125}), (IndexPath{0, 2}));
    table->tapRow({0, 2});
    EXPECT_EQ(list->selected, (std::vector<IndexPath>{{0, 2}}));
    EXPECT_NE(table->cellForRowAt({0, 0}), nullptr);
}

TEST(TableView, SeparatorsComeAndGoWithTheirRowsAndTheLastRowHasNone) {
    auto list = std::make_shared<List>();
    auto table = kit::make<TableView>(Rect{0, 0, 300, 510});
    table->setRowHeight(50);
    table->setDataSource(list);
    table->layoutIfNeeded();
    // The bottoms of the separator lines, in content coordinates.
    auto lines = [&] {
        std::vector<double> bottoms;
        for (auto& v : table->subviews())
            if (!std::dynamic_pointer_cast<TableViewCell>(v) && v->frame().height() == 0.5) bottoms.push_back(v->frame().maxY());
        std::sort(bottoms.begin(), bottoms.end());
        return bottoms;
    };
    // Rows 0 to 12 are made (up to 100 points below the visible area).
    ASSERT_EQ(lines().size(), 13u);
    EXPECT_EQ(lines().front(), 50);
    EXPECT_EQ(lines().back(), 650);
    table->setContentOffset({0, 240}); // the end: rows 2 to 14 are made, the last without a line
    ASSERT_EQ(lines().size(), 12u);
    EXPECT_EQ(lines().front(), 150);
    EXPECT_EQ(lines().back(), 700);
    table->setSeparatorStyle(TableViewSeparatorStyle::none);
    table->layoutIfNeeded();
    EXPECT_TRUE(lines().empty());
}

} // namespace
} // namespace kit
