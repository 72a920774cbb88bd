#pragma once
// The device the app believes it runs on: a settable profile, not the host machine. The window host
// and the headless host pick one (`--device phone|pad`); tests switch profiles, orientation and the
// window width (split screen) independently of the screen.
#include "kit/base/Geometry.h"

#include <array>
#include <optional>
#include <string>

namespace kit {

enum class UserInterfaceIdiom { phone = 0, pad = 1 };

// Raw values as the platform numbers them (landscape left 3, landscape right 4).
enum class DeviceOrientation { unknown = 0, portrait = 1, portraitUpsideDown = 2, landscapeLeft = 3, landscapeRight = 4, faceUp = 5, faceDown = 6 };

struct DeviceProfile {
    std::string name;
    UserInterfaceIdiom idiom = UserInterfaceIdiom::phone;
    Size screenSize;             // portrait, in points
    double scale = 1;            // pixels per point
    double nativeHeight = 0;     // portrait height in pixels, as the hardware reports it
    EdgeInsets safeArea;         // portrait safe-area insets
    DeviceOrientation orientation = DeviceOrientation::portrait;
    std::optional<double> windowWidth;  // a narrower app window (split screen); none = full screen

    bool isLandscape() const;
    // Screen bounds in points for the current orientation.
    Rect bounds() const;
    // The app window's frame: the screen, or the left part of it in split screen.
    Rect windowFrame() const;
    EdgeInsets safeAreaInsets() const;

    // A notched phone: 375 x 812 pt at 3x, native height 2436.
    static DeviceProfile phone();
    // A phone without a notch: 375 x 667 pt at 2x, native height 1334.
    static DeviceProfile smallPhone();
    // A 1024 x 1366 pt pad at 2x (its native height matches no phone class).
    static DeviceProfile pad();
    // 768 x 1024 pt pad at 2x.
    static DeviceProfile smallPad();
    // Every profile, in that order.
    static std::array<DeviceProfile, 4> all();
    // The screen of a desktop window of `size` points, once the user sized it: the phone idiom
    // below 600 points wide, the pad idiom from there; portrait or landscape by its shape; a status
    // bar's room at the top, as on the profiles without a notch. Never narrower than the smallest
    // profile nor lower than the least window height: a smaller window shows that much, scaled down.
    static DeviceProfile forWindow(Size size, double scale);
    static constexpr double padIdiomMinimumWidth = 600;
    // The least height at which every screen still fits; lower windows are scaled down.
    static const double leastWindowHeight;
    // Looks a profile up by name ("phone", "small-phone", "pad", "small-pad"), or makes the screen of
    // a window from its size in points ("900x700", at scale 2).
    static std::optional<DeviceProfile> named(const std::string& name);
};

class Device {
public:
    // The profile in force (a phone until something sets another).
    static DeviceProfile& current();
    static void setCurrent(const DeviceProfile& profile);
    static UserInterfaceIdiom userInterfaceIdiom() { return current().idiom; }
    static DeviceOrientation orientation() { return current().orientation; }
};

// Installs a profile for the lifetime of the guard (tests) and restores the previous one after.
class DeviceProfileScope {
public:
    explicit DeviceProfileScope(const DeviceProfile& profile);
    ~DeviceProfileScope();
    DeviceProfileScope(const DeviceProfileScope&) = delete;
    DeviceProfileScope& operator=(const DeviceProfileScope&) = delete;
    // For a guard that ends while a newer one is still in force: the newer one will restore what
    // this one found, and this one restores nothing, so guards may end in either order.
    void handOverTo(DeviceProfileScope& newer);

private:
    DeviceProfile previous_;
    bool restores_ = true;
};

// The main screen as the platform describes it.
class Screen {
public:
    static Rect bounds() { return Device::current().bounds(); }
    // Portrait pixel bounds, whatever the orientation.
    static Rect nativeBounds();
    static double scale() { return Device::current().scale; }
};

} // namespace kit
