#pragma once
// Coverage of device pixels, a byte each (0 none, 255 whole), placed at a device pixel: what a
// drawing computes itself when it knows its shape's coverage better than a general rasteriser.
#include <cstdint>
#include <vector>

namespace kit {

struct AlphaMask {
    int x = 0, y = 0;          // device pixel of the first byte
    int width = 0, height = 0; // in pixels
    int stride = 0;            // bytes from one row to the next, as the drawing library wants them
    std::vector<std::uint8_t> bytes;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    // Sized and cleared for `width` x `height` pixels at (x, y), reusing the buffer.
    void reset(int x, int y, int width, int height);
    std::uint8_t* row(int r) { return bytes.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(stride); }
};

} // namespace kit
