#pragma once
// The "?" button of the tool screens that opens their help overlay.
#include <functional>
#include <memory>

namespace kit {
class Button;
}

namespace capture {

// Title "?" in bold 21-point white; `showInfo` runs on touch up inside.
std::shared_ptr<kit::Button> makeInfoButton(std::function<void()> showInfo);

} // namespace capture
