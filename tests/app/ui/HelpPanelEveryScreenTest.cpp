// Every screen with a help panel, opened as the app opens it: the panel opens from the screen's "?"
// and closes with its own CLOSE caption and with the "?" again, twice over. The screens drop their
// panel when it tells them it closed, so a panel that did not outlive its own close ran on freed
// memory here (the sanitizer build reports it).
#include "app/menus/EveryScreenFixture.h"

#include "capture/ColorPicker2VC.h"
#include "kit/host/Headless.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Window.h"
#include "tools/ColorMixingVC.h"
#include "tools/LightVC.h"
#include "wheels/other/HueVC.h"

#include <functional>

namespace {

bool isVisible(const kit::View& view) { return !view.isHidden() && view.alpha() > 0.01; }

template <class T>
void collectVisible(const std::shared_ptr<kit::View>& view, bool inButton, const std::function<bool(T&, bool)>& keep,
                    std::vector<std::shared_ptr<T>>& out) {
    if (!isVisible(*view)) return;
    if (auto typed = std::dynamic_pointer_cast<T>(view); typed && keep(*typed, inButton)) out.push_back(typed);
    inButton = inButton || dynamic_cast<const kit::Button*>(view.get());
    for (const auto& sub : view->subviews()) collectVisible(sub, inButton, keep, out);
}

// The panel's CLOSE caption as the user sees it, if a panel is open.
std::vector<std::shared_ptr<kit::Label>> closeCaptions(kit::host::Headless& host) {
    std::vector<std::shared_ptr<kit::Label>> found;
    collectVisible<kit::Label>(host.window(), false,
                               [](kit::Label& label, bool inButton) { return !inButton && label.text() == "CLOSE"; }, found);
    return found;
}

// The front-most "?" on screen.
std::shared_ptr<kit::Button> helpButton(kit::host::Headless& host) {
    std::vector<std::shared_ptr<kit::Button>> found;
    collectVisible<kit::Button>(host.window(), false, [](kit::Button& button, bool) {
        auto title = button.attributedTitleForState(button.state());
        return (title && title->string() == "?") || button.currentTitle() == "?";
    }, found);
    return found.empty() ? nullptr : found.back();
}

struct Screen {
    std::string name;
    std::string identifier;
    // Opens what holds the panel, from the pushed screen, where that is not the screen itself.
    std::function<void(kit::ViewController&, kit::host::Headless&)> open;
    // What the "?" does, for the screens that build no "?" of their own.
    std::function<void(kit::ViewController&)> help;
};

void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.name; }

template <class T>
void tapSavedSets(kit::ViewController& screen, kit::host::Headless& host) {
    host.tap(static_cast<T&>(screen).colorMixesBtn);
}

std::vector<Screen> screens() {
    return {
        {"ClassicColorWheel", "ClassicColorWheelVC", {}, {}},
        {"DigitalWheel", "DcwVC", {}, {}},
        {"DigitalWheelClassic", "DcwVC.classic", {}, {}},
        {"ColorCombinations", "ColorCombinationVC", {}, {}},
        {"Swatches", "SwatchesVC", {}, {}},
        {"ValueChecker", app::scene::valueChecker, {}, {}},
        {"SavedMixes", app::scene::colorMixing, tapSavedSets<tools::ColorMixingVC>, {}},
        {"SavedLights", app::scene::light, tapSavedSets<tools::LightVC>, {}},
        {"CameraPicker", app::scene::colorPicker, {}, [](kit::ViewController& s) { static_cast<capture::ColorPicker2VC&>(s).showInfo(); }},
        {"CustomHue", "HueVC", {}, [](kit::ViewController& s) { static_cast<wheels::HueVC&>(s).showInfo(); }},
    };
}

struct HelpPanelEveryScreen : EveryScreenFixture, ::testing::WithParamInterface<Screen> {};

TEST_P(HelpPanelEveryScreen, OpensAndClosesWithItsCaptionAndWithTheQuestionMarkTwice) {
    const Screen& screen = GetParam();
    kit::host::Headless host;
    host.setRootViewController(kit::Storyboard::named("Main")->instantiateInitialViewController());
    auto nav = std::dynamic_pointer_cast<kit::NavigationController>(host.window()->rootViewController());
    ASSERT_TRUE(nav);
    auto shown = kit::Storyboard::named("Main")->instantiateViewController(screen.identifier);
    nav->pushViewController(shown, false);
    host.advance(0.5);
    if (screen.open) screen.open(*shown, host);
    host.advance(1);
    ASSERT_TRUE(closeCaptions(host).empty()) << "a panel before the \"?\"";

    // The "?" as the user presses it: a tap, or (as Return on the focused button does) its action
    // while the open panel lies over it.
    const auto pressHelp = [&](bool panelOpen) {
        if (screen.help) return screen.help(*shown);
        auto button = helpButton(host);
        ASSERT_TRUE(button) << "no \"?\" on screen";
        if (panelOpen) button->sendActions(kit::ControlEvent::touchUpInside);
        else host.tap(button);
    };
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        pressHelp(false);
        host.advance(0.5);
        auto captions = closeCaptions(host);
        ASSERT_EQ(captions.size(), 1u) << "the \"?\" opened no panel";
        host.tap(captions.front());
        host.advance(0.5);
        EXPECT_TRUE(closeCaptions(host).empty()) << "CLOSE left the panel open";

        pressHelp(false);
        host.advance(0.5);
        ASSERT_EQ(closeCaptions(host).size(), 1u) << "the \"?\" did not open the panel again";
        pressHelp(true);
        host.advance(0.5);
        EXPECT_TRUE(closeCaptions(host).empty()) << "the \"?\" left the panel open";
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, HelpPanelEveryScreen, ::testing::ValuesIn(screens()), screenTestName<Screen>);

} // namespace
