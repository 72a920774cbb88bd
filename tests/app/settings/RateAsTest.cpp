#include "ScreensFixture.h"

#include "app/SavedData.h"
#include "app/menus/MainMenuVC.h"
#include "app/menus/VideosVC.h"
#include "app/settings/SettingsVC.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Button.h"

namespace {

using app::RateAs;

struct RatingPrompt : ScreensFixture {
    kit::Defaults& defaults = kit::Defaults::standard();
    std::shared_ptr<kit::ViewController> menu;

    void SetUp() override {
        ScreensFixture::SetUp();
        host = std::make_unique<kit::host::Headless>();
        menu = kit::make<kit::ViewController>();
        host->setRootViewController(menu);  // the launch: the counter is now 1
    }
    void launchCount(std::int64_t count) { defaults.set(count, app::Keys::appOpenTimes); }
    std::shared_ptr<kit::AlertController> alert() const { return host->presentedAlert(); }
    bool userLeftRating() const { return defaults.boolean(app::Keys::userLeaveRating); }
};

TEST_F(RatingPrompt, ShowsOnlyAtMultiplesOfTheIntervalWhenStillEligible) {
    struct Case {
        std::int64_t count;
        bool userLeft, pollsOff, shownThisRun, prompts;
    };
    const Case cases[] = {
        {9, false, false, false, true},  {18, false, false, false, true}, {0, false, false, false, false},
        {1, false, false, false, false}, {8, false, false, false, false}, {10, false, false, false, false},
        {18, true, false, false, false}, {9, false, true, false, false},  {9, false, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        launchCount(c.count);
        defaults.set(c.userLeft, app::Keys::userLeaveRating);
        appDelegate->savedData.disablePolls = c.pollsOff;
        RateAs::rateAlertShown = c.shownThisRun;
        RateAs::rateIfNeeded(9, *menu);
        host->settle();
        ASSERT_EQ(alert() != nullptr, c.prompts);
        if (!c.prompts) continue;
        EXPECT_EQ(alert()->title(), "Do you like our app?");
        EXPECT_EQ(alert()->actionTitles(), (std::vector<std::string>{"Yes", "No", "Not Now"}));
        EXPECT_TRUE(RateAs::rateAlertShown);
        ASSERT_TRUE(host->answerAlert("Not Now"));
        host->settle();
    }
}

TEST_F(RatingPrompt, NotNowKeepsItForALaterRunButNotThisOne) {
    launchCount(9);
    RateAs::rateIfNeeded(9, *menu);
    ASSERT_TRUE(host->answerAlert("Not Now"));
    host->settle();
    RateAs::rateIfNeeded(9, *menu);  // the menu shown again
    host->settle();
    EXPECT_FALSE(alert());
    EXPECT_FALSE(userLeftRating());
    EXPECT_EQ(kit::ReviewRequest::requestCount(), 0);

    RateAs::rateAlertShown = false;  // a later run
    launchCount(18);
    RateAs::rateIfNeeded(9, *menu);
    host->settle();
    EXPECT_TRUE(alert());
}

TEST_F(RatingPrompt, YesRecordsTheRatingAndAsksForAReview) {
    launchCount(9);
    RateAs::rateIfNeeded(9, *menu);
    ASSERT_TRUE(host->answerAlert("Yes"));
    host->settle();
    EXPECT_TRUE(userLeftRating());
    EXPECT_EQ(kit::ReviewRequest::requestCount(), 1);
    EXPECT_FALSE(alert());
}

TEST_F(RatingPrompt, NoOffersTheFeedbackPage) {
    for (bool opened : {true, false}) {
        SCOPED_TRACE(opened);
        defaults.set(false, app::Keys::userLeaveRating);
        RateAs::showRateAlert(*menu);
        ASSERT_TRUE(host->answerAlert("No"));
        host->settle();
        ASSERT_TRUE(alert());
        EXPECT_EQ(alert()->title(), "Write us a message");
        EXPECT_EQ(alert()->message(), "Please write what you do not like in the app, and we will fix it.");
        EXPECT_EQ(alert()->actionTitles(), (std::vector<std::string>{"Not Now", "Write"}));
        openerAccepts = opened;
        ASSERT_TRUE(host->answerAlert("Write"));
        host->settle();
        EXPECT_EQ(kit::Application::shared().openedURLs().back(), RateAs::feedbackURL());
        // Recorded when the opening completes, whatever its outcome.
        EXPECT_TRUE(userLeftRating());
    }

    defaults.set(false, app::Keys::userLeaveRating);
    RateAs::showFeedbackAlert(*menu);
    ASSERT_TRUE(host->answerAlert("Not Now"));
    host->settle();
    EXPECT_FALSE(userLeftRating());
    EXPECT_EQ(kit::Application::shared().openedURLs().size(), 2u);
    EXPECT_EQ(kit::ReviewRequest::requestCount(), 0);
}

using RatingPromptDeathTest = RatingPrompt;
TEST_F(RatingPromptDeathTest, ZeroIntervalIsAProgrammingError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    launchCount(9);
    EXPECT_DEATH(RateAs::rateIfNeeded(0, *menu), "interval");
}

} // namespace

namespace {

// The registered screens under the real main menu.
struct MainMenuWithScreens : ScreensFixture {
    std::shared_ptr<app::MainMenuVC> launch(std::int64_t previousLaunches) {
        kit::Defaults::standard().set(previousLaunches, app::Keys::appOpenTimes);
        app::registerMainStoryboard();
        app::registerSettingsScreens();
        host = std::make_unique<kit::host::Headless>();
        host->setRootViewController(board()->instantiateInitialViewController());
        host->advance(1);
        return std::dynamic_pointer_cast<app::MainMenuVC>(nav()->viewControllers().front());
    }
};

TEST_F(MainMenuWithScreens, NinthLaunchPromptsOnceAndTheMenuOpensSettingsAndVideos) {
    auto menu = launch(8);
    ASSERT_TRUE(menu);
    ASSERT_TRUE(host->presentedAlert());
    EXPECT_EQ(host->presentedAlert()->title(), "Do you like our app?");
    screenshot("rating-prompt-phone");
    ASSERT_TRUE(host->answerAlert("Not Now"));
    host->advance(1);

    host->tap(menu->settingsButton.lock());
    host->advance(1);
    EXPECT_TRUE(std::dynamic_pointer_cast<app::SettingsVC>(nav()->topViewController()));
    nav()->popViewController(false);
    host->advance(1);
    EXPECT_FALSE(host->presentedAlert());  // once per run

    host->tap(menu->videoInstructionsButton.lock());
    host->advance(1);
    EXPECT_TRUE(std::dynamic_pointer_cast<app::VideosVC>(nav()->topViewController()));
}

TEST_F(MainMenuWithScreens, OtherLaunchesDoNotPrompt) {
    launch(0);
    EXPECT_FALSE(host->presentedAlert());
}

} // namespace
