// The colour-set overlay and the large-combination overlay: what they list and in which order,
// picking, closing, deleting and opening a set as a picture.
#include "CombinationsFixture.h"

#include "app/ui/InfoView.h"
#include "colour/HexText.h"
#include "colour/SwatchPalettes.h"
#include "colour/library/ColorLibrary.h"
#include "combinations/CcImageVC.h"
#include "combinations/ColorCell.h"
#include "combinations/LargeCombinationsView.h"
#include "combinations/SingleView.h"
#include "kit/base/Console.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/StackView.h"
#include "tools/LightType.h"

namespace {

using combinations::ColorCell;
using combinations::ImportSwatchesEnum;
using combinations::LargeCombinationCell;
using combinations::LargeCombinationsView;
using combinations::LargeCombinationViewType;
using combinations::SingleView;
using kit::Color;

struct Overlays : CombinationsFixture {
    std::shared_ptr<kit::ViewController> screen;
    std::vector<Color> picked;

    void SetUp() override {
        CombinationsFixture::SetUp();
        start();
        screen = kit::make<kit::ViewController>();
        nav->pushViewController(screen, false);
        host->advance(1);
    }
    std::shared_ptr<SingleView> openSet(bool single, std::optional<ImportSwatchesEnum> set) {
        auto panel = combinations::openSingleView(screen->view(), single, set, [this](const Color& c) { picked.push_back(c); });
        host->advance(1);
        return panel;
    }
    template <class List>
    std::shared_ptr<kit::CollectionViewCell> row(List& list, int i) {
        return list.collectionView->cellForItemAt(kit::IndexPath::forItem(i, 0));
    }
};

TEST_F(Overlays, SavedSingleColoursAreListedNewestFirstAndAPickClosesThePanel) {
    storeCombination(10, "colorPicker", {"FF0000"});
    storeCombination(30, "colorPicker", {"00FF00"});
    storeCombination(20, "colorPicker", {"0000FF"});
    storeCombination(40, "custom", {"123456", "654321"});
    auto panel = openSet(true, std::nullopt);
    ASSERT_TRUE(panel->isShown());
    std::vector<std::int32_t> ids;
    for (auto& r : panel->singleColorArr) ids.push_back(r->id());
    EXPECT_EQ(ids, (std::vector<std::int32_t>{30, 20, 10}));
    EXPECT_EQ(panel->singleView->frame(), screen->view()->bounds());
    EXPECT_TRUE(panel->collectionView->visibleCells().size() == 3u);
    EXPECT_TRUE(row(*panel, 0)->gestureRecognizers().empty());  // selection is the panel's
    screenshot("single-view-saved-phone");

    host->tap(centerOf(*row(*panel, 1)));
    host->advance(1);
    EXPECT_EQ(picked, (std::vector<Color>{colour::colorFromHex("0000FF")}));
    EXPECT_FALSE(panel->isShown());
    EXPECT_FALSE(panel->singleView->superview());
    EXPECT_TRUE(panel->singleColorArr.empty());
}

TEST_F(Overlays, ClosingDoesNotPickAndTheReleasedPanelSaysSo) {
    kit::ConsoleCapture console;
    {
        auto panel = openSet(false, ImportSwatchesEnum::winter);
        EXPECT_EQ(panel->collectionView->numberOfItemsInSection(0), static_cast<int>(colour::winterColors().size()));
        host->tap(panel->closeBtn);  // touch-down and the tap both close: once
        host->advance(1);
        EXPECT_FALSE(panel->isShown());
        EXPECT_TRUE(picked.empty());
    }
    host->advance(1);
    EXPECT_TRUE(console.contains("SingleView has been deinit."));
}

TEST_F(Overlays, SavedColoursWithoutAUsableHexShowAFallbackAndOnlyReadableOnesArePickable) {
    storeCombination(1, "colorPicker", {"12345"});  // neither 6 nor 8 digits
    auto r = app::CustomColorCombination::insert(context());
    r.setId(2);
    r.setTag("colorPicker");
    r.setNumberOfColors(1);
    ASSERT_FALSE(context().save());
    // Rows are made before the stale one, so a reused tile would keep their colour.
    auto panel = openSet(true, std::nullopt);
    auto nilRow = std::dynamic_pointer_cast<ColorCell>(row(*panel, 0));
    auto badRow = std::dynamic_pointer_cast<ColorCell>(row(*panel, 1));
    ASSERT_TRUE(nilRow && badRow);
    EXPECT_EQ(nilRow->bgView->backgroundColor(), Color::rgba(1, 1, 1));
    EXPECT_EQ(badRow->bgView->backgroundColor(), Color::grayColor());
    panel->collectionView->tapItem(kit::IndexPath::forItem(0, 0));
    host->advance(1);
    EXPECT_TRUE(picked.empty());
    EXPECT_TRUE(panel->isShown());
}

TEST_F(Overlays, NamedSetsShowPlainUpperCaseNamesAndHandOverTheirHexColour) {
    auto panel = openSet(false, ImportSwatchesEnum::html);
    auto first = std::dynamic_pointer_cast<ColorCell>(row(*panel, 0));
    ASSERT_TRUE(first);
    const auto& entry = colour::htmlColorNames().front();
    EXPECT_EQ(first->colorHexLabel->text(), kit::text::uppercased(*entry.name));
    screenshot("single-view-html-phone");
    panel->collectionView->tapItem(kit::IndexPath::forItem(0, 0));
    host->advance(1);
    EXPECT_EQ(picked, (std::vector<Color>{colour::colorFromHex(*entry.hex)}));
    // An empty store still slides the panel up, with no rows.
    auto empty = openSet(true, std::nullopt);
    EXPECT_TRUE(empty->isShown());
    EXPECT_EQ(empty->collectionView->numberOfItemsInSection(0), 0);
}

TEST_F(Overlays, OpenersAreInstalledForTheToolsAndTheWheels) {
    tools::ColorSetRequest request;
    request.host = screen;
    request.swatchSet = tools::SwatchSet::material;
    request.onPick = [this](const Color& c) { picked.push_back(c); };
    ASSERT_TRUE(tools::openColorSet(request));
    host->advance(1);
    // The panel is the last subview of the host; its list has the 255 Material colours.
    auto panelView = screen->view()->subviews().back();
    std::shared_ptr<kit::CollectionView> list;
    for (auto& v : panelView->subviews())
        if (auto l = std::dynamic_pointer_cast<kit::CollectionView>(v)) list = l;
    ASSERT_TRUE(list);
    EXPECT_EQ(list->numberOfItemsInSection(0), 255);
    list->tapItem(kit::IndexPath::forItem(0, 0));
    host->advance(1);
    EXPECT_EQ(picked, (std::vector<Color>{colour::colorFromHex(colour::materialHexColors()[0])}));
    EXPECT_TRUE(wheels::singleViewOpener());
}

struct LargeOverlay : Overlays {
    std::vector<std::int64_t> chosen;
    std::shared_ptr<LargeCombinationsView> openLarge(LargeCombinationViewType type) {
        auto overlay = combinations::openLargeCombinations(screen, type, [this](const app::LargeCombination& r) {
            chosen.push_back(r.id());
        });
        host->advance(1);
        return overlay;
    }
    std::vector<std::int64_t> ids(const LargeCombinationsView& o) {
        std::vector<std::int64_t> out;
        for (auto& r : o.largeCombinations) out.push_back(r.id());
        return out;
    }
};

TEST_F(LargeOverlay, ListsMixesOrLightSetsNewestFirst) {
    storeMix(1000, "808080", {"FF0000", "0000FF"});
    storeMix(3000, "AABBCC", {});
    storeLightSet(2000, "Studio", {"FF0000"}, "Sunset", 0.5);
    storeLightSet(4000, "Porch", {"00FF00", "0000FF"}, "Moonlight", 1);
    storeLightSet(500, "Old", {"FFFFFF"}, "Daylight", 0);
    auto mixes = openLarge(LargeCombinationViewType::colorMixes);
    EXPECT_EQ(ids(*mixes), (std::vector<std::int64_t>{3000, 1000}));
    // The update notification refetches while the overlay is shown.
    storeMix(5000, "123456", {});
    kit::NotificationCenter::defaultCenter().post("updateLargeCombinationView");
    host->advance(1);
    EXPECT_EQ(ids(*mixes), (std::vector<std::int64_t>{5000, 3000, 1000}));
    EXPECT_EQ(mixes->collectionView->numberOfItemsInSection(0), 3);
    EXPECT_EQ(ids(*openLarge(LargeCombinationViewType::light)), (std::vector<std::int64_t>{4000, 2000, 500}));
    EXPECT_TRUE(openLarge(LargeCombinationViewType::notSelected)->largeCombinations.empty());
}

TEST_F(LargeOverlay, RowsShowTheMainColourBesideTheStripAndAShadowFromTheSecondRow) {
    storeMix(2, "808080", {"FF0000", "0000FF"});
    storeMix(1, "AABBCC", {});
    auto overlay = openLarge(LargeCombinationViewType::colorMixes);
    auto mix = std::dynamic_pointer_cast<LargeCombinationCell>(row(*overlay, 0));
    auto lone = std::dynamic_pointer_cast<LargeCombinationCell>(row(*overlay, 1));
    ASSERT_TRUE(mix && lone);
    EXPECT_DOUBLE_EQ(mix->colorView->frame().width(), 0.7 * mix->frame().width());
    EXPECT_EQ(mix->nameLabel->text(), "808080");
    ASSERT_TRUE(mix->strip);
    EXPECT_EQ(mix->strip->arrangedSubviews().size(), 2u);
    EXPECT_EQ(mix->strip->arrangedSubviews()[1]->backgroundColor(), colour::initWithHexString("0000FF"));
    EXPECT_EQ(lone->colorView->frame().width(), lone->frame().width());
    EXPECT_FALSE(lone->strip);
    EXPECT_FALSE(mix->hasShadow());
    EXPECT_TRUE(lone->hasShadow());
    screenshot("large-combinations-mixes-phone");
}

TEST_F(LargeOverlay, LightRowsAreTintedByTheirLight) {
    storeLightSet(1, "Studio", {"FF0000", "00FF00", "0000FF"}, "Sunset", 0.5);
    auto overlay = openLarge(LargeCombinationViewType::light);
    auto cell = std::dynamic_pointer_cast<LargeCombinationCell>(row(*overlay, 0));
    ASSERT_TRUE(cell);
    const auto tint = [](const char* hex) {
        return tools::colorUnderLight(colour::initWithHexString(hex), tools::LightType::sunset, 0.5);
    };
    EXPECT_EQ(cell->colorView->backgroundColor(), tint("FF0000"));
    EXPECT_EQ(cell->nameLabel->text(), "STUDIO");
    ASSERT_TRUE(cell->strip);
    EXPECT_EQ(cell->strip->arrangedSubviews().size(), 2u);
    EXPECT_EQ(cell->strip->arrangedSubviews()[0]->backgroundColor(), tint("00FF00"));
    screenshot("large-combinations-light-phone");
}

TEST_F(LargeOverlay, LongAndRightToLeftNamesEndInAnEllipsisInsideTheColourArea) {
    storeLightSet(2, "a studio name long enough to run past the end of the row", {"FF0000", "00FF00"}, "Daylight", 1);
    storeLightSet(1, "\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645 my long studio name", {"FF0000", "0000FF"},
                  "Daylight", 1);
    auto overlay = openLarge(LargeCombinationViewType::light);
    for (int i = 0; i < 2; ++i) {
        auto cell = std::dynamic_pointer_cast<LargeCombinationCell>(row(*overlay, i));
        ASSERT_TRUE(cell);
        cell->layoutIfNeeded();
        const kit::Rect name = cell->nameLabel->frame();
        EXPECT_LE(name.maxX(), cell->colorView->frame().maxX() - 20) << i;
        EXPECT_LT(name.width(), cell->nameLabel->intrinsicContentSize().width) << "cut, so it ends in an ellipsis";
        EXPECT_EQ(cell->nameLabel->lineBreakMode(), kit::LineBreakMode::truncateTail);
    }
    screenshot("large-combinations-long-names-phone");
}

TEST_F(LargeOverlay, LeftSwipeDeletesAfterYesAndRightSwipeOpensThePicture) {
    storeMix(2, "808080", {"FF0000", "0000FF"});
    storeMix(1, "AABBCC", {});
    auto overlay = openLarge(LargeCombinationViewType::colorMixes);
    auto first = std::dynamic_pointer_cast<LargeCombinationCell>(row(*overlay, 0));
    flick(*first, 120);
    auto image = std::dynamic_pointer_cast<combinations::CcImageVC>(nav->topViewController());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->colors, (std::vector<Color>{colour::initWithHexString("808080"), colour::initWithHexString("FF0000"),
                                                 colour::initWithHexString("0000FF")}));
    EXPECT_FALSE(image->name);
    nav->popViewController(false);
    host->advance(1);

