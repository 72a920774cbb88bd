// The combination card: its bands, captions and shadows, the per-band gestures, the delete swipe
// and the "More" menu's hand-offs.
#include "CombinationsFixture.h"

#include "app/SavedData.h"
#include "app/preview/PieChartVC.h"
#include "app/preview/PreviewScreens.h"
#include "colour/ColorCodeText.h"
#include "colour/ContrastingTint.h"
#include "combinations/CcImageVC.h"
#include "combinations/ColorCombinationCell.h"
#include "kit/ui/Button.h"
#include "kit/ui/FocusNavigator.h"
#include "kit/ui/Label.h"
#include "kit/ui/Layer.h"
#include "kit/ui/LongPressGesture.h"
#include "tools/LightVC.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"

namespace {

using combinations::ColorCombinationCell;
using kit::Color;

struct CombinationCard : CombinationsFixture {
    std::shared_ptr<kit::ViewController> screen;
    std::shared_ptr<ColorCombinationCell> card;

    // A card of the combination on a plain screen in a navigation stack, laid out at 375 x 320.
    void show(const colour::ColorCombination& combination) {
        if (!host) start();
        screen = kit::make<kit::ViewController>();
        nav->pushViewController(screen, false);
        host->advance(1);
        card = kit::make<ColorCombinationCell>();
        card->setFrame({0, 100, 375, 320});
        screen->view()->addSubview(card);
        card->configure(combination, screen);
        host->advance(0.1);
    }
    static colour::ColorCombination combination(std::vector<Color> colors, std::string tag = "custom", std::int32_t id = 7) {
        colour::ColorCombination c;
        c.numberOfColors = static_cast<int>(colors.size());
        c.tag = std::move(tag);
        c.id = id;
        colors.resize(4, Color());
        c.color1 = colors[0];
        if (c.numberOfColors > 1) c.color2 = colors[1];
        if (c.numberOfColors > 2) c.color3 = colors[2];
        if (c.numberOfColors > 3) c.color4 = colors[3];
        return c;
    }
    kit::Point band(int k) const { return centerOf(*card->views[static_cast<std::size_t>(k - 1)]); }
    int bandShadows() const {
        int n = 0;
        for (auto& v : card->views)
            if (v->superview() && v->layer()->sublayers().size() > 1) ++n;  // own label + shadow
        return n;
    }
};

const Color red = Color::rgba(1, 0, 0), navy = Color::rgba(0, 0, 0.3), yellow = Color::rgba(1, 1, 0.2),
            teal = Color::rgba(0, 0.5, 0.5);

TEST_F(CombinationCard, BandsStackWithTheirHeightsCaptionsAndShadows) {
    struct Case {
        std::vector<Color> colors;
        std::vector<double> heights;
    };
    const Case cases[] = {{{red}, {320}},
                          {{red, navy}, {190, 130}},
                          {{red, navy, yellow}, {140, 90, 90}},
                          {{red, navy, yellow, teal}, {120, 80, 60, 60}}};
    for (const auto& c : cases) {
        show(combination(c.colors));
        double y = 0;
        for (std::size_t i = 0; i < c.heights.size(); ++i) {
            const auto f = card->views[i]->frame();
            EXPECT_EQ(f.minY(), y) << c.colors.size() << " band " << i + 1;
            EXPECT_EQ(f.height(), c.heights[i]);
            EXPECT_EQ(f.width(), 375);
            EXPECT_EQ(card->labels[i]->text(), colour::colorCodeString(c.colors[i]));
            y += c.heights[i];
        }
        EXPECT_EQ(bandShadows(), static_cast<int>(c.colors.size()) - 1);
        EXPECT_EQ(card->moreView->superview() != nullptr, c.colors.size() > 1);
    }
    screenshot("combination-card-four");
    // Text on a light band is dark, on a dark band light; on pure red black at 70 % falls short of
    // 4.5:1 and is drawn more opaque.
    EXPECT_EQ(card->labels[0]->textColor().withAlpha(1), Color::hsb(0, 0, 0));  // red: brightness 1
    EXPECT_GE(colour::contrastOver(card->labels[0]->textColor(), red), colour::readableContrastRatio);
    EXPECT_EQ(card->labels[1]->textColor(), Color::hsb(0, 0, 1, 0.7));  // navy: brightness 0.3
}

TEST_F(CombinationCard, ReusedCardKeepsOneSetOfRecognisersAndNoStaleMoreButton) {
    show(combination({red, navy, yellow, teal}));
    card->configure(combination({red, navy}), screen);
    card->configure(combination({teal}), screen);
    host->advance(0.1);
    EXPECT_EQ(card->moreView->superview(), nullptr);
    EXPECT_EQ(card->gestureRecognizers().size(), 1u);  // the left swipe
    EXPECT_EQ(card->views[0]->gestureRecognizers().size(), 2u);  // tap and right swipe; no long press on one colour
    host->tap(band(1));
    host->advance(1);
    EXPECT_EQ(pasteboard(), "#007F7F");
    EXPECT_EQ(haptics(), 1u);
}

TEST_F(CombinationCard, TapCopiesPressSavesOnceAndRightSwipeOpensTheWheelOncePerSecond) {
    show(combination({red, navy, Color::whiteColor()}));
    host->tap(band(2));
    host->advance(1);
    EXPECT_EQ(pasteboard(), "#00004C");
    EXPECT_EQ(defaults().string(app::Keys::lastColorMixing), "00004C");

    // A hold well past the save throttle still saves one colour.
    host->longPress(band(1), 3.0);
    host->advance(2);
    ASSERT_EQ(stored("colorPicker").size(), 1u);
    EXPECT_EQ(stored("colorPicker")[0].color1(), "FF0000");

    flick(*card->views[0], 120);
    EXPECT_EQ(defaults().string(app::Keys::lastColorMixing), "FF0000");
    auto wheel = std::dynamic_pointer_cast<wheels::DcwVC>(nav->topViewController());
    ASSERT_TRUE(wheel);
    EXPECT_FALSE(wheel->isClassic);
    EXPECT_TRUE(wheel->instantLoadFromClipboard);
    EXPECT_FALSE(card->isSwipeRightOn());
    // A second swipe within the second does nothing; after it the swipe acts again.
    card->openInDcwColor(3);
    host->advance(0.2);
    EXPECT_EQ(nav->viewControllers().size(), 3u);
    host->advance(1);
    EXPECT_TRUE(card->isSwipeRightOn());
    card->openInDcwColor(3);  // white is not written to the buffer
    host->advance(1);
    EXPECT_EQ(nav->viewControllers().size(), 4u);
    EXPECT_EQ(defaults().string(app::Keys::lastColorMixing), "FF0000");
}

TEST_F(CombinationCard, PredefinedAndUnstoredCardsIgnoreTheDeleteSwipe) {
    const std::pair<std::string, std::int32_t> cases[] = {{"abstract", 5}, {"digital", 5}, {"custom", -1}};
    for (const auto& [tag, id] : cases) {
        show(combination({red, navy}, tag, id));
        card->getRidOfCombination();
        host->advance(1);
        EXPECT_FALSE(host->presentedAlert()) << tag;
    }
}

TEST_F(CombinationCard, TheDeleteQuestionStartsTheKeyboardOnNo) {
    for (const auto& device : {kit::DeviceProfile::phone(), kit::DeviceProfile::smallPhone(), kit::DeviceProfile::pad(),
                               kit::DeviceProfile::smallPad()}) {
        SCOPED_TRACE(device.name);
        start(device);
        show(combination({red, navy}));
        card->getRidOfCombination();
        host->advance(1);
        auto alert = host->presentedAlert();
        ASSERT_TRUE(alert);
        ASSERT_TRUE(host->pressKey(kit::host::Key::tab));
        auto ringed = std::dynamic_pointer_cast<kit::Button>(kit::FocusNavigator::focused(*alert->view()));
        ASSERT_TRUE(ringed);
        EXPECT_EQ(ringed->currentTitle(), "No");
        screenshot("delete-question-" + device.name);
        ASSERT_TRUE(host->pressKey(kit::host::Key::enter));
        host->advance(1);
        EXPECT_FALSE(host->presentedAlert());
        EXPECT_TRUE(card->window()) << "the card is kept";
    }
}

TEST_F(CombinationCard, MoreMenuListsItsEntriesAndHandsTheColoursOn) {
    show(combination({red, navy, yellow}));
    host->tap(card->moreView);
    host->advance(1);
    EXPECT_EQ(host->presentedAlert()->title(), "More:");
    EXPECT_EQ(alertActions(), (std::vector<std::string>{"Open in editor", "Open in light tool", "Save as image",
                                                        "Add to \"Liked\"", "Preview as chart", "Cancel"}));
    answer("Open in editor");
    auto editor = std::dynamic_pointer_cast<wheels::DcwEditCcVC>(nav->topViewController());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->numberOfColors, 3);
    EXPECT_EQ(editor->color(2), navy);
    EXPECT_FALSE(editor->withHue);
    nav->popViewController(false);
    host->advance(1);

