#pragma once
// The predefined colour combinations that ship with the program: 67 for abstract art, then 60 for
// digital work, in list order. Every entry holds four opaque colours and the id -1.
#include "colour/ColorCombination.h"

#include <vector>

namespace colour::CCs {

const std::vector<ColorCombination>& predefinedCombinations();

} // namespace colour::CCs
