// Text through Pango: font descriptions, a per-thread layout cache for measuring, and drawing.
#include "kit/graphics/Context.h"
#include "kit/graphics/Text.h"
#include "kit/graphics/TextMetrics.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

namespace kit {

namespace {

constexpr std::size_t cacheLimit = 512;

int pangoUnits(double v) { return static_cast<int>(std::lround(std::clamp(v, -1e6, 1e6) * PANGO_SCALE)); }
double points(int units) { return static_cast<double>(units) / PANGO_SCALE; }

bool truncating(LineBreakMode m) {
    return m == LineBreakMode::truncateHead || m == LineBreakMode::truncateTail || m == LineBreakMode::truncateMiddle;
}

// Pango objects are not shared between threads: each thread measures with its own context.
struct PangoState {
    PangoContext* context;
    std::unordered_map<std::string, PangoFontDescription*> fonts;
    std::unordered_map<std::string, FontMetrics> metrics;
    std::unordered_map<std::string, PangoLayout*> layouts;

    PangoState() {
        context = pango_font_map_create_context(pango_cairo_font_map_get_default());
        // Unhinted metrics and unrounded positions: sizes do not depend on the scale drawn at.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(context, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(context, FALSE);
    }
    ~PangoState() {
        for (auto& [k, l] : layouts) g_object_unref(l);
        for (auto& [k, f] : fonts) pango_font_description_free(f);
        g_object_unref(context);
    }
    PangoState(const PangoState&) = delete;
    PangoState& operator=(const PangoState&) = delete;

    PangoFontDescription* font(const Font& f) {
        const std::string key = f.description();
        if (auto it = fonts.find(key); it != fonts.end()) return it->second;
        PangoFontDescription* d = pango_font_description_new();
        pango_font_description_set_family(d, f.family().c_str());
        pango_font_description_set_weight(d, static_cast<PangoWeight>(numericWeight(f.weight())));
        pango_font_description_set_absolute_size(d, std::max(1.0, f.pointSize() * PANGO_SCALE));
        return fonts[key] = d;
    }
};

PangoState& pangoState() {
    thread_local PangoState state;
    return state;
}

FontMetrics pangoMetrics(const Font& font) {
    PangoState& state = pangoState();
    const std::string key = font.description();
    if (auto it = state.metrics.find(key); it != state.metrics.end()) return it->second;
    PangoFontMetrics* m = pango_context_get_metrics(state.context, state.font(font), nullptr);
    const double ascent = points(pango_font_metrics_get_ascent(m)), descent = points(pango_font_metrics_get_descent(m));
    pango_font_metrics_unref(m);
    return state.metrics[key] = {ascent, -descent, ascent + descent};
}

std::string validUTF8(const std::string& s) {
    if (g_utf8_validate(s.data(), static_cast<gssize>(s.size()), nullptr)) return s;
    gchar* fixed = g_utf8_make_valid(s.data(), static_cast<gssize>(s.size()));
    std::string out(fixed);
    g_free(fixed);
    return out;
}

std::uint16_t channel(double v) { return static_cast<std::uint16_t>(std::lround(std::clamp(v, 0.0, 1.0) * 65535)); }

// A layout of the text. Colours are set only for drawing, with the context's alpha applied.
PangoLayout* newLayout(const AttributedString& text, const TextLayoutOptions& options, std::optional<double> colourAlpha) {
    PangoState& state = pangoState();
    PangoLayout* layout = pango_layout_new(state.context);
    const std::string s = validUTF8(text.string());
    pango_layout_set_text(layout, s.data(), static_cast<int>(s.size()));
    const ParagraphStyle style = text.paragraphStyle();

    PangoAttrList* attrs = pango_attr_list_new();
    auto add = [&](PangoAttribute* a, std::size_t start, std::size_t length) {
        a->start_index = static_cast<guint>(std::min(start, s.size()));
        a->end_index = static_cast<guint>(std::min(start + length, s.size()));
        pango_attr_list_insert(attrs, a);
    };
    for (const auto& run : text.runs()) {
        add(pango_attr_font_desc_new(state.font(run.attributes.font)), run.start, run.length);
        if (colourAlpha) {
            const Color& c = run.attributes.foregroundColor;
            add(pango_attr_foreground_new(channel(c.red()), channel(c.green()), channel(c.blue())), run.start, run.length);
            // Pango reads an alpha of 0 as "unset": the least it can draw is 1/65535.
            add(pango_attr_foreground_alpha_new(std::max<std::uint16_t>(1, channel(c.alpha() * *colourAlpha))), run.start,
                run.length);
        }
    }
    if (text.runs().empty()) pango_layout_set_font_description(layout, state.font(Font()));
    else pango_layout_set_font_description(layout, state.font(text.runs().front().attributes.font));
    add(pango_attr_insert_hyphens_new(style.hyphenationFactor > 0), 0, s.size());
    if (style.minimumLineHeight > 0) {
        // Lines at least this tall: only a height above the font's own changes anything.
        double natural = 0;
        for (const auto& run : text.runs()) natural = std::max(natural, pangoMetrics(run.attributes.font).lineHeight);
        if (style.minimumLineHeight > natural) add(pango_attr_line_height_new_absolute(pangoUnits(style.minimumLineHeight)), 0, s.size());
    }
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);

