#pragma once
// The app in a real window: the device's screen scaled to fit the display (sharp on HiDPI), the mouse
// as one finger, touch screens as several, the wheel and touchpad scrolling for scroll views
// (Ctrl + wheel zooms a chart), the keyboard for text fields and the keys of KeyCommands.h (Ctrl+R
// turns the device; Ctrl+Q and Ctrl+W quit as the close button does). The window is redrawn at most
// 60 times a second, and only when the view tree changed. The host lives in the window module
// (kit/host/window/), loaded by make() only when a window is wanted, so that a start without one
// never loads the window system's libraries.
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
    virtual ~Window() = default;

    // Whether a display can be opened at all (DISPLAY or WAYLAND_DISPLAY set).
    static bool displayAvailable();
    // Loads the window module now rather than at make(); false, with the reason, when it cannot be
    // loaded. A start that will open a window calls it before any other thread runs, so the window
    // system's libraries initialise with nothing else going on.
    static bool loadHost(std::string* error);
    // A window host from the window module; none, with the reason, when the module cannot be loaded.
    static std::unique_ptr<Window> make(const DeviceProfile& profile, std::string* error);
    // A message box on the display, for what a user who started the app from the desktop would
    // otherwise never see; returns when it is closed. False, with the reason, when none could show.
    static bool showMessage(const std::string& title, const std::string& message, std::string* error);

    // Opens the window; false with the reason when the display cannot be used.
    virtual bool open(std::string* error = nullptr) = 0;
    virtual void setTitle(const std::string& title) = 0;
    // Finishes launching the application, then shows the screen.
    virtual void setRootViewController(const std::shared_ptr<ViewController>& controller) = 0;
    // A PNG of the last state is written here when the window closes.
    virtual void setExitScreenshot(std::optional<std::string> path) = 0;
    // Runs until the window is closed; returns the process exit status.
    virtual int run() = 0;

    virtual const std::shared_ptr<kit::Window>& window() const = 0;
};

// What the window module exports as tinctura_window_module.
struct WindowModule {
    std::unique_ptr<Window> (*make)(const DeviceProfile& profile);
    bool (*showMessage)(const std::string& title, const std::string& message, std::string* error);
};

} // namespace kit::host
