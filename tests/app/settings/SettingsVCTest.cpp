#include "ScreensFixture.h"

#include "app/SavedData.h"
#include "app/menus/AboutVC.h"
#include "app/privacy/GDPRVC.h"
#include "app/settings/SettingsVC.h"
#include "kit/store/Defaults.h"
#include "kit/store/ObjectStoreContainer.h"
#include "kit/ui/Button.h"
#include "kit/ui/StackView.h"
#include "kit/ui/Switch.h"

namespace {

using app::SettingsVC;

struct SettingsScreen : ScreensFixture {
    kit::Defaults& defaults = kit::Defaults::standard();
    std::shared_ptr<SettingsVC> open(const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        return pushScene<SettingsVC>(app::scene::settings, device);
    }
    // Opens the menu and taps the row of that title.
    template <class Menu>
    void choose(Menu& menu, const std::string& title, const std::string& shot = {}) {
        host->tap(menu.menuButton());
        ASSERT_TRUE(menu.isOpen());
        if (!shot.empty()) screenshot(shot);
        const auto& titles = menu.elementsTitles();
        auto at = std::find(titles.begin(), titles.end(), title) - titles.begin();
        host->tap(menu.buttonsStack()->arrangedSubviews().at(static_cast<std::size_t>(at)));
        ASSERT_FALSE(menu.isOpen());
    }
};

TEST_F(SettingsScreen, ShowsTheStoredSettings) {
    auto screen = open();
    EXPECT_EQ(screen->dropDownMenu->menuButton()->currentTitle(), "HEX");
    EXPECT_EQ(screen->colorNameFormatDropdownMenu->menuButton()->currentTitle(), "HTML/CSS");
    EXPECT_TRUE(screen->adjustableSchemasSwitch.lock()->isOn());
    EXPECT_FALSE(screen->icloudStorage.lock()->isOn());
    EXPECT_FALSE(screen->disablePollsSwitch.lock()->isOn());
    screenshot("settings-phone");

    defaults.set(std::int64_t{2}, app::Keys::colorFormat);
    defaults.set(std::int64_t{2}, app::Keys::colorNameFormat);
    defaults.set(false, app::Keys::isAdjustableSchemas);
    defaults.set(true, app::Keys::cloudStorage);
    defaults.set(true, app::Keys::disablePolls);
    host.reset();
    kit::Application::resetShared();
    appDelegate = std::make_shared<app::AppDelegate>();
    app::setDelegate(appDelegate);
    screen = open(kit::DeviceProfile::pad());
    EXPECT_EQ(screen->dropDownMenu->menuButton()->currentTitle(), "CMYK");
    EXPECT_EQ(screen->colorNameFormatDropdownMenu->menuButton()->currentTitle(), "Oil Paint");
    EXPECT_FALSE(screen->adjustableSchemasSwitch.lock()->isOn());
    EXPECT_TRUE(screen->icloudStorage.lock()->isOn());
    EXPECT_TRUE(screen->disablePollsSwitch.lock()->isOn());
    screenshot("settings-pad");
}

TEST_F(SettingsScreen, SwitchesWriteTheirKeyAndTheSharedSettingsWithoutHaptic) {
    struct Case {
        std::weak_ptr<kit::Switch> SettingsVC::*outlet;
        const char* key;
        bool app::SavedData::*field;
    };
    const Case cases[] = {{&SettingsVC::adjustableSchemasSwitch, app::Keys::isAdjustableSchemas,
                           &app::SavedData::isAdjustableSchemas},
                          {&SettingsVC::icloudStorage, app::Keys::cloudStorage, &app::SavedData::icloudStorage},
                          {&SettingsVC::disablePollsSwitch, app::Keys::disablePolls, &app::SavedData::disablePolls}};
    auto screen = open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        auto control = ((*screen).*c.outlet).lock();
        const bool before = control->isOn();
        host->tap(control);
        EXPECT_EQ(control->isOn(), !before);
        EXPECT_EQ(defaults.boolean(c.key), !before);
        EXPECT_EQ(appDelegate->savedData.*c.field, !before);
        host->tap(control);
        EXPECT_EQ(defaults.boolean(c.key), before);
        EXPECT_EQ(appDelegate->savedData.*c.field, before);
    }
    EXPECT_EQ(haptics(), 0u);
}

