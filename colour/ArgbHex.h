#pragma once
// The colour of a stored hex text: "#" and other non-alphanumerics at the ends are dropped, then
// eight digits read AARRGGBB, six RRGGBB, three RGB (each digit times 17). Other lengths give
// black; text without a leading hex digit gives white.
#include "kit/base/Color.h"

#include <string_view>

namespace colour {

kit::Color colorFromArgbHex(std::string_view text);

} // namespace colour
