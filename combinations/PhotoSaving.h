#pragma once
// Saving a picture to the user's pictures folder, the stand-in for the photo library: a PNG under
// a fresh name, the outcome reported on the main queue (an error text, or none on success).
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kit {
class Image;
} // namespace kit

namespace combinations {

using SaveCompletion = std::function<void(const std::optional<std::string>& error)>;

// The file written is returned through the completion's folder: "combination-N.png", N the first
// free number.
void saveImageToPhotos(const kit::Image& image, SaveCompletion completion);
// The last file written by this process (tests, logs).
std::optional<std::filesystem::path> lastSavedPhoto();

} // namespace combinations