    card->showMoreMenu();
    host->advance(1);
    answer("Save as image");
    auto image = std::dynamic_pointer_cast<combinations::CcImageVC>(nav->topViewController());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->colors, (std::vector<Color>{red, navy, yellow}));
    EXPECT_FALSE(image->name);
    nav->popViewController(false);
    host->advance(1);

    card->openInLightTool();
    host->advance(1);
    auto light = std::dynamic_pointer_cast<tools::LightVC>(nav->topViewController());
    ASSERT_TRUE(light);
    EXPECT_EQ(light->colorsArray, (std::vector<Color>{red, navy, yellow}));
    nav->popViewController(false);
    host->advance(1);

    app::registerPreviewScreens(*kit::Storyboard::named("Main"));
    card->previewAsChart();
    host->advance(1);
    auto chart = std::dynamic_pointer_cast<app::PieChartVC>(nav->topViewController());
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->colors, (std::vector<Color>{red, navy, yellow}));
    tools::setChartPreviewSetup({});
}

TEST_F(CombinationCard, OneColourCardsOpenOnlyTheLightToolAndLikedCopiesAreNotCopiedAgain) {
    show(combination({red}));
    const auto depth = nav->viewControllers().size();
    card->openInEditor();
    card->saveAsImage();
    host->advance(1);
    EXPECT_EQ(nav->viewControllers().size(), depth);
    card->openInLightTool();
    host->advance(1);
    EXPECT_EQ(nav->viewControllers().size(), depth + 1);

    show(combination({red, navy}, "liked"));
    card->addToLiked();
    host->advance(2);
    EXPECT_TRUE(stored("liked").empty());
    show(combination({red, navy}, "custom"));
    card->addToLiked();
    host->advance(2);
    ASSERT_EQ(stored("liked").size(), 1u);
    EXPECT_EQ(stored("liked")[0].color2(), "00004C");
}

} // namespace
