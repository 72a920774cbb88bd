#pragma once
// Puts the wheel screens into the storyboard "Main" under their identifiers.
namespace kit {
class Storyboard;
}

namespace wheels {

void registerWheelScreens(kit::Storyboard& board);

} // namespace wheels
