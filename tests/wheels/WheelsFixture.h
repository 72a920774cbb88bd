#pragma once
// The wheel screens on a headless device, with a fresh delegate over a temporary data folder and
// the screens registered with the storyboard.
#include "app/AppFixture.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Window.h"
#include "wheels/Registration.h"

#include <cstdlib>

struct WheelsFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        wheels::registerWheelScreens(*kit::Storyboard::named("Main"));
    }
    void TearDown() override {
        if (host) host->advance(2);  // lets a pending save throttle run out on the host's clock
        host.reset();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }

    // A plain first screen in a navigation stack with the screen pushed over it.
    template <class T>
    std::shared_ptr<T> push(std::shared_ptr<T> screen, const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        host = std::make_unique<kit::host::Headless>(device);
        host->setRootViewController(kit::make<kit::NavigationController>(kit::make<kit::ViewController>()));
        nav()->pushViewController(screen, false);
        host->advance(0.5);
        return screen;
    }
    template <class T>
    std::shared_ptr<T> pushScene(const char* identifier, const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        auto screen = std::dynamic_pointer_cast<T>(kit::Storyboard::named("Main")->instantiateViewController(identifier));
        EXPECT_TRUE(screen);
        return push(screen, device);
    }
    std::shared_ptr<kit::NavigationController> nav() const {
        return std::dynamic_pointer_cast<kit::NavigationController>(host->window()->rootViewController());
    }
    // The centre of a view in window coordinates.
    static kit::Point centreOf(const kit::View& view) {
        return view.convertPointTo({view.bounds().midX(), view.bounds().midY()}, nullptr);
    }
    // Where screenshots go: $TINCTURA_SCREENSHOT_DIR when set, else nowhere.
    void screenshot(const std::string& name) {
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR")) host->screenshot(std::string(dir) + "/" + name + ".png", 1);
    }
};

#include "app/storage/DataModel.h"
#include "kit/store/ObjectStore.h"

// The stored combinations with a tag ("custom", "colorPicker").
inline std::vector<app::CustomColorCombination> storedWithTag(app::AppDelegate& delegate, const std::string& tag) {
    auto request = app::CustomColorCombination::fetchRequest();
    request.predicate = kit::Predicate::format("tag = %@", tag);
    return app::fetchRecords<app::CustomColorCombination>(*delegate.persistentContainer().viewContext(), request);
}
