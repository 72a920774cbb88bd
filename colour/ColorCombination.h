#pragma once
// One combination of one to four colours, as every combination screen passes it around, and the
// kinds of combination with the tag under which each is stored or catalogued.
#include "kit/base/Color.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace colour {

struct ColorCombination {
    int numberOfColors = 0;
    std::string tag;
    bool isLiked = false;
    std::optional<kit::Color> color1, color2, color3, color4;
    // Record id of a stored combination; -1 for catalogue entries. List views tell combinations
    // apart by it.
    std::int32_t id = -1;
};

namespace CCs {

enum class CCTypeLogic { abstract, digital, saved, liked, single };

// "abstract", "digital", "custom", "liked", "colorPicker".
std::string_view rawValue(CCTypeLogic kind);
// Exactly the five raw texts (case-sensitive); nothing for any other.
std::optional<CCTypeLogic> ccTypeLogicFromRaw(std::string_view raw);

} // namespace CCs
} // namespace colour
