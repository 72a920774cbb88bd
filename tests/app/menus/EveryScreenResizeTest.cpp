// Every screen of the app, put in a state of the user's making and then resized as a user resizes
// the window (through the window's own resize path): what the user made is still there afterwards.
#include "EveryScreenFixture.h"

#include "app/SavedData.h"
#include "app/menus/MainMenuVC.h"
#include "app/menus/MainStoryboard.h"
#include "capture/ColorPicker2VC.h"
#include "capture/ImageColorsVC.h"
#include "capture/PhotoConversionVC.h"
#include "capture/ValueBreakerVC.h"
#include "capture/ValueCheckerVC.h"
#include "colour/HexText.h"
#include "combinations/CcImageVC.h"
#include "kit/host/Headless.h"
#include "kit/media/CaptureDevice.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/store/Defaults.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImagePicker.h"
#include "kit/ui/Label.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/ScrollView.h"
#include "kit/ui/SegmentedControl.h"
#include "kit/ui/Slider.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Switch.h"
#include "kit/ui/TextField.h"
#include "kit/ui/Window.h"
#include "tools/LedVC.h"
#include "tools/ToolOverlays.h"
#include "wheels/DcwPicker.h"
#include "wheels/other/CcwVC.h"
#include "wheels/other/HueVC.h"
#include "wheels/other/ZelVC.h"
#include "wheels/digital/DcwVC.h"

#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <sstream>
#include <typeinfo>
#include <variant>

namespace {

const std::vector<kit::Color>& entryColours() {
    static const std::vector<kit::Color> colours{kit::Color::rgba(0.9, 0.3, 0.2), kit::Color::rgba(0.2, 0.6, 0.9),
                                                 kit::Color::rgba(0.95, 0.85, 0.3), kit::Color::rgba(0.3, 0.7, 0.4)};
    return colours;
}

std::string rounded(double v) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(3) << (std::abs(v) < 5e-4 ? 0.0 : v);
    return out.str();
}

bool shown(const kit::View& view) { return !view.isHidden() && view.alpha() > 0.01; }

// What the user made, as the screen shows it: every value a control holds, every visible text, where
// each scrolled view stands, and the screens on top.
struct State {
    std::vector<std::string> items;
    bool operator==(const State&) const = default;
};

void collect(const kit::View& view, std::vector<std::string>& out) {
    if (!shown(view)) return;
    if (auto* s = dynamic_cast<const kit::Slider*>(&view)) out.push_back("slider " + rounded(s->value()));
    if (auto* s = dynamic_cast<const wheels::DCWSLIDER*>(&view)) out.push_back("shade " + rounded(s->currentValue()));
    if (auto* w = dynamic_cast<const wheels::DCWPICKER*>(&view)) out.push_back("wheel " + rounded(w->currentAngle()));
    if (auto* s = dynamic_cast<const kit::SegmentedControl*>(&view))
        out.push_back("segment " + std::to_string(s->selectedSegmentIndex()));
    if (auto* s = dynamic_cast<const kit::Switch*>(&view)) out.push_back(s->isOn() ? "switch on" : "switch off");
    if (auto* t = dynamic_cast<const kit::TextField*>(&view)) out.push_back("field " + t->text());
    if (auto* l = dynamic_cast<const kit::Label*>(&view); l && !l->text().empty()) out.push_back("text " + l->text());
    if (auto* b = dynamic_cast<const kit::Button*>(&view))
        if (auto title = b->currentTitle(); title && !title->empty()) out.push_back("button " + *title);
    if (auto* s = dynamic_cast<const kit::ScrollView*>(&view))
        out.push_back("scrolled " + rounded(s->contentOffset().x) + "," + rounded(s->contentOffset().y));
    if (auto fill = view.backgroundColor(); fill && fill->alpha() > 0) out.push_back("fill " + colour::hexString(*fill));
    if (const auto& t = view.transform(); std::abs(t.b) > 1e-6) out.push_back("turned " + rounded(std::atan2(t.b, t.a)));
    for (const auto& sub : view.subviews()) collect(*sub, out);
}

State stateOf(kit::host::Headless& host) {
    State state;
    collect(*host.window(), state.items);
    const auto& top = *kit::host::topViewControllerOf(host.window()->rootViewController());
    state.items.push_back(std::string("on top ") + typeid(top).name());
    std::sort(state.items.begin(), state.items.end());
    return state;
}

