// The combination editor on a headless phone: band sliders, the hue shift, moving bands up, copies,
// saving and the "More" menu.
#include "WheelsFixture.h"

#include "app/ui/Strings.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "colour/Ryb.h"
#include "colour/library/DerivedColors.h"
#include "kit/ui/Pasteboard.h"
#include "wheels/ScreenParts.h"
#include "wheels/digital/DcwEditCcVC.h"

namespace {

// Stands for the chart preview and image screens: it only takes the colours.
class ColoursScreen : public kit::ViewController, public wheels::ColorsReceiver {
public:
    void setColors(const std::vector<kit::Color>& colors) override { received = colors; }
    std::vector<kit::Color> received;
};

struct EditorTest : WheelsFixture {
    std::shared_ptr<wheels::DcwEditCcVC> open(std::vector<kit::Color> colours, bool withHue = true) {
        auto editor = kit::make<wheels::DcwEditCcVC>();
        editor->numberOfColors = static_cast<int>(colours.size());
        editor->withHue = withHue;
        for (int i = 1; i <= 4; ++i)
            editor->setColor(i, i <= static_cast<int>(colours.size()) ? colours[static_cast<std::size_t>(i - 1)]
                                                                     : kit::Color::whiteColor());
        return push(editor);
    }
    static void slide(kit::Slider& slider, float value) {
        slider.setValue(value);
        slider.sendActions(kit::ControlEvent::valueChanged);
    }
};

TEST_F(EditorTest, HueSliderTurnsEveryColourAndWraps) {
    auto editor = open({kit::Color::hsb(0.75, 1, 1), kit::Color::hsb(0.2, 0.5, 0.8)});
    slide(*editor->hueSlider(), 0.5f);
    EXPECT_NEAR(editor->color(1)->hsba().hue, 0.25, 1e-6);
    EXPECT_NEAR(editor->color(2)->hsba().hue, 0.7, 1e-6);
    EXPECT_NEAR(editor->color(2)->hsba().saturation, 0.5, 1e-6);  // each band keeps its shade
    slide(*editor->hueSlider(), -0.5f);
    EXPECT_NEAR(editor->color(2)->hsba().hue, 0.7, 1e-6);
    slide(*editor->hueSlider(), 0);
    EXPECT_NEAR(editor->color(1)->hsba().hue, 0.75, 1e-6);
    EXPECT_EQ(editor->colorView(1)->backgroundColor(), editor->color(1));
}

TEST_F(EditorTest, BandSlidersSetSaturationAndBrightness) {
    auto editor = open({kit::Color::redColor(), kit::Color::blueColor(), kit::Color::greenColor()}, false);
    slide(*editor->saturationSlider(2), 0.4f);
    slide(*editor->brightnessSlider(2), 0.6f);
    const auto hsb = editor->color(2)->hsba();
    EXPECT_NEAR(hsb.saturation, 0.4, 1e-6);
    EXPECT_NEAR(hsb.brightness, 0.6, 1e-6);
    EXPECT_EQ(editor->colorLbl(2)->currentTitle(), colour::colorCodeStringMultiline(*editor->color(2)));
}

TEST_F(EditorTest, MovingABandUpSwapsColoursAndSlidersAndKeepsTheShift) {
    auto editor = open({kit::Color::hsb(0.1, 1, 1), kit::Color::hsb(0.4, 1, 1), kit::Color::hsb(0.6, 0.5, 0.7)});
    slide(*editor->hueSlider(), 0.1f);
    host->tap(editor->moveUpBtn(3));
    EXPECT_NEAR(editor->color(2)->hsba().hue, 0.7, 1e-6);
    EXPECT_NEAR(editor->color(2)->hsba().saturation, 0.5, 1e-6);
    EXPECT_NEAR(editor->color(3)->hsba().hue, 0.5, 1e-6);
    EXPECT_FLOAT_EQ(editor->saturationSlider(2)->value(), 0.5f);
    EXPECT_FLOAT_EQ(editor->saturationSlider(3)->value(), 1.0f);
}

TEST_F(EditorTest, ClassicColoursComeFromThePainterModelWithCrossedSliders) {
    auto editor = kit::make<wheels::DcwEditCcVC>();
    editor->numberOfColors = 2;
    editor->isClassic = true;
    editor->classicColors = {{{0.1, 0.9, 0.4}, {0.6, 0.9, 0.4}, {}, {}}};
    for (int i = 1; i <= 4; ++i) editor->setColor(i, kit::Color::whiteColor());
    push(editor);
    EXPECT_EQ(editor->color(1), colour::ryb(0.1, 0.4, 0.9));
    slide(*editor->saturationSlider(1), 0.5f);
    // The saturation slider is the brightness (sliders hold single precision).
    const auto expected = colour::ryb(0.1, 0.4f, 0.5f);
    EXPECT_NEAR(editor->color(1)->red(), expected.red(), 1e-6);
    EXPECT_NEAR(editor->color(1)->green(), expected.green(), 1e-6);
    EXPECT_NEAR(editor->color(1)->blue(), expected.blue(), 1e-6);
}

TEST_F(EditorTest, BandShadowsSpanTheWidthOfAResizedWindow) {
    auto editor = open({kit::Color::hsb(0.1, 1, 1), kit::Color::hsb(0.4, 1, 1), kit::Color::hsb(0.6, 0.5, 0.7)});
    for (kit::Size size : {kit::Size{1280, 800}, kit::Size{375, 667}}) {
        host->resizeWindow(size);
        host->advance(0.5);
        for (int band = 2; band <= 3; ++band) {
            const auto& view = *editor->colorView(band);
            ASSERT_FALSE(view.layer()->sublayers().empty());
            EXPECT_EQ(view.layer()->sublayers().back()->bounds().width(), view.bounds().width())
                << "band " << band << " at " << size.width << " x " << size.height;
        }
    }
}

TEST_F(EditorTest, ReturningFromAPushedScreenKeepsTheEdits) {
    // Shifting again after coming back must not add the old shift a second time.
    auto preview = kit::make<ColoursScreen>();
    kit::Storyboard::named("Main")->registerScene("PieChartVC", [&] { return preview; });
    auto editor = open({kit::Color::hsb(0.1, 1, 1), kit::Color::hsb(0.3, 1, 1)});
    slide(*editor->hueSlider(), 0.2f);
    host->tap(editor->moreBtn());
    host->answerAlert(app::Strings::text("Preview as chart"));
    host->advance(1);
    ASSERT_EQ(nav()->topViewController(), preview);
    EXPECT_EQ(preview->received, (std::vector<kit::Color>{*editor->color(1), *editor->color(2)}));
    nav()->popViewController(false);
    host->advance(1);
    EXPECT_NEAR(editor->color(1)->hsba().hue, 0.3, 1e-6);
    slide(*editor->hueSlider(), 0.25f);
    EXPECT_NEAR(editor->color(1)->hsba().hue, 0.35, 1e-6);
    kit::Storyboard::named("Main")->clear();
}

TEST_F(EditorTest, CopiesHexArrayAndGreyValueAndSavesTheCombination) {
    auto editor = open({kit::Color::rgba(1, 0, 0), kit::Color::rgba(0, 0.5, 1), kit::Color::rgba(0.2, 0.2, 0.2)});
    editor->copyHexArray();
    EXPECT_EQ(kit::Pasteboard::general().string(), "[#FF0000,#007FFF,#333333]");
    host->tap(editor->valueButton(2));
    const auto grey = colour::grayscaled(*editor->color(2), colour::GrayscalingMode::lightness);
    EXPECT_EQ(kit::Pasteboard::general().string(), "#" + colour::hexString(grey));
    host->tap(editor->saveBtn());
    const auto saved = storedWithTag(*appDelegate, "custom");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].numberOfColors(), 3);
    EXPECT_EQ(saved[0].color2(), "007FFF");
}

} // namespace
