#include "combinations/PhotoSaving.h"

#include "kit/graphics/Image.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/store/Paths.h"

#include <system_error>

namespace combinations {
namespace {

std::optional<std::filesystem::path>& lastPath() {
    static std::optional<std::filesystem::path> path;
    return path;
}

} // namespace

std::optional<std::filesystem::path> lastSavedPhoto() { return lastPath(); }

void saveImageToPhotos(const kit::Image& image, SaveCompletion completion) {
    std::optional<std::string> error;
    const auto folder = kit::Paths::picturesDir();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "The pictures folder " + folder.string() + " cannot be made: " + ec.message();
    } else {
        std::filesystem::path file;
        for (int n = 1;; ++n) {
            file = folder / ("combination-" + std::to_string(n) + ".png");
            if (!std::filesystem::exists(file, ec)) break;
        }
        std::string reason;
        if (image.savePNG(file.string(), &reason))
            lastPath() = file;
        else
            error = "The picture could not be written to " + file.string() + (reason.empty() ? "" : ": " + reason);
    }
    kit::DispatchQueue::main().async([completion = std::move(completion), error] {
        if (completion) completion(error);
    });
}

} // namespace combinations
