#include "combinations/Swatches.h"

#include "app/ui/Strings.h"
#include "colour/HexText.h"
#include "colour/SwatchPalettes.h"

namespace combinations {

std::string swatchTitle(SwatchEnum set) {
    using app::Strings::text;
    switch (set) {
    case SwatchEnum::summer: return text("Summer");
    case SwatchEnum::winter: return text("Winter");
    case SwatchEnum::spring: return text("Spring");
    case SwatchEnum::autumn: return text("Autumn");
    case SwatchEnum::oilPaint: return text("Oil Paint");
    case SwatchEnum::wikipedia: return text("Wikipedia");
    case SwatchEnum::material: return text("Material Design");
    case SwatchEnum::html: return text("HTML/CSS by name");
    case SwatchEnum::grayscale10: return text("Grayscale") + " 10";
    case SwatchEnum::grayscale5: return text("Grayscale") + " 5";
    }
    return text("Summer");
}

bool isPlainColorSet(SwatchEnum set) { return ((0x4F >> static_cast<int>(set)) & 1) != 0; }

SwatchEnum swatchFromStoredIndex(long long index) {
    if (index >= 1 && index <= 9) return static_cast<SwatchEnum>(index);
    return SwatchEnum::summer;
}

std::vector<kit::Color> materialColors() {
    std::vector<kit::Color> out;
    const auto& hexes = colour::materialHexColors();
    out.reserve(hexes.size());
    for (const auto& hex : hexes) out.push_back(colour::colorFromHex(hex));
    return out;
}

std::vector<kit::Color> plainColors(SwatchEnum set) {
    switch (set) {
    case SwatchEnum::summer: return colour::summerColors();
    case SwatchEnum::winter: return colour::winterColors();
    case SwatchEnum::spring: return colour::springColors();
    case SwatchEnum::autumn: return colour::autumnColors();
    case SwatchEnum::material: return materialColors();
    default: return {};
    }
}

const std::vector<colour::ColorWithName>& namedColors(SwatchEnum set) {
    static const std::vector<colour::ColorWithName> none;
    switch (set) {
    case SwatchEnum::oilPaint: return colour::oilPaintColorNames();
    case SwatchEnum::wikipedia: return colour::wikipediaColorNamesSorted();
    case SwatchEnum::html: return colour::htmlColorNames();
    case SwatchEnum::grayscale10: return colour::grayscale10Colors();
    case SwatchEnum::grayscale5: return colour::grayscale5Colors();
    default: return none;
    }
}

} // namespace combinations