// The user's own doing on a screen through its generic controls: each slider moved, each segment
// switched, each switch flipped, each scrolled view scrolled.
void makeChanges(kit::View& view) {
    if (!shown(view)) return;
    if (auto* s = dynamic_cast<kit::Slider*>(&view); s && s->isEnabled()) {
        s->setValue(s->minimumValue() + 0.37f * (s->maximumValue() - s->minimumValue()));
        s->sendActions(kit::ControlEvent::valueChanged);
    } else if (auto* c = dynamic_cast<kit::SegmentedControl*>(&view); c && c->isEnabled() && c->numberOfSegments() > 1) {
        c->setSelectedSegmentIndex(static_cast<int>((c->selectedSegmentIndex() + 1) % c->numberOfSegments()));
        c->sendActions(kit::ControlEvent::valueChanged);
    } else if (auto* w = dynamic_cast<kit::Switch*>(&view); w && w->isEnabled()) {
        w->setOn(!w->isOn());
        w->sendActions(kit::ControlEvent::valueChanged);
    } else if (auto* sv = dynamic_cast<kit::ScrollView*>(&view)) {
        const double room = sv->contentSize().height - sv->bounds().size.height;
        if (room > 40) sv->setContentOffset({sv->contentOffset().x, std::min(room, 97.0)});
    }
    for (const auto& sub : std::vector<std::shared_ptr<kit::View>>(view.subviews())) makeChanges(*sub);
}

struct Screen {
    std::string name;
    std::string identifier;
    std::function<void()> before;                    // settings the screen reads
    std::function<void(kit::ViewController&)> fill;  // entry data, given before the push
    // The screen's own state beyond its generic controls; may open another screen or an alert.
    std::function<void(kit::ViewController&, kit::host::Headless&)> change;
    // A page that shows only what it was given, with nothing for the user to change there.
    bool fixed = false;
};

void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.name; }

// Turns a wheel's handle to an angle, as a drag does.
void turn(wheels::DCWPICKER& wheel, float angle) { wheel.moveHandle(wheel.pointOnRing(angle)); }

// Drags the main wheel's shade slider toward black (0) or white (1), as a user does.
void shade(wheels::DcwVC& screen, kit::host::Headless& host, double towards) {
    auto& slider = *(screen.modeNow == wheels::Mode::mono ? screen.dcw4 : screen.dcw1)->shadeSlider();
    const auto& knob = *slider.handleView();
    const auto at = knob.convertPointTo({knob.bounds().midX(), knob.bounds().midY()}, nullptr);
    const auto track = slider.convertRectTo(slider.trackLayer()->frame(), nullptr);
    host.drag({at, {at.x + 2, at.y}, {track.minX() + towards * track.width(), at.y}});
}

// A picture chosen in the photo picker, as the user chooses one: a hue sweep, darker downwards.
void choosePicture(kit::host::Headless& host, const std::function<void()>& select) {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x) {
            const auto c = kit::Color::hsb(x / 120.0, 0.8, 1.0 - 0.9 * y / 90);
            px.insert(px.end(), {std::uint8_t(c.red() * 255), std::uint8_t(c.green() * 255), std::uint8_t(c.blue() * 255), 255});
        }
    kit::ImagePicker::setScript(kit::ImagePickerScript{kit::ImagePickerScript::Outcome::image, *kit::Image::fromRGBA(120, 90, px)});
    select();
    host.advance(1);
    kit::ImagePicker::setScript(std::nullopt);
}