    // Each paragraph takes its direction from its first strong letter, so Arabic or Hebrew text
    // reads right to left. Pango then mirrors left and right alignment in such a paragraph: that
    // is the natural alignment, while left and right themselves are absolute. (Asking Pango lays
    // the text out once more, which plain ASCII text never needs.)
    auto absolute = [&](PangoAlignment side) {
        const bool ascii = std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (ascii || pango_layout_get_direction(layout, 0) != PANGO_DIRECTION_RTL) return side;
        return side == PANGO_ALIGN_LEFT ? PANGO_ALIGN_RIGHT : PANGO_ALIGN_LEFT;
    };
    switch (style.alignment) {
    case TextAlignment::center: pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER); break;
    case TextAlignment::right: pango_layout_set_alignment(layout, absolute(PANGO_ALIGN_RIGHT)); break;
    case TextAlignment::justified: pango_layout_set_justify(layout, TRUE); break;
    case TextAlignment::left: pango_layout_set_alignment(layout, absolute(PANGO_ALIGN_LEFT)); break;
    case TextAlignment::natural: pango_layout_set_alignment(layout, PANGO_ALIGN_LEFT); break;
    }
    pango_layout_set_spacing(layout, pangoUnits(style.lineSpacing));
    const bool clipMode = style.lineBreakMode == LineBreakMode::clip;
    pango_layout_set_width(layout, options.maxWidth > 0 && !clipMode ? pangoUnits(options.maxWidth) : -1);
    pango_layout_set_wrap(layout, style.lineBreakMode == LineBreakMode::charWrap ? PANGO_WRAP_CHAR : PANGO_WRAP_WORD_CHAR);
    if (truncating(style.lineBreakMode)) {
        pango_layout_set_ellipsize(layout, style.lineBreakMode == LineBreakMode::truncateHead     ? PANGO_ELLIPSIZE_START
                                           : style.lineBreakMode == LineBreakMode::truncateMiddle ? PANGO_ELLIPSIZE_MIDDLE
                                                                                                  : PANGO_ELLIPSIZE_END);
        if (options.maxLines > 0) pango_layout_set_height(layout, -options.maxLines);
        else if (options.maxHeight > 0) pango_layout_set_height(layout, pangoUnits(options.maxHeight));
        else pango_layout_set_height(layout, -1);
    }
    return layout;
}

struct Extent {
    Size size;
    int lines; // lines kept
    bool cut;  // lines were left out
};

// Size of the lines within the limits; a truncating layout has applied them itself.
Extent extentOf(PangoLayout* layout, const TextLayoutOptions& options) {
    const int total = pango_layout_get_line_count(layout);
    int keep = total;
    if (options.maxLines > 0) keep = std::min(keep, options.maxLines);
    PangoLayoutIter* it = pango_layout_get_iter(layout);
    double width = 0, bottom = 0;
    int index = 0;
    do {
        if (index >= keep) break;
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(it, nullptr, &logical);
        const double lineBottom = points(logical.y + logical.height);
        if (options.maxHeight > 0 && index > 0 && lineBottom > options.maxHeight + 1e-6) {
            keep = index;
            break;
        }
        width = std::max(width, points(logical.width));
        bottom = lineBottom;
        ++index;
    } while (pango_layout_iter_next_line(it));
    pango_layout_iter_free(it);
    keep = std::min(keep, index);
    return {{width, bottom}, keep, keep < total};
}

std::string layoutKey(const AttributedString& text, const TextLayoutOptions& o) {
    std::string key = text.string();
    key += '\x1f';
    for (const auto& run : text.runs()) {
        key += std::to_string(run.start) + ',' + std::to_string(run.length) + ',' + run.attributes.font.description() + ';';
        if (const auto& p = run.attributes.paragraphStyle)
            key += std::to_string(int(p->alignment)) + ',' + std::to_string(int(p->lineBreakMode)) + ',' +
                   std::to_string(p->lineSpacing) + ',' + std::to_string(p->minimumLineHeight) + ',' +
                   std::to_string(p->hyphenationFactor > 0) + ';';
    }
    key += '\x1f' + std::to_string(o.maxWidth) + ',' + std::to_string(o.maxHeight) + ',' + std::to_string(o.maxLines);
    return key;
}

