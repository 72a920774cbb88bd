#pragma once
// What the camera screens do when camera access is refused: an alert that offers the app's page of
// the system settings.
#include <functional>

namespace kit {
class ViewController;
}

namespace capture {

// Asks for camera access and logs the answer. Then, on the main queue and while the screen lives:
// granted runs `onGranted`; refused pops the screen (animated) and shows the permission alert.
void requestCameraAccess(kit::ViewController& screen, std::function<void(kit::ViewController& screen)> onGranted);

// "No permission to use camera" with "Open Settings" and "Cancel", presented by the root screen of
// the application's first window; nothing without a window or root screen. Main thread.
void showCameraPermissionAlert();
// Opens the app's page of the system settings.
void openAppSettings();

// The address of the app's settings page.
inline constexpr const char* openSettingsURLString = "app-settings:";

} // namespace capture
