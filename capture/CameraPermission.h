#pragma once
// What the camera screens do when camera access is refused: an alert that offers the app's page of
// the system settings.
namespace capture {

// "No permission to use camera" with "Open Settings" and "Cancel", presented by the root screen of
// the application's first window; nothing without a window or root screen. Main thread.
void showCameraPermissionAlert();
// Opens the app's page of the system settings.
void openAppSettings();

// The address of the app's settings page.
inline constexpr const char* openSettingsURLString = "app-settings:";

} // namespace capture
