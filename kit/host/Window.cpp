#include "kit/host/Window.h"

#include "kit/base/SharedModule.h"

#include <cstdlib>

// Defined where the window host is linked into the program itself.
extern "C" const kit::host::WindowModule tinctura_window_module __attribute__((weak));

namespace kit::host {

bool Window::displayAvailable() {
    const char* x = std::getenv("DISPLAY");
    const char* wl = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wl && *wl);
}

std::unique_ptr<Window> Window::make(const DeviceProfile& profile, std::string* error) {
    const auto* module = &tinctura_window_module;
    if (!module) module = moduleEntry<WindowModule>("tinctura-window", "tinctura_window_module", error);
    return module ? module->make(profile) : nullptr;
}

} // namespace kit::host
