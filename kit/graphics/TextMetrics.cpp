#include "kit/graphics/TextMetrics.h"

#include <glib.h>

#include <algorithm>
#include <mutex>

namespace kit {

std::shared_ptr<TextMetrics> makePangoTextMetrics(); // PangoText.cpp

namespace {

std::mutex providerMutex;
std::shared_ptr<TextMetrics>& installed() {
    static std::shared_ptr<TextMetrics> provider;
    return provider;
}

struct Glyph {
    std::size_t offset;
    double width;
    double lineHeight;
    bool space;
};

} // namespace

TextMetrics& TextMetrics::current() {
    std::lock_guard lock(providerMutex);
    auto& p = installed();
    if (!p) p = makePangoTextMetrics();
    return *p;
}

void TextMetrics::install(std::shared_ptr<TextMetrics> provider) {
    std::lock_guard lock(providerMutex);
    installed() = provider ? std::move(provider) : makePangoTextMetrics();
}

FixedTextMetricsScope::FixedTextMetricsScope(double advance, double lineHeight) {
    {
        std::lock_guard lock(providerMutex);
        previous_ = installed();
    }
    TextMetrics::install(std::make_shared<FixedTextMetrics>(advance, lineHeight));
}

FixedTextMetricsScope::~FixedTextMetricsScope() { TextMetrics::install(previous_); }

double TextMetrics::caretOffset(const AttributedString& text, std::size_t index) {
    if (index == 0 || text.isEmpty()) return 0;
    AttributedString before;
    for (const auto& run : text.runs()) {
        if (run.start >= index) break;
        before.append(std::string_view(text.string()).substr(run.start, std::min(run.length, index - run.start)), run.attributes);
    }
    return measure(before, {}).width;
}

FontMetrics FixedTextMetrics::metrics(const Font& font) {
    const double h = lineHeight_ * font.pointSize();
    return {0.8 * h, -0.2 * h, h};
}

Size FixedTextMetrics::measure(const AttributedString& text, const TextLayoutOptions& options) {
    const ParagraphStyle style = text.paragraphStyle();
    const bool truncating = style.lineBreakMode == LineBreakMode::truncateHead ||
                            style.lineBreakMode == LineBreakMode::truncateTail ||
                            style.lineBreakMode == LineBreakMode::truncateMiddle;
    const bool wraps = options.maxWidth > 0 && style.lineBreakMode != LineBreakMode::clip && (!truncating || options.maxLines > 0);
    const bool charWrap = style.lineBreakMode == LineBreakMode::charWrap;
    const std::string& s = text.string();

    struct Line { double width = 0, height = 0; bool truncated = false; };
    std::vector<Line> lines;
    std::vector<Glyph> paragraph;
    auto lineHeightAt = [&](std::size_t offset) { return lineHeight_ * text.attributesAt(offset).font.pointSize(); };
    auto layParagraph = [&](std::size_t paragraphStart) {
        Line line;
        line.height = std::max(lineHeightAt(paragraphStart), style.minimumLineHeight);
        std::size_t lineStart = 0;
        std::size_t lastBreak = 0; // glyph index after a space, within the line; 0 for none yet
        for (std::size_t i = 0; i < paragraph.size(); ++i) {
            const Glyph& g = paragraph[i];
            if (wraps && line.width + g.width > options.maxWidth + 1e-9 && i > lineStart) {
                std::size_t next = i;
                if (!charWrap && lastBreak > lineStart) next = lastBreak;
                Line done;
                done.height = std::max(style.minimumLineHeight, lineHeightAt(paragraph[lineStart].offset));
                for (std::size_t k = lineStart; k < next; ++k) {
                    const bool trailingSpace = paragraph[k].space && k + 1 == next;
                    if (!trailingSpace) done.width += paragraph[k].width;
                    done.height = std::max(done.height, paragraph[k].lineHeight);
                }
                lines.push_back(done);
                lineStart = next;
                lastBreak = 0;
                line = {};
                line.height = style.minimumLineHeight;
                for (std::size_t k = lineStart; k < i; ++k) {
                    line.width += paragraph[k].width;
                    line.height = std::max(line.height, paragraph[k].lineHeight);
                }
            }
            line.width += g.width;
            line.height = std::max(line.height, g.lineHeight);
            if (g.space) lastBreak = i + 1;
        }
        if (!wraps && truncating && options.maxWidth > 0 && line.width > options.maxWidth) {
            line.width = options.maxWidth;
            line.truncated = true;
        }
        lines.push_back(line);
    };

    std::size_t paragraphStart = 0;
    for (const char* p = s.c_str(); p <= s.c_str() + s.size();) {
        const std::size_t offset = static_cast<std::size_t>(p - s.c_str());
        if (offset == s.size() || *p == '\n') {
            layParagraph(paragraphStart);
            paragraph.clear();
            if (offset == s.size()) break;
            ++p;
            paragraphStart = offset + 1;
            continue;
        }
        const gunichar c = g_utf8_get_char_validated(p, static_cast<gssize>(s.size() - offset));
        const char* next = (c == gunichar(-1) || c == gunichar(-2)) ? p + 1 : g_utf8_next_char(p);
        const bool joins = c != gunichar(-1) && c != gunichar(-2) && (g_unichar_ismark(c) || g_unichar_iszerowidth(c));
        if (!joins) {
            const Font font = text.attributesAt(offset).font;
            paragraph.push_back({offset, advance_ * font.pointSize(), lineHeight_ * font.pointSize(), c == ' ' || c == '\t'});
        }
        p = next;
    }

    // Line limits: a count, and the lines that fit a height (at least one).
    std::size_t keep = lines.size();
    if (options.maxLines > 0) keep = std::min(keep, static_cast<std::size_t>(options.maxLines));
    if (options.maxHeight > 0) {
        double h = 0;
        std::size_t fit = 0;
        for (std::size_t i = 0; i < keep; ++i) {
            h += lines[i].height + (i ? style.lineSpacing : 0);
            if (h > options.maxHeight + 1e-9 && i > 0) break;
            fit = i + 1;
        }
        keep = fit;
    }
    if (keep < lines.size() && truncating && options.maxWidth > 0) lines[keep - 1].width = options.maxWidth;
    Size size;
    for (std::size_t i = 0; i < keep; ++i) {
        size.width = std::max(size.width, lines[i].width);
        size.height += lines[i].height + (i ? style.lineSpacing : 0);
    }
    return size;
}

} // namespace kit
