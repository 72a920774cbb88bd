#pragma once
// Registers the camera, photo, value and stencil screens with a storyboard under the identifiers
// the menus open them by.
namespace kit {
class Storyboard;
} // namespace kit

namespace capture {

void registerCaptureScreens(kit::Storyboard& board);

} // namespace capture
