#pragma once
// The mode menus of the list screens: a vertical stack of equal buttons, each telling its screen
// which mode it stands for by its accessibility identifier (its title).
#include <functional>
#include <memory>
#include <string>

namespace kit {
class Button;
class StackView;
} // namespace kit

namespace combinations {

// Vertical, equal heights, no spacing, white border, on an opaque backing.
std::shared_ptr<kit::StackView> makeMenuStackView();
// Title and identifier `title`, white 20-point title on the dark panel colour, white border; `select` runs on
// touch-up-inside with the button.
std::shared_ptr<kit::Button> makeModeButton(const std::string& title, std::function<void(kit::Button&)> select);

} // namespace combinations
