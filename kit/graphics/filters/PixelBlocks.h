#pragma once
// Pixels several at a time in the compiler's generic vector types, as wide as the vector unit the loop
// is built for: sixteen 32-bit lanes for AVX-512, eight for AVX2, four for the SSE2 baseline (and
// plain scalar code where there is no vector unit). Vectors wider than the unit's registers would be
// lowered piece by piece, their comparisons and scalar operands lane by lane through memory.
// Vectors are passed by reference: by value their calling convention depends on the vector unit.
// Lane flags are plain numbers, nonzero where set. Comparisons at the unit's own width are single
// instructions.
#include "kit/graphics/filters/Filters.h"

#include <cstdint>
#include <cstring>

// Copies of the per-pixel loops for AVX2 and AVX-512 next to the x86-64 baseline (SSE2), where the
// compiler can test the machine for those levels (GCC; clang builds the baseline only).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define KIT_FILTERS_HAVE_WIDE_UNITS 1
#else
#define KIT_FILTERS_HAVE_WIDE_UNITS 0
#endif

namespace kit::filters::blocks {

// The vector types of `N` pixels; passed to the blocks as a tag that picks their width. Spelled out
// per width: GCC drops a vector size that depends on a template parameter.
template <int N> struct Lanes;
#define KIT_PIXEL_LANES(n)                                                                                         \
    template <> struct Lanes<n> {                                                                                  \
        static constexpr int kCount = n;                                                                           \
        using Pixels = std::uint32_t __attribute__((vector_size(n * 4))); /* 0xAARRGGBB each */                    \
        using Ints = std::int32_t __attribute__((vector_size(n * 4)));                                             \
        using Floats = float __attribute__((vector_size(n * 4)));                                                  \
        using Bytes = std::uint8_t __attribute__((vector_size(n * 4)));                                            \
        using SignedBytes = std::int8_t __attribute__((vector_size(n * 4)));                                       \
        using Flags = Ints; /* nonzero where set */                                                                \
    };
KIT_PIXEL_LANES(4)
KIT_PIXEL_LANES(8)
KIT_PIXEL_LANES(16)
#undef KIT_PIXEL_LANES

// One byte of each pixel (0 blue, 8 green, 16 red) as a float. Converted as signed numbers: below
// AVX-512 an unsigned conversion is made of two, one for each 16-bit half.
template <class V>
[[gnu::always_inline]] inline void channel(const typename V::Pixels& p, int shift, typename V::Floats& out) {
    out = __builtin_convertvector((typename V::Ints)(p >> shift & 0xFF), typename V::Floats);
}

// Whole numbers x below 2^23 / 3 (held exactly by floats) divided by a whole `d`, rounded down,
// with a flag (1) where d divides x. The quotient in floats is off by less than 3 x 2^-24 (x + 1) / d,
// under half of 1 / d: pushed half of 1 / d down and up, it truncates to the same whole number
// unless a multiple of d lies within half of x, that is unless x is one.
template <class Floats, class Ints>
[[gnu::always_inline]] inline void dividedDown(const Floats& x, int d, Ints& quotient, Ints& divides) {
    const Floats y = x * (1.0f / d);
    const float slack = 0.5f / d;
    const Ints below = __builtin_convertvector(y - slack, Ints);
    quotient = __builtin_convertvector(y + slack, Ints);
    divides = quotient - below;
}

// Each lane made at most `limit` (a min instruction from SSE4.1 on, a compare and select before).
template <class Ints> [[gnu::always_inline]] inline void limitTo(Ints& x, int limit) { x = x < limit ? x : limit; }

// Whether any lane is set: halves folded together within the vector unit down to 16 bytes, whose
// two words are read out (each word read out of a wider register costs a move and a shuffle).
template <class V> [[gnu::always_inline]] inline bool any(const typename V::Flags& m) {
    if constexpr (V::kCount > 4) {
        using Half = Lanes<V::kCount / 2>;
        typename Half::Flags low, high;
        std::memcpy(&low, &m, sizeof low);
        std::memcpy(&high, reinterpret_cast<const unsigned char*>(&m) + sizeof low, sizeof high);
        const typename Half::Flags folded = low | high;
        return any<Half>(folded);
    } else {
        std::uint64_t words[2];
        std::memcpy(words, &m, sizeof words);
        return (words[0] | words[1]) != 0;
    }
}

// `count` pixels (at most V::kCount) from `in` to `out`: `block(V{}, pixels, result, undecided)` filters
// that many opaque pixels at once and flags the lanes it cannot decide; those, and the pixels that
// are not opaque, are redone by `pixel(argb)`. A short block is padded and only `count` written.
template <class V, class Block, class Pixel>
[[gnu::always_inline]] inline void filterBlock(const unsigned char* in, unsigned char* out, int count,
                                               std::uint32_t alphaOne, const Block& block, const Pixel& pixel) {
    typename V::Pixels p{};
    std::memcpy(&p, in, static_cast<std::size_t>(count) * 4);
    p |= alphaOne;
    typename V::Pixels result;
    typename V::Flags undecided;
    block(V{}, p, result, undecided);
    undecided |= (typename V::Ints)(~p & 0xFF000000u); // not opaque
    std::memcpy(out, &result, static_cast<std::size_t>(count) * 4);
    if (!any<V>(undecided)) [[likely]]
        return;
    // As arrays: GCC does not subscript vectors of a type that depends on a template parameter.
    std::uint32_t pixels[V::kCount];
    std::int32_t flags[V::kCount];
    std::memcpy(pixels, &p, sizeof pixels);
    std::memcpy(flags, &undecided, sizeof flags);
    for (int i = 0; i < count; ++i)
        if (flags[i]) {
            const std::uint32_t v = pixel(pixels[i]);
            std::memcpy(out + 4 * i, &v, 4);
        }
}

// Filters rows of 32-bit pixels with `block` and `pixel` as filterBlock does.
template <class V, class Block, class Pixel>
[[gnu::always_inline]] inline void filterRowsInline(const unsigned char* src, std::ptrdiff_t srcStride,
                                                    unsigned char* dst, std::ptrdiff_t dstStride, int width,
                                                    int height, std::uint32_t alphaOne, const Block& block,
                                                    const Pixel& pixel) {
    constexpr int n = V::kCount;
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = src + y * srcStride;
        unsigned char* out = dst + y * dstStride;
        int x = 0;
        for (; x + n <= width; x += n) filterBlock<V>(in + 4 * x, out + 4 * x, n, alphaOne, block, pixel);
        if (x < width) filterBlock<V>(in + 4 * x, out + 4 * x, width - x, alphaOne, block, pixel);
    }
}

