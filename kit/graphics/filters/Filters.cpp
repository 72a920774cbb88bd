#include "kit/graphics/filters/Filters.h"

#include "kit/graphics/filters/PixelBlocks.h"

#include "kit/base/Color.h"
#include "kit/graphics/RecycledPixels.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <numbers>

namespace kit::filters {

namespace {

using Table = std::array<double, 256>;

// `factor` x byte / 255 for every byte: the per-channel products of the colour formulas,
// computed once per call with the very operations the formulas use, so results stay bit-exact.
Table scaledBytes(double factor) {
    Table t;
    for (int i = 0; i < 256; ++i) t[i] = factor * (i / 255.0);
    return t;
}

// A colour in [0, 1] (clamped) as the nearest byte, halves rounded up: std::lround, without the call.
// The halfway points come from a table: converting the whole part back to a double would stall.
std::uint8_t toByte(double c) {
    static constexpr auto halfway = [] {
        std::array<double, 256> h{};
        for (int i = 0; i < 256; ++i) h[i] = i + 0.5;
        return h;
    }();
    const double x = std::clamp(c, 0.0, 1.0) * 255;
    const int whole = static_cast<int>(x);
    return static_cast<std::uint8_t>(whole + (x >= halfway[whole]));
}

// The rounding Image uses when it reads and writes straight bytes.
std::uint8_t unpremultiplied(std::uint8_t c, std::uint8_t a) {
    return static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a));
}
std::uint8_t premultiplied(std::uint8_t c, std::uint8_t a) { return static_cast<std::uint8_t>((c * a + 127) / 255); }

// `out` ready to take `image`'s pixels: its own surface when the size and scale match, else a new one.
bool prepareOutput(const Image& image, Image& out) {
    const int w = image.pixelWidth(), h = image.pixelHeight();
    const bool reusable = !out.isEmpty() && out.pixelWidth() == w && out.pixelHeight() == h &&
                          out.scale() == image.scale() &&
                          cairo_image_surface_get_format(out.surface()) == CAIRO_FORMAT_ARGB32;
    if (reusable) return true;
    auto fresh = Image::adoptSurface(createSurfaceToOverwrite(w, h), image.scale());
    if (!fresh) return false;
    out = std::move(*fresh);
    return true;
}

std::uint32_t packed(const std::array<std::uint8_t, 3>& rgb) {
    return std::uint32_t(rgb[0]) << 16 | std::uint32_t(rgb[1]) << 8 | rgb[2];
}

// The scalar path for one pixel: `f(rgb)` on its straight colour bytes. Un-premultiplying (a division
// per channel) happens only where alpha is partial; fully transparent pixels stay clear whatever `f` makes.
// Never inlined into the vector code, which may be built with fused multiply-adds: those would round
// the formulas differently.
template <class F> [[gnu::noinline]] std::uint32_t filteredPixel(std::uint32_t v, const F& f) {
    const std::uint8_t a = static_cast<std::uint8_t>(v >> 24);
    if (a == 0) return 0;
    std::array<std::uint8_t, 3> rgb = {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
    if (a == 255) {
        f(rgb);
        return 0xFF000000u | packed(rgb);
    }
    for (auto& c : rgb) c = unpremultiplied(c, a);
    f(rgb);
    for (auto& c : rgb) c = premultiplied(c, a);
    return std::uint32_t(a) << 24 | packed(rgb);
}

// For filters without a vector form: every pixel takes the scalar path.
struct NoBlocks {
    template <class V>
    [[gnu::always_inline]] void operator()(V, const typename V::Pixels&, typename V::Pixels& result,
                                           typename V::Flags& undecided) const {
        result = typename V::Pixels{};
        undecided = typename V::Flags{} + 1;
    }
};

// Runs `f(rgb)` on every pixel's straight colour bytes, reading and writing the surface rows
// directly. Opaque pixels (photos and camera frames are opaque) go several at a time through
// `block`, which must give what `f` gives wherever it does not flag a lane undecided.
template <class F, class Block = NoBlocks>
bool mapColoursInto(const Image& image, Image& out, const F& f, const Block& block = {}) {
    if (image.isEmpty() || !prepareOutput(image, out)) return false;
    cairo_surface_t* from = image.surface();
    cairo_surface_t* to = out.surface();
    const std::uint32_t alphaOne = image.isOpaque() ? 0xFF000000u : 0; // RGB24 leaves the top byte undefined
    blocks::filterRows(cairo_image_surface_get_data(from), cairo_image_surface_get_stride(from),
                       cairo_image_surface_get_data(to), cairo_image_surface_get_stride(to), image.pixelWidth(),
                       image.pixelHeight(), alphaOne, block, [&f](std::uint32_t v) { return filteredPixel(v, f); });
    out.markDirty();
    return true;
}

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

constexpr double kSepia[3][3] = {{0.393, 0.769, 0.189}, {0.349, 0.686, 0.168}, {0.272, 0.534, 0.131}};
constexpr double kLuma[3] = {0.2126, 0.7152, 0.0722};  // Rec. 709

// Weights that are whole in units of 1 / `unit`, as those units.
template <std::size_t N> constexpr std::array<int, N> inUnits(const double (&weights)[N], int unit) {
    std::array<int, N> whole{};
    for (std::size_t i = 0; i < N; ++i) whole[i] = static_cast<int>(weights[i] * unit + 0.5);
    return whole;
}

// Sepia as the formula states it: each channel blended from itself towards its sepia sum by `t`.
class SepiaFormula {
public:
    explicit SepiaFormula(double t) : t_(t), unit_(scaledBytes(1)) {
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col) products_[row][col] = scaledBytes(kSepia[row][col]);
    }
    void operator()(std::array<std::uint8_t, 3>& rgb) const {
        const auto [r, g, b] = rgb;
        for (int k = 0; k < 3; ++k) {
            const double sepia = products_[k][0][r] + products_[k][1][g] + products_[k][2][b];
            const double c = unit_[rgb[k]];
            rgb[k] = toByte(c + (std::min(1.0, sepia) - c) * t_);
        }
    }

private:
    double t_;
    Table unit_;
    std::array<std::array<Table, 3>, 3> products_;
};

