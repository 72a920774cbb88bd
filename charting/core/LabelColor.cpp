#include "charting/core/LabelColor.h"

namespace charting {

const kit::Color& labelColor() {
    static const kit::Color color = kit::Color::blackColor();
    return color;
}

} // namespace charting