// Every screen of the storyboard, those that need entry data given it the way the app gives it; the
// digital wheel also with its mode menu, the painter's with its info, an import alert with typed
// text, and the combination editor opened from it; the value checker frozen.
std::vector<Screen> screens() {
    app::registerMainStoryboard();
    std::vector<Screen> all;
    for (const auto& id : kit::Storyboard::named("Main")->sceneIdentifiers()) all.push_back({id, id, {}, {}, {}, false});
    const auto tetradic = [] { kit::Defaults::standard().set(4, app::Keys::lastDcwCombination); };
    all.push_back({"DcwVC.hexEntry", "DcwVC", tetradic, {}, [](kit::ViewController& screen, kit::host::Headless&) {
                       static_cast<wheels::DcwVC&>(screen).showHexEntry();
                       auto alert = kit::host::topViewControllerOf(screen.navigationController());
                       static_cast<kit::AlertController&>(*alert).textFields().at(0)->insertText("FF40");
                   }, false});
    for (auto& s : all) {
        if (s.identifier == "CcImageVC") {
            s.fill = [](kit::ViewController& screen) { static_cast<combinations::CcImageVC&>(screen).colors = entryColours(); };
        } else if (s.identifier == "PieChartVC") {
            s.fill = [](kit::ViewController& screen) { tools::setUpChartPreview(screen, entryColours(), false); };
        } else if (s.name == "DcwVC") {
            s.before = tetradic;
            s.change = [](kit::ViewController& screen, kit::host::Headless& host) {
                auto& wheel = static_cast<wheels::DcwVC&>(screen);
                wheel.moveByColor(colour::colorFromHex("FF4050"));
                shade(wheel, host, 0.7);
                wheel.openModeNowMenu();
            };
        } else if (s.name == "DcwVC.classic") {
            s.before = tetradic;
            s.change = [](kit::ViewController& screen, kit::host::Headless& host) {
                auto& wheel = static_cast<wheels::DcwVC&>(screen);
                turn(*wheel.dcw1, 2.0f);
                shade(wheel, host, 0.3);
                wheel.showInfo();
            };
        } else if (s.identifier == "DcwEditCcVC") {
            s.identifier = "DcwVC";
            s.before = tetradic;
            s.change = [](kit::ViewController& screen, kit::host::Headless&) {
                auto& wheel = static_cast<wheels::DcwVC&>(screen);
                turn(*wheel.dcw1, 1.0f);
                wheel.editCCTapped();
            };
        } else if (s.identifier == app::scene::mainMenu) {
            s.change = [](kit::ViewController& screen, kit::host::Headless&) {
                auto& menu = static_cast<app::MainMenuVC&>(screen);
                if (auto tile = menu.grayscale.lock()) menu.moreToolsTapped(*tile);
            };
        } else if (s.identifier == "ClassicColorWheelVC") {
            s.change = [](kit::ViewController& screen, kit::host::Headless& host) {
                auto& wheel = static_cast<wheels::CcwVC&>(screen);
                const auto& disc = *wheel.spinningCircleImg();
                const auto b = disc.bounds();
                auto at = [&](double fx, double fy) { return disc.convertPointTo({b.width() * fx, b.height() * fy}, nullptr); };
                host.drag({at(0.5, 0.1), at(0.8, 0.2), at(0.9, 0.5)});
                host.advance(1);
                wheel.openModeNowMenu();
            };
        } else if (s.identifier == "HueVC") {
            s.change = [](kit::ViewController& screen, kit::host::Headless&) {
                auto& hue = static_cast<wheels::HueVC&>(screen);
                const auto b = hue.imageView()->bounds();
                hue.pickAt({b.midX() + b.height() * 0.3, b.midY()});
                hue.addColor();
                hue.pickAt({b.midX(), b.midY() + b.height() * 0.35});
            };
        } else if (s.identifier == "ZelVC") {
            s.change = [](kit::ViewController& screen, kit::host::Headless&) { static_cast<wheels::ZelVC&>(screen).showTip(); };
        } else if (s.identifier == "ResultVC") {
            s.fill = [](kit::ViewController& screen) { static_cast<wheels::ZelCcVC&>(screen).colorTag = 4; };
            s.fixed = true;
        } else if (s.identifier == "LedVC") {
            s.fill = [](kit::ViewController& screen) { static_cast<tools::LedVC&>(screen).color = entryColours()[1]; };
            s.fixed = true;
        } else if (s.identifier == "AboutVC" || s.identifier == "GDPRVC") {
            s.fixed = true;
        } else if (s.identifier == app::scene::colorPicker) {
            s.change = [](kit::ViewController& screen, kit::host::Headless&) {
                for (int i = 0; i < 2; ++i) static_cast<capture::ColorPicker2VC&>(screen).addColor();
            };
        } else if (s.identifier == app::scene::imageColors) {
            s.change = [](kit::ViewController& screen, kit::host::Headless& host) {
                auto& colours = static_cast<capture::ImageColorsVC&>(screen);
                choosePicture(host, [&] { colours.selectImage(); });
                const auto& picture = *colours.imageView;
                host.tap(picture.convertPointTo({picture.bounds().midX(), picture.bounds().midY()}, nullptr));
            };
        } else if (s.identifier == app::scene::valueBreaker) {
            s.change = [](kit::ViewController& screen, kit::host::Headless& host) {
                auto& breaker = static_cast<capture::ValueBreakerVC&>(screen);
                choosePicture(host, [&] { breaker.selectImage(); });
                breaker.increaseValueNumber();
            };
        } else if (s.identifier == "ValueCheckerImageVC") {
            s.change = [](kit::ViewController& screen, kit::host::Headless& host) {
                auto& checker = static_cast<capture::PhotoConversionVC&>(screen);
                choosePicture(host, [&] { checker.selectImage(); });
            };
        } else if (s.identifier == app::scene::valueChecker) {
            s.change = [](kit::ViewController& screen, kit::host::Headless&) {
                static_cast<capture::ValueCheckerVC&>(screen).frozeHandle();
            };
        }
    }
    return all;
}

// A window resized by the user, or a device turned: either reaches the screens through the
// window's resize.
using Step = std::variant<kit::Size, kit::DeviceOrientation>;

struct Sequence {
    const char* name;
    const char* tag;
    kit::DeviceProfile start;
    std::vector<Step> steps;
};

