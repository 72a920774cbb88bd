#include "kit/host/Headless.h"

#include "kit/base/Make.h"
#include "kit/runtime/Timer.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/LongPressGesture.h"
#include "kit/ui/PinchGesture.h"
#include "kit/ui/RotationGesture.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/TextField.h"
#include "kit/ui/View.h"
#include "kit/ui/Window.h"

#include <gtest/gtest.h>

namespace kit::host {
namespace {

// A screen with a back-swipe strip at its left edge and a tappable square.
class StripScreen : public ViewController {
public:
    void viewDidLoad() override {
        view()->setBackgroundColor(Color::rgba(0.1, 0.2, 0.3));
        strip = kit::make<View>(Rect{0, 0, 10, 812});
        view()->addSubview(strip);
        auto swipe = kit::make<SwipeGesture>([this](GestureRecognizer&) {
            ++swipes;
            if (auto nav = navigationController()) nav->popViewController(true);
        });
        swipe->setDirection(SwipeDirection::right);
        strip->addGestureRecognizer(swipe);

        square = kit::make<View>(Rect{100, 100, 50, 50});
        square->setBackgroundColor(Color::rgba(1, 0, 0));
        view()->addSubview(square);
        square->addGestureRecognizer(kit::make<TapGesture>([this](GestureRecognizer&) { ++taps; }));
    }
    std::shared_ptr<View> strip, square;
    int swipes = 0;
    int taps = 0;
};

struct HeadlessHost : ::testing::Test {
    void SetUp() override { Application::resetShared(); }
    void TearDown() override { Application::resetShared(); }
};

TEST_F(HeadlessHost, TapAndBackSwipeReachTheirRecognisers) {
    Headless host;
    auto root = kit::make<ViewController>();
    auto screen = kit::make<StripScreen>();
    auto nav = kit::make<NavigationController>(root);
    host.setRootViewController(nav);
    nav->pushViewController(screen, true);

    host.tap(screen->square);
    EXPECT_EQ(screen->taps, 1);
    host.tap(Point{300, 500});
    EXPECT_EQ(screen->taps, 1);

    host.swipeRight({5, 400});
    EXPECT_EQ(screen->swipes, 1);
    EXPECT_EQ(nav->topViewController(), root);
    EXPECT_EQ(host.topViewController(), root);
}

TEST_F(HeadlessHost, SynthesisedGesturesReachTheirRecognisers) {
    Headless host;
    auto screen = kit::make<ViewController>();
    host.setRootViewController(screen);
    auto target = kit::make<View>(Rect{50, 200, 275, 275});
    screen->view()->addSubview(target);
    target->setMultipleTouchEnabled(true);

    double scale = 1, rotation = 0;
    int doubleTaps = 0;
    std::vector<GestureRecognizer::State> pressStates;
    auto pinch = kit::make<PinchGesture>([&](GestureRecognizer& g) { scale = static_cast<PinchGesture&>(g).scale(); });
    auto rotate = kit::make<RotationGesture>(
        [&](GestureRecognizer& g) { rotation = static_cast<RotationGesture&>(g).rotation(); });
    auto twice = kit::make<TapGesture>([&](GestureRecognizer&) { ++doubleTaps; });
    twice->setNumberOfTapsRequired(2);
    auto press = kit::make<LongPressGesture>([&](GestureRecognizer& g) { pressStates.push_back(g.state()); });
    for (auto g : std::vector<std::shared_ptr<GestureRecognizer>>{pinch, twice, press}) target->addGestureRecognizer(g);

    Point centre{187.5, 337.5};
    host.pinch(centre, 100, 200);
    EXPECT_NEAR(scale, 2, 0.05);
    host.doubleTap(centre);
    EXPECT_EQ(doubleTaps, 1);
    host.longPress(centre, 1.0);
    ASSERT_FALSE(pressStates.empty());
    EXPECT_EQ(pressStates.front(), GestureRecognizer::State::began);
    EXPECT_EQ(pressStates.back(), GestureRecognizer::State::ended);

    target->removeGestureRecognizer(pinch.get());
    target->addGestureRecognizer(rotate);
    host.rotate(centre, 60, 0.5);
    EXPECT_NEAR(rotation, 0.5, 0.05);
}

TEST_F(HeadlessHost, RendersTheWindowAtTheDeviceScale) {
    Headless host(DeviceProfile::smallPhone());
    auto screen = kit::make<StripScreen>();
    host.setRootViewController(screen);
    auto image = host.render();
    EXPECT_EQ(image.pixelWidth(), 750);
    EXPECT_EQ(image.pixelHeight(), 1334);
    auto red = image.pixelRGBA(125 * 2, 125 * 2);
    EXPECT_EQ(red[0], 255);
    EXPECT_EQ(red[1], 0);
}

TEST_F(HeadlessHost, AdvanceRunsTimersOnTheManualClock) {
    Headless host;
    host.setRootViewController(kit::make<ViewController>());
    int fired = 0;
    auto timer = Timer::scheduled(1.5, false, [&] { ++fired; });
    host.advance(1.4);
    EXPECT_EQ(fired, 0);
    host.advance(0.2);
    EXPECT_EQ(fired, 1);
}

TEST_F(HeadlessHost, AlertHandlerRunsAfterTheAlertIsDismissed) {
    Headless host;
    auto screen = kit::make<ViewController>();
    host.setRootViewController(screen);

    auto alert = AlertController::make("Enter HEX color", "");
    alert->addTextField([](TextField& field) { field.setPlaceholder("HEX"); });
    std::shared_ptr<ViewController> presentedWhenHandled = screen;
    std::string typed;
    alert->addAction(AlertAction::make("Cancel", AlertActionStyle::cancel));
    alert->addAction(AlertAction::make("Add", AlertActionStyle::defaultStyle, [&](AlertAction&) {
        presentedWhenHandled = screen->presentedViewController();
        typed = alert->textFields()[0]->text();
        // A handler may present the next alert at once.
        screen->presentViewController(AlertController::make("Next", ""), true);
    }));
    screen->presentViewController(alert, true);

    ASSERT_EQ(host.presentedAlert(), alert);
    // The screen under an alert takes no touches.
    host.tap(Point{20, 20});
    EXPECT_EQ(host.presentedAlert(), alert);
    EXPECT_EQ(host.presentedAlert()->actionTitles(), (std::vector<std::string>{"Cancel", "Add"}));
    EXPECT_EQ(alert->textFields()[0]->placeholder(), "HEX");
    // The first field has the keyboard as the alert appears.
    host.typeText("FF40");
    EXPECT_TRUE(alert->fillTextField(0, alert->textFields()[0]->text() + "50"));
    EXPECT_FALSE(alert->fillTextField(1, "x"));
    EXPECT_FALSE(host.answerAlert("Missing"));
    EXPECT_TRUE(host.answerAlert("Add"));
    EXPECT_EQ(presentedWhenHandled, nullptr);
    EXPECT_EQ(typed, "FF4050");
    ASSERT_NE(host.presentedAlert(), nullptr);
    EXPECT_EQ(host.presentedAlert()->title(), "Next");
}

TEST_F(HeadlessHost, AlertButtonsAnswerRealTaps) {
    Headless host;
    auto screen = kit::make<ViewController>();
    host.setRootViewController(screen);
    auto alert = AlertController::make("Delete", "Do you want to delete this combination?");
    std::vector<std::string> chosen;
    for (const char* title : {"Yes", "No"})
        alert->addAction(AlertAction::make(title, AlertActionStyle::defaultStyle,
                                           [&chosen](AlertAction& a) { chosen.push_back(a.title()); }));
    screen->presentViewController(alert, true);
    host.settle();
    // Two actions sit side by side at the bottom of the centred panel: "No" on the right.
    auto panel = alert->view()->subviews().front()->frame();
    host.tap(Point{panel.maxX() - 40, panel.maxY() - 20});
    EXPECT_EQ(chosen, std::vector<std::string>{"No"});
    EXPECT_EQ(host.presentedAlert(), nullptr);
}

TEST_F(HeadlessHost, AReplacedHostLeavesItsSuccessorTheClockAndTheDevice) {
    const std::string before = Device::current().name;
    auto host = std::make_unique<Headless>(DeviceProfile::phone());
    host = std::make_unique<Headless>(DeviceProfile::pad()); // the new host is made before the old one goes
    EXPECT_EQ(Device::current().name, DeviceProfile::pad().name);
    ASSERT_NE(dynamic_cast<ManualClock*>(&Clock::current()), nullptr);
    int fired = 0;
    auto timer = Timer::scheduled(1.0, false, [&](Timer&) { ++fired; });
    host->advance(1.5);
    EXPECT_EQ(fired, 1);
    host.reset();
    EXPECT_EQ(Device::current().name, before);
    EXPECT_EQ(dynamic_cast<ManualClock*>(&Clock::current()), nullptr);
}

TEST_F(HeadlessHost, AResizedWindowGivesTheScreensItsSizeAndIdiomUnlessTooSmall) {
    Headless host(DeviceProfile::phone());
    auto nav = kit::make<NavigationController>(kit::make<ViewController>());
    host.setRootViewController(nav);
    host.settle();
    struct Case {
        Size window, screen;
        UserInterfaceIdiom idiom;
        bool landscape;
    };
    const Case cases[] = {
        {{900, 700}, {900, 700}, UserInterfaceIdiom::pad, true},
        {{480, 720}, {480, 720}, UserInterfaceIdiom::phone, false},
        {{600, 900}, {600, 900}, UserInterfaceIdiom::pad, false},
        {{1280, 800}, {1280, 800}, UserInterfaceIdiom::pad, true},
        {{599, 1000}, {599, 1000}, UserInterfaceIdiom::phone, false},
        // Lower than a phone but not than the least window height: laid out at its own size.
        {{1900, 660}, {1900, 660}, UserInterfaceIdiom::pad, true},
        {{375, 660}, {375, 660}, UserInterfaceIdiom::phone, false},
        // Narrower than the smallest phone, or lower than the least height: that much is shown,
        // scaled into the window.
        {{300, 500}, {375, DeviceProfile::leastWindowHeight}, UserInterfaceIdiom::phone, false},
        {{700, 400}, {700, DeviceProfile::leastWindowHeight}, UserInterfaceIdiom::pad, true},
    };
    for (const auto& c : cases) {
        host.resizeWindow(c.window);
        const std::string name = std::to_string(c.window.width) + " x " + std::to_string(c.window.height);
        EXPECT_EQ(host.window()->bounds().size, c.screen) << name;
        EXPECT_EQ(nav->view()->bounds().size, c.screen) << name << ": the screens follow";
        EXPECT_EQ(Screen::bounds().size, c.screen) << name;
        EXPECT_EQ(Device::userInterfaceIdiom(), c.idiom) << name;
        EXPECT_EQ(Device::current().isLandscape(), c.landscape) << name;
        // No notch or home indicator on a desktop window: a status bar's room, as on the small profiles.
        EXPECT_EQ(host.window()->safeAreaInsets(), (EdgeInsets{20, 0, 0, 0})) << name;
    }
}

TEST_F(HeadlessHost, AWindowSizeNamesAProfileAsWellAsTheDevices) {
    const auto window = DeviceProfile::named("900x700");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->bounds().size, (Size{900, 700}));
    EXPECT_EQ(window->idiom, UserInterfaceIdiom::pad);
    EXPECT_EQ(DeviceProfile::named("small-pad")->name, "small-pad");
    for (const char* bad : {"900x", "x700", "900x700x2", "0x700", "-900x700", "900 x 700", "9e2x700", "tablet", "20000x700"})
        EXPECT_FALSE(DeviceProfile::named(bad)) << bad;
}

} // namespace
} // namespace kit::host
