#include "app/ui/ScreenType.h"

#include "kit/ui/Application.h"
#include "kit/ui/Device.h"
#include "kit/ui/Window.h"

#include <array>

namespace app {
namespace {

struct ScreenClass {
    double nativeHeight;  // 0: never produced
    std::string_view description;
};

constexpr std::array<ScreenClass, 13> classes = {{
    {0, "iPhone 4 or iPhone 4S"},
    {1136, "iPhone 5, iPhone 5s, iPhone 5c or iPhone SE"},
    {1334, "iPhone 6, iPhone 6S, iPhone 7 or iPhone 8"},
    {1920, "iPhone 6 Plus, iPhone 6S Plus, iPhone 7 Plus or iPhone 8 Plus"},
    {2208, "iPhone 6 Plus, iPhone 6S Plus, iPhone 7 Plus or iPhone 8 Plus Simulators"},
    {2436, "iPhone X or iPhone XS or iPhone 12 Mini Simulator"},
    {1792, "iPhone XR or iPhone 11"},
    {2688, "iPhone XS Max or iPhone Pro Max"},
    {2426, "iPhone 11 Pro"},
    {2340, "iPhone 12 Mini"},
    {2532, "iPhone 12 or iPhone 12 Pro"},
    {2778, "iPhone 12 Pro Max"},
    {0, "unknown"},
}};

} // namespace

int screenType() {
    double height = kit::Screen::nativeBounds().height();
    for (int i = 1; i <= 11; ++i)
        if (classes[static_cast<std::size_t>(i)].nativeHeight == height) return i;
    return 12;
}

std::string_view screenTypeDescription(int screenClass) {
    if (screenClass < 0 || screenClass > 12) screenClass = 12;
    return classes[static_cast<std::size_t>(screenClass)].description;
}

bool isPlusSizeScreen() {
    auto d = screenTypeDescription(screenType());
    return d == classes[3].description || d == classes[4].description;
}

bool isTallScreen() {
    auto d = screenTypeDescription(screenType());
    return !(d == classes[1].description || d == classes[2].description || isPlusSizeScreen());
}

bool isSplitScreen() {
    auto window = kit::Application::shared().keyWindow();
    if (!window) return false;
    return window->frame().width() != kit::Screen::bounds().width();
}

int multitaskingLayoutForWidths(double W, double w) {
    if ((W - 15) / 2 <= w && w <= (W + 15) / 2) return 1;
    if (w <= (W + 15) / 3) return 3;
    return 2;
}

int multitaskingLayout() {
    if (kit::Device::userInterfaceIdiom() == kit::UserInterfaceIdiom::phone) return 4;
    const auto& windows = kit::Application::shared().windows();
    kit::Rect screen = kit::Screen::bounds();
    // Screens lay out inside a window; without one there is nothing to compare, so full screen.
    if (windows.empty()) return 0;
    kit::Rect window = windows.front()->frame();
    if (window == screen) return 0;
    return multitaskingLayoutForWidths(screen.width(), window.width());
}

} // namespace app
