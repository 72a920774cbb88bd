#include "tools/ContrastRatio.h"

#include "app/ui/Strings.h"
#include "colour/library/ColorLibrary.h"
#include "tools/MixingMath.h"

#include <algorithm>
#include <cmath>

namespace tools {
namespace {

double linear(double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

} // namespace

double relativeLuminance(const kit::Color& color) {
    const auto c = colour::rgbaComponents(color);
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

float contrastRatioValue(const kit::Color& first, const kit::Color& second) {
    const double l1 = relativeLuminance(first);
    const double l2 = relativeLuminance(second);
    const double q = (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
    return std::round(static_cast<float>(q) * 100.0f) / 100.0f;
}

std::string ratioText(float ratio) { return floatText(ratio) + ":1"; }

std::string contrastVerdictText(float r) {
    const auto t = [](const char* english) { return app::Strings::text(english); };
    if (r >= 1 && r <= 3) return t("Low contrast, hard to read, not recommended for important content.");
    if (r >= 3 && r <= 4.5f) return t("Moderate contrast, suitable for large text.");
    if (r >= 4.5f && r <= 7) return t("Good contrast, meets accessibility standards for normal text.");
    if (r >= 7 && r <= 21) return t("High contrast, ideal for maximum readability.");
    return "";
}

} // namespace tools