class PangoTextMetrics final : public TextMetrics {
public:
    FontMetrics metrics(const Font& font) override { return pangoMetrics(font); }

    Size measure(const AttributedString& text, const TextLayoutOptions& options) override {
        return extentOf(cachedLayout(text, options), options).size;
    }

    // Where Pango puts the caret: right of a left-to-right letter, left of a right-to-left one.
    double caretOffset(const AttributedString& text, std::size_t index) override {
        if (text.isEmpty() || !g_utf8_validate(text.string().data(), static_cast<gssize>(text.length()), nullptr))
            return TextMetrics::caretOffset(text, index);
        PangoLayout* layout = cachedLayout(text, {});
        PangoRectangle strong;
        pango_layout_get_cursor_pos(layout, static_cast<int>(std::min(index, text.length())), &strong, nullptr);
        PangoRectangle logical;
        pango_layout_get_extents(layout, nullptr, &logical);
        return points(strong.x - logical.x);
    }

private:
    static PangoLayout* cachedLayout(const AttributedString& text, const TextLayoutOptions& options) {
        PangoState& state = pangoState();
        const std::string key = layoutKey(text, options);
        auto it = state.layouts.find(key);
        if (it == state.layouts.end()) {
            if (state.layouts.size() >= cacheLimit) {
                for (auto& [k, l] : state.layouts) g_object_unref(l);
                state.layouts.clear();
            }
            it = state.layouts.emplace(key, newLayout(text, options, std::nullopt)).first;
        }
        return it->second;
    }
};

std::string quoted(const std::string& s) { return '"' + s + '"'; }

std::string styleText(const AttributedString& text) {
    const TextAttributes a = text.attributesAt(0);
    return a.font.description() + ' ' + Context::describe(a.foregroundColor);
}

// How far an unwrapped layout moves right to sit aligned in a band `spare` points wider than it.
double alignmentShift(TextAlignment alignment, double spare) {
    switch (alignment) {
    case TextAlignment::center: return spare / 2;
    case TextAlignment::right: return spare;
    default: return 0;
    }
}

