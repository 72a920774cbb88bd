#include "combinations/CardSizing.h"

namespace combinations {

double cardWidth(kit::UserInterfaceIdiom idiom, kit::DeviceOrientation orientation, bool splitScreen,
                 int multitaskingLayout, double width) {
    if (idiom != kit::UserInterfaceIdiom::pad) return width;
    const bool landscape =
        orientation == kit::DeviceOrientation::landscapeLeft || orientation == kit::DeviceOrientation::landscapeRight;
    if (!splitScreen) return landscape ? width * 0.25 - 8 : width / 3 - 8;
    if (!landscape) return width;
    switch (multitaskingLayout) {
    case 2: return width / 3 - 8;
    case 1: return width * 0.5 - 8;
    default: return width;
    }
}

} // namespace combinations
