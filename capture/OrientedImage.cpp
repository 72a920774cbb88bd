#include "capture/OrientedImage.h"

#include "kit/media/PixelConversion.h"

namespace capture {

std::optional<kit::Image> orientedImage(const kit::Image& image, ImageOrientation orientation) {
    if (image.isEmpty()) return std::nullopt;
    int clockwiseTurns = 0;
    bool mirrored = false;
    switch (orientation) {
    case ImageOrientation::up: break;
    case ImageOrientation::upMirrored: mirrored = true; break;
    case ImageOrientation::down: clockwiseTurns = 2; break;
    case ImageOrientation::downMirrored: clockwiseTurns = 2, mirrored = true; break;
    case ImageOrientation::leftMirrored: clockwiseTurns = -1, mirrored = true; break;
    case ImageOrientation::right: clockwiseTurns = 1; break;
    case ImageOrientation::rightMirrored: clockwiseTurns = 1, mirrored = true; break;
    case ImageOrientation::left: clockwiseTurns = -1; break;
    }
    // Turned first, then mirrored in the result's own space; whole pixels, no resampling.
    kit::Image turned = kit::media::rotatedQuarterTurns(image, clockwiseTurns);
    return mirrored ? kit::media::mirroredHorizontally(turned) : turned;
}

} // namespace capture
