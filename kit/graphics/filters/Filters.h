#pragma once
// Colour filters over images. Each returns a new image of the same size and scale (nothing for an
// empty input), or writes into an image the caller keeps, whose pixels are reused when it already
// has that size and scale: live frames are filtered without a fresh allocation each. Colours are
// worked on un-premultiplied and alpha is kept.
#include "kit/graphics/Image.h"

#include <optional>
#include <vector>

namespace kit::filters {

// Blends each colour towards its sepia tone by `intensity` in [0, 1].
std::optional<Image> sepiaTone(const Image& image, double intensity = 1.0);
// `levels` evenly spaced values per channel, 0 and 1 included (levels is clamped to [2, 256]).
std::optional<Image> posterize(const Image& image, double levels = 6.0);
bool sepiaTone(const Image& image, Image& out, double intensity = 1.0);
bool posterize(const Image& image, Image& out, double levels = 6.0);

// Where colorControls does its arithmetic: on the sRGB-encoded values as they are stored, or on
// linear light (decoded, worked on, encoded again), where the luma is the true luminance.
enum class WorkingSpace { encoded, linearLight };

// Saturation mixes with the Rec. 709 luma (1: unchanged, 0: grey); brightness is added;
// contrast scales about middle grey (one half encoded, its linear value in linear light).
// Applied in that order, each result clamped to [0, 1].
std::optional<Image> colorControls(const Image& image, double saturation = 1.0, double brightness = 0.0,
                                   double contrast = 1.0, WorkingSpace space = WorkingSpace::encoded);
bool colorControls(const Image& image, Image& out, double saturation, double brightness, double contrast,
                   WorkingSpace space = WorkingSpace::encoded);
// A square image of side 2 x radius points: inside the circle, hue = polar angle / 2 pi measured
// counter-clockwise on screen from the rightward axis (red on the right, green at the upper left,
// blue at the lower left), saturation = distance / radius, brightness = `value`, alpha 1;
// outside, fully transparent. Pixels are sampled at their centres.
// The instruction sets the per-pixel loops are built for: the x86-64 baseline (SSE2), AVX2 and FMA
// (x86-64-v3), AVX-512 (x86-64-v4). The filters run on the widest the machine has; every unit gives
// the same bytes.
enum class VectorUnit { baseline, avx2, avx512 };
// The units of this build that this machine can run, widest first (the baseline always).
std::vector<VectorUnit> runnableVectorUnits();
// From now on the filters run on `unit` (benchmarks and tests compare them), or again on the widest
// with nothing; false, and no change, for a unit the machine cannot run.
bool useVectorUnit(std::optional<VectorUnit> unit);
VectorUnit activeVectorUnit();

std::optional<Image> hueSaturationValueGradient(double radius, double value = 1.0, double scale = 1.0);

} // namespace kit::filters
