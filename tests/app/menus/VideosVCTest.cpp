#include "app/settings/ScreensFixture.h"

#include "app/menus/VideoLinks.h"
#include "app/menus/VideosVC.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Button.h"
#include "kit/ui/ScrollView.h"

namespace {

using app::VideosVC;
namespace links = app::VideoLinks;

struct VideosScreen : ScreensFixture {
    std::shared_ptr<VideosVC> open(const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        return pushScene<VideosVC>(app::scene::videos, device);
    }
    const std::vector<std::string>& opened() const { return kit::Application::shared().openedURLs(); }
    // Scrolls the list so that the button is in view, then taps it.
    void tapListed(VideosVC& screen, const std::shared_ptr<kit::Button>& button) {
        auto& list = *screen.listView();
        const double y = std::min(button->frame().y() - 20, list.maximumContentOffset().y);
        list.setContentOffset({0, std::max(0.0, y)});
        host->settle();
        host->tap(button);
    }
};

// The tutorials top to bottom, each with its own video.
const char* const tutorialIds[] = {
    links::ids::dcwUsualUseCase, links::ids::dcwImportColor,     links::ids::dcwExportColor,
    links::ids::dcwSaveColorCombination, links::ids::previewAsAChart, links::ids::ccExportColor,
    links::ids::saveAsImage,     links::ids::cpUsualUseCase,     links::ids::openInDcw,
    links::ids::icUsualUseCase,  links::ids::cmUsualUseCase,     links::ids::cmAsLedPanel,
    links::ids::mixWithOtherColors, links::ids::arStencilUsualUseCase, links::ids::contrastRatioUsualUseCase,
};

TEST_F(VideosScreen, EachTutorialOpensItsVideoInTheAppWhenInstalledElseOnTheWeb) {
    std::set<std::string> distinct(std::begin(tutorialIds), std::end(tutorialIds));
    EXPECT_EQ(distinct.size(), 15u);
    for (const char* id : tutorialIds) EXPECT_EQ(std::string(id).size(), 11u) << id;

    auto screen = open();
    screenshot("videos-phone");
    ASSERT_EQ(screen->tutorialButtons().size(), 15u);
    for (bool installed : {true, false}) {
        if (installed) installedSchemes = {links::appScheme};
        else installedSchemes.clear();
        for (std::size_t i = 0; i < 15; ++i) {
            SCOPED_TRACE(tutorialIds[i]);
            const auto before = opened().size();
            tapListed(*screen, screen->tutorialButtons()[i]);
            ASSERT_EQ(opened().size(), before + 1);
            const std::string id = tutorialIds[i];
            EXPECT_EQ(opened().back(), installed ? "tincturavideo://" + id : "https://videos.example.org/watch?v=" + id);
        }
    }
    EXPECT_EQ(haptics(), 0u);
}

TEST_F(VideosScreen, LinksAreFormedSafely) {
    EXPECT_EQ(links::appURL(""), std::nullopt);
    EXPECT_EQ(links::appURL("a b"), std::nullopt);
    EXPECT_EQ(links::appURL("a/b"), std::nullopt);
    EXPECT_EQ(links::webURL("a b&c"), "https://videos.example.org/watch?v=a%20b%26c");
    EXPECT_EQ(links::webURL(""), std::nullopt);

    auto screen = open();
    screen->openVideo("not an id");  // no app URL can be formed: nothing opens
    EXPECT_TRUE(opened().empty());
}

TEST_F(VideosScreen, ALinkNothingCouldOpenIsToldWithoutPromisingAVideo) {
    auto screen = open();
    openerAccepts = false;  // no browser on the machine
    tapListed(*screen, screen->tutorialButtons()[0]);
    host->advance(1);
    auto alert = host->presentedAlert();
    ASSERT_TRUE(alert) << "the failure is told";
    // There is no video behind the link: nothing names one or offers its dead address.
    for (const std::string& text : {alert->title(), alert->message()}) {
        EXPECT_EQ(text.find("video"), std::string::npos) << text;
        EXPECT_EQ(text.find("https://"), std::string::npos) << text;
    }
    EXPECT_EQ(alert->actionTitles(), std::vector<std::string>{"OK"});
    screenshot("videos-unopened-link");
    ASSERT_TRUE(host->answerAlert("OK"));

    openerAccepts = true;
    tapListed(*screen, screen->tutorialButtons()[1]);
    host->advance(1);
    EXPECT_FALSE(host->presentedAlert()) << "an opened link says nothing";
}

TEST_F(VideosScreen, BackSwipeOnlyBelowTheTopStrip) {
    auto screen = open(kit::DeviceProfile::pad());
    screenshot("videos-pad");
    host->swipeRight({4, 40});  // within the top 70 pt: no strip there
    host->advance(1);
    EXPECT_EQ(nav()->viewControllers().size(), 2u);
    host->swipeRight({4, 300});
    host->advance(1);
    EXPECT_EQ(nav()->viewControllers().size(), 1u);
    EXPECT_EQ(haptics(), 0u);
    expectBackButtonPopsWithAHaptic(screen);
}

} // namespace
