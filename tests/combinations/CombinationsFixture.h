#pragma once
// A combination screen pushed over a plain first screen on a headless device, with a fresh
// delegate over a temporary data folder, the combination screens registered, and helpers that put
// records into the store.
#include "app/AppFixture.h"
#include "app/storage/DataModel.h"
#include "combinations/Registration.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/store/Defaults.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Pasteboard.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/View.h"
#include "tools/ToolOverlays.h"
#include "wheels/ScreenParts.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct CombinationsFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<kit::NavigationController> nav;

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        combinations::registerCombinationScreens(*kit::Storyboard::named("Main"));
    }
    void TearDown() override {
        tools::setColorSetOpener({});
        tools::setSavedSetOpener({});
        wheels::setSingleViewOpener({});
        nav.reset();
        host.reset();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }
    static kit::Defaults& defaults() { return kit::Defaults::standard(); }
    kit::ManagedContext& context() { return *appDelegate->persistentContainer().viewContext(); }

    void start(const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        host = std::make_unique<kit::host::Headless>(device);
        nav = kit::make<kit::NavigationController>(kit::make<kit::ViewController>());
        host->setRootViewController(nav);
        host->advance(1);
    }
    template <class T>
    std::shared_ptr<T> push(const char* identifier, const kit::DeviceProfile& device = kit::DeviceProfile::phone(),
                            const std::function<void(T&)>& before = {}) {
        if (!host) start(device);
        auto screen = std::dynamic_pointer_cast<T>(kit::Storyboard::named("Main")->instantiateViewController(identifier));
        EXPECT_TRUE(screen) << identifier;
        if (!screen) return screen;
        if (before) before(*screen);
        nav->pushViewController(screen, false);
        host->advance(1);
        return screen;
    }
    void pop() {
        nav->popViewController(false);
        host->advance(1);
    }
    std::vector<std::string> alertActions() const {
        auto alert = host->presentedAlert();
        return alert ? alert->actionTitles() : std::vector<std::string>{};
    }
    void answer(const std::string& action) {
        auto alert = host->presentedAlert();
        ASSERT_TRUE(alert) << "no alert for " << action;
        ASSERT_TRUE(alert->triggerAction(action)) << action;
        host->advance(1);
    }
    static std::string pasteboard() { return kit::Pasteboard::general().string().value_or(""); }
    // The middle of a view in window coordinates.
    static kit::Point centerOf(const kit::View& view) {
        const auto r = view.convertRectTo(view.bounds(), nullptr);
        return {r.midX(), r.midY()};
    }
    // A quick horizontal stroke from the view's middle, in two long steps, so that it is taken for
    // a swipe before the list's scrolling starts.
    void flick(const kit::View& view, double dx) {
        const auto c = centerOf(view);
        host->drag({c, {c.x + dx / 2, c.y}, {c.x + dx, c.y}}, 0.15);
        host->advance(0.3);
    }
    // Screenshots go to $TINCTURA_SCREENSHOT_DIR when set.
    void screenshot(const std::string& name) {
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR")) {
            std::filesystem::create_directories(dir);
            host->screenshot(std::string(dir) + "/" + name + ".png");
        }
    }

    // A stored combination (colours as hex texts, empty ones left absent).
    void storeCombination(std::int32_t id, const std::string& tag, std::vector<std::string> hexes) {
        auto r = app::CustomColorCombination::insert(context());
        r.setId(id);
        r.setTag(tag);
        r.setNumberOfColors(static_cast<std::int32_t>(hexes.size()));
        hexes.resize(4);
        auto opt = [](const std::string& s) { return s.empty() ? std::nullopt : std::optional<std::string>(s); };
        r.setColor1(opt(hexes[0]));
        r.setColor2(opt(hexes[1]));
        r.setColor3(opt(hexes[2]));
        r.setColor4(opt(hexes[3]));
        ASSERT_FALSE(context().save());
    }
    void storeMix(std::int64_t id, const std::string& color, std::vector<std::string> colors) {
        auto r = app::LargeCombination::insert(context());
        r.setId(id);
        r.setType(1);
        r.setIsMixedColor(true);
        r.setColor(color);
        r.setColors(std::move(colors));
        ASSERT_FALSE(context().save());
    }
    void storeLightSet(std::int64_t id, const std::string& name, std::vector<std::string> colors, const std::string& light,
                       double power) {
        auto r = app::LargeCombination::insert(context());
        r.setId(id);
        r.setType(2);
        r.setIsLightColors(true);
        r.setName(name);
        r.setColors(std::move(colors));
        r.setLightType(light);
        r.setLightPower(power);
        ASSERT_FALSE(context().save());
    }
    std::vector<app::CustomColorCombination> stored(const std::string& tag) {
        auto request = app::CustomColorCombination::fetchRequest();
        request.predicate = kit::Predicate::format("tag = %@", tag);
        return app::fetchRecords<app::CustomColorCombination>(context(), request);
    }
};
