#pragma once
// Puts the combination screens into the storyboard "Main" ("ColorCombinationVC", "CcImageVC",
// "SwatchesVC") and installs the colour-set and saved-set overlays for the tools and the wheels.
namespace kit {
class Storyboard;
}

namespace combinations {

void registerCombinationScreens(kit::Storyboard& board);

} // namespace combinations
