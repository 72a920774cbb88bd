#pragma once
// The photo library: the user's pictures folder. The image picker lists it; saved pictures go to
// the app's own folder inside it (Paths::picturesDir()).
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

class Image;

class PhotoLibrary {
public:
    // The folder the picker shows: the user's pictures folder, or DIR/Pictures under --data-dir.
    static std::filesystem::path folder();
    // PNG and JPEG files in the folder and below it, newest first. Hidden files and folders are
    // skipped, unreadable folders too; at most `limit` files, so a huge folder stays quick to list.
    static std::vector<std::filesystem::path> pictures(std::size_t limit = 2000);
    // A picture of the library, turned upright as its EXIF orientation asks; none (with the reason
    // in `error`) when it cannot be read.
    static std::optional<Image> load(const std::filesystem::path& file, std::string* error = nullptr);
    // The same picture reduced for a preview, its shorter side at least `shorterSide` pixels (see
    // Image::decodeReduced): a large photo costs a fraction of the time and memory of load().
    static std::optional<Image> loadPreview(const std::filesystem::path& file, int shorterSide,
                                            std::string* error = nullptr);

    // Writes the image as a PNG into Paths::picturesDir() under a fresh name, `baseName`-N.png with
    // N the first free number. The outcome comes on the main queue: an error text, or none and the
    // file written.
    using SaveCompletion = std::function<void(const std::optional<std::string>& error, const std::filesystem::path& file)>;
    static void saveImage(const Image& image, SaveCompletion completion, std::string_view baseName = "picture");
    // The last file written by this process (tests, logs).
    static std::optional<std::filesystem::path> lastSavedFile();
    // Test hook: while set, every save fails with this description and writes nothing.
    static void setSaveFailure(std::optional<std::string> description);
};

} // namespace kit
