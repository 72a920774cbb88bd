#pragma once
// White controls drawn over a live or photo picture get a soft dark shadow, so that they stay
// visible on a bright picture as well as on a dark one.
namespace kit {
class View;
}

namespace app {

void addSoftShadow(kit::View& control);

} // namespace app
