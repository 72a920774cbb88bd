#pragma once
// The mixing model of the mixing tool, kept in the settings as 0, 1, 2.
namespace tools {

enum class ColorMixingMode { rgb, cmyk, ryb };

} // namespace tools
