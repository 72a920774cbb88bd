#include "ControllerTestSupport.h"

#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/View.h"
#include "kit/ui/Window.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

using testing::Log;
using testing::RecordingController;
using Lines = std::vector<std::string>;

struct Fixture : ::testing::Test {
    void SetUp() override { Application::resetShared(); }
    void TearDown() override { Application::resetShared(); }
    Log log = std::make_shared<Lines>();
    std::shared_ptr<RecordingController> a = kit::make<RecordingController>("A", log);
    std::shared_ptr<RecordingController> b = kit::make<RecordingController>("B", log);
    std::shared_ptr<NavigationController> nav = kit::make<NavigationController>(a);
    std::shared_ptr<Window> window = kit::make<Window>(Rect{0, 0, 375, 812});

    void show() {
        window->setRootViewController(nav);
        window->makeKeyAndVisible();
        log->clear();
    }
};

using NavigationOrder = Fixture;

TEST_F(NavigationOrder, FirstShowLoadsAndAppearsTheRootOnce) {
    window->setRootViewController(nav);
    window->makeKeyAndVisible();
    window->makeKeyAndVisible();
    EXPECT_EQ(*log, (Lines{"A load", "A will-appear", "A did-appear"}));
    EXPECT_EQ(Application::shared().keyWindow(), window);
}

TEST_F(NavigationOrder, PushAndPopFollowThePlatformOrder) {
    show();
    nav->pushViewController(b, true);
    EXPECT_EQ(*log, (Lines{"B load", "A will-disappear", "B will-appear", "A did-disappear", "B did-appear"}));
    EXPECT_EQ(b->navigationController(), nav);
    EXPECT_EQ(b->view()->superview(), nav->view());
    EXPECT_EQ(a->view()->superview(), nullptr);

    log->clear();
    EXPECT_EQ(nav->popViewController(true), b);
    EXPECT_EQ(*log, (Lines{"B will-disappear", "A will-appear", "B did-disappear", "A did-appear"}));
    EXPECT_EQ(b->navigationController(), nullptr);

    // A second push of a screen whose view is loaded does not load it again.
    log->clear();
    nav->pushViewController(b, false);
    EXPECT_EQ(log->front(), "A will-disappear");
}

TEST_F(NavigationOrder, TheScreenHearsOfEachLayoutOfItsView) {
    show();
    int before = a->layouts;
    EXPECT_GT(before, 0);
    a->view()->setNeedsLayout();
    window->layoutIfNeeded();
    EXPECT_EQ(a->layouts, before + 1);
    window->layoutIfNeeded();
    EXPECT_EQ(a->layouts, before + 1) << "nothing to lay out, nothing to tell";
}

TEST_F(NavigationOrder, PopAtTheRootDoesNothing) {
    show();
    EXPECT_EQ(nav->popViewController(true), nullptr);
    EXPECT_TRUE(log->empty());
    EXPECT_EQ(nav->viewControllers().size(), 1u);
}

TEST_F(NavigationOrder, ScreensOutsideAStackHaveNoNavigationController) {
    EXPECT_EQ(b->navigationController(), nullptr);
    EXPECT_EQ(a->navigationController(), nav);
}

TEST_F(NavigationOrder, FullScreenPresentationHidesThePresenterButAnOverlayDoesNot) {
    show();
    auto modal = kit::make<RecordingController>("M", log);
    a->presentViewController(modal, true);
    EXPECT_EQ(*log, (Lines{"M load", "A will-disappear", "M will-appear", "A did-disappear", "M did-appear"}));
    // Presentations belong to the outermost container.
    EXPECT_EQ(a->presentedViewController(), modal);
    EXPECT_EQ(modal->presentingViewController(), nav);

    log->clear();
    modal->dismissViewController(true);
    EXPECT_EQ(*log, (Lines{"M will-disappear", "A will-appear", "M did-disappear", "A did-appear"}));
    EXPECT_EQ(a->presentedViewController(), nullptr);

    log->clear();
    auto overlay = kit::make<RecordingController>("O", log);
    overlay->setModalPresentationStyle(ModalPresentationStyle::overFullScreen);
    bool done = false;
    a->presentViewController(overlay, true, [&] { done = true; });
    EXPECT_TRUE(done);
    EXPECT_EQ(*log, (Lines{"O load", "O will-appear", "O did-appear"}));
}

TEST_F(NavigationOrder, ASecondPresentationIsRefused) {
    show();
    auto first = kit::make<RecordingController>("M", log);
    auto second = kit::make<RecordingController>("N", log);
    a->presentViewController(first, false);
    ConsoleCapture console;
    a->presentViewController(second, false);
    EXPECT_EQ(console.lines().size(), 1u);
    EXPECT_EQ(a->presentedViewController(), first);
    EXPECT_FALSE(second->isViewLoaded());
}

TEST_F(NavigationOrder, WindowResizeReachesTheVisibleScreenThenRunsCompletions) {
    struct Sized : RecordingController {
        using RecordingController::RecordingController;
        Size seen;
        Size atCompletion;
        void viewWillTransitionToSize(Size size, TransitionCoordinator& c) override {
            seen = size;
            c.animateAlongsideTransition({}, [this] { atCompletion = view()->bounds().size; });
        }
    };
    auto sized = kit::make<Sized>("S", log);
    auto stack = kit::make<NavigationController>(sized);
    window->setRootViewController(stack);
    window->makeKeyAndVisible();
    window->resize({812, 375});
    EXPECT_EQ(sized->seen, (Size{812, 375}));
    EXPECT_EQ(sized->atCompletion, (Size{812, 375}));
}

} // namespace
} // namespace kit
