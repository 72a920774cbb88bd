// The colour tile and the swatch catalogue: captions, shadows and gestures of the tile by host
// flags; the stored set, the menu of ten sets and the rows of each kind.
#include "CombinationsFixture.h"
#include "ContrastProbe.h"
#include "ScreenLayoutCheck.h"

#include "app/SavedData.h"
#include "colour/ColorCodeText.h"
#include "colour/SwatchPalettes.h"
#include "colour/HexText.h"
#include "app/ui/InfoView.h"
#include "combinations/ColorCell.h"
#include "combinations/SwatchesVC.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/StackView.h"
#include "kit/ui/Window.h"
#include "wheels/digital/DcwVC.h"

namespace {

using combinations::ColorCell;
using combinations::SwatchEnum;
using combinations::SwatchesVC;
using kit::Color;

struct Swatches : CombinationsFixture {
    std::shared_ptr<ColorCell> tile() {
        auto cell = kit::make<ColorCell>();
        cell->setFrame({0, 0, 375, 70});
        return cell;
    }
    std::shared_ptr<SwatchesVC> open() { return push<SwatchesVC>("SwatchesVC"); }
    void choose(SwatchesVC& s, const std::string& title) {
        host->tap(s.modeNowBtn);
        host->advance(1);
        for (auto& v : s.modeNowMenuStack->arrangedSubviews())
            if (v->accessibilityIdentifier() == title) host->tap(v);
        host->advance(1);
    }
    std::vector<std::string> captions(SwatchesVC& s, std::size_t n) {
        std::vector<std::string> out;
        for (int i = 0; i < static_cast<int>(n); ++i)
            if (auto c = std::dynamic_pointer_cast<ColorCell>(s.collectionView->cellForItemAt(kit::IndexPath::forItem(i, 0))))
                out.push_back(c->colorHexLabel->text());
        return out;
    }
};

TEST_F(Swatches, TileCaptionShadowAndGesturesFollowTheHostFlags) {
    const Color green = Color::rgba(0.2, 0.6, 0.2);
    const colour::ColorWithName named{"556B2F", "DarkOliveGreen"};
    struct Case {
        std::optional<Color> color;
        std::optional<colour::ColorWithName> name;
        bool withActions;
        int index;
        bool isHtml, withoutShadow, withNumber, withoutWheel;
        std::string caption;
        bool shadow;
        std::size_t recognisers;
    };
    const std::string code = colour::colorCodeString(green);
    const Case cases[] = {
        {green, {}, true, 0, false, false, false, false, code, false, 3},                // catalogue, first row
        {green, {}, true, 1, false, false, false, false, code, true, 3},                 // later rows: shadow
        {green, {}, true, 2, false, true, true, true, code + " (3)", false, 2},         // group generator
        {green, {}, true, 2, false, false, false, true, code, true, 2},                  // light tool
        {green, {}, false, 3, false, false, false, false, code, true, 0},                // overlay: no gestures
        {std::nullopt, named, true, 1, true, true, false, false, " DARK OLIVE GREEN", true, 2},  // named: always shadowed
        {std::nullopt, named, false, 0, false, false, false, false, "DARKOLIVEGREEN", false, 0},
    };
    for (const auto& c : cases) {
        auto cell = tile();
        cell->configure(c.color, c.withActions, c.name, c.index, c.isHtml, c.withoutShadow, c.withNumber, c.withoutWheel);
        EXPECT_EQ(cell->colorHexLabel->text(), c.caption);
        EXPECT_EQ(cell->hasShadow(), c.shadow) << c.caption << " row " << c.index;
        EXPECT_EQ(cell->gestureRecognizers().size(), c.recognisers) << c.caption << " row " << c.index;
        // Reconfiguring a reused tile the same way adds nothing.
        cell->configure(c.color, c.withActions, c.name, c.index, c.isHtml, c.withoutShadow, c.withNumber, c.withoutWheel);
        EXPECT_EQ(cell->gestureRecognizers().size(), c.recognisers);
    }
    auto cell = tile();
    cell->configure(Color::rgba(0.9, 0.9, 0.2), false, std::nullopt, 0, false, false, false, false);
    EXPECT_EQ(cell->colorHexLabel->textColor(), Color::hsb(0, 0, 0, 0.7));
    cell->configure(std::nullopt, false, colour::ColorWithName{"#101010", "10"}, 0, false, false, false, false);
    EXPECT_EQ(cell->colorHexLabel->textColor(), Color::hsb(0, 0, 1, 0.7));
    EXPECT_EQ(cell->bgView->backgroundColor(), colour::colorFromHex("101010"));
}

// Names on dark reds (which brightness alone calls bright) and on light and dark colours: as drawn,
// each reaches the readable ratio on its tile.
TEST_F(Swatches, EveryNameIsReadableOnItsTile) {
    for (const char* hex : {"990000", "8B0000", "800000", "FFFF50", "1A237E"}) {
        auto cell = tile();
        cell->configure(std::nullopt, false, colour::ColorWithName{hex, "Dark Red"}, 0, false, true, false, false);
        cell->layoutIfNeeded();
        const auto& label = *cell->colorHexLabel;
        const double ratio = contrastprobe::strongestContrast(cell->snapshot(2), label.convertRectTo(label.bounds(), cell.get()),
                                                              colour::colorFromHex(hex));
        EXPECT_GE(ratio, 4.5) << hex;
    }
}

TEST_F(Swatches, FirstVisitShowsSummerAndLeavingStoresTheIndex) {
    auto screen = open();
    EXPECT_EQ(screen->selectedSwatch, SwatchEnum::summer);
    EXPECT_EQ(screen->modeNowBtn->titleForState(kit::ControlState::normal), "Summer");
    EXPECT_EQ(screen->collectionView->numberOfItemsInSection(0), static_cast<int>(colour::summerColors().size()));
    screenshot("swatches-summer-phone");
    pop();
    EXPECT_EQ(defaults().integer(app::Keys::lastSwatch), 0);

    const std::pair<long long, SwatchEnum> stored[] = {
        {9, SwatchEnum::grayscale5}, {4, SwatchEnum::oilPaint}, {10, SwatchEnum::summer}, {-1, SwatchEnum::summer}};
    for (const auto& [value, set] : stored) {
        defaults().set(value, app::Keys::lastSwatch);
        auto again = open();
        EXPECT_EQ(again->selectedSwatch, set) << value;
        pop();
    }
}

TEST_F(Swatches, MenuChoosesASetScrollsToTheTopAndTheRowsFollowTheSetKind) {
    defaults().set(9, app::Keys::lastSwatch);
    auto screen = open();
    EXPECT_EQ(captions(*screen, 6), (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
    screenshot("swatches-grayscale5-phone");

    choose(*screen, "Material Design");
    EXPECT_EQ(screen->selectedSwatch, SwatchEnum::material);
    EXPECT_EQ(screen->collectionView->numberOfItemsInSection(0), 255);
    EXPECT_EQ(screen->colorsWithNameArray.size(), 6u);  // the named rows of before stay, unread
    EXPECT_FALSE(screen->tap->view());                  // menu closed
    screen->collectionView->setContentOffset({0, 3000});
    host->advance(1);

    choose(*screen, "HTML/CSS by name");
    host->advance(1);
    EXPECT_EQ(screen->collectionView->contentOffset().y, 0);
    const auto first = captions(*screen, 1).front();
    EXPECT_EQ(first.front(), ' ');  // spaced names
    EXPECT_EQ(haptics(), 0u);
    screenshot("swatches-html-phone");

    choose(*screen, "Wikipedia");
    EXPECT_EQ(screen->collectionView->numberOfItemsInSection(0), static_cast<int>(colour::wikipediaColorNamesSorted().size()));
    EXPECT_LE(screen->collectionView->indexPathsForVisibleItems().size(), 20u);
    pop();
    EXPECT_EQ(defaults().integer(app::Keys::lastSwatch), 5);
}

TEST_F(Swatches, RowsCopySaveAndOpenPlainColoursInTheWheel) {
    auto screen = open();
    auto row = screen->collectionView->cellForItemAt(kit::IndexPath::forItem(1, 0));
    ASSERT_TRUE(row);
    const auto c = centerOf(*row);
    host->tap(c);
    host->advance(1);
    const auto expected = colour::hexString(colour::summerColors()[1]);
    EXPECT_EQ(pasteboard(), "#" + expected);
    host->longPress(c, 1.0);
    host->advance(2);
    ASSERT_EQ(stored("colorPicker").size(), 1u);
    EXPECT_EQ(stored("colorPicker")[0].color1(), expected);
    flick(*row, 120);
    EXPECT_TRUE(std::dynamic_pointer_cast<wheels::DcwVC>(nav->topViewController()));
}

TEST_F(Swatches, InfoOverlayTellsTheGesturesAndTheMenuClosesIt) {
    auto screen = open();
    screen->showInfo();
    host->advance(1);
    ASSERT_TRUE(screen->infoView);
    const auto text = screen->infoView->infoLbl()->attributedText()->string();
    EXPECT_NE(text.find("Long press - add to \"Color Combinations > Single\"."), std::string::npos) << text;
    screenshot("swatches-info-phone");
    screen->openModeNowMenu();
    EXPECT_FALSE(screen->infoView);
}

TEST_F(Swatches, EscapeClosesTheMenuThenTheInfoThenLeavesTheScreen) {
    using kit::host::Key;
    auto screen = open();
    screen->showInfo();
    host->advance(1);
    ASSERT_TRUE(screen->infoView);
    EXPECT_TRUE(host->pressKey(Key::escape));
    host->advance(1);
    EXPECT_FALSE(screen->infoView);

    host->tap(screen->modeNowBtn);
    host->advance(1);
    ASSERT_FALSE(screen->menuStackView->isHidden());
    EXPECT_TRUE(host->pressKey(Key::escape));
    host->advance(1);
    EXPECT_TRUE(screen->menuStackView->isHidden());
    EXPECT_FALSE(screen->modeNowBtn->isHidden());
    EXPECT_FALSE(screen->tap->view()) << "the closing tap is gone with the menu";
    EXPECT_EQ(screen->selectedSwatch, SwatchEnum::summer);
    EXPECT_EQ(host->topViewController(), screen);

    EXPECT_TRUE(host->pressKey(Key::escape));
    host->advance(1);
    EXPECT_NE(host->topViewController(), screen);
}

TEST_F(Swatches, PageKeysAndHomeEndMoveTheLongestListByWhatShows) {
    using kit::host::Key;
    auto screen = open();
    choose(*screen, "Wikipedia");
    auto& list = *screen->collectionView;
    const int rows = list.numberOfItemsInSection(0);
    ASSERT_GT(rows, 1000);
    const auto lastRow = kit::IndexPath::forItem(rows - 1, 0);

    const double start = list.contentOffset().y;
    EXPECT_TRUE(host->pressKey(Key::pageDown));
    const double page = list.contentOffset().y - start;
    EXPECT_GT(page, list.bounds().height() * 0.75);
    EXPECT_LT(page, list.bounds().height());
    EXPECT_TRUE(host->pressKey(Key::end));
    EXPECT_EQ(list.contentOffset().y, list.maximumContentOffset().y);
    EXPECT_TRUE(list.cellForItemAt(lastRow)) << "the last colour shows";
    screenshot("swatches-wikipedia-end-phone");
    EXPECT_TRUE(host->pressKey(Key::pageUp));
    EXPECT_EQ(list.contentOffset().y, list.maximumContentOffset().y - page);
    EXPECT_TRUE(host->pressKey(Key::home));
    EXPECT_EQ(list.contentOffset().y, list.minimumContentOffset().y);
    EXPECT_TRUE(list.cellForItemAt(kit::IndexPath::forItem(0, 0)));
}

TEST_F(Swatches, AWindowMadeLargerGivesTheListItsWholeWidthAndHeight) {
    auto screen = open();
    for (kit::Size window : {kit::Size{1280, 800}, kit::Size{480, 720}, kit::Size{900, 700}}) {
        host->resizeWindow(window);
        host->advance(1);
        const auto list = screen->collectionView->convertRectTo(screen->collectionView->bounds(), nullptr);
        EXPECT_EQ(list.width(), window.width) << "no bars beside the list";
        EXPECT_EQ(list.maxY(), window.height);
        EXPECT_EQ(centerOf(*screen->modeNowBtn).x, window.width / 2);
        const auto findings = screenLayoutCheck(*host->window(), kit::Device::current()).run();
        EXPECT_TRUE(findings.empty()) << window.width << " x " << window.height << ":\n" << layoutcheck::describe(findings);
    }
    screenshot("swatches-window-900x700");
}

} // namespace
