#pragma once
// The app in a real SDL2 window: the device's screen scaled to fit the display (sharp on HiDPI),
// the mouse as one finger, touch screens as several, the wheel and touchpad scrolling for scroll
// views (Ctrl + wheel zooms a chart), the keyboard for text fields and the keys of KeyCommands.h
// (Ctrl+R turns the device). The window is redrawn at most 60 times a second, and only when the view tree changed.
#include "kit/ui/Device.h"

#include <memory>
#include <optional>
#include <string>

namespace kit {
class ViewController;
class Window;
} // namespace kit

namespace kit::host {

class Window {
public:
    explicit Window(const DeviceProfile& profile = DeviceProfile::phone());
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Whether a display can be opened at all (DISPLAY or WAYLAND_DISPLAY set and SDL accepts it).
    static bool displayAvailable();

    // Opens the window; false with the reason when SDL cannot.
    bool open(std::string* error = nullptr);
    void setTitle(const std::string& title);
    // Finishes launching the application, then shows the screen.
    void setRootViewController(const std::shared_ptr<ViewController>& controller);
    // A PNG of the last state is written here when the window closes.
    void setExitScreenshot(std::optional<std::string> path) { exitScreenshot_ = std::move(path); }
    // Runs until the window is closed; returns the process exit status.
    int run();

    const std::shared_ptr<kit::Window>& window() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::optional<std::string> exitScreenshot_;
};

} // namespace kit::host
