#pragma once
// A font: family, weight and size in points (one point is one unit of the drawing context).
// The system sans is Inter; the monospace is DejaVu Sans Mono.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kit {

enum class FontWeight { ultraLight, thin, light, regular, medium, semibold, bold, heavy, black };

class Font {
public:
    static constexpr const char* systemFamily = "Inter";
    static constexpr const char* monospaceFamily = "DejaVu Sans Mono";

    // The system font at 12 points, the default of text attributes.
    Font() : Font(systemFamily, 12, FontWeight::regular) {}
    static Font system(double size, FontWeight weight = FontWeight::regular) { return Font(systemFamily, size, weight); }
    static Font boldSystem(double size) { return system(size, FontWeight::bold); }
    static Font monospace(double size) { return Font(monospaceFamily, size, FontWeight::regular); }
    // A font by family or face name ("Inter-Bold", "Menlo-Regular" for the monospace). Nothing when
    // no installed family has the name.
    static std::optional<Font> named(std::string_view name, double size);

    const std::string& family() const { return family_; }
    double pointSize() const { return size_; }
    FontWeight weight() const { return weight_; }
    Font withSize(double size) const { return Font(family_, size, weight_); }

    // From the text metrics in force (Pango, or a fixed provider in tests). The descender is
    // negative, as below the baseline; lineHeight = ascender - descender.
    double ascender() const;
    double descender() const;
    double lineHeight() const;

    friend bool operator==(const Font&, const Font&) = default;
    std::size_t hash() const;
    // "Inter 600 13", for cache keys and recorded drawing lines.
    std::string description() const;

private:
    Font(std::string family, double size, FontWeight weight);
    std::string family_;
    double size_;
    FontWeight weight_;
};

// CSS-style numeric weight: 100 (ultra light) ... 900 (black).
int numericWeight(FontWeight w);

} // namespace kit
