#pragma once
// A screen without a display: a window of a device's size whose input is synthesised and whose
// time only moves by advance(). Every UI test and the screenshot mode run here.
#include "kit/base/Clock.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/Image.h"
#include "kit/host/KeyCommands.h"
#include "kit/host/TextKeys.h"
#include "kit/ui/Device.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {
class AlertController;
class EventDispatcher;
class View;
class ViewController;
class Window;
} // namespace kit

namespace kit::host {

class Headless {
public:
    // Installs the profile (and a manual clock unless one is in force) for the host's lifetime.
    explicit Headless(const DeviceProfile& profile = DeviceProfile::phone());
    ~Headless();
    Headless(const Headless&) = delete;
    Headless& operator=(const Headless&) = delete;

    // Finishes launching the application, then shows the screen as the window's root.
    void setRootViewController(const std::shared_ptr<ViewController>& controller);
    const std::shared_ptr<Window>& window() const { return window_; }
    // The screen on top: the presented one, else the top of a navigation stack, else the root.
    std::shared_ptr<ViewController> topViewController() const;

    // Input, in window coordinates (points). Each step lets a little time pass, as fingers do.
    void tap(Point p);
    void tap(const std::shared_ptr<View>& view);
    void doubleTap(Point p);
    void longPress(Point p, double seconds = 1.0);
    // A finger down at the first point, through the others, up at the last.
    void drag(const std::vector<Point>& points, double seconds = 0.3);
    void swipe(Point from, Point to, double seconds = 0.15);
    void swipeRight(Point from, double distance = 120) { swipe(from, {from.x + distance, from.y}); }
    // Two fingers about a centre: apart from `startDistance` to `endDistance`.
    void pinch(Point center, double startDistance, double endDistance, double seconds = 0.3);
    // Two fingers at `radius` from a centre, turning by `radians`.
    void rotate(Point center, double radius, double radians, double seconds = 0.3);
    // Text for the focused text field.
    void typeText(const std::string& text);
    void pressBackspace(int times = 1);
    // An editing key for the focused text field (Ctrl+V, Shift+Left...); false when it took none.
    bool pressTextKey(TextKey key, KeyModifiers modifiers = {});
    // A key the window host answers; false when it meant nothing on screen. `pointer`: where the
    // mouse rests, for the scrolling keys.
    bool pressKey(Key key, std::optional<Point> pointer = std::nullopt);
    // A touchpad scroll by `points`, or mouse wheel steps (positive: towards the end of the
    // content), over the point `at`; Ctrl makes it zoom where a view can. False when no view took it.
    bool scroll(Point at, Point points, bool control = false);
    bool wheel(Point at, double steps, bool control = false, bool shift = false);
    // Low-level fingers, for gestures the helpers above do not cover.
    void touchDown(int finger, Point p);
    void touchMove(int finger, Point p);
    void touchUp(int finger, Point p);

    // The alert on screen, if any; answering it taps the action of that title.
    std::shared_ptr<AlertController> presentedAlert() const;
    bool answerAlert(const std::string& actionTitle);

    // Moves the manual clock, running timers, queued blocks, animations and layout on the way.
    void advance(double seconds);
    // Runs what is queued on the main queue and lays out, without moving time.
    void settle();

    // The window as the screen shows it, at the device's scale (or the one given).
    Image render(double scale = 0);
    bool screenshot(const std::string& path, double scale = 0);

    // Rotation and split screen: the window takes the new size and the screens lay out again.
    void setOrientation(DeviceOrientation orientation);
    void setWindowWidth(std::optional<double> width);
    // A desktop window sized by the user: the screen becomes that many points (see
    // DeviceProfile::forWindow), at the device's scale.
    void resizeWindow(Size points);

    EventDispatcher& dispatcher() { return *dispatcher_; }

private:
    void step(double seconds);
    void applyWindowFrame();

    DeviceProfileScope profile_;
    std::unique_ptr<ManualClockScope> clock_;
    std::shared_ptr<Window> window_;
    std::unique_ptr<EventDispatcher> dispatcher_;
};

// The screen on top of a window's screens (presented, else top of a stack, else the root).
std::shared_ptr<ViewController> topViewControllerOf(const std::shared_ptr<ViewController>& root);

} // namespace kit::host
