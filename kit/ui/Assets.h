#pragma once
// Named images of the app: SVG files under assets/, drawn by librsvg at the size asked for.
// A name with no file gives nothing, never a failure.
#include "kit/graphics/Image.h"

#include <memory>
#include <optional>
#include <string>

namespace kit {

class Assets {
public:
    // The image at its own size in points, rendered at `scale` (the screen's scale when 0).
    static std::optional<Image> imageNamed(const std::string& name, double scale = 0);
    // The image drawn to fill `size` points (stretched), at `scale` (the screen's when 0).
    static std::optional<Image> imageNamed(const std::string& name, Size size, double scale = 0);
    // The same, shared with every other caller that asks for it: nothing is copied.
    static std::shared_ptr<const Image> sharedImageNamed(const std::string& name, Size size, double scale = 0);
    // Where assets are looked up: $TINCTURA_ASSETS_DIR, else the installed app's share folder next
    // to its executable, else (in the build tree) the source tree's assets/ folder.
    static std::string directory();
    static void setDirectory(const std::string& path);
};

} // namespace kit
