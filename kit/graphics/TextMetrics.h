#pragma once
// Where font metrics and text sizes come from: Pango by default; tests install a fixed-width
// provider so that layout can be checked with exact numbers.
#include "kit/base/Geometry.h"
#include "kit/graphics/Font.h"
#include "kit/graphics/Text.h"

#include <memory>

namespace kit {

struct FontMetrics {
    double ascender = 0;
    double descender = 0; // negative
    double lineHeight = 0;
};

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual FontMetrics metrics(const Font& font) = 0;
    virtual Size measure(const AttributedString& text, const TextLayoutOptions& options) = 0;
    // The caret's distance from the left edge of the unwrapped text; by default the width of the
    // text before it, which is right for left-to-right text.
    virtual double caretOffset(const AttributedString& text, std::size_t index);

    // The provider in force (Pango unless one was installed); null restores Pango.
    static TextMetrics& current();
    static void install(std::shared_ptr<TextMetrics> provider);
};

// Every grapheme advances `advance` x the point size, every line is `lineHeight` x the point size
// tall (ascender 0.8 of it). Wrapping is greedy at spaces (word modes) or graphemes (char wrap);
// a truncated line ends in an ellipsis counted as one grapheme. Defaults: 0.5 and 1.2, so a 10-point
// "abc" measures 15 x 12.
class FixedTextMetrics final : public TextMetrics {
public:
    explicit FixedTextMetrics(double advance = 0.5, double lineHeight = 1.2) : advance_(advance), lineHeight_(lineHeight) {}
    FontMetrics metrics(const Font& font) override;
    Size measure(const AttributedString& text, const TextLayoutOptions& options) override;

private:
    double advance_;
    double lineHeight_;
};

// Installs a fixed provider for the lifetime of the guard and restores the previous one after.
class FixedTextMetricsScope {
public:
    explicit FixedTextMetricsScope(double advance = 0.5, double lineHeight = 1.2);
    ~FixedTextMetricsScope();
    FixedTextMetricsScope(const FixedTextMetricsScope&) = delete;
    FixedTextMetricsScope& operator=(const FixedTextMetricsScope&) = delete;

private:
    std::shared_ptr<TextMetrics> previous_;
};

} // namespace kit
