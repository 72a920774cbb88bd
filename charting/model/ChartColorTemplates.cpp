#include "charting/model/ChartColorTemplates.h"

#include "kit/text/CaseMapping.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace charting {

namespace {

std::vector<kit::Color> palette(std::initializer_list<std::array<int, 3>> rgb) {
    std::vector<kit::Color> colors;
    for (auto [r, g, b] : rgb) colors.push_back(kit::Color::rgba(r / 255.0, g / 255.0, b / 255.0, 1.0));
    return colors;
}

// Reads numbers from a position onward, skipping characters of a set on request. A scan that
// finds no number fails without moving.
class ComponentScanner {
public:
    explicit ComponentScanner(std::string_view text) : text_(text) {}

    void skipPrefix(std::string_view prefix) { pos_ += prefix.size(); }
    void skipAny(std::string_view set) {
        while (pos_ < text_.size() && set.find(text_[pos_]) != std::string_view::npos) ++pos_;
    }
    // An optional sign and decimal digits; saturates at the 64-bit limits.
    bool scanInteger(double& value) {
        skipWhitespace();
        std::size_t p = pos_;
        bool negative = false;
        if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) negative = text_[p++] == '-';
        std::size_t digits = p;
        std::int64_t n = 0;
        bool saturated = false;
        while (p < text_.size() && text_[p] >= '0' && text_[p] <= '9') {
            int d = text_[p++] - '0';
            if (n > (std::numeric_limits<std::int64_t>::max() - d) / 10) saturated = true;
            if (!saturated) n = n * 10 + d;
        }
        if (p == digits) return false;
        if (saturated) n = std::numeric_limits<std::int64_t>::max();
        value = static_cast<double>(negative ? -n : n);
        pos_ = p;
        return true;
    }
    // A sign, digits, '.', digits and an exponent, whatever the process locale.
    bool scanDecimal(double& value) {
        skipWhitespace();
        const char* first = text_.data() + pos_;
        const char* last = text_.data() + text_.size();
        if (first < last && *first == '+') ++first;
        double parsed = 0;
        auto [end, ec] = std::from_chars(first, last, parsed, std::chars_format::general);
        if (ec == std::errc::invalid_argument) return false;
        pos_ = static_cast<std::size_t>(end - text_.data());
        // "nan", "inf" and numbers beyond a double are read past but not taken: the value keeps its start.
        if (ec == std::errc::result_out_of_range || !std::isfinite(parsed)) return false;
        value = parsed;
        return true;
    }

private:
    void skipWhitespace() { skipAny(" \t\r\n"); }
    std::string_view text_;
    std::size_t pos_ = 0;
};

constexpr std::string_view opening = "( ";
constexpr std::string_view list = ", ";

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

kit::Color fromHex(std::string_view digits) {
    const kit::Color black = kit::Color::rgba(0, 0, 0, 1);
    if (digits.size() != 3 && digits.size() != 6 && digits.size() != 8) return black;
    for (char c : digits)
        if (hexDigit(c) < 0) return black;
    double argb[4] = {255, 0, 0, 0};
    std::size_t component = digits.size() == 8 ? 0 : 1;
    if (digits.size() == 3) {
        for (char c : digits) argb[component++] = hexDigit(c) * 17;
    } else {
        for (std::size_t i = 0; i < digits.size(); i += 2)
            argb[component++] = hexDigit(digits[i]) * 16 + hexDigit(digits[i + 1]);
    }
    return kit::Color::rgba(argb[1] / 255, argb[2] / 255, argb[3] / 255, argb[0] / 255);
}

} // namespace

std::vector<kit::Color> ChartColorTemplates::liberty() {
    return palette({{207, 248, 246}, {148, 212, 212}, {136, 180, 187}, {118, 174, 175}, {42, 109, 130}});
}
std::vector<kit::Color> ChartColorTemplates::joyful() {
    return palette({{217, 80, 138}, {254, 149, 7}, {254, 247, 120}, {106, 167, 134}, {53, 194, 209}});
}
std::vector<kit::Color> ChartColorTemplates::pastel() {
    return palette({{64, 89, 128}, {149, 165, 124}, {217, 184, 162}, {191, 134, 134}, {179, 48, 80}});
}
std::vector<kit::Color> ChartColorTemplates::colorful() {
    return palette({{193, 37, 82}, {255, 102, 0}, {245, 199, 0}, {106, 150, 31}, {179, 100, 53}});
}
std::vector<kit::Color> ChartColorTemplates::vordiplom() {
    return palette({{192, 255, 140}, {255, 247, 140}, {255, 208, 140}, {140, 234, 255}, {255, 140, 157}});
}
std::vector<kit::Color> ChartColorTemplates::material() {
    return palette({{46, 204, 113}, {241, 196, 15}, {231, 76, 60}, {52, 152, 219}});
}

kit::Color ChartColorTemplates::colorFromString(std::string_view original) {
    const std::string text = kit::text::lowercased(original);
    const std::string_view t = text;
    if (t.starts_with("#")) return fromHex(t.substr(1));

    double red = 0, green = 0, blue = 0, alpha = 1;
    ComponentScanner scanner(t);
    if (t.starts_with("rgba")) {
        scanner.skipPrefix("rgba");
        scanner.skipAny(opening);
        scanner.scanInteger(red);
        scanner.skipAny(list);
        scanner.scanInteger(green);
        scanner.skipAny(list);
        scanner.scanInteger(blue);
        scanner.skipAny(list);
        scanner.scanDecimal(alpha);
    } else if (t.starts_with("argb")) {
        scanner.skipPrefix("argb");
        scanner.skipAny(opening);
        scanner.scanDecimal(alpha);
        scanner.skipAny(list);
        scanner.scanInteger(red);
        scanner.skipAny(list);
        scanner.scanInteger(green);
        scanner.skipAny(list);
        scanner.scanInteger(blue);
    } else if (t.starts_with("rgb")) {
        scanner.skipPrefix("rgb");
        scanner.skipAny(opening);
        scanner.scanInteger(red);
        scanner.skipAny(list);
        scanner.scanInteger(green);
        scanner.skipAny(list);
        scanner.scanInteger(blue);
    } else {
        return kit::Color::clearColor();
    }
    return kit::Color::rgba(red / 255, green / 255, blue / 255, alpha);
}

} // namespace charting
