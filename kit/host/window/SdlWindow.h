#pragma once
// The window host on SDL2 (see kit/host/Window.h). Built into the window module, and into programs
// that always open a window (the window tests), never into kit itself.
#include "kit/host/Window.h"

namespace kit::host {

class SdlWindow final : public Window {
public:
    explicit SdlWindow(const DeviceProfile& profile = DeviceProfile::phone());
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    bool open(std::string* error = nullptr) override;
    void setTitle(const std::string& title) override;
    void setRootViewController(const std::shared_ptr<ViewController>& controller) override;
    void setExitScreenshot(std::optional<std::string> path) override { exitScreenshot_ = std::move(path); }
    int run() override;

    const std::shared_ptr<kit::Window>& window() const override;

    // See Window::showMessage: an error box of its own, with no app window needed.
    static bool showMessage(const std::string& title, const std::string& message, std::string* error);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::optional<std::string> exitScreenshot_;
};

} // namespace kit::host
