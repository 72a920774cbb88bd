#pragma once
// Pixels sixteen at a time in the compiler's generic vector types: it maps them onto whatever vector
// unit the target has (SSE2 at least on x86-64) and onto plain scalar code where there is none.
// Vectors are passed by reference: by value their calling convention depends on the vector unit.
// Lane flags are plain numbers, nonzero where set, made without comparisons: GCC turns a comparison
// mask in code that is not itself built for the wider unit (these helpers) into lane-by-lane code
// as soon as two of them are combined.
#include <cstdint>
#include <cstring>

namespace kit::filters::blocks {

constexpr int kLanes = 16;
using Pixels = std::uint32_t __attribute__((vector_size(kLanes * 4))); // 0xAARRGGBB each
using Ints = std::int32_t __attribute__((vector_size(kLanes * 4)));
using Floats = float __attribute__((vector_size(kLanes * 4)));
using Bytes = std::uint8_t __attribute__((vector_size(kLanes * 4)));
using Flags = Ints; // nonzero where set

// One byte of each pixel (0 blue, 8 green, 16 red) as a float.
[[gnu::always_inline]] inline void channel(const Pixels& p, int shift, Floats& out) {
    out = __builtin_convertvector((Ints)(p >> shift & 0xFF), Floats);
}

// Whole numbers x below 2^23 / 3 (held exactly by floats) divided by a whole `d`, rounded down,
// with a flag (1) where d divides x. The quotient in floats is off by less than 3 x 2^-24 (x + 1) / d,
// under half of 1 / d: pushed half of 1 / d down and up, it truncates to the same whole number
// unless a multiple of d lies within half of x, that is unless x is one.
[[gnu::always_inline]] inline void dividedDown(const Floats& x, int d, Ints& quotient, Flags& divides) {
    const Floats y = x * (1.0f / d);
    const float slack = 0.5f / d;
    const Ints below = __builtin_convertvector(y - slack, Ints);
    quotient = __builtin_convertvector(y + slack, Ints);
    divides = quotient - below;
}

[[gnu::always_inline]] inline bool any(const Flags& m) {
    // Halved in vector registers, then two 64-bit words.
    using Half = std::int32_t __attribute__((vector_size(kLanes * 2)));
    using Quarter = std::int32_t __attribute__((vector_size(kLanes)));
    Half a, b;
    std::memcpy(&a, &m, sizeof a);
    std::memcpy(&b, reinterpret_cast<const char*>(&m) + sizeof a, sizeof b);
    a |= b;
    Quarter c, d;
    std::memcpy(&c, &a, sizeof c);
    std::memcpy(&d, reinterpret_cast<const char*>(&a) + sizeof c, sizeof d);
    c |= d;
    std::uint64_t words[2];
    std::memcpy(words, &c, sizeof words);
    return (words[0] | words[1]) != 0;
}

// `count` pixels (at most kLanes) from `in` to `out`: `block(pixels, result, undecided)` filters
// sixteen opaque pixels at once and flags the lanes it cannot decide; those, and the pixels that
// are not opaque, are redone by `pixel(argb)`. A short block is padded and only `count` written.
template <class Block, class Pixel>
[[gnu::always_inline]] inline void filterBlock(const unsigned char* in, unsigned char* out, int count,
                                               std::uint32_t alphaOne, const Block& block, const Pixel& pixel) {
    Pixels p{};
    std::memcpy(&p, in, static_cast<std::size_t>(count) * 4);
    p |= alphaOne;
    Pixels result;
    Flags undecided;
    block(p, result, undecided);
    undecided |= (Ints)((p >> 24) ^ 0xFF);
    std::memcpy(out, &result, static_cast<std::size_t>(count) * 4);
    if (!any(undecided)) [[likely]]
        return;
    for (int i = 0; i < count; ++i)
        if (undecided[i]) {
            const std::uint32_t v = pixel(p[i]);
            std::memcpy(out + 4 * i, &v, 4);
        }
}

// Filters rows of 32-bit pixels with `block` and `pixel` as filterBlock does. On x86-64 this is
// compiled by GCC for AVX-512, AVX2 and the SSE2 baseline, and the machine picks one when first
// called (clang does not clone templates yet, so it builds the baseline only).
template <class Block, class Pixel>
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
[[gnu::target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")]]
#endif
void filterRows(const unsigned char* src, std::ptrdiff_t srcStride, unsigned char* dst, std::ptrdiff_t dstStride,
                int width, int height, std::uint32_t alphaOne, const Block& block, const Pixel& pixel) {
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = src + y * srcStride;
        unsigned char* out = dst + y * dstStride;
        int x = 0;
        for (; x + kLanes <= width; x += kLanes) filterBlock(in + 4 * x, out + 4 * x, kLanes, alphaOne, block, pixel);
        if (x < width) filterBlock(in + 4 * x, out + 4 * x, width - x, alphaOne, block, pixel);
    }
}

} // namespace kit::filters::blocks
