// Every screen of the app, opened as the app opens it, on every device profile and window size and,
// where the screen shows colour codes, in every colour-code format: no control or text may sit on
// another, leave the screen or its safe area, or be cut by its own frame.
#include "EveryScreenFixture.h"

#include "ScreenLayoutCheck.h"
#include "app/SavedData.h"
#include "app/menus/MainMenuVC.h"
#include "app/menus/MainStoryboard.h"
#include "combinations/CcImageVC.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/media/CaptureDevice.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Application.h"
#include "kit/ui/Label.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Window.h"
#include "tools/ToolOverlays.h"
#include "wheels/digital/DcwVC.h"

#include <set>

namespace {

const std::vector<kit::Color>& entryColours() {
    static const std::vector<kit::Color> colours{kit::Color::rgba(0.9, 0.3, 0.2), kit::Color::rgba(0.2, 0.6, 0.9),
                                                 kit::Color::rgba(0.95, 0.85, 0.3), kit::Color::rgba(0.3, 0.7, 0.4)};
    return colours;
}

// A screen to look at: a storyboard identifier, or one of the states a user reaches from it.
struct Screen {
    std::string name;
    std::string identifier;
    std::function<void()> before;                                         // settings the screen reads
    std::function<std::shared_ptr<kit::ViewController>(kit::ViewController& pushed)> open;  // a state reached from it
    std::function<void(kit::ViewController&)> fill;  // entry data, given before the push as the app gives it
};

void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.name; }

// The digital wheel in each kind of layout the modes give it (two, three and four wheels, abstract
// captions, mono), and the screens that need entry data opened the way the app opens them.
std::vector<Screen> screens() {
    app::registerMainStoryboard();
    std::vector<Screen> all;
    for (const auto& id : kit::Storyboard::named("Main")->sceneIdentifiers()) all.push_back({id, id, {}, {}, {}});
    all.push_back({"MainMenuSecondPageVC", app::scene::mainMenu, {}, [](kit::ViewController& menu) {
                       auto& m = static_cast<app::MainMenuVC&>(menu);
                       if (auto tile = m.grayscale.lock()) m.moreToolsTapped(*tile);
                       return m.navigationController()->topViewController();
                   }, {}});
    for (int mode : {2, 4, 6, 7})
        all.push_back({"DcwVC.mode" + std::to_string(mode), "DcwVC",
                       [mode] { kit::Defaults::standard().set(mode, app::Keys::lastDcwCombination); }, {}, {}});
    for (auto& s : all) {
        if (s.identifier == "DcwEditCcVC") {
            s.identifier = "DcwVC";
            s.before = [] { kit::Defaults::standard().set(4, app::Keys::lastDcwCombination); };
            s.open = [](kit::ViewController& wheel) {
                static_cast<wheels::DcwVC&>(wheel).editCCTapped();
                return wheel.navigationController()->topViewController();
            };
        } else if (s.identifier == "CcImageVC") {
            s.fill = [](kit::ViewController& screen) { static_cast<combinations::CcImageVC&>(screen).colors = entryColours(); };
        } else if (s.identifier == "PieChartVC") {
            s.fill = [](kit::ViewController& screen) { tools::setUpChartPreview(screen, entryColours(), false); };
        }
    }
    return all;
}

struct EveryScreenLayout : EveryScreenFixture, ::testing::WithParamInterface<Screen> {

    struct Look {
        std::vector<layoutcheck::Finding> findings;
        std::multiset<std::string> texts;  // every visible text, to tell whether the format shows
    };

    // Opens the screen over the main menu, as the app does, and looks at it.
    Look look(const Screen& screen, const kit::DeviceProfile& device, int format) {
        kit::Defaults::standard().set(format, app::Keys::colorFormat);
        if (screen.before) screen.before();
        kit::host::Headless host(device);
        host.setRootViewController(kit::Storyboard::named("Main")->instantiateInitialViewController());
        auto nav = std::dynamic_pointer_cast<kit::NavigationController>(host.window()->rootViewController());
        std::shared_ptr<kit::ViewController> shown = nav->topViewController();
        if (screen.identifier != app::scene::mainMenu) {
            shown = kit::Storyboard::named("Main")->instantiateViewController(screen.identifier);
            if (screen.fill) screen.fill(*shown);
            nav->pushViewController(shown, false);
        }
        host.advance(0.5);
        if (screen.open) shown = screen.open(*shown);
        for (int i = 0; i < 4; ++i) {
            kit::DispatchQueue::global().waitUntilIdle();
            host.advance(0.25);
        }
        Look result{screenLayoutCheck(*host.window(), device).run(), {}};
        collectTexts(*host.window(), result.texts);
        host.advance(2);  // lets pending saves and timers run out on the host's clock
        return result;
    }

    static void collectTexts(const kit::View& view, std::multiset<std::string>& out) {
        if (view.isHidden()) return;
        if (auto* label = dynamic_cast<const kit::Label*>(&view); label && !label->text().empty()) out.insert(label->text());
        for (const auto& sub : view.subviews()) collectTexts(*sub, out);
    }

    // Every look at the screen on a device: hex and HSL, and the other seven formats when the two
    // differ in what they show.
    std::vector<std::pair<std::string, Look>> looks(const Screen& screen, const kit::DeviceProfile& device) {
        std::vector<std::pair<std::string, Look>> all;
        all.emplace_back("hex", look(screen, device, 0));
        all.emplace_back("HSL", look(screen, device, 3));
        if (all[0].second.texts == all[1].second.texts) return all;  // shows no colour codes
        for (int format : {1, 2, 4, 5, 6, 7, 8}) all.emplace_back("format " + std::to_string(format), look(screen, device, format));
        return all;
    }
};

TEST_P(EveryScreenLayout, OnEveryDeviceAndFormat) {
    const Screen& screen = GetParam();
    for (const auto& device : sweptDevices())
        for (const auto& [format, look] : looks(screen, device))
            EXPECT_TRUE(look.findings.empty()) << screen.name << " on " << device.name << " (" << format << "):\n"
                                               << layoutcheck::describe(look.findings);
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryScreenLayout, ::testing::ValuesIn(screens()), screenTestName<Screen>);

} // namespace
