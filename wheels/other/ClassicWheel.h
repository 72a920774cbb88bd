#pragma once
// The painted twelve-sector wheel: its sector colours, its harmony modes with their sector offsets,
// and the snapping of a touch angle to a sector.
#include <array>
#include <optional>
#include <string>

namespace wheels {

// The twelve sectors in wheel order (clockwise from red at the top), then white as a filler.
enum class ClassicCwColors {
    red, red_orange, orange, yellow_orange, yellow, yellow_green, green, blue_green, blue, blue_violet, violet,
    red_violet, white
};

int sectorIndex(ClassicCwColors colour);
// Raw values: the sector index plus one, white 0; nothing above 12.
int rawValue(ClassicCwColors colour);
std::optional<ClassicCwColors> classicCwColorFromRaw(int raw);
const char* hexCode(ClassicCwColors colour);
ClassicCwColors sectorAt(int index);  // index taken modulo 12

enum class CCWMode { complementary = 1, analogous, triad, split_complementary, tetradic, square };

inline constexpr std::array<CCWMode, 6> allCcwModes{CCWMode::complementary, CCWMode::analogous, CCWMode::triad,
                                                    CCWMode::split_complementary, CCWMode::tetradic, CCWMode::square};

// Menu title and overlay image name (the same English text).
const char* ccwModeTitle(CCWMode mode);
int ccwNumberOfColors(CCWMode mode);
// The sectors behind colours 1...4 for the selected sector (white where the mode has fewer).
std::array<ClassicCwColors, 4> harmonySectors(CCWMode mode, ClassicCwColors selected);

struct Snap {
    std::optional<ClassicCwColors> sector;  // none: the selection stays
    double angle = 0;                      // where the overlay settles, radians
};
// A touch angle in (0, pi] and in [-pi, 0): the sector it selects and the settling angle.
Snap snapPositiveAngle(double angle);
Snap snapNegativeAngle(double angle);

} // namespace wheels
