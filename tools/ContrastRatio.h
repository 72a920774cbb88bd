#pragma once
// Contrast of two colours as the checker shows it: relative luminance, the ratio rounded to
// hundredths in single precision, its text and the verdict band.
#include "kit/base/Color.h"

#include <string>

namespace tools {

double relativeLuminance(const kit::Color& color);
// (lighter + 0.05) / (darker + 0.05), rounded to hundredths in single precision.
float contrastRatioValue(const kit::Color& first, const kit::Color& second);
// "3.02:1", "21.0:1".
std::string ratioText(float ratio);
// One of the four verdicts; a shared bound takes the lower band; "" outside 1...21.
std::string contrastVerdictText(float ratio);

} // namespace tools
