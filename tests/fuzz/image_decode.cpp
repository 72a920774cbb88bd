// PNG and JPEG decoding of untrusted bytes: a picture or a clean refusal, and a decoded picture
// has the size it claims.
#include "FuzzCheck.h"
#include "kit/graphics/Image.h"

#include <cstdint>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    auto image = kit::Image::decode(std::span<const std::uint8_t>(data, size), 1.0, &error);
    if (!image) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FUZZ_CHECK(image->pixelWidth() > 0 && image->pixelHeight() > 0);
    // Touch the last pixel: the buffer really is as large as the picture.
    (void)image->pixelRGBA(image->pixelWidth() - 1, image->pixelHeight() - 1);
    // A preview of what decodes whole decodes too, no larger than the whole.
    auto reduced = kit::Image::decodeReduced(std::span<const std::uint8_t>(data, size), 16);
    FUZZ_CHECK(reduced && reduced->pixelWidth() <= image->pixelWidth() && reduced->pixelHeight() <= image->pixelHeight());
    return 0;
}
