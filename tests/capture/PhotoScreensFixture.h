#pragma once
// A photo screen pushed over a plain first screen on a headless device, with a fresh delegate over
// a temporary data folder, the capture screens registered and a scripted image picker.
#include "app/AppFixture.h"
#include "capture/CaptureScreens.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/store/PhotoLibrary.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/ImagePicker.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"

#include <cstdlib>
#include <filesystem>

struct PhotoScreensFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<kit::NavigationController> nav;

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        capture::registerCaptureScreens(*board());
    }
    void TearDown() override {
        kit::ImagePicker::setScript(std::nullopt);
        kit::PhotoLibrary::setSaveFailure(std::nullopt);
        if (host) host->advance(2);
        nav.reset();
        host.reset();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }
    static std::shared_ptr<kit::Storyboard> board() { return kit::Storyboard::named("Main"); }

    template <class T>
    std::shared_ptr<T> push(const char* identifier, const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        host = std::make_unique<kit::host::Headless>(device);
        nav = kit::make<kit::NavigationController>(kit::make<kit::ViewController>());
        host->setRootViewController(nav);
        auto screen = std::dynamic_pointer_cast<T>(board()->instantiateViewController(identifier));
        EXPECT_TRUE(screen);
        nav->pushViewController(screen, false);
        host->advance(1);
        return screen;
    }
    // The next picker answers with this picture (edited and original), the original only, or a cancel.
    static void script(kit::ImagePickerScript::Outcome outcome, kit::Image image = {}) {
        kit::ImagePicker::setScript(kit::ImagePickerScript{outcome, std::move(image)});
    }
    // A picture of rows of colours: a hue sweep from left to right, darker towards the bottom.
    static kit::Image photo(int width = 120, int height = 90) {
        std::vector<std::uint8_t> px;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const auto c = kit::Color::hsb(double(x) / width, 0.8, 1.0 - 0.9 * y / height);
                px.insert(px.end(), {std::uint8_t(c.red() * 255), std::uint8_t(c.green() * 255), std::uint8_t(c.blue() * 255), 255});
            }
        return *kit::Image::fromRGBA(width, height, px);
    }
    std::vector<std::string> alertActions() const {
        auto alert = host->presentedAlert();
        return alert ? alert->actionTitles() : std::vector<std::string>{};
    }
    // Screenshots go to $TINCTURA_SCREENSHOT_DIR when set.
    void screenshot(const std::string& name) {
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR")) {
            std::filesystem::create_directories(dir);
            host->screenshot(std::string(dir) + "/" + name + ".png");
        }
    }
};
