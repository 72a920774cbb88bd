#include "colour/ColorNames.h"

#include "colour/catalogues/CatalogueData.h"
#include "kit/text/CaseMapping.h"
#include "kit/text/Scanner.h"
#include "kit/text/Trimming.h"
#include "kit/text/Unicode.h"

#include <cmath>

namespace colour {
namespace {

std::vector<ColorWithName> fromRows(std::span<const data::NamedHex> rows) {
    std::vector<ColorWithName> out;
    out.reserve(rows.size());
    for (const auto& row : rows) out.push_back({std::string(row.hex), std::string(row.name)});
    return out;
}

// A catalogue prepared for lookups: each entry's colour and both results are computed once, so a
// lookup only compares numbers. The results are those of a walk that converts every hex anew.
struct NameIndex {
    struct Entry {
        double red, green, blue;
        std::string tight, loose;
    };
    std::vector<Entry> entries;
    double tight = 0, loose = 0;
};

NameIndex makeIndex(const std::vector<ColorWithName>& catalogue, double tight, double loose,
                    bool spaced, std::string_view loosePrefix) {
    NameIndex index;
    index.tight = tight;
    index.loose = loose;
    index.entries.reserve(catalogue.size());
    for (const auto& entry : catalogue) {
        const kit::Color c = colorFromTableHex(entry.hex.value_or(""));
        const std::string& name = entry.name.value_or("");
        std::string shown = kit::text::uppercased(spaced ? spacedName(name) : name);
        std::string loosely = std::string(loosePrefix) + shown;
        index.entries.push_back({c.red(), c.green(), c.blue(), std::move(shown), std::move(loosely)});
    }
    return index;
}

const NameIndex* indexFor(ColorNameFormat format) {
    switch (format) {
    case ColorNameFormat::HtmlCss: {
        static const NameIndex index = makeIndex(htmlColorNames(), 0.075, 0.15, true, "~");
        return &index;
    }
    case ColorNameFormat::wikipedia: {
        static const NameIndex index = makeIndex(wikipediaColorNames(), 0.08, 0.12, false, "~ ");
        return &index;
    }
    case ColorNameFormat::oilPaint: {
        static const NameIndex index = makeIndex(oilPaintColorNames(), 0.1, 0.2, false, "~ ");
        return &index;
    }
    }
    return nullptr;
}

} // namespace

const std::vector<ColorWithName>& htmlColorNames() {
    static const auto names = fromRows(data::htmlColorNameRows());
    return names;
}

const std::vector<ColorWithName>& wikipediaColorNames() {
    static const auto names = fromRows(data::wikipediaColorNameRows());
    return names;
}

const std::vector<ColorWithName>& oilPaintColorNames() {
    static const auto names = fromRows(data::oilPaintColorNameRows());
    return names;
}

std::optional<std::string> colorName(ColorNameFormat format, const kit::Color& color) {
    const NameIndex* index = indexFor(format);
    if (!index) return std::nullopt;
    double r, g, b, a;
    color.getRed(r, g, b, a);
    // Catalogue colours are opaque, so the alpha test is the same for every entry.
    const double alphaOff = std::fabs(a - 1);
    if (!(alphaOff <= index->loose)) return std::nullopt;
    for (const auto& e : index->entries) {
        const double dr = std::fabs(r - e.red), dg = std::fabs(g - e.green), db = std::fabs(b - e.blue);
        if (!(dr <= index->loose && dg <= index->loose && db <= index->loose)) continue;
        const double t = index->tight;
        return (dr <= t && dg <= t && db <= t && alphaOff <= t) ? e.tight : e.loose;
    }
    return std::nullopt;
}

std::string spacedName(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        if (kit::text::isUppercaseLetter(kit::text::nextScalar(text, pos))) out += ' ';
        out.append(text.substr(start, pos - start));
    }
    return out;
}

kit::Color colorFromTableHex(std::string_view text) {
    std::string hex = kit::text::uppercased(kit::text::trimmingWhitespaceAndNewlines(text));
    if (!hex.empty() && hex.front() == '#') hex.erase(0, 1);
    if (kit::text::scalarCount(hex) != 6) return kit::Color::grayColor();
    std::uint64_t value = 0;
    kit::Scanner(hex).scanHexLongLong(value);
    return kit::Color::rgba(static_cast<double>((value >> 16) & 0xFF) / 255,
                            static_cast<double>((value >> 8) & 0xFF) / 255,
                            static_cast<double>(value & 0xFF) / 255, 1);
}

} // namespace colour
