#include "kit/text/NumberFormatter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kit {

namespace {

int clampDigits(int digits) { return std::clamp(digits, 0, NumberFormatter::maxDigits); }

// The shortest decimal digits of |value| (no leading zeros) and the position of the decimal point
// counted from the first digit: value = 0.d1d2d3... * 10^point.
struct Decimal {
    std::string digits;
    int point = 0;
};

Decimal shortestDecimal(double magnitude) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    std::string_view text(buffer, ec == std::errc() ? static_cast<std::size_t>(end - buffer) : 0);
    Decimal decimal;
    auto e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') decimal.digits.push_back(c);
    decimal.point = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
    return decimal;
}

// Rounds to `fractionDigits` digits after the point, half to even on the decimal digits.
void roundHalfEven(Decimal& d, int fractionDigits) {
    long keep = static_cast<long>(d.point) + fractionDigits;
    if (keep >= static_cast<long>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    auto k = static_cast<std::size_t>(keep);
    char first = d.digits[k];
    bool restZero = std::all_of(d.digits.begin() + static_cast<long>(k) + 1, d.digits.end(),
                                [](char c) { return c == '0'; });
    bool previousOdd = k > 0 && ((d.digits[k - 1] - '0') % 2 == 1);
    bool up = first > '5' || (first == '5' && (!restZero || previousOdd));
    d.digits.resize(k);
    if (!up) return;
    std::size_t i = k;
    while (i > 0) {
        --i;
        if (d.digits[i] == '9') {
            d.digits[i] = '0';
        } else {
            ++d.digits[i];
            return;
        }
    }
    d.digits.insert(d.digits.begin(), '1');
    ++d.point;
}

} // namespace

void NumberFormatter::setMinimumFractionDigits(int digits) {
    minimumFractionDigits_ = clampDigits(digits);
    maximumFractionDigits_ = std::max(maximumFractionDigits_, minimumFractionDigits_);
}

void NumberFormatter::setMaximumFractionDigits(int digits) {
    maximumFractionDigits_ = clampDigits(digits);
    minimumFractionDigits_ = std::min(minimumFractionDigits_, maximumFractionDigits_);
}

void NumberFormatter::setMinimumIntegerDigits(int digits) { minimumIntegerDigits_ = clampDigits(digits); }

std::optional<std::string> NumberFormatter::string(double value) const {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-∞" : "∞";

    Decimal d = value == 0 ? Decimal{} : shortestDecimal(std::fabs(value));
    roundHalfEven(d, maximumFractionDigits_);
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    bool zero = d.digits.empty();

    std::string integer;
    if (!zero && d.point > 0) {
        auto count = static_cast<std::size_t>(d.point);
        integer = d.digits.substr(0, std::min(count, d.digits.size()));
        integer.append(count > d.digits.size() ? count - d.digits.size() : 0, '0');
    }
    if (static_cast<int>(integer.size()) < minimumIntegerDigits_)
        integer.insert(0, static_cast<std::size_t>(minimumIntegerDigits_) - integer.size(), '0');

    std::string fraction;
    if (!zero) {
        if (d.point < 0) fraction.assign(static_cast<std::size_t>(-d.point), '0');
        auto from = static_cast<std::size_t>(std::max(d.point, 0));
        if (from < d.digits.size()) fraction += d.digits.substr(from);
    }
    if (static_cast<int>(fraction.size()) < minimumFractionDigits_)
        fraction.append(static_cast<std::size_t>(minimumFractionDigits_) - fraction.size(), '0');

    std::string text;
    if (value < 0 && !zero) text = "-";
    if (usesGroupingSeparator_ && groupingSize_ > 0) {
        auto size = static_cast<std::size_t>(groupingSize_);
        for (std::size_t i = 0; i < integer.size(); ++i) {
            if (i > 0 && (integer.size() - i) % size == 0) text += groupingSeparator_;
            text += integer[i];
        }
    } else {
        text += integer;
    }
    if (!fraction.empty()) text += decimalSeparator_ + fraction;
    if (integer.empty() && fraction.empty()) text += "0"; // zero with no digits asked for still shows one
    return text;
}

} // namespace kit