// Byte sums with weights in thousandths or ten-thousandths, rounded halves up: the weighted sum of
// whole bytes is a whole number, exact in floats, and the quotient's rounding is exact too except at
// a half, where the double formula (a hair above or below) has to decide: `half` flags those.
template <class Floats, class Ints>
[[gnu::always_inline]] inline void roundedWeightedSum(const Floats (&bgr)[3], const std::array<int, 3>& weights,
                                                      int unit, Ints& rounded, Ints& half) {
    const Floats sum =
        float(unit / 2) + bgr[2] * float(weights[0]) + bgr[1] * float(weights[1]) + bgr[0] * float(weights[2]);
    blocks::dividedDown(sum, unit, rounded, half);
}

template <class V>
[[gnu::always_inline]] inline void channels(const typename V::Pixels& p, typename V::Floats (&bgr)[3]) {
    for (int k = 0; k < 3; ++k) blocks::channel<V>(p, 8 * k, bgr[k]);
}

// Full-intensity sepia, the live camera case.
struct FullSepiaBlocks {
    static constexpr std::array<std::array<int, 3>, 3> kThousandths = {inUnits(kSepia[0], 1000), inUnits(kSepia[1], 1000),
                                                                         inUnits(kSepia[2], 1000)};
    template <class V>
    [[gnu::always_inline]] void operator()(V, const typename V::Pixels& p, typename V::Pixels& result,
                                           typename V::Flags& undecided) const {
        typename V::Floats bgr[3];
        channels<V>(p, bgr);
        result = typename V::Pixels{} | 0xFF000000u;
        undecided = typename V::Flags{};
        for (int k = 0; k < 3; ++k) {
            typename V::Ints byte, half;
            roundedWeightedSum(bgr, kThousandths[k], 1000, byte, half);
            // Red's and green's sums reach 344 and 307; blue's weights add up to under one.
            if (kThousandths[k][0] + kThousandths[k][1] + kThousandths[k][2] > 1000) blocks::limitTo(byte, 255);
            result |= (typename V::Pixels)byte << (16 - 8 * k);
            undecided |= half;
        }
    }
};

// Plain grey: the Rec. 709 luma.
struct GreyBlocks {
    static constexpr std::array<int, 3> kTenThousandths = inUnits(kLuma, 10000);
    template <class V>
    [[gnu::always_inline]] void operator()(V, const typename V::Pixels& p, typename V::Pixels& result,
                                           typename V::Flags& undecided) const {
        typename V::Floats bgr[3];
        channels<V>(p, bgr);
        typename V::Ints byte;
        roundedWeightedSum(bgr, kTenThousandths, 10000, byte, undecided);
        const auto grey = (typename V::Pixels)byte;
        result = grey | grey << 8 | grey << 16 | 0xFF000000u;
    }
};

