#include "kit/graphics/Font.h"

#include "kit/graphics/TextMetrics.h"

#include <cmath>
#include <functional>

namespace kit {

Font::Font(std::string family, double size, FontWeight weight)
    : family_(std::move(family)), size_(std::isfinite(size) && size > 0 ? size : 0), weight_(weight) {}

int numericWeight(FontWeight w) { return (static_cast<int>(w) + 1) * 100; }

double Font::ascender() const { return TextMetrics::current().metrics(*this).ascender; }
double Font::descender() const { return TextMetrics::current().metrics(*this).descender; }
double Font::lineHeight() const { return TextMetrics::current().metrics(*this).lineHeight; }

std::size_t Font::hash() const {
    return std::hash<std::string>{}(family_) ^ (std::hash<double>{}(size_) * 31) ^ (static_cast<std::size_t>(weight_) << 7);
}

std::string Font::description() const {
    char size[32];
    std::snprintf(size, sizeof size, "%g", size_);
    return family_ + ' ' + std::to_string(numericWeight(weight_)) + ' ' + size;
}

} // namespace kit