    flick(*first, -120);
    ASSERT_TRUE(host->presentedAlert());
    EXPECT_EQ(host->presentedAlert()->title(), "Delete?");
    answer("No");
    EXPECT_EQ(ids(*overlay), (std::vector<std::int64_t>{2, 1}));
    flick(*first, -120);
    answer("Yes");
    EXPECT_EQ(ids(*overlay), (std::vector<std::int64_t>{1}));
    EXPECT_EQ(overlay->collectionView->numberOfItemsInSection(0), 1);
}

TEST_F(LargeOverlay, RightSwipeOnALightSetOpensTintedColoursWithTheName) {
    storeLightSet(1, "Studio", {"FF0000", "00FF00"}, "Candlelight", 0.3);
    auto overlay = openLarge(LargeCombinationViewType::light);
    overlay->handleRightSwipe(*std::dynamic_pointer_cast<LargeCombinationCell>(row(*overlay, 0)));
    host->advance(1);
    auto image = std::dynamic_pointer_cast<combinations::CcImageVC>(nav->topViewController());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->name, "Studio");
    ASSERT_EQ(image->colors->size(), 2u);
    EXPECT_EQ((*image->colors)[1],
              tools::colorUnderLight(colour::initWithHexString("00FF00"), tools::LightType::candlelight, 0.3));
    screenshot("cc-image-light-phone");
}