// A byte table that rises in steps (posterize's), applied to every byte, alpha included (255 maps to
// 255): as a sum of the rises below each byte when there are few steps, else one lookup a byte.
class SteppedBytes {
public:
    explicit SteppedBytes(const std::array<std::uint8_t, 256>& table) : table_(table) {
        for (int i = 1; i < 256 && rises_ <= kMaxRises; ++i)
            if (table[i] != table[i - 1]) {
                if (rises_ < kMaxRises) rise_[rises_] = {std::uint8_t(i - 1), std::uint8_t(table[i] - table[i - 1])};
                ++rises_;
            }
    }
    template <class V>
    [[gnu::always_inline]] void operator()(V, const typename V::Pixels& p, typename V::Pixels& result,
                                           typename V::Flags& undecided) const {
        using Bytes = typename V::Bytes;
        using SignedBytes = typename V::SignedBytes;
        undecided = typename V::Flags{};
        if (rises_ > kMaxRises) {
            std::uint8_t bytes[V::kCount * 4];
            std::memcpy(bytes, &p, sizeof bytes);
            for (auto& b : bytes) b = table_[b];
            std::memcpy(&result, bytes, sizeof bytes);
            return;
        }
        // The bytes moved by 128 into signed lanes, where a comparison tells whether a byte has passed a
        // rise (SSE2 compares signed bytes only).
        const SignedBytes shifted = (SignedBytes)(p ^ 0x80808080u);
        Bytes out = Bytes{} + table_[0];
        for (int r = 0; r < rises_; ++r)
            out += (Bytes)(shifted > SignedBytes{} + std::int8_t(rise_[r].last ^ 0x80)) & rise_[r].by;
        result = (typename V::Pixels)out;
    }

private:
    // Beyond this many steps the comparisons cost more than the lookups.
    static constexpr int kMaxRises = 16;
    struct Rise { std::uint8_t last, by; }; // the last byte before the rise, and its height
    const std::array<std::uint8_t, 256>& table_;
    std::array<Rise, kMaxRises> rise_{};
    int rises_ = 0;
};

// A byte's linear light, and back: sRGB's transfer curve.
double decodedSRGB(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

struct LinearLight {
    Table linear;                     // each byte's linear value
    std::array<double, 255> steps;    // the linear value where the encoded byte goes from i to i + 1
    LinearLight() {
        for (int i = 0; i < 256; ++i) linear[i] = decodedSRGB(i / 255.0);
        for (int i = 0; i < 255; ++i) steps[i] = decodedSRGB((i + 0.5) / 255);
    }
    // The nearest byte of a linear value, halves rounded up as toByte does.
    std::uint8_t encoded(double v) const {
        return static_cast<std::uint8_t>(std::upper_bound(steps.begin(), steps.end(), v) - steps.begin());
    }
    static const LinearLight& shared() {
        static const LinearLight light;
        return light;
    }
};

// The colour controls on decoded values (each byte's value in the working space); `encode` turns
// a result back into a byte.
template <class Encode>
auto colourControlsOn(const Table& decoded, double s, double br, double k, double middle, Encode encode) {
    return [&decoded, s, br, k, middle, encode](std::array<std::uint8_t, 3>& rgb) {
        const double luma = kLuma[0] * decoded[rgb[0]] + kLuma[1] * decoded[rgb[1]] + kLuma[2] * decoded[rgb[2]];
        for (auto& c : rgb) {
            double v = std::clamp(luma + (decoded[c] - luma) * s, 0.0, 1.0);
            v = std::clamp(v + br, 0.0, 1.0);
            c = encode((v - middle) * k + middle);
        }
    };
}

// The unit chosen by useVectorUnit, or -1 for the widest the machine runs.
std::atomic<int> chosenUnit{-1};

bool machineRuns(VectorUnit unit) {
#if KIT_FILTERS_HAVE_WIDE_UNITS
    switch (unit) {
    case VectorUnit::avx512: return __builtin_cpu_supports("x86-64-v4");
    case VectorUnit::avx2: return __builtin_cpu_supports("x86-64-v3");
    case VectorUnit::baseline: return true;
    }
#endif
    return unit == VectorUnit::baseline;
}

} // namespace

std::vector<VectorUnit> runnableVectorUnits() {
    std::vector<VectorUnit> units;
    for (VectorUnit unit : {VectorUnit::avx512, VectorUnit::avx2, VectorUnit::baseline})
        if (machineRuns(unit)) units.push_back(unit);
    return units;
}

