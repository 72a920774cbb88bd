#include "kit/graphics/RecycledPixels.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

namespace kit {

namespace {

// Below this a buffer comes from cairo as usual: malloc keeps and reuses blocks that size itself.
constexpr std::size_t kSmallest = 4u << 20;
constexpr std::size_t kHugePage = 2u << 20;
// How many bytes of released buffers are kept at most: two 12-megapixel photos and a little more.
constexpr std::size_t kRecycledPixelBytes = 128u << 20;

struct FreeBuffer {
    void operator()(unsigned char* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<unsigned char, FreeBuffer>;

class Recycler {
public:
    static Recycler& shared() {
        static Recycler* recycler = new Recycler; // outlives surfaces released at exit
        return *recycler;
    }

    Buffer take(std::size_t bytes) {
        {
            std::lock_guard lock(mutex_);
            const auto same = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& k) { return k.bytes == bytes; });
            if (same != kept_.end()) {
                Buffer buffer = std::move(same->buffer);
                keptBytes_ -= bytes;
                kept_.erase(same);
                return buffer;
            }
        }
        // Aligned to huge pages and marked for them: where the kernel grants them, first touch faults
        // once per 2 MiB instead of once per page.
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        Buffer buffer(static_cast<unsigned char*>(std::aligned_alloc(kHugePage, rounded)));
        if (buffer) madvise(buffer.get(), rounded, MADV_HUGEPAGE);
        return buffer;
    }

    void give(Buffer buffer, std::size_t bytes) {
        std::lock_guard lock(mutex_);
        if (bytes > kRecycledPixelBytes) return;
        // The oldest go first to make room.
        while (!kept_.empty() && keptBytes_ + bytes > kRecycledPixelBytes) {
            keptBytes_ -= kept_.front().bytes;
            kept_.erase(kept_.begin());
        }
        kept_.push_back({std::move(buffer), bytes});
        keptBytes_ += bytes;
    }

private:
    struct Kept {
        Buffer buffer;
        std::size_t bytes;
    };
    std::mutex mutex_;
    std::vector<Kept> kept_;
    std::size_t keptBytes_ = 0;
};

struct Lease {
    Buffer buffer;
    std::size_t bytes;
};

const cairo_user_data_key_t kLeaseKey{};

void returnLease(void* data) {
    std::unique_ptr<Lease> lease(static_cast<Lease*>(data));
    Recycler::shared().give(std::move(lease->buffer), lease->bytes);
}

} // namespace

cairo_surface_t* createSurfaceToOverwrite(int width, int height) {
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
    if (width <= 0 || height <= 0 || stride <= 0) return nullptr;
    const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    if (bytes < kSmallest) return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    auto lease = std::make_unique<Lease>(Lease{Recycler::shared().take(bytes), bytes});
    if (!lease->buffer) return nullptr;
    cairo_surface_t* surface =
        cairo_image_surface_create_for_data(lease->buffer.get(), CAIRO_FORMAT_ARGB32, width, height, stride);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_set_user_data(surface, &kLeaseKey, lease.get(), returnLease) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    lease.release(); // the surface owns it now, and hands the buffer back when destroyed
    return surface;
}

} // namespace kit
