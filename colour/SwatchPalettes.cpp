#include "colour/SwatchPalettes.h"

#include "colour/HexText.h"
#include "colour/catalogues/CatalogueData.h"
#include "colour/library/ColorLibrary.h"

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace colour {
namespace {

// The season's literal lists concatenated, put in a fixed order in which equal colours stand side
// by side (packed value, largest first, then the exact components), then de-duplicated.
std::vector<kit::Color> season(std::initializer_list<int> lists) {
    std::vector<kit::Color> colors;
    for (int n : lists)
        for (const auto& c : data::seasonList(n)) colors.push_back(kit::Color::rgba(c.red, c.green, c.blue, 1));
    auto key = [](const kit::Color& c) { return std::tuple(rgbaValue(c), c.red(), c.green(), c.blue()); };
    std::stable_sort(colors.begin(), colors.end(),
                     [&](const kit::Color& a, const kit::Color& b) { return key(a) > key(b); });
    return dedupedColors(colors);
}

std::vector<ColorWithName> greys(std::initializer_list<const char*> hexes) {
    std::vector<ColorWithName> out;
    for (const char* hex : hexes) out.push_back({hex, std::to_string(out.size())});
    return out;
}

} // namespace

const std::vector<kit::Color>& summerColors() {
    static const auto colors = season({4, 10, 11, 12, 1});
    return colors;
}
const std::vector<kit::Color>& winterColors() {
    static const auto colors = season({3, 7, 8, 9, 2});
    return colors;
}
const std::vector<kit::Color>& springColors() {
    static const auto colors = season({6, 16, 17, 18});
    return colors;
}
const std::vector<kit::Color>& autumnColors() {
    static const auto colors = season({5, 14, 15, 13});
    return colors;
}

const std::vector<std::string>& materialHexColors() {
    static const std::vector<std::string> hexes = [] {
        const auto rows = data::materialHexRows();
        return std::vector<std::string>(rows.begin(), rows.end());
    }();
    return hexes;
}

const std::vector<ColorWithName>& grayscale10Colors() {
    static const auto colors = greys({"FFFFFF", "E9E9E9", "D2D2D2", "BBBBBB", "A2A2A2", "8C8C8C",
                                      "707070", "555555", "393939", "1A1A1A", "000000"});
    return colors;
}

const std::vector<ColorWithName>& grayscale5Colors() {
    static const auto colors = greys({"FFFFFF", "CCCCCC", "989898", "666666", "333333", "000000"});
    return colors;
}

const std::vector<ColorWithName>& wikipediaColorNamesSorted() {
    static const std::vector<ColorWithName> sorted = [] {
        std::vector<std::pair<std::uint32_t, ColorWithName>> keyed;
        for (const auto& entry : wikipediaColorNames())
            keyed.emplace_back(abgrValue(initWithHexString(entry.hex.value_or(""))), entry);
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        std::vector<ColorWithName> out;
        out.reserve(keyed.size());
        for (auto& [key, entry] : keyed) out.push_back(std::move(entry));
        return out;
    }();
    return sorted;
}

std::vector<kit::Color> dedupedColors(const std::vector<kit::Color>& colors) {
    std::vector<kit::Color> kept;
    for (const kit::Color& c : colors) {
        if (!kept.empty() && (hexString(kept.back()) == hexString(c) || isNear(kept.back(), c, 0.06))) continue;
        kept.push_back(c);
    }
    return kept;
}

} // namespace colour