bool useVectorUnit(std::optional<VectorUnit> unit) {
    if (unit && !machineRuns(*unit)) return false;
    chosenUnit = unit ? static_cast<int>(*unit) : -1;
    return true;
}

VectorUnit activeVectorUnit() {
    static const VectorUnit widest = runnableVectorUnits().front();
    const int chosen = chosenUnit.load(std::memory_order_relaxed);
    return chosen < 0 ? widest : static_cast<VectorUnit>(chosen);
}

bool sepiaTone(const Image& image, Image& out, double intensity) {
    const double t = std::clamp(finiteOr(intensity, 1.0), 0.0, 1.0);
    if (t == 1.0) {
        static const SepiaFormula full(1.0);
        return mapColoursInto(image, out, full, FullSepiaBlocks{});
    }
    return mapColoursInto(image, out, SepiaFormula(t));
}

std::optional<Image> sepiaTone(const Image& image, double intensity) {
    Image out;
    if (!sepiaTone(image, out, intensity)) return std::nullopt;
    return out;
}

bool posterize(const Image& image, Image& out, double levels) {
    const double steps = std::clamp(std::round(finiteOr(levels, 6.0)), 2.0, 256.0) - 1;
    std::array<std::uint8_t, 256> lut; // each channel on its own: one table serves all three
    for (int i = 0; i < 256; ++i) lut[i] = toByte(std::round(i / 255.0 * steps) / steps);
    return mapColoursInto(
        image, out,
        [&](std::array<std::uint8_t, 3>& rgb) {
            for (auto& c : rgb) c = lut[c];
        },
        SteppedBytes(lut));
}

std::optional<Image> posterize(const Image& image, double levels) {
    Image out;
    if (!posterize(image, out, levels)) return std::nullopt;
    return out;
}

bool colorControls(const Image& image, Image& out, double saturation, double brightness, double contrast,
                   WorkingSpace space) {
    const double s = finiteOr(saturation, 1.0), br = finiteOr(brightness, 0.0), k = finiteOr(contrast, 1.0);
    if (space == WorkingSpace::linearLight) {
        const auto& light = LinearLight::shared();
        return mapColoursInto(image, out, colourControlsOn(light.linear, s, br, k, decodedSRGB(0.5), [&light](double v) {
                                  return light.encoded(v);
                              }));
    }
    static const Table unit = scaledBytes(1);
    const auto formula = colourControlsOn(unit, s, br, k, 0.5, toByte);
    if (s != 0 || br != 0 || k != 1) return mapColoursInto(image, out, formula);
    return mapColoursInto(image, out, formula, GreyBlocks{});
}

std::optional<Image> colorControls(const Image& image, double saturation, double brightness, double contrast,
                                   WorkingSpace space) {
    Image out;
    if (!colorControls(image, out, saturation, brightness, contrast, space)) return std::nullopt;
    return out;
}

std::optional<Image> hueSaturationValueGradient(double radius, double value, double scale) {
    if (!std::isfinite(radius) || radius <= 0 || !std::isfinite(scale) || scale <= 0) return std::nullopt;
    const double pr = radius * scale;
    const double sidePixels = std::ceil(2 * pr - 1e-9);
    if (sidePixels < 1 || sidePixels > 32767) return std::nullopt;
    const int side = static_cast<int>(sidePixels);
    const double v = std::clamp(finiteOr(value, 1.0), 0.0, 1.0);
    std::vector<std::uint8_t> px(static_cast<std::size_t>(side) * side * 4, 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double dx = x + 0.5 - pr, dy = pr - (y + 0.5); // y up: counter-clockwise on screen
            const double d = std::hypot(dx, dy);
            if (d > pr) continue;
            double hue = std::atan2(dy, dx) / (2 * std::numbers::pi);
            if (hue < 0) hue += 1;
            const Color c = Color::hsb(hue, d / pr, v);
            std::uint8_t* p = &px[(static_cast<std::size_t>(y) * side + x) * 4];
            p[0] = static_cast<std::uint8_t>(std::lround(c.red() * 255));
            p[1] = static_cast<std::uint8_t>(std::lround(c.green() * 255));
            p[2] = static_cast<std::uint8_t>(std::lround(c.blue() * 255));
            p[3] = 255;
        }
    return Image::fromRGBA(side, side, px, scale);
}

} // namespace kit::filters
