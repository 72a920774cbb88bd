#pragma once
// Puts the wheel screens into the storyboard "Main" under their identifiers.
namespace wheels {

void registerWheelScreens();

} // namespace wheels