TEST_F(SettingsScreen, CloudStorageTakesEffectAtTheNextStart) {
    auto screen = open();
    host->tap(screen->icloudStorage.lock());
    EXPECT_TRUE(defaults.boolean(app::Keys::cloudStorage));
    // The store opened in this run stays a local one, however late it is first used.
    EXPECT_EQ(dynamic_cast<kit::CloudPersistentContainer*>(&appDelegate->persistentContainer()), nullptr);

    app::AppDelegate nextRun;
    EXPECT_NE(dynamic_cast<kit::CloudPersistentContainer*>(&nextRun.persistentContainer()), nullptr);
}

TEST_F(SettingsScreen, FormatMenuSetsTheOutputMode) {
    auto screen = open();
    choose(*screen->dropDownMenu, "CMYK", "settings-format-menu-phone");
    EXPECT_EQ(defaults.integer(app::Keys::colorFormat), 2);
    EXPECT_EQ(appDelegate->outputMode, 2);
    EXPECT_EQ(screen->dropDownMenu->menuButton()->currentTitle(), "CMYK");
    screen->formatSelected(12);
    EXPECT_EQ(defaults.integer(app::Keys::colorFormat), 0);
    EXPECT_EQ(appDelegate->outputMode, 0);
}

TEST_F(SettingsScreen, NameMenuWritesOnlyTheKey) {
    auto screen = open();
    choose(*screen->colorNameFormatDropdownMenu, "Oil Paint");
    EXPECT_EQ(defaults.integer(app::Keys::colorNameFormat), 2);
    EXPECT_EQ(app::loadSavedData().colorNameFormat, app::ColorNameFormat::oilPaint);
    // The shared record keeps its launch value.
    EXPECT_EQ(appDelegate->savedData.colorNameFormat, app::ColorNameFormat::HtmlCss);

    const std::pair<int, std::int64_t> stored[] = {{0, 0}, {1, 1}, {2, 2}, {3, 1}, {-1, 1}};
    for (auto [index, value] : stored) {
        screen->colorNameFormatSelected(index);
        EXPECT_EQ(defaults.integer(app::Keys::colorNameFormat), value) << index;
    }
}

TEST_F(SettingsScreen, BackButtonAndSwipeGoBack) {
    auto screen = open();
    host->swipeRight({80, 400});  // off the strip: stays
    EXPECT_EQ(nav()->viewControllers().size(), 2u);
    host->swipeRight({4, 400});
    host->advance(1);
    EXPECT_EQ(nav()->viewControllers().size(), 1u);
    EXPECT_EQ(haptics(), 0u);
    expectBackButtonPopsWithAHaptic(screen);
}

TEST_F(SettingsScreen, RowsOpenPrivacyAndAboutModallyWithHaptic) {
    auto screen = open();
    host->tap(screen->privacyButton());
    host->advance(1);
    EXPECT_TRUE(std::dynamic_pointer_cast<app::GDPRVC>(screen->presentedViewController()));
    EXPECT_EQ(haptics(), 1u);
    auto privacy = std::static_pointer_cast<app::GDPRVC>(screen->presentedViewController());
    host->tap(privacy->backButton());
    host->advance(1);
    EXPECT_FALSE(screen->presentedViewController());
    EXPECT_EQ(haptics(), 2u);

    host->tap(screen->aboutButton());
    host->advance(1);
    auto about = std::dynamic_pointer_cast<app::AboutVC>(screen->presentedViewController());
    ASSERT_TRUE(about);
    EXPECT_EQ(haptics(), 3u);
    screenshot("about-phone");
    host->tap(about->closeButton());
    host->advance(1);
    EXPECT_FALSE(screen->presentedViewController());
    EXPECT_EQ(haptics(), 4u);
}

} // namespace
