#include "ControllerTestSupport.h"

#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/runtime/RunLoop.h"
#include "kit/ui/Application.h"
#include "kit/ui/Device.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/ReviewRequest.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/View.h"
#include "kit/ui/Window.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

using Lines = std::vector<std::string>;

struct ApplicationFixture : ::testing::Test {
    ManualRunLoopScope loop;
    void SetUp() override { Application::resetShared(); }
    void TearDown() override { Application::resetShared(); }
};

struct RecordingDelegate : ApplicationDelegate {
    std::shared_ptr<Lines> log;
    explicit RecordingDelegate(std::shared_ptr<Lines> l) : log(std::move(l)) {}
    bool didFinishLaunching() override { log->push_back("launch"); return true; }
    void willResignActive() override { log->push_back("resign"); }
    void didEnterBackground() override { log->push_back("background"); }
    void willEnterForeground() override { log->push_back("foreground"); }
    void didBecomeActive() override { log->push_back("active"); }
};

TEST_F(ApplicationFixture, LaunchComesBeforeTheRootAppearsAndLifecycleFollowsTheHostEvents) {
    auto log = std::make_shared<Lines>();
    auto& app = Application::shared();
    app.setDelegate(std::make_shared<RecordingDelegate>(log));
    std::vector<std::string> posted;
    auto token = NotificationCenter::defaultCenter().addObserver(
        std::string(willEnterForegroundNotification), nullptr, [&](const Notification& n) { posted.push_back(n.name); });

    app.finishLaunching();
    app.finishLaunching();
    auto window = kit::make<Window>(Rect{0, 0, 375, 812});
    window->setRootViewController(kit::make<testing::RecordingController>("Menu", log));
    window->makeKeyAndVisible();
    app.enterBackground();
    app.enterBackground();
    app.becomeActive();
    EXPECT_EQ(*log, (Lines{"launch", "Menu load", "Menu will-appear", "Menu did-appear", "resign", "background",
                           "foreground", "active"}));
    EXPECT_EQ(posted, (Lines{std::string(willEnterForegroundNotification)}));
    NotificationCenter::defaultCenter().removeObserver(token);
}

