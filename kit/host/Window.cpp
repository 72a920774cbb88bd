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

namespace {

const WindowModule* host(std::string* error) {
    if (&tinctura_window_module) return &tinctura_window_module;
    return moduleEntry<WindowModule>("tinctura-window", "tinctura_window_module", error);
}

} // namespace

bool Window::loadHost(std::string* error) { return host(error) != nullptr; }

std::unique_ptr<Window> Window::make(const DeviceProfile& profile, std::string* error) {
    const auto* module = host(error);
    return module ? module->make(profile) : nullptr;
}

bool Window::showMessage(const std::string& title, const std::string& message, std::string* error) {
    const auto* module = host(error);
    return module && module->showMessage(title, message, error);
}

} // namespace kit::host
