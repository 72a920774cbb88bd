#pragma once
// Decimal text of a double as the system writes fractions: the shortest text that reads back to
// the same value, always with a decimal point ("1.0", "0.5", "0.986").
#include <string>

namespace kit::text {

// Fixed notation for magnitudes in [1e-4, 2^53) and for zero, scientific notation outside
// ("1e-05", "1e+16"); "inf", "-inf" and "nan" for the non-finite values.
std::string shortestText(double value);

} // namespace kit::text
