#include "kit/store/PhotoLibrary.h"

#include "kit/base/Files.h"
#include "kit/graphics/Image.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/store/Paths.h"
#include "kit/store/PhotoOrientation.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <mutex>
#include <system_error>

namespace kit {
namespace fs = std::filesystem;
namespace {

struct SaveState {
    std::mutex mutex;
    std::optional<fs::path> lastFile;
    std::optional<std::string> failure;
};

SaveState& saveState() {
    static SaveState state;
    return state;
}

bool isPictureFile(const fs::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".png" || ext == ".jpg" || ext == ".jpeg";
}

// Larger than any photo a camera takes; a file beyond it is not read at all.
constexpr std::uintmax_t maximumPictureFileSize = 256u << 20;

bool hasPictureSignature(const std::vector<std::uint8_t>& head) {
    static constexpr std::uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    static constexpr std::uint8_t jpeg[] = {0xff, 0xd8, 0xff};
    auto startsWith = [&](const auto& signature) {
        return head.size() >= std::size(signature) && std::equal(std::begin(signature), std::end(signature), head.begin());
    };
    return startsWith(png) || startsWith(jpeg);
}

bool isHidden(const fs::path& entry) {
    const auto name = entry.filename().string();
    return !name.empty() && name.front() == '.';
}

std::optional<std::string> writePicture(const Image& image, std::string_view baseName, fs::path& file) {
    const auto folder = Paths::picturesDir();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "The pictures folder " + folder.string() + " cannot be made: " + ec.message();
    for (int n = 1;; ++n) {
        file = folder / (std::string(baseName) + "-" + std::to_string(n) + ".png");
        if (!fs::exists(file, ec)) break;
    }
    std::string reason;
    if (!image.savePNG(file.string(), &reason)) {
        if (isDiskFull(reason)) return "The picture could not be saved: the disk is full. Free some space and try again.";
        return "The picture could not be written to " + file.string() + (reason.empty() ? "" : ": " + reason);
    }
    std::lock_guard lock(saveState().mutex);
    saveState().lastFile = file;
    return std::nullopt;
}

} // namespace

fs::path PhotoLibrary::folder() {
    // Under an override the app's pictures folder is the whole library; otherwise it is the
    // "Tinctura" folder inside the user's pictures folder.
    const auto own = Paths::picturesDir();
    return Paths::dataDirOverride().empty() ? own.parent_path() : own;
}

std::vector<fs::path> PhotoLibrary::pictures(std::size_t limit) {
    struct Found {
        fs::path file;
        fs::file_time_type time;
    };
    std::vector<Found> found;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder(), fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator() && found.size() < limit; it.increment(ec)) {
        const auto& entry = *it;
        if (isHidden(entry.path())) {
            if (entry.is_directory(ec)) it.disable_recursion_pending();
            continue;
        }
        if (!entry.is_regular_file(ec) || !isPictureFile(entry.path())) continue;
        found.push_back({entry.path(), entry.last_write_time(ec)});
    }
    // Newest first; equal times by name, so the order is stable between listings.
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.time != b.time ? a.time > b.time : a.file < b.file;
    });
    std::vector<fs::path> files;
    files.reserve(found.size());
    for (auto& f : found) files.push_back(std::move(f.file));
    return files;
}

namespace {

// The file's bytes, once its first bytes and its size show that it may be a picture.
std::optional<std::vector<std::uint8_t>> pictureBytes(const fs::path& file, std::string* error) {
    auto fail = [&](const std::string& reason) -> std::optional<std::vector<std::uint8_t>> {
        if (error) *error = reason;
        return std::nullopt;
    };
    std::ifstream in(file, std::ios::binary);
    if (!in) return fail("cannot open " + file.string());
    // The name promises a picture; the first bytes and the size decide before the rest is read.
    std::vector<std::uint8_t> bytes(8);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (!hasPictureSignature(bytes)) return fail(file.filename().string() + " is not a PNG or JPEG picture");
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec || size > maximumPictureFileSize)
        return fail(file.filename().string() + " is larger than " + std::to_string(maximumPictureFileSize >> 20) +
                    " MB");
    const auto head = bytes.size();
    bytes.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data() + head), static_cast<std::streamsize>(bytes.size() - head));
    bytes.resize(head + static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Turned upright as the file's EXIF orientation asks; a picture already upright is not copied,
// which for a large photo would cost as much as reading it.
std::optional<Image> upright(Image picture, std::span<const std::uint8_t> bytes) {
    const int orientation = exifOrientation(bytes);
    if (orientation <= 1 || orientation > 8) return picture;
    return orientedForDisplay(picture, orientation);
}

} // namespace

std::optional<Image> PhotoLibrary::load(const fs::path& file, std::string* error) {
    const auto bytes = pictureBytes(file, error);
    if (!bytes) return std::nullopt;
    auto picture = Image::decode(*bytes, 1.0, error);
    if (!picture) return std::nullopt;
    return upright(std::move(*picture), *bytes);
}

std::optional<Image> PhotoLibrary::loadPreview(const fs::path& file, int shorterSide, std::string* error) {
    const auto bytes = pictureBytes(file, error);
    if (!bytes) return std::nullopt;
    auto picture = Image::decodeReduced(*bytes, shorterSide, error);
    if (!picture) return std::nullopt;
    return upright(std::move(*picture), *bytes);
}

void PhotoLibrary::saveImage(const Image& image, SaveCompletion completion, std::string_view baseName) {
    std::optional<std::string> error;
    {
        std::lock_guard lock(saveState().mutex);
        error = saveState().failure;
    }
    fs::path file;
    if (!error) error = writePicture(image, baseName, file);
    if (error) file.clear();
    DispatchQueue::main().async([completion = std::move(completion), error, file] {
        if (completion) completion(error, file);
    });
}

std::optional<fs::path> PhotoLibrary::lastSavedFile() {
    std::lock_guard lock(saveState().mutex);
    return saveState().lastFile;
}

void PhotoLibrary::setSaveFailure(std::optional<std::string> description) {
    std::lock_guard lock(saveState().mutex);
    saveState().failure = std::move(description);
}

} // namespace kit
