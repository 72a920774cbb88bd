#include "kit/ui/Device.h"

#include <algorithm>
#include <cmath>
#include <string>

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

DeviceProfile DeviceProfile::forWindow(Size size, double scale) {
    const Rect smallest = smallPhone().bounds();
    const double width = std::max(size.width, smallest.width()), height = std::max(size.height, smallest.height());
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

std::optional<DeviceProfile> DeviceProfile::named(const std::string& name) {
    for (auto p : all())
        if (p.name == name) return p;
    return std::nullopt;
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