void show(Context& context, const AttributedString& text, Point at, const TextLayoutOptions& options, double clipWidth) {
    if (!context.isDrawable() || text.isEmpty()) return;
    PangoLayout* layout = newLayout(text, options, context.alpha());
    const Extent extent = extentOf(layout, options);
    // A clipped layout has no width of its own to align in: it is placed in the band instead.
    const double x = clipWidth > 0 ? at.x + alignmentShift(text.paragraphStyle().alignment, clipWidth - extent.size.width) : at.x;
    cairo_t* cr = context.cairo();
    cairo_save(cr);
    if (extent.cut || clipWidth > 0) {
        // Lines beyond the limits are left out; clipped text stops at the rectangle's edge.
        double x0, y0, x1, y1;
        cairo_clip_extents(cr, &x0, &y0, &x1, &y1);
        if (clipWidth > 0) x0 = at.x, x1 = at.x + clipWidth;
        cairo_rectangle(cr, x0, at.y, x1 - x0, extent.size.height);
        cairo_clip(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, x, at.y);
    pango_cairo_show_layout(cr, layout);
    cairo_new_path(cr);
    cairo_restore(cr);
    g_object_unref(layout);
}

bool finitePoint(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

} // namespace

std::shared_ptr<TextMetrics> makePangoTextMetrics() { return std::make_shared<PangoTextMetrics>(); }

// The calling thread's font map starts the configuration's reading on a thread when it is made.
void prepareFonts() { pango_cairo_font_map_get_default(); }

Size measureText(const AttributedString& text, const TextLayoutOptions& options) {
    if (text.isEmpty()) return {};
    return TextMetrics::current().measure(text, options);
}

Size measureText(std::string_view text, const TextAttributes& attributes, const TextLayoutOptions& options) {
    return measureText(AttributedString(std::string(text), attributes), options);
}

Size measureText(std::string_view text, const Font& font, double maxWidth, int maxLines) {
    TextAttributes a;
    a.font = font;
    return measureText(text, a, {maxWidth, 0, maxLines});
}

void drawText(Context& context, const AttributedString& text, Point at) {
    if (!finitePoint(at) || text.isEmpty()) return;
    context.record([&] { return "drawText " + quoted(text.string()) + ' ' + Context::describe(at) + ' ' + styleText(text); });
    show(context, text, at, {}, 0);
}

void drawText(Context& context, std::string_view text, Point at, const TextAttributes& attributes) {
    drawText(context, AttributedString(std::string(text), attributes), at);
}

void drawText(Context& context, const AttributedString& text, const Rect& in, int maxLines) {
    if (!finitePoint(in.origin) || !std::isfinite(in.width()) || !std::isfinite(in.height()) || text.isEmpty()) return;
    const Rect r = in.standardized();
    context.record([&] { return "drawText " + quoted(text.string()) + " in " + Context::describe(r) + ' ' + styleText(text); });
    const bool clipMode = text.paragraphStyle().lineBreakMode == LineBreakMode::clip;
    show(context, text, r.origin, {r.width(), r.height(), maxLines}, clipMode ? r.width() : 0);
}

void drawText(Context& context, std::string_view text, const Rect& in, const TextAttributes& attributes, int maxLines) {
    drawText(context, AttributedString(std::string(text), attributes), in, maxLines);
}

std::size_t graphemeCount(std::string_view text) {
    const std::string s = validUTF8(std::string(text));
    const glong chars = g_utf8_strlen(s.data(), static_cast<gssize>(s.size()));
    if (chars == 0) return 0;
    std::vector<PangoLogAttr> attrs(static_cast<std::size_t>(chars) + 1);
    pango_get_log_attrs(s.data(), static_cast<int>(s.size()), -1, pango_language_get_default(), attrs.data(),
                        static_cast<int>(attrs.size()));
    std::size_t count = 0;
    for (glong i = 0; i < chars; ++i) count += attrs[static_cast<std::size_t>(i)].is_cursor_position ? 1 : 0;
    return count;
}

std::vector<std::size_t> caretStops(std::string_view text) {
    std::vector<std::size_t> stops{0};
    if (text.empty()) return stops;
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
        for (std::size_t i = 1; i < text.size(); ++i)
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) stops.push_back(i);
        stops.push_back(text.size());
        return stops;
    }
    const glong chars = g_utf8_strlen(text.data(), static_cast<gssize>(text.size()));
    std::vector<PangoLogAttr> attrs(static_cast<std::size_t>(chars) + 1);
    pango_get_log_attrs(text.data(), static_cast<int>(text.size()), -1, pango_language_get_default(), attrs.data(),
                        static_cast<int>(attrs.size()));
    const char* p = text.data();
    for (glong i = 1; i <= chars; ++i) {
        p = g_utf8_next_char(p);
        if (attrs[static_cast<std::size_t>(i)].is_cursor_position || i == chars)
            stops.push_back(static_cast<std::size_t>(p - text.data()));
    }
    return stops;
}

double caretOffset(const AttributedString& text, std::size_t index) {
    return TextMetrics::current().caretOffset(text, index);
}

std::optional<Font> Font::named(std::string_view name, double size) {
    std::string family(name);
    FontWeight weight = FontWeight::regular;
    static const std::pair<const char*, FontWeight> suffixes[] = {
        {"-UltraLight", FontWeight::ultraLight}, {"-Thin", FontWeight::thin}, {"-Light", FontWeight::light},
        {"-Regular", FontWeight::regular}, {"-Medium", FontWeight::medium}, {"-SemiBold", FontWeight::semibold},
        {"-Bold", FontWeight::bold}, {"-Heavy", FontWeight::heavy}, {"-Black", FontWeight::black}};
    for (const auto& [suffix, w] : suffixes) {
        const std::size_t n = std::strlen(suffix);
        if (family.size() > n && family.compare(family.size() - n, n, suffix) == 0) {
            family.resize(family.size() - n);
            weight = w;
            break;
        }
    }
    // The platform's monospace face is served by the installed one.
    if (family == "Menlo" || family == "Courier" || family == "Monaco") family = monospaceFamily;
    PangoFontFamily** families = nullptr;
    int count = 0;
    pango_font_map_list_families(pango_cairo_font_map_get_default(), &families, &count);
    std::optional<Font> found;
    for (int i = 0; i < count && !found; ++i)
        if (g_ascii_strcasecmp(pango_font_family_get_name(families[i]), family.c_str()) == 0)
            found = Font(pango_font_family_get_name(families[i]), size, weight);
    g_free(families);
    return found;
}

} // namespace kit

// Fontconfig keeps its configuration and font caches for the life of the process by design; the
// leak checker of sanitized builds would report them at exit. Defined here, in the file that makes
// fontconfig load, so the hook is linked whenever text is.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
