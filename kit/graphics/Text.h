#pragma once
// Text: attributes, attributed strings, measurement and drawing (shaped by Pango).
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/Font.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

class Context;

enum class TextAlignment { left, center, right, natural, justified };
enum class LineBreakMode { wordWrap, charWrap, clip, truncateHead, truncateTail, truncateMiddle };

struct ParagraphStyle {
    TextAlignment alignment = TextAlignment::natural;
    // Word wrapping breaks inside a word only when the word alone is too wide. Truncating modes keep
    // each paragraph on one line unless a line limit is given, in which case the last line is truncated.
    LineBreakMode lineBreakMode = LineBreakMode::wordWrap;
    // Extra space between lines, in points.
    double lineSpacing = 0;
    // Lines are at least this tall (0: the font's own line height).
    double minimumLineHeight = 0;
    // Above 0: hyphens are shown where a word is broken.
    double hyphenationFactor = 0;
    friend bool operator==(const ParagraphStyle&, const ParagraphStyle&) = default;
};

struct TextAttributes {
    Font font;
    Color foregroundColor = Color::blackColor();
    std::optional<ParagraphStyle> paragraphStyle;
    friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};

// Text with attributes on ranges. Offsets and lengths are in bytes of the UTF-8 text; a range is
// clamped to the text and widened to whole characters.
class AttributedString {
public:
    struct Run {
        std::size_t start;
        std::size_t length;
        TextAttributes attributes;
    };

    AttributedString() = default;
    explicit AttributedString(std::string text, TextAttributes attributes = {});

    void append(const AttributedString& other);
    void append(std::string_view text, const TextAttributes& attributes = {});
    void setFont(const Font& font, std::size_t start, std::size_t length);
    void setForegroundColor(const Color& color, std::size_t start, std::size_t length);
    // Over the whole text: one paragraph style for all of it.
    void setParagraphStyle(const ParagraphStyle& style);

    const std::string& string() const { return text_; }
    std::size_t length() const { return text_.size(); }
    bool isEmpty() const { return text_.empty(); }
    const std::vector<Run>& runs() const { return runs_; }
    // The paragraph style of the first run that has one, else the default.
    ParagraphStyle paragraphStyle() const;
    // Attributes in force at a byte offset (the last run's past the end; default when empty).
    TextAttributes attributesAt(std::size_t offset) const;
    friend bool operator==(const AttributedString&, const AttributedString&);

private:
    template <class F> void edit(std::size_t start, std::size_t length, F&& change);
    std::string text_;
    std::vector<Run> runs_;
};

struct TextLayoutOptions {
    double maxWidth = 0;  // 0: no limit (one line per paragraph)
    double maxHeight = 0; // 0: no limit; otherwise only the lines that fit
    int maxLines = 0;     // 0: no limit
    friend bool operator==(const TextLayoutOptions&, const TextLayoutOptions&) = default;
};

// Starts reading the system's font configuration (some ten milliseconds) on a thread of its own and
// returns: called early on the main thread, the first text measured there finds it done or nearly.
void prepareFonts();

// The size of the laid-out text: the widest line's advance, and the height of its lines.
Size measureText(const AttributedString& text, const TextLayoutOptions& options = {});
Size measureText(std::string_view text, const TextAttributes& attributes, const TextLayoutOptions& options = {});
Size measureText(std::string_view text, const Font& font, double maxWidth = 0, int maxLines = 0);

// At a point: the top-left corner of the first line's box.
void drawText(Context& context, const AttributedString& text, Point at);
void drawText(Context& context, std::string_view text, Point at, const TextAttributes& attributes = {});
// In a rectangle: wrapped to its width, aligned by the paragraph style, lines that do not fit its
// height left out (or the last one truncated, for a truncating mode).
void drawText(Context& context, const AttributedString& text, const Rect& in, int maxLines = 0);
void drawText(Context& context, std::string_view text, const Rect& in, const TextAttributes& attributes = {},
              int maxLines = 0);

// User-perceived characters (grapheme clusters), not bytes or code points.
std::size_t graphemeCount(std::string_view text);
// The byte offsets a caret may stand at (the edges of the grapheme clusters), 0 and the size
// included. Text that is not valid UTF-8 stops at every byte that starts a sequence.
std::vector<std::size_t> caretStops(std::string_view text);
// How far from the left edge of the text laid out on one line the caret before byte `index` stands.
double caretOffset(const AttributedString& text, std::size_t index);

} // namespace kit