TEST_F(ApplicationFixture, OpenURLCompletesOnTheMainQueue) {
    auto& app = Application::shared();
    std::vector<std::string> opened;
    app.setURLOpener([&](const std::string& url) {
        opened.push_back(url);
        return url.find("fail") == std::string::npos;
    });
    std::vector<bool> results;
    app.openURL("https://example.org/watch?v=abc", [&](bool ok) { results.push_back(ok); });
    app.openURL("https://example.org/fail", [&](bool ok) { results.push_back(ok); });
    app.openURL("--not-a-url", [&](bool ok) { results.push_back(ok); });
    EXPECT_TRUE(results.empty()) << "completions wait for the main queue";
    RunLoop::main().drainMainQueue();
    EXPECT_EQ(results, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(opened.size(), 2u) << "a text that is no URL never reaches the opener";
}

TEST_F(ApplicationFixture, CanOpenURLAsksForTheScheme) {
    auto& app = Application::shared();
    app.setSchemeQuery([](const std::string& scheme) { return scheme == "videoapp"; });
    EXPECT_TRUE(app.canOpenURL("videoapp://watch?v=abc"));
    EXPECT_TRUE(app.canOpenURL("VideoApp://x"));
    EXPECT_FALSE(app.canOpenURL("other://x"));
    EXPECT_FALSE(app.canOpenURL("no scheme here"));
    EXPECT_EQ(urlScheme("https://example.org"), "https");
    EXPECT_EQ(urlScheme("-x:y"), "");
}

TEST_F(ApplicationFixture, IdleTimerAndReviewRequestsAreObservable) {
    auto& app = Application::shared();
    std::vector<bool> hook;
    app.setIdleTimerHook([&](bool disabled) { hook.push_back(disabled); });
    app.setIdleTimerDisabled(true);
    app.setIdleTimerDisabled(false);
    EXPECT_EQ(hook, (std::vector<bool>{true, false}));
    EXPECT_FALSE(app.isIdleTimerDisabled());

    ReviewRequest::resetCount();
    ReviewRequest::requestReview();
    EXPECT_EQ(ReviewRequest::requestCount(), 1);
}

TEST_F(ApplicationFixture, RunProgramReportsTheExitStatusWithoutAShell) {
    std::string out;
    EXPECT_TRUE(runProgram({"echo", "a;b"}, &out));
    EXPECT_EQ(out, "a;b\n");
    EXPECT_FALSE(runProgram({"false"}));
    EXPECT_FALSE(runProgram({"/no/such/program"}));
}

struct Destination : ViewController {
    std::string passed;
};
struct Source : ViewController {
    std::vector<std::string> prepared;
    void prepareForSegue(StoryboardSegue& segue, const std::any& sender) override {
        prepared.push_back(segue.identifier());
        if (auto d = std::dynamic_pointer_cast<Destination>(segue.destination()))
            d->passed = std::any_cast<std::string>(sender);
    }
};

TEST_F(ApplicationFixture, StoryboardMakesScenesByIdentifierAndPerformsSegues) {
    auto board = std::make_shared<Storyboard>("Test");
    board->registerScene("SourceVC", [] { return kit::make<Source>(); });
    board->registerScene("DestinationVC", [] { return kit::make<Destination>(); });
    board->registerSegue("SourceVC", "show", "DestinationVC");
    board->registerSegue("SourceVC", "broken", "MissingVC");
    EXPECT_EQ(board->instantiateViewController("MissingVC"), nullptr);

    auto source = std::dynamic_pointer_cast<Source>(board->instantiateViewController("SourceVC"));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->storyboard(), board);
    EXPECT_EQ(source->storyboardIdentifier(), "SourceVC");
    auto nav = kit::make<NavigationController>(source);
    auto window = kit::make<Window>(Rect{0, 0, 375, 812});
    window->setRootViewController(nav);
    window->makeKeyAndVisible();

    source->performSegue("show", std::string("sender"));
    auto destination = std::dynamic_pointer_cast<Destination>(nav->topViewController());
    ASSERT_NE(destination, nullptr);
    EXPECT_EQ(destination->passed, "sender");
    EXPECT_EQ(destination->storyboard(), board);

    ConsoleCapture console;
    source->performSegue("broken", std::string());
    source->performSegue("unknown", std::string());
    EXPECT_EQ(nav->viewControllers().size(), 2u);
    EXPECT_EQ(source->prepared, Lines{"show"});
}

} // namespace
} // namespace kit

namespace kit {
namespace {

TEST(DeviceProfiles, OrientationAndSplitScreenChangeTheWindowNotTheScreen) {
    auto phone = DeviceProfile::phone();
    EXPECT_EQ(phone.bounds(), (Rect{0, 0, 375, 812}));
    EXPECT_EQ(phone.safeAreaInsets(), (EdgeInsets{44, 0, 34, 0}));
    phone.orientation = DeviceOrientation::landscapeRight;
    EXPECT_EQ(static_cast<int>(phone.orientation), 4);
    EXPECT_EQ(phone.bounds(), (Rect{0, 0, 812, 375}));
    EXPECT_EQ(phone.safeAreaInsets(), (EdgeInsets{0, 44, 21, 44}));

    auto pad = DeviceProfile::pad();
    pad.orientation = DeviceOrientation::landscapeLeft;
    EXPECT_EQ(static_cast<int>(pad.orientation), 3);
    pad.windowWidth = 507;
    EXPECT_EQ(pad.bounds().width(), 1366);
    EXPECT_EQ(pad.windowFrame(), (Rect{0, 0, 507, 1024}));

    DeviceProfileScope scope(pad);
    EXPECT_EQ(Screen::nativeBounds(), (Rect{0, 0, 2048, 2732}));
    EXPECT_EQ(Device::userInterfaceIdiom(), UserInterfaceIdiom::pad);
    EXPECT_EQ(DeviceProfile::named("small-phone")->scale, 2);
    EXPECT_EQ(DeviceProfile::named("watch"), std::nullopt);
}

} // namespace
} // namespace kit