// The same loop compiled once per vector unit at that unit's width, everything it calls inlined into
// it, so that each copy uses that unit's instructions throughout; filterRows picks the copy.
#define KIT_FILTER_ROWS_FOR(name, lanes, target)                                                                   \
    template <class Block, class Pixel>                                                                            \
    target void name(const unsigned char* src, std::ptrdiff_t srcStride, unsigned char* dst,                        \
                     std::ptrdiff_t dstStride, int width, int height, std::uint32_t alphaOne, const Block& block,  \
                     const Pixel& pixel) {                                                                         \
        filterRowsInline<Lanes<lanes>>(src, srcStride, dst, dstStride, width, height, alphaOne, block, pixel);     \
    }
KIT_FILTER_ROWS_FOR(filterRowsBaseline, 4, )
#if KIT_FILTERS_HAVE_WIDE_UNITS
KIT_FILTER_ROWS_FOR(filterRowsAvx2, 8, [[gnu::target("arch=x86-64-v3")]])
KIT_FILTER_ROWS_FOR(filterRowsAvx512, 16, [[gnu::target("arch=x86-64-v4")]])
#endif
#undef KIT_FILTER_ROWS_FOR

template <class Block, class Pixel>
void filterRows(const unsigned char* src, std::ptrdiff_t srcStride, unsigned char* dst, std::ptrdiff_t dstStride,
                int width, int height, std::uint32_t alphaOne, const Block& block, const Pixel& pixel) {
    switch (activeVectorUnit()) {
#if KIT_FILTERS_HAVE_WIDE_UNITS
    case VectorUnit::avx512:
        return filterRowsAvx512(src, srcStride, dst, dstStride, width, height, alphaOne, block, pixel);
    case VectorUnit::avx2:
        return filterRowsAvx2(src, srcStride, dst, dstStride, width, height, alphaOne, block, pixel);
#endif
    default: return filterRowsBaseline(src, srcStride, dst, dstStride, width, height, alphaOne, block, pixel);
    }
}

} // namespace kit::filters::blocks
