#include "kit/ui/Assets.h"

#include "kit/ui/Device.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <tuple>

namespace kit {
namespace {

std::string& overrideDirectory() {
    static std::string dir;
    return dir;
}

struct HandleDeleter {
    void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
using Handle = std::unique_ptr<RsvgHandle, HandleDeleter>;

// Parsed documents are kept: screens ask for the same few icons on every build.
RsvgHandle* loadHandle(const std::string& name) {
    static std::map<std::string, Handle> cache;
    auto key = Assets::directory() + "/" + name;
    if (auto it = cache.find(key); it != cache.end()) return it->second.get();
    RsvgHandle* raw = nullptr;
    // Read here rather than through librsvg's file loading, which starts the virtual file system
    // on first use; the documents refer to no other file.
    std::ifstream file(key + ".svg", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file && !bytes.empty()) {
        GError* error = nullptr;
        raw = rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(bytes.data()), bytes.size(), &error);
        if (error) g_error_free(error);
    }
    return cache.emplace(key, Handle(raw)).first->second.get();
}

Size intrinsicSize(RsvgHandle* handle) {
    double w = 0, h = 0;
    // Our SVGs all carry width and height; a document without them has no size of its own.
    if (rsvg_handle_get_intrinsic_size_in_pixels(handle, &w, &h) && w > 0 && h > 0) return {w, h};
    return {0, 0};
}

std::optional<Image> render(RsvgHandle* handle, Size size, double scale) {
    if (!(scale > 0)) scale = Screen::scale();
    auto image = Image::make(size.width, size.height, scale);
    if (!image) return std::nullopt;
    cairo_surface_t* surface = image->surface();
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, double(image->pixelWidth()) / size.width, double(image->pixelHeight()) / size.height);
    Size own = intrinsicSize(handle);
    // Stretch the document's own box to the requested size, as a background image is.
    if (own.width > 0 && own.height > 0) cairo_scale(cr, size.width / own.width, size.height / own.height);
    RsvgRectangle viewport{0, 0, own.width > 0 ? own.width : size.width, own.height > 0 ? own.height : size.height};
    GError* error = nullptr;
    rsvg_handle_render_document(handle, cr, &viewport, &error);
    if (error) g_error_free(error);
    cairo_destroy(cr);
    image->markDirty();
    return image;
}

// An installed app keeps its artwork beside its executable's folder; empty where the executable is
// not installed (the build tree). An installed app whose artwork is missing stays installed: it
// draws without artwork rather than borrowing the source tree's.
const std::string& installedDirectory() {
    static const std::string dir = [] {
        std::error_code error;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        if (error) return std::string();
        auto dir = (exe.parent_path() / TINCTURA_ASSETS_FROM_BINDIR).lexically_normal();
        return std::filesystem::is_directory(dir.parent_path(), error) ? dir.string() : std::string();
    }();
    return dir;
}

} // namespace

std::string Assets::directory() {
    if (!overrideDirectory().empty()) return overrideDirectory();
    if (const char* env = std::getenv("TINCTURA_ASSETS_DIR"); env && *env) return env;
    if (const char* src = std::getenv("TINCTURA_SOURCE_DIR"); src && *src) return std::string(src) + "/assets";
    if (!installedDirectory().empty()) return installedDirectory();
    return TINCTURA_SOURCE_ASSETS_DIR;
}

void Assets::setDirectory(const std::string& path) { overrideDirectory() = path; }

std::optional<Image> Assets::imageNamed(const std::string& name, double scale) {
    RsvgHandle* handle = loadHandle(name);
    if (!handle) return std::nullopt;
    Size own = intrinsicSize(handle);
    if (!(own.width > 0 && own.height > 0)) return std::nullopt;
    return render(handle, own, scale);
}

std::shared_ptr<const Image> Assets::sharedImageNamed(const std::string& name, Size size, double scale) {
    RsvgHandle* handle = loadHandle(name);
    if (!handle || !(size.width > 0 && size.height > 0)) return nullptr;
    if (!(scale > 0)) scale = Screen::scale();
    // Screens ask for the same few sizes again and again (each tile of a menu, each visit).
    using Key = std::tuple<std::string, double, double, double>;
    static std::map<Key, std::shared_ptr<const Image>> rendered;
    Key key{directory() + "/" + name, size.width, size.height, scale};
    if (auto it = rendered.find(key); it != rendered.end()) return it->second;
    auto image = render(handle, size, scale);
    if (!image) return nullptr;
    if (rendered.size() >= 64) rendered.clear();
    return rendered.emplace(key, std::make_shared<const Image>(std::move(*image))).first->second;
}

std::optional<Image> Assets::imageNamed(const std::string& name, Size size, double scale) {
    auto image = sharedImageNamed(name, size, scale);
    if (!image) return std::nullopt;
    return *image;
}

} // namespace kit
