#include "kit/ui/Device.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace kit {

bool DeviceProfile::isLandscape() const {
    return orientation == DeviceOrientation::landscapeLeft || orientation == DeviceOrientation::landscapeRight;
}

Rect DeviceProfile::bounds() const {
    if (isLandscape()) return {0, 0, screenSize.height, screenSize.width};
    return {0, 0, screenSize.width, screenSize.height};
}

Rect DeviceProfile::windowFrame() const {
    Rect screen = bounds();
    if (windowWidth && *windowWidth > 0 && *windowWidth < screen.width()) screen.size.width = *windowWidth;
    return screen;
}

EdgeInsets DeviceProfile::safeAreaInsets() const {
    if (!isLandscape() || idiom == UserInterfaceIdiom::pad) return safeArea;
    // A notched phone on its side keeps the notch's depth on both sides and a shorter home
    // indicator strip; a phone without a notch hides its status bar and has no insets.
    if (safeArea.top > 20) return {0, safeArea.top, 21, safeArea.top};
    return {};
}

DeviceProfile DeviceProfile::phone() {
    return {"phone", UserInterfaceIdiom::phone, {375, 812}, 3, 2436, {44, 0, 34, 0}, DeviceOrientation::portrait, {}};
}

DeviceProfile DeviceProfile::smallPhone() {
    return {"small-phone", UserInterfaceIdiom::phone, {375, 667}, 2, 1334, {20, 0, 0, 0}, DeviceOrientation::portrait, {}};
}

DeviceProfile DeviceProfile::pad() {
    return {"pad", UserInterfaceIdiom::pad, {1024, 1366}, 2, 2732, {24, 0, 20, 0}, DeviceOrientation::portrait, {}};
}

DeviceProfile DeviceProfile::smallPad() {
    return {"small-pad", UserInterfaceIdiom::pad, {768, 1024}, 2, 2048, {20, 0, 0, 0}, DeviceOrientation::portrait, {}};
}

std::array<DeviceProfile, 4> DeviceProfile::all() { return {phone(), smallPhone(), pad(), smallPad()}; }

// The digital wheel is the first screen to run out of room below this: in a wide window its wheel,
// shrunk between the controls, brings the hex label onto the ring, and its colour strips leave the
// abstract captions no room beside the tallest colour codes.
const double DeviceProfile::leastWindowHeight = 660;

DeviceProfile DeviceProfile::forWindow(Size size, double scale) {
    const Rect smallest = smallPhone().bounds();
    const double width = std::max(size.width, smallest.width()), height = std::max(size.height, leastWindowHeight);
    const bool landscape = width > height;
    DeviceProfile window{"window " + std::to_string(int(std::lround(width))) + "x" + std::to_string(int(std::lround(height))),
                         width >= padIdiomMinimumWidth ? UserInterfaceIdiom::pad : UserInterfaceIdiom::phone,
                         landscape ? Size{height, width} : Size{width, height},
                         scale,
                         std::max(width, height) * scale,
                         smallPhone().safeArea,
                         landscape ? DeviceOrientation::landscapeLeft : DeviceOrientation::portrait,
                         {}};
    return window;
}

namespace {

// A whole number of points from 1 to 10000, nothing else.
std::optional<double> windowSide(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 || value > 10000)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<DeviceProfile> DeviceProfile::named(const std::string& name) {
    for (auto p : all())
        if (p.name == name) return p;
    const auto x = name.find('x');
    if (x == std::string::npos) return std::nullopt;
    const auto width = windowSide(std::string_view(name).substr(0, x));
    const auto height = windowSide(std::string_view(name).substr(x + 1));
    if (!width || !height) return std::nullopt;
    return forWindow({*width, *height}, 2);
}

DeviceProfile& Device::current() {
    static DeviceProfile profile = DeviceProfile::phone();
    return profile;
}

void Device::setCurrent(const DeviceProfile& profile) { current() = profile; }

DeviceProfileScope::DeviceProfileScope(const DeviceProfile& profile) : previous_(Device::current()) {
    Device::setCurrent(profile);
}

DeviceProfileScope::~DeviceProfileScope() {
    if (restores_) Device::setCurrent(previous_);
}

void DeviceProfileScope::handOverTo(DeviceProfileScope& newer) {
    newer.previous_ = previous_;
    restores_ = false;
}

Rect Screen::nativeBounds() {
    const auto& p = Device::current();
    return {0, 0, p.screenSize.width * p.scale, p.nativeHeight};
}

} // namespace kit
