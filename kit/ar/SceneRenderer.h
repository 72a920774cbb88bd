#pragma once
// Draws what the camera sees: the room, then every plane of the scene graph with its material,
// in perspective (each pixel's ray meets the plane; Cairo alone has only affine mappings). Planes
// are painted farthest first, blending over what lies behind. Main thread only.
#include "kit/ar/RoomBackdrop.h"
#include "kit/ar/World.h"
#include "kit/graphics/Image.h"

#include <map>
#include <string>

namespace kit::ar {

class Node;

class SceneRenderer {
public:
    Image render(const Node& root, const Room& room, const Camera& camera, Size viewSize, double scale);

private:
    const Image* namedTexture(const std::string& name);

    RoomBackdrop backdrop_;
    std::map<std::string, std::optional<Image>> namedTextures_;
};

} // namespace kit::ar
