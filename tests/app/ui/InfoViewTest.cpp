#include "app/AppFixture.h"

#include "app/ui/InfoView.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/Label.h"
#include "kit/ui/View.h"
#include "kit/ui/ViewController.h"
#include "kit/ui/Window.h"

namespace app {
namespace {

struct Closes : InfoViewDelegate {
    int count = 0;
    void infoViewDidClose() override { ++count; }
};

struct InfoFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<kit::ViewController> screen = kit::make<kit::ViewController>();
    std::shared_ptr<kit::View> topBar = kit::make<kit::View>(kit::Rect{0, 44, 375, 40});
    std::shared_ptr<Closes> closes = std::make_shared<Closes>();

    void open(kit::DeviceProfile profile = kit::DeviceProfile::phone()) {
        host = std::make_unique<kit::host::Headless>(profile);
        host->setRootViewController(screen);
        screen->view()->addSubview(topBar);
    }
    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
    }
    void TearDown() override {
        host.reset();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }
    std::shared_ptr<InfoView> make(std::shared_ptr<kit::View> on, bool fromSwatch) {
        auto info = kit::make<InfoView>(on, topBar, std::string("Tap on a color first"), std::nullopt, fromSwatch, 10);
        info->infoViewDelegate = closes;
        return info;
    }
};

TEST_F(InfoFixture, ToggleTwiceClosesOnceWithOneHaptic) {
    open();
    auto info = make(screen->view(), false);
    info->toggleInfo();
    host->settle();
    EXPECT_TRUE(info->isInfoShown());
    EXPECT_EQ(info->infoView()->superview(), screen->view());
    EXPECT_EQ(info->infoView()->frame(), (kit::Rect{(375 - 356.25) / 2, 84 + 10, 356.25, 420}));
    EXPECT_EQ(info->infoCloseLbl()->text(), "CLOSE");

    info->toggleInfo();
    EXPECT_FALSE(info->isInfoShown());
    EXPECT_EQ(info->infoView()->superview(), nullptr);
    EXPECT_EQ(closes->count, 1);
    EXPECT_EQ(haptics(), 1u);
}

TEST_F(InfoFixture, ATapAnywhereClosesOnceAndLeavesTheFlagSet) {
    open();
    auto info = make(screen->view(), false);
    info->toggleInfo();
    host->tap(kit::Point{200, 700});
    EXPECT_EQ(info->infoView()->superview(), nullptr);
    EXPECT_EQ(closes->count, 1);
    EXPECT_TRUE(info->isInfoShown());
    host->tap(kit::Point{200, 700});
    EXPECT_EQ(closes->count, 1) << "the closing tap went with the panel";
}

// The screens drop their panel when it reports the close, often as its last owner.
struct DropsItsPanel : InfoViewDelegate {
    std::shared_ptr<InfoView> panel;
    void infoViewDidClose() override { panel.reset(); }
};

TEST_F(InfoFixture, AnOwnerThatDropsThePanelOnItsCloseFreesItOnlyAfterTheCall) {
    open();
    auto owner = std::make_shared<DropsItsPanel>();
    owner->panel = kit::make<InfoView>(screen->view(), topBar, std::string("Tip"), std::nullopt, false, 10);
    owner->panel->infoViewDelegate = owner;
    // Watched through its view: a weak pointer to the panel itself would keep its memory.
    std::weak_ptr<kit::View> panelView = owner->panel->infoView();
    owner->panel->toggleInfo();
    ASSERT_TRUE(owner->panel && owner->panel->isInfoShown());
    owner->panel->toggleInfo();
    EXPECT_TRUE(panelView.expired());
    EXPECT_EQ(screen->view()->subviews().size(), 1u) << "only the top bar stays";
}

TEST_F(InfoFixture, AHostViewFromASwatchGoesWithTheOverlay) {
    open();
    for (bool fromSwatch : {true, false}) {
        auto hostView = kit::make<kit::View>(kit::Rect{0, 0, 375, 812});
        screen->view()->addSubview(hostView);
        auto info = make(hostView, fromSwatch);
        info->toggleInfo();
        info->toggleInfo();
        EXPECT_EQ(hostView->superview() == nullptr, fromSwatch);
    }
}

TEST_F(InfoFixture, APadPanelIs400Wide) {
    open(kit::DeviceProfile::pad());
    topBar->setFrame({0, 24, 1024, 40});
    auto info = make(screen->view(), false);
    info->toggleInfo();
    host->settle();
    EXPECT_EQ(info->infoView()->frame().width(), 400);
}

TEST_F(InfoFixture, AnOpenPhonePanelKeepsToTheWidthOfAResizedWindow) {
    open(kit::DeviceProfile::forWindow({480, 720}, 2));
    auto info = make(screen->view(), false);
    info->toggleInfo();
    host->settle();
    EXPECT_EQ(info->infoView()->frame().width(), 480 * 0.95);
    host->resizeWindow({375, 667});
    EXPECT_EQ(info->infoView()->frame(), (kit::Rect{(375 - 356.25) / 2, 84 + 10, 356.25, 420}));
}

TEST(InfoText, TitleThenBodyWithAnOptionalLeadingLine) {
    auto plain = makeInfoAttributedText("Tip", "Body", false);
    EXPECT_EQ(plain.string(), "Tip\nBody");
    auto spaced = makeInfoAttributedText("Tip", "Body", true);
    EXPECT_EQ(spaced.string(), "\nTip\nBody");
    EXPECT_EQ(spaced.attributesAt(1).font.pointSize(), 24);
    EXPECT_EQ(spaced.attributesAt(1).paragraphStyle->alignment, kit::TextAlignment::center);
    EXPECT_EQ(spaced.attributesAt(6).font.pointSize(), 17);
}

} // namespace
} // namespace app
