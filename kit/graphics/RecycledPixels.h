#pragma once
// Image surfaces for outputs that are about to be overwritten whole (filter results), whose large
// pixel buffers are kept when the image goes and handed to the next surface of that size. A fresh
// buffer of tens of megabytes costs a page fault for every page on first touch (a 12-megapixel
// photo: some 12,000, several times the filter itself); buffers that small are recycled by malloc.
#include <cairo.h>

namespace kit {

// An ARGB32 surface of `width` x `height` pixels whose contents are undefined; nothing (nullptr) when
// it cannot be made. Owned by the caller, as cairo_image_surface_create's.
cairo_surface_t* createSurfaceToOverwrite(int width, int height);

} // namespace kit
