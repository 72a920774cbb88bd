#pragma once
// The list of combinations of one kind, as the combinations screen shows it: the predefined
// entries of the two catalogue kinds, or the user's stored records of the other kinds.
#include "colour/ColorCombination.h"

#include <concepts>
#include <optional>
#include <vector>

namespace colour::CCs {

// Catalogue entries of the kind in catalogue order; or the stored "CustomColorCombination"
// records tagged with the kind's raw value, newest (largest id) first, each colour read with
// `colorFromArgbHex`. Nothing when the store cannot be read.
std::optional<std::vector<ColorCombination>> combinationsOfKind(CCTypeLogic kind);

// What the query needs of the list screen: the list it shows, and a refresh that re-renders it.
template <class List>
concept CombinationList = requires(List& list, std::vector<ColorCombination> combinations) {
    list.filteredArr = std::move(combinations);
    list.reloadList();
};

// Replaces the screen's list and refreshes it. When the store cannot be read the screen keeps
// its previous list and is not refreshed.
template <CombinationList List>
void loadCombinations(CCTypeLogic kind, List& list) {
    auto combinations = combinationsOfKind(kind);
    if (!combinations) return;
    list.filteredArr = std::move(*combinations);
    list.reloadList();
}

} // namespace colour::CCs
