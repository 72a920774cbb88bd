#include "capture/CameraPermission.h"

#include "app/ui/Strings.h"
#include "kit/base/Console.h"
#include "kit/media/CaptureDevice.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Window.h"

namespace capture {

void showCameraPermissionAlert() {
    const auto& windows = kit::Application::shared().windows();
    if (windows.empty()) return;
    auto root = windows.front()->rootViewController();
    if (!root) return;
    using app::Strings::text;
    auto alert = kit::AlertController::make(text("No permission to use camera"),
                                            text("This tool requires permission to use the camera to work."));
    alert->addAction(kit::AlertAction::make(text("Open Settings"), kit::AlertActionStyle::defaultStyle,
                                            [](kit::AlertAction&) { openAppSettings(); }));
    alert->addAction(kit::AlertAction::make(text("Cancel"), kit::AlertActionStyle::cancel));
    root->presentViewController(alert, true);
}

void requestCameraAccess(kit::ViewController& screen, std::function<void(kit::ViewController& screen)> onGranted) {
    std::weak_ptr<kit::ViewController> weak = screen.weak_from_this();
    kit::media::CaptureDevice::requestAccess([weak, onGranted = std::move(onGranted)](bool granted) {
        kit::print(granted ? "Camera authorization granted." : "Camera authorization denied.");
        kit::DispatchQueue::main().async([weak, onGranted, granted] {
            auto screen = weak.lock();
            if (!screen) return;
            if (granted) {
                onGranted(*screen);
                return;
            }
            if (auto nav = screen->navigationController()) nav->popViewController(true);
            showCameraPermissionAlert();
        });
    });
}

void openAppSettings() { kit::Application::shared().openURL(openSettingsURLString); }

} // namespace capture
