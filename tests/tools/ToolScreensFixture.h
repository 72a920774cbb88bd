#pragma once
// A tool screen pushed over a plain first screen on a headless device, with a fresh delegate over
// a temporary data folder and the tool screens registered.
#include "app/AppFixture.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Pasteboard.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/TextField.h"
#include "kit/store/Defaults.h"
#include "tools/ToolOverlays.h"
#include "tools/ToolScreens.h"

#include <cstdlib>
#include <filesystem>

struct ToolScreensFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<kit::NavigationController> nav;

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        tools::registerToolScreens(*board());
    }
    void TearDown() override {
        tools::setColorSetOpener({});
        tools::setSavedSetOpener({});
        tools::setChartPreviewSetup({});
        if (host) host->advance(2);  // lets a pending save throttle run out on the host's clock
        nav.reset();
        host.reset();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }
    static std::shared_ptr<kit::Storyboard> board() { return kit::Storyboard::named("Main"); }
    static kit::Defaults& defaults() { return kit::Defaults::standard(); }

    template <class T>
    std::shared_ptr<T> push(const char* identifier, const kit::DeviceProfile& device = kit::DeviceProfile::phone(),
                            const std::function<void(T&)>& before = {}) {
        if (!host) {
            host = std::make_unique<kit::host::Headless>(device);
            nav = kit::make<kit::NavigationController>(kit::make<kit::ViewController>());
            host->setRootViewController(nav);
        }
        auto screen = std::dynamic_pointer_cast<T>(board()->instantiateViewController(identifier));
        EXPECT_TRUE(screen);
        if (before) before(*screen);
        nav->pushViewController(screen, false);
        host->advance(1);
        return screen;
    }
    void pop() {
        nav->popViewController(false);
        host->advance(1);
    }
    // Answers the alert on screen: fills its fields, then taps the action.
    void answer(const std::string& action, const std::vector<std::string>& fields = {}) {
        auto alert = host->presentedAlert();
        ASSERT_TRUE(alert) << "no alert for " << action;
        for (std::size_t i = 0; i < fields.size() && i < alert->textFields().size(); ++i)
            alert->textFields()[i]->setText(fields[i]);
        ASSERT_TRUE(alert->triggerAction(action)) << action;
        host->advance(1);
    }
    std::vector<std::string> alertActions() const {
        auto alert = host->presentedAlert();
        return alert ? alert->actionTitles() : std::vector<std::string>{};
    }
    std::string pasteboard() const { return kit::Pasteboard::general().string().value_or(""); }
    // Screenshots go to $TINCTURA_SCREENSHOT_DIR when set.
    void screenshot(const std::string& name) {
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR")) {
            std::filesystem::create_directories(dir);
            host->screenshot(std::string(dir) + "/" + name + ".png");
        }
    }
};
