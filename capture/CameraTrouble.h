#pragma once
// What a camera screen shows where the picture would be when the camera gives none: no camera at
// all (most desktops have no webcam), or one that cannot be opened (busy, or a picture file that
// cannot be read). The reason also goes to standard error, once per run.
#include <memory>
#include <string>

namespace kit {
class Label;
class View;
} // namespace kit

namespace capture {

struct CameraTrouble {
    std::string title;
    std::string detail;  // what happened, or what to do about it
};

CameraTrouble noCameraFound();
// `reason` as the device gave it ("/dev/video0: Device or resource busy", "camera picture ...").
CameraTrouble cameraCannotBeOpened(const std::string& reason);

// Writes the trouble to standard error, unless the same was written before in this run; then
// shows it centred in `area` in `notice`, made on first use and kept.
void showCameraTrouble(std::shared_ptr<kit::Label>& notice, kit::View& area, const CameraTrouble& trouble);

} // namespace capture
