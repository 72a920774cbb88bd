#include "colour/ColorCombination.h"

#include <array>

namespace colour::CCs {
namespace {
constexpr std::array<std::string_view, 5> rawValues{"abstract", "digital", "custom", "liked", "colorPicker"};
} // namespace

std::string_view rawValue(CCTypeLogic kind) { return rawValues[static_cast<std::size_t>(kind)]; }

std::optional<CCTypeLogic> ccTypeLogicFromRaw(std::string_view raw) {
    for (std::size_t i = 0; i < rawValues.size(); ++i)
        if (rawValues[i] == raw) return static_cast<CCTypeLogic>(i);
    return std::nullopt;
}

} // namespace colour::CCs