const std::vector<Sequence>& sequences() {
    using O = kit::DeviceOrientation;
    static const std::vector<Sequence> all{
        {"480x720 to 1280x800 to 375x667", "a", kit::DeviceProfile::forWindow({480, 720}, 2), {kit::Size{1280, 800}, kit::Size{375, 667}}},
        {"900x700 to 1900x600 to 480x720 and back", "b", kit::DeviceProfile::forWindow({900, 700}, 2),
         {kit::Size{1900, 600}, kit::Size{480, 720}, kit::Size{900, 700}}},
        {"phone turned and back", "c", kit::DeviceProfile::phone(), {O::landscapeLeft, O::portrait}},
        {"small pad turned and back", "d", kit::DeviceProfile::smallPad(), {O::landscapeRight, O::portrait}},
        {"small phone turned and back", "e", kit::DeviceProfile::smallPhone(), {O::landscapeLeft, O::portrait}},
        {"pad turned and back", "f", kit::DeviceProfile::pad(), {O::landscapeRight, O::portrait}},
    };
    return all;
}

struct EveryScreenResize : EveryScreenFixture, ::testing::WithParamInterface<Screen> {
    bool madeSomething = false;  // whether any run changed what the screen shows (a list may fit on one size)

    void SetUp() override {
        EveryScreenFixture::SetUp();
        appDelegate->savedData.tryItWasShown = true;  // a hint that leaves by itself on a timer
    }

    static void settle(kit::host::Headless& host) {
        for (int i = 0; i < 4; ++i) {
            kit::DispatchQueue::global().waitUntilIdle();
            host.advance(0.25);
        }
    }

    // Into $TINCTURA_SCREENSHOT_DIR when set, one picture a step of the sequence.
    static void screenshot(kit::host::Headless& host, const Screen& screen, const Sequence& sequence, std::size_t step) {
        const kit::Size size = host.window()->bounds().size;
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR"))
            host.screenshot(std::string(dir) + "/" + screen.name + "-" + sequence.tag + "-" + std::to_string(step) + "-" +
                            std::to_string(int(size.width)) + "x" + std::to_string(int(size.height)) + ".png", 1);
    }

    // Opens the screen over the main menu, as the app does, makes the user's changes, then resizes
    // through the sizes; returns the state before and after.
    std::pair<State, State> run(const Screen& screen, const Sequence& sequence) {
        if (screen.before) screen.before();
        kit::host::Headless host(sequence.start);
        host.setRootViewController(kit::Storyboard::named("Main")->instantiateInitialViewController());
        auto nav = std::dynamic_pointer_cast<kit::NavigationController>(host.window()->rootViewController());
        std::shared_ptr<kit::ViewController> shown = nav->topViewController();
        if (screen.identifier != app::scene::mainMenu) {
            shown = kit::Storyboard::named("Main")->instantiateViewController(screen.identifier);
            if (screen.fill) screen.fill(*shown);
            nav->pushViewController(shown, false);
        }
        settle(host);
        const State untouched = stateOf(host);
        if (screen.change) screen.change(*shown, host);
        settle(host);
        makeChanges(*kit::host::topViewControllerOf(nav)->view());
        settle(host);
        const State before = stateOf(host);
        madeSomething = madeSomething || !(before == untouched);
        screenshot(host, screen, sequence, 0);
        for (std::size_t i = 0; i < sequence.steps.size(); ++i) {
            if (auto* size = std::get_if<kit::Size>(&sequence.steps[i])) host.resizeWindow(*size);
            else host.setOrientation(std::get<kit::DeviceOrientation>(sequence.steps[i]));
            settle(host);
            screenshot(host, screen, sequence, i + 1);
        }
        const State after = stateOf(host);
        host.advance(2);
        return {before, after};
    }
};

std::string difference(const State& before, const State& after) {
    std::vector<std::string> lost, gained;
    std::set_difference(before.items.begin(), before.items.end(), after.items.begin(), after.items.end(),
                        std::back_inserter(lost));
    std::set_difference(after.items.begin(), after.items.end(), before.items.begin(), before.items.end(),
                        std::back_inserter(gained));
    std::string out;
    for (const auto& s : lost) out += "  lost:   " + s + "\n";
    for (const auto& s : gained) out += "  gained: " + s + "\n";
    return out;
}

TEST_P(EveryScreenResize, KeepsWhatTheUserMade) {
    const Screen& screen = GetParam();
    for (const auto& sequence : sequences()) {
        auto [before, after] = run(screen, sequence);
        EXPECT_TRUE(before == after) << screen.name << ", " << sequence.name << ":\n" << difference(before, after);
    }
    EXPECT_TRUE(madeSomething || screen.fixed) << screen.name << ": the test changed nothing of the user's to keep";
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryScreenResize, ::testing::ValuesIn(screens()), screenTestName<Screen>);

} // namespace
