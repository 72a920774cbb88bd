#pragma once
// The hint the image screens show over their empty picture until one is chosen.
#include <memory>

namespace kit {
class Label;
} // namespace kit

namespace capture {

// System 16, white at alpha 0.5, centred: "To get started, select an image...".
std::shared_ptr<kit::Label> makeSelectImageLabel();

} // namespace capture
