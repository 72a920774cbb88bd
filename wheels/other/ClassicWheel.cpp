#include "wheels/other/ClassicWheel.h"

#include <numbers>

namespace wheels {

namespace {
constexpr std::array<const char*, 13> kHex{"F32A17", "F4550F", "F29709", "F3B80A", "F4DE12", "8AC23E", "06960E",
                                           "2CA49C", "0948F1", "401AA1", "841DAB", "BF197B", "FFFFFF"};
struct Row {
    double upper;  // inclusive limit of the range (its other end is the previous row's)
    int sector;
    double snap;
};
} // namespace

int sectorIndex(ClassicCwColors colour) { return static_cast<int>(colour); }

int rawValue(ClassicCwColors colour) {
    return colour == ClassicCwColors::white ? 0 : sectorIndex(colour) + 1;
}

std::optional<ClassicCwColors> classicCwColorFromRaw(int raw) {
    if (raw == 0) return ClassicCwColors::white;
    if (raw >= 1 && raw <= 12) return static_cast<ClassicCwColors>(raw - 1);
    return std::nullopt;
}

const char* hexCode(ClassicCwColors colour) { return kHex[static_cast<std::size_t>(colour)]; }

ClassicCwColors sectorAt(int index) { return static_cast<ClassicCwColors>(((index % 12) + 12) % 12); }

const char* ccwModeTitle(CCWMode mode) {
    switch (mode) {
    case CCWMode::complementary: return "Complementary";
    case CCWMode::analogous: return "Analogous";
    case CCWMode::triad: return "Triad";
    case CCWMode::split_complementary: return "Split-Complementary";
    case CCWMode::tetradic: return "Tetradic";
    case CCWMode::square: return "Square";
    }
    return "Complementary";
}

int ccwNumberOfColors(CCWMode mode) {
    switch (mode) {
    case CCWMode::complementary: return 2;
    case CCWMode::tetradic:
    case CCWMode::square: return 4;
    default: return 3;
    }
}

std::array<ClassicCwColors, 4> harmonySectors(CCWMode mode, ClassicCwColors selected) {
    const int c = sectorIndex(selected);
    const auto w = ClassicCwColors::white;
    switch (mode) {
    case CCWMode::complementary: return {sectorAt(c), sectorAt(c + 6), w, w};
    case CCWMode::analogous: return {sectorAt(c + 11), sectorAt(c), sectorAt(c + 1), w};
    case CCWMode::triad: return {sectorAt(c + 10), sectorAt(c + 2), sectorAt(c + 6), w};
    case CCWMode::split_complementary: return {sectorAt(c + 6), sectorAt(c + 11), sectorAt(c + 1), w};
    case CCWMode::tetradic: return {sectorAt(c + 11), sectorAt(c + 1), sectorAt(c + 5), sectorAt(c + 7)};
    case CCWMode::square: return {sectorAt(c), sectorAt(c + 3), sectorAt(c + 6), sectorAt(c + 9)};
    }
    return {w, w, w, w};
}

// The last rows reach the ends of the range (pi and -pi): a finger level with the centre on the
// right would otherwise turn the overlay to blue-violet while the colours stay on the old sector.
Snap snapPositiveAngle(double a) {
    static constexpr Row rows[] = {{0.21, 9, 0},     {0.51, 10, 0.51}, {0.76, 10, 0.51}, {1.08, 11, 1.08},
                                   {1.33, 11, 1.08}, {1.58, 0, 1.58},  {1.83, 0, 1.58},  {2.08, 1, 2.08},
                                   {2.32, 1, 2.08},  {2.6, 2, 2.6},    {2.86, 2, 2.6},   {std::numbers::pi, 3, 3.12}};
    if (!(a > 0)) return {};
    for (const auto& row : rows)
        if (a <= row.upper) return {static_cast<ClassicCwColors>(row.sector), row.snap};
    return {};
}

Snap snapNegativeAngle(double a) {
    static constexpr Row rows[] = {{-0.21, 9, 0},      {-0.51, 8, -0.51}, {-0.76, 8, -0.51}, {-1.08, 7, -1.08},
                                   {-1.33, 7, -1.08},  {-1.58, 6, -1.58}, {-1.83, 6, -1.58}, {-2.08, 5, -2.08},
                                   {-2.32, 5, -2.08},  {-2.6, 4, -2.6},   {-2.86, 4, -2.6},  {-std::numbers::pi, 3, -3.12}};
    if (!(a < 0)) return {};
    for (const auto& row : rows)
        if (a >= row.upper) return {static_cast<ClassicCwColors>(row.sector), row.snap};
    return {};
}

} // namespace wheels
