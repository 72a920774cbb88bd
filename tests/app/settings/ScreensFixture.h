#pragma once
// The settings, videos, about and privacy screens on a headless phone, with a fresh delegate over a
// temporary data folder, recording fakes for URL opening (and the schemes installed), the review
// request and the share sheet, and the screens registered with the storyboard.
#include "app/AppFixture.h"
#include "app/settings/RateAs.h"
#include "app/settings/SettingsScreens.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/ui/ActivitySheet.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/ReviewRequest.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Window.h"

#include <cstdlib>

#include <set>

struct ScreensFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    std::set<std::string> installedSchemes;
    bool openerAccepts = true;

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        kit::ReviewRequest::resetCount();
        kit::ActivitySheet::resetSharedTexts();
        app::RateAs::rateAlertShown = false;
        auto& application = kit::Application::shared();
        application.setURLOpener([this](const std::string&) { return openerAccepts; });
        application.setSchemeQuery([this](const std::string& scheme) { return installedSchemes.count(scheme) != 0; });
        app::registerSettingsScreens(*board());
    }
    void TearDown() override {
        host.reset();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }

    static std::shared_ptr<kit::Storyboard> board() { return kit::Storyboard::named("Main"); }

    // A plain first screen in a navigation stack, with the scene pushed over it.
    template <class T>
    std::shared_ptr<T> pushScene(const char* identifier, const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        host = std::make_unique<kit::host::Headless>(device);
        auto nav = kit::make<kit::NavigationController>(kit::make<kit::ViewController>());
        host->setRootViewController(nav);
        auto screen = std::dynamic_pointer_cast<T>(board()->instantiateViewController(identifier));
        EXPECT_TRUE(screen);
        nav->pushViewController(screen, false);
        host->advance(1);
        return screen;
    }
    // A plain screen with the scene presented over it, as the segues show it.
    template <class T>
    std::shared_ptr<T> presentScene(const char* identifier, const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        host = std::make_unique<kit::host::Headless>(device);
        auto root = kit::make<kit::ViewController>();
        host->setRootViewController(root);
        auto screen = std::dynamic_pointer_cast<T>(board()->instantiateViewController(identifier));
        EXPECT_TRUE(screen);
        root->presentViewController(screen, false);
        host->advance(1);
        return screen;
    }
    std::shared_ptr<kit::NavigationController> nav() const {
        return std::dynamic_pointer_cast<kit::NavigationController>(host->window()->rootViewController());
    }
    // Pushes the screen again and leaves it by its back button: one pop, one haptic tap more.
    template <class T>
    void expectBackButtonPopsWithAHaptic(const std::shared_ptr<T>& screen) {
        const auto before = haptics();
        nav()->pushViewController(screen, false);
        host->advance(1);
        host->tap(screen->backButton());
        host->advance(1);
        EXPECT_EQ(nav()->viewControllers().size(), 1u);
        EXPECT_EQ(haptics(), before + 1);
    }
    // Where screenshots go: $TINCTURA_SCREENSHOT_DIR when set, else nowhere.
    void screenshot(const std::string& name) {
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR")) host->screenshot(std::string(dir) + "/" + name + ".png");
    }
};
