#include "kit/media/FrameSource.h"

#include "kit/media/PixelConversion.h"
#include "kit/media/SyntheticSource.h"
#include "kit/media/V4l2Source.h"
#include "kit/store/PhotoLibrary.h"

#include <filesystem>

namespace kit::media {
namespace {

// One upright picture, delivered again for every frame. Frames travel in sensor orientation, which
// consumers turn a quarter clockwise, so the picture is stored turned back: a photo shows upright.
class StillSource final : public FrameSource {
public:
    explicit StillSource(const Image& upright) : still_(rotatedQuarterTurns(upright, -1)) {}
    bool start(Size, std::string*) override { return true; }
    void stop() override {}
    std::optional<Image> nextFrame(double) override { return still_; }

private:
    Image still_;
};

bool startsWith(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

} // namespace

std::unique_ptr<FrameSource> makeFrameSource(const std::string& description, std::string* error) {
    if (startsWith(description, "synthetic:")) return SyntheticSource::parse(description.substr(10), error);
    if (startsWith(description, "file:")) {
        const std::string path = description.substr(5);
        std::string why;
        std::error_code ec;
        // Read as the photo picker reads it: a phone photo's orientation tag turns it upright.
        std::optional<Image> still;
        if (!std::filesystem::exists(path, ec)) why = "no such file";
        else still = PhotoLibrary::load(path, &why);
        if (!still) {
            if (error) *error = "camera picture " + path + ": " + why;
            return nullptr;
        }
        return std::make_unique<StillSource>(*still);
    }
    if (startsWith(description, "v4l2:")) return std::make_unique<V4l2Source>(description.substr(5));
    if (error) *error = "no camera source \"" + description + "\"";
    return nullptr;
}

} // namespace kit::media
