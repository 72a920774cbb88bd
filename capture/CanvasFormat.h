#pragma once
// The canvas sizes a stencil picture can take: the real length, in metres, of the picture's
// shorter side. Each size is twice the one before.
#include <array>
#include <optional>

namespace capture {

enum class CanvasFormat { a4, a3, a2, a1, a0 };

inline constexpr std::array<CanvasFormat, 5> allCanvasFormats{CanvasFormat::a4, CanvasFormat::a3, CanvasFormat::a2,
                                                               CanvasFormat::a1, CanvasFormat::a0};

constexpr double rawValue(CanvasFormat format) {
    switch (format) {
    case CanvasFormat::a4: return 0.2;
    case CanvasFormat::a3: return 0.4;
    case CanvasFormat::a2: return 0.8;
    case CanvasFormat::a1: return 1.6;
    case CanvasFormat::a0: return 3.2;
    }
    return 0.2;
}

// Only one of the five exact values makes a format.
constexpr std::optional<CanvasFormat> canvasFormatFromRaw(double raw) {
    for (auto format : allCanvasFormats)
        if (rawValue(format) == raw) return format;
    return std::nullopt;
}

} // namespace capture