TEST_F(LargeOverlay, TapHandsTheRecordBackAndClosesWithOneHapticAndTheHowToToggles) {
    storeMix(7, "808080", {"FF0000"});
    kit::ConsoleCapture console;
    {
        auto overlay = openLarge(LargeCombinationViewType::colorMixes);
        host->tap(overlay->infoBtn);
        host->advance(1);
        ASSERT_TRUE(overlay->infoView);
        EXPECT_TRUE(overlay->infoView->isInfoShown());
        EXPECT_NE(overlay->infoView->infoLbl()->attributedText()->string().find("Swipe right - save as image"),
                  std::string::npos);
        screenshot("large-combinations-info-phone");
        overlay->showInfo();
        EXPECT_FALSE(overlay->infoView);
        const auto before = haptics();
        overlay->collectionView->tapItem(kit::IndexPath::forItem(0, 0));
        overlay->close();  // a second close while closing does nothing
        host->advance(1);
        EXPECT_EQ(chosen, (std::vector<std::int64_t>{7}));
        EXPECT_EQ(haptics(), before + 1);
        EXPECT_FALSE(overlay->isShown());
        EXPECT_FALSE(overlay->bgView->superview());
    }
    host->advance(1);
    EXPECT_TRUE(console.contains("ColorMixesView has been deinit."));
}

} // namespace
