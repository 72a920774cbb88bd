#include "colour/ColorCodeText.h"

#include "kit/store/Defaults.h"

#include <algorithm>

namespace colour {

int currentOutputMode() {
    // Any stored value outside the nine formats writes hex, so the range only needs to stay an int.
    const auto stored = kit::Defaults::standard().integer("COLOR_FORMAT");
    return static_cast<int>(std::clamp<std::int64_t>(stored, -1, 9));
}

} // namespace colour
