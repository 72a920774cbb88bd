#include "capture/CameraPermission.h"

#include "app/ui/Strings.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
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

void openAppSettings() { kit::Application::shared().openURL(openSettingsURLString); }

} // namespace capture
