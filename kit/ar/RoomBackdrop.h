#pragma once
// The camera picture of the simulated tracking: the room as the camera sees it, drawn once per view
// size and kept, since the camera stands still.
#include "kit/ar/World.h"
#include "kit/graphics/Image.h"

#include <optional>

namespace kit::ar {

class RoomBackdrop {
public:
    // An opaque picture of `viewSize` points at `scale`, reused while nothing it depends on changes.
    const Image& picture(const Room& room, const Camera& camera, Size viewSize, double scale);

private:
    std::optional<Image> picture_;
    Size size_;
    double scale_ = 0;
    Camera camera_;
    Room room_;
};

} // namespace kit::ar
