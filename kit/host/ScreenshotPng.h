#pragma once
// Screenshots as PNG files, encoded for speed rather than size: the screenshot mode's first frame
// is on the clock until its file is written. An opaque frame is written without alpha.
#include "kit/graphics/Image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kit::host {

std::optional<std::vector<std::uint8_t>> screenshotPngData(const Image& image);
// Written beside `path` and renamed over it, so a failed write leaves any earlier file intact.
bool writeScreenshotPng(const Image& image, const std::string& path, std::string* error = nullptr);

} // namespace kit::host
