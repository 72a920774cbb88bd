// The combination list: kinds and their stored menu position, the mode menu, the card grid on
// phones and pads, reloads after a deletion, and the info overlay.
#include "CombinationsFixture.h"

#include "app/SavedData.h"
#include "app/ui/ScreenType.h"
#include "colour/CombinationQueries.h"
#include "combinations/CardSizing.h"
#include "combinations/ColorCombinationCell.h"
#include "combinations/ColorCombinationsVC.h"
#include "kit/ui/Button.h"
#include "kit/ui/Layer.h"
#include "kit/ui/StackView.h"
#include "kit/ui/Label.h"
#include "kit/runtime/NotificationCenter.h"
#include "app/ui/InfoView.h"

#include <map>

namespace {

using combinations::CCTypeLogic;
using combinations::ColorCombinationsVC;

struct CombinationList : CombinationsFixture {
    std::shared_ptr<ColorCombinationsVC> open(const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        return push<ColorCombinationsVC>("ColorCombinationVC", device);
    }
    std::shared_ptr<kit::Button> menuButton(ColorCombinationsVC& s, const std::string& title) {
        for (auto& v : s.modeNowMenuStack->arrangedSubviews())
            if (v->accessibilityIdentifier() == title) return std::dynamic_pointer_cast<kit::Button>(v);
        return nullptr;
    }
    std::vector<std::int32_t> ids(const ColorCombinationsVC& s) {
        std::vector<std::int32_t> out;
        for (auto& c : s.filteredArr) out.push_back(c.id);
        return out;
    }
};

TEST_F(CombinationList, StoredModeSelectsTheKindAndIsWrittenBackAsAMenuPosition) {
    struct Case {
        std::optional<long long> stored;
        CCTypeLogic kind;
        long long written;
    };
    const Case cases[] = {{std::nullopt, CCTypeLogic::abstract, 1}, {0, CCTypeLogic::abstract, 1},
                          {1, CCTypeLogic::abstract, 1},            {2, CCTypeLogic::digital, 2},
                          {3, CCTypeLogic::saved, 3},               {4, CCTypeLogic::single, 4},
                          {5, CCTypeLogic::liked, 5},               {6, CCTypeLogic::abstract, 1},
                          {-1, CCTypeLogic::abstract, 1}};
    start();
    for (const auto& c : cases) {
        if (c.stored)
            defaults().set(*c.stored, app::Keys::colorCombinationMode);
        else
            defaults().remove(app::Keys::colorCombinationMode);
        auto screen = open();
        EXPECT_EQ(screen->tagNow, c.kind) << c.stored.value_or(999);
        EXPECT_EQ(defaults().integer(app::Keys::colorCombinationMode), c.written);
        EXPECT_EQ(screen->modeNowBtn->titleForState(kit::ControlState::normal), combinations::kindTitle(c.kind));
        pop();
    }
}

TEST_F(CombinationList, KindsListCatalogueEntriesOrStoredRecordsNewestFirst) {
    storeCombination(10, "custom", {"FF0000", "00FF00"});
    storeCombination(30, "custom", {"0000FF", "FFFF00", "00FFFF"});
    storeCombination(20, "liked", {"123456", "654321"});
    storeCombination(40, "colorPicker", {"ABCDEF"});
    auto screen = open();
    EXPECT_EQ(screen->filteredArr.size(), colour::CCs::combinationsOfKind(CCTypeLogic::abstract)->size());
    EXPECT_EQ(screen->collectionView->numberOfItemsInSection(0), static_cast<int>(screen->filteredArr.size()));
    screenshot("combinations-abstract-phone");

    const std::pair<const char*, std::vector<std::int32_t>> kinds[] = {
        {"Saved", {30, 10}}, {"Liked", {20}}, {"Single", {40}}};
    for (const auto& [title, expected] : kinds) {
        screen->openModeNowMenu();
        host->tap(menuButton(*screen, title));
        host->advance(1);
        EXPECT_EQ(ids(*screen), expected) << title;
        EXPECT_TRUE(screen->menuStackView->isHidden());
        EXPECT_FALSE(screen->modeNowBtn->isHidden());
        EXPECT_EQ(screen->collectionView->visibleCells().size(), expected.size());
    }
    EXPECT_EQ(defaults().integer(app::Keys::colorCombinationMode), 4);
    EXPECT_EQ(haptics(), 0u);  // choosing a kind gives no haptic
}

TEST_F(CombinationList, MenuOpensOverTheButtonAndATapOutsideClosesItWithoutAChange) {
    defaults().set(2, app::Keys::colorCombinationMode);
    auto screen = open();
    host->tap(screen->modeNowBtn);
    host->advance(1);
    EXPECT_FALSE(screen->menuStackView->isHidden());
    EXPECT_TRUE(screen->modeNowBtn->isHidden());
    screenshot("combinations-menu-phone");
    // Beside the open menu, in the top bar.
    host->tap(kit::Point{60, centerOf(*screen->modeNowBtn).y});
    host->advance(1);
    EXPECT_TRUE(screen->menuStackView->isHidden());
    EXPECT_EQ(screen->tagNow, CCTypeLogic::digital);
    // An unknown identifier falls back to the first kind.
    auto stray = kit::make<kit::Button>();
    stray->setAccessibilityIdentifier("Nope");
    screen->selectModeWithButton(stray.get());
    EXPECT_EQ(screen->tagNow, CCTypeLogic::abstract);
}

TEST_F(CombinationList, DeletingAStoredCardAsksThenReloadsTheListOnTheDistantUpdate) {
    storeCombination(10, "custom", {"FF0000", "00FF00"});
    storeCombination(20, "custom", {"0000FF", "FFFF00"});
    defaults().set(3, app::Keys::colorCombinationMode);
    auto screen = open();
    ASSERT_EQ(ids(*screen), (std::vector<std::int32_t>{20, 10}));
    auto card = std::dynamic_pointer_cast<combinations::ColorCombinationCell>(
        screen->collectionView->cellForItemAt(kit::IndexPath::forItem(0, 0)));
    ASSERT_TRUE(card);
    flick(*card, -120);
    auto alert = host->presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Delete");
    EXPECT_EQ(alert->message(), "Do you want to delete this combination?");
    EXPECT_EQ(alertActions(), (std::vector<std::string>{"Yes", "No"}));
    answer("No");
    EXPECT_EQ(stored("custom").size(), 2u);
    flick(*card, -120);
    answer("Yes");
    EXPECT_EQ(stored("custom").size(), 1u);
    EXPECT_EQ(ids(*screen), (std::vector<std::int32_t>{10}));
    EXPECT_EQ(screen->collectionView->visibleCells().size(), 1u);
    EXPECT_EQ(screen->collectionView->contentOffset().y, 0);

    // A screen that is not shown does not observe the update.
    pop();
    storeCombination(30, "custom", {"111111", "222222"});
    kit::NotificationCenter::defaultCenter().post("distantUpdate");
    EXPECT_EQ(ids(*screen), (std::vector<std::int32_t>{10}));
}

TEST_F(CombinationList, CardWidthFollowsIdiomOrientationAndSplit) {
    using kit::DeviceOrientation;
    using kit::UserInterfaceIdiom;
    struct Case {
        UserInterfaceIdiom idiom;
        DeviceOrientation orientation;
        bool split;
        int layout;
        double expected;
    };
    const double w = 1200;
    const Case cases[] = {
        {UserInterfaceIdiom::phone, DeviceOrientation::landscapeLeft, false, 4, w},
        {UserInterfaceIdiom::pad, DeviceOrientation::landscapeLeft, false, 0, w * 0.25 - 8},
        {UserInterfaceIdiom::pad, DeviceOrientation::landscapeRight, false, 0, w * 0.25 - 8},
        {UserInterfaceIdiom::pad, DeviceOrientation::portrait, false, 0, w / 3 - 8},
        {UserInterfaceIdiom::pad, DeviceOrientation::faceUp, false, 0, w / 3 - 8},
        {UserInterfaceIdiom::pad, DeviceOrientation::portrait, true, 1, w},
        {UserInterfaceIdiom::pad, DeviceOrientation::landscapeLeft, true, 1, w * 0.5 - 8},
        {UserInterfaceIdiom::pad, DeviceOrientation::landscapeLeft, true, 2, w / 3 - 8},
        {UserInterfaceIdiom::pad, DeviceOrientation::landscapeLeft, true, 3, w},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(combinations::cardWidth(c.idiom, c.orientation, c.split, c.layout, w), c.expected)
            << static_cast<int>(c.orientation) << " split " << c.split << " layout " << c.layout;
}

TEST_F(CombinationList, PadShowsThreeCardsARowInPortraitAndFourInLandscape) {
    auto screen = open(kit::DeviceProfile::pad());
    const auto rowOf = [&] {
        std::map<double, int> rows;
        for (auto& cell : screen->collectionView->visibleCells()) {
            ++rows[cell->frame().minY()];
            EXPECT_EQ(cell->frame().height(), 320);
            EXPECT_TRUE(cell->layer()->shouldRasterize());
        }
        return rows.begin()->second;
    };
    EXPECT_EQ(rowOf(), 3);
    screenshot("combinations-abstract-pad");
    host->setOrientation(kit::DeviceOrientation::landscapeLeft);
    host->advance(1);
    EXPECT_EQ(rowOf(), 4);
    screenshot("combinations-abstract-pad-landscape");
}

TEST_F(CombinationList, InfoOverlayTogglesAndTheMenuClosesIt) {
    auto screen = open();
    host->tap(screen->infoBtn);
    host->advance(1);
    ASSERT_TRUE(screen->infoView);
    EXPECT_TRUE(screen->infoView->isInfoShown());
    EXPECT_NE(screen->infoView->infoLbl()->attributedText()->string().find(
                  "Swipe right - open in Digital Zovez Aziva"),
              std::string::npos);
    screenshot("combinations-info-phone");
    screen->openModeNowMenu();
    host->advance(1);
    EXPECT_FALSE(screen->infoView);  // closed, and dropped by the delegate call
    EXPECT_EQ(haptics(), 2u);        // the "?" and the overlay's close
}

} // namespace
