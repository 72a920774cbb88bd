#include "app/ui/Strings.h"

#include "kit/base/Console.h"
#include "kit/text/CaseMapping.h"
#include "kit/text/Localization.h"

#include <array>
#include <map>
#include <mutex>

namespace app::Strings {
namespace {

struct Entry {
    std::string_view english;
    std::string_view comment;
};

constexpr std::array entries = {
    Entry{"Complementary", "21-august"}, Entry{"Analogous", "21-august"}, Entry{"Triad", "21-august"},
    Entry{"Split-Complementary", "21-august"}, Entry{"Tetradic", "21-august"}, Entry{"Square", "21-august"},
    Entry{"Abstract", "21-august"}, Entry{"Digital", "21-august"}, Entry{"All", "21-august"},
    Entry{"Monochrome", "6"},
    Entry{"The harmonious color scheme is built on a single hue, does not attract much attention, allowing you to "
          "create an emphasis on the content.",
          "6"},
    Entry{"Delete", "September"}, Entry{"Do you want to delete this combination?", "September"},
    Entry{"Yes", "September"}, Entry{"No", "September"}, Entry{"Red", "September"}, Entry{"Green", "September"},
    Entry{"Blue", "September"}, Entry{"Close", "September"},
    Entry{"Add", "October"}, Entry{"Cancel", "October"}, Entry{"Enter HEX color", "October"}, Entry{"Main", "October"},
    Entry{"Major accent", "October"}, Entry{"Minor accent 1", "October"}, Entry{"Minor accent 2", "October"},
    Entry{"Tip", "October"},
    Entry{"You can use the \"Abstract\" tab inside the \"Digital zovez aziva\", it presents the same color "
          "combinations with more flexibility.",
          "October"},
    Entry{"OK", "October"},
    Entry{"Point the phone at the painting, the image should not look flat, it should be vibrant, otherwise you need "
          "to work on the balance of value.",
          "October"},
    Entry{"Tap to freeze", "October"}, Entry{"Tap to unfreeze", "October"},
    Entry{"Create high contrast. When mixed with each other, they give gray tones.", "5-3"},
    Entry{"Very harmonious, calm and comfortable, with no bright contrast between colors.", "5-3"},
    Entry{"The first is dominant, the second and third are accents.", "5-3"},
    Entry{"The first color dominates, the second and third contrast with the first.", "5-3"},
    Entry{"No dominant color, bright, aggressive combination.", "5-3"},
    Entry{"There is no dominant color, all colors must be evenly balanced.", "5-3"},
    Entry{"Combination for abstract art, the main color should be about 72%, the main accent - about 14%, the minor "
          "colors - about 7% each. Plus you can use unlimited white and black paint.",
          "5-3"},
    Entry{"Digital Zovez Aziva", "5-3"}, Entry{"Classic Zovez Aziva", "5-3"}, Entry{"Abstract Zovez Aziva", "5-3"},
    Entry{"Color Picker", "5-3"}, Entry{"Image Colors", "5-3"}, Entry{"Color Mixing", "5-3"},
    Entry{"Value Checker", "5-3"}, Entry{"Grayscale", "5-3"}, Entry{"Saved", "5-3"}, Entry{"Single", "5-3"},
    Entry{"One finger tap - copy color to", "5-3"}, Entry{"Swipe left - delete combination.", "5-3"},
    Entry{"Get color from", "2020"}, Entry{"How to use", "2020"}, Entry{"Color Combinations", "2020"},
    Entry{"Save button - saves color in", "2020"}, Entry{"Combination has been saved in", "2020"},
    Entry{"Color has been saved to", "2020"}, Entry{"clipboard", "2020"}, Entry{"Select image", "2020"},
    Entry{"Material Design", "2020"},
    Entry{"Mix with", "8-5"}, Entry{"Mix", "8-5"},
    Entry{"Swatches", "4-8"},
    Entry{"Custom Hue", "5.7"}, Entry{"Tap on color", "5.7"},
    Entry{"More Tools", "8-2"}, Entry{"AR Stencil", "8-2"}, Entry{"Non-Digital Zovez Aziva", "8-2"},
    Entry{"Choose a tool", "8-2"}, Entry{"Oil Paint", "8-2"},
    Entry{"Value Breaker", "9-8"}, Entry{"To values", "9-8"}, Entry{"Contrast", "9-8"},
    Entry{"Contrast Ratio", "10-0"},
    Entry{"Low contrast, hard to read, not recommended for important content.", "10-0"},
    Entry{"Moderate contrast, suitable for large text.", "10-0"},
    Entry{"Good contrast, meets accessibility standards for normal text.", "10-0"},
    Entry{"High contrast, ideal for maximum readability.", "10-0"},
    Entry{"try it", "8-8"}, Entry{"Tap on a color first", "8-8"}, Entry{"Save", "8-8"},
    Entry{"No permission to use camera", "4-9"},
    Entry{"This tool requires permission to use the camera to work.", "4-9"},
    Entry{"Mix has been saved to", "8-4"}, Entry{"Color Mixes", "8-4"},
    Entry{"Image has been saved to", "2024"},
    Entry{"Canvas position", "8-6"}, Entry{"Canvas size", "8-6"}, Entry{"Horizontal", "8-6"},
    Entry{"Vertical", "8-6"}, Entry{"Opacity", "8-6"}, Entry{"Start", "8-6"},
    Entry{"To get started, select an image...", "8-6"},
    Entry{"Cyan", "5-1"}, Entry{"Magenta", "5-1"}, Entry{"Yellow", "5-1"}, Entry{"Black", "5-1"},
    Entry{"Enter RGB color", "8-3"}, Entry{"Swipe left", "8-3"},
    Entry{"Labels", "7-7"},
    Entry{"Preview as chart", "8-0"}, Entry{"More", "8-0"}, Entry{"\"Photos\" app", "8-0"}, Entry{"Add to", "8-0"},
    Entry{"Open in editor", "8-0"}, Entry{"Save as image", "8-0"}, Entry{"Long press", "8-0"},
    Entry{"Liked", "Friday, September"},
    Entry{"Summer", "june25"}, Entry{"Winter", "june25"}, Entry{"Spring", "june25"}, Entry{"Autumn", "june25"},
    Entry{"HTML/CSS by name", "june25"},
    Entry{"Wikipedia", "9-0"},
    Entry{"Name", "9-2"}, Entry{"Light Combinations", "9-2"}, Entry{"Open in", "9-2"}, Entry{"Light", "9-2"},
    Entry{"Light tool", "9-2"}, Entry{"Swipe right", "9-2"}, Entry{"To get started, select a color...", "9-2"},
    Entry{"Daylight", "9-22"}, Entry{"Tungsten", "9-22"}, Entry{"Fluorescent", "9-22"}, Entry{"Night", "9-22"},
    Entry{"Warm White", "9-22"}, Entry{"Cool White", "9-22"}, Entry{"Candle Light", "9-22"},
    Entry{"Golden Hour", "9-22"}, Entry{"Sunrise", "9-22"}, Entry{"Sunset", "9-22"}, Entry{"Incandescent", "9-22"},
    Entry{"Halogen", "9-22"}, Entry{"Moonlight", "9-22"}, Entry{"Overcast", "9-22"}, Entry{"Cloudy", "9-22"},
    Entry{"Intensity", "9-22"},
    Entry{"Open Settings", "9-7"},
    Entry{"Number of colors", "10-4"}, Entry{"From", "10-4"}, Entry{"To", "10-4"}, Entry{"Copy", "10-4"},
    Entry{"Copied to clipboard", "10-4"}, Entry{"Copy hex array", "10-4"}, Entry{"Color Group", "10-4"},
};

const Entry* find(std::string_view english) {
    for (const auto& e : entries)
        if (e.english == english) return &e;
    return nullptr;
}

std::string lower(std::string_view english) { return kit::text::lowercased(text(english)); }

// Composites are built once from the already localised parts.
template <class Build>
const std::string& once(std::string_view name, Build build) {
    // Recursive: a composite may be built from another composite.
    static std::recursive_mutex mutex;
    static std::map<std::string, std::string, std::less<>> made;
    std::lock_guard lock(mutex);
    auto it = made.find(name);
    if (it == made.end()) it = made.emplace(std::string(name), build()).first;
    return it->second;
}

} // namespace

std::size_t entryCount() { return entries.size(); }

std::string_view comment(std::string_view english) {
    const auto* e = find(english);
    if (!e) kit::fatal("No such text in the strings table: " + std::string(english));
    return e->comment;
}

const std::string& text(std::string_view english) {
    static std::mutex mutex;
    static std::map<std::string, std::string, std::less<>> looked;
    {
        std::lock_guard lock(mutex);
        if (auto it = looked.find(english); it != looked.end()) return it->second;
    }
    const auto* e = find(english);
    if (!e) kit::fatal("No such text in the strings table: " + std::string(english));
    auto value = kit::localizedString(e->english, e->comment);
    std::lock_guard lock(mutex);
    return looked.emplace(std::string(english), std::move(value)).first->second;
}

const std::string& combinationSavedInSaved() {
    return once("savedIn", [] {
        return text("Combination has been saved in") + " \"" + text("Color Combinations") + " > " + text("Saved") + "\".";
    });
}
const std::string& colorSavedToSingle() {
    return once("single", [] {
        return text("Color has been saved to") + " \"" + text("Color Combinations") + " > " + text("Single") + "\".";
    });
}
const std::string& saveButtonSavesColorInSaved() {
    return once("saveButton", [] {
        return text("Save button - saves color in") + " \"" + text("Color Combinations") + " > " + text("Saved") + "\".";
    });
}
const std::string& colorSavedToClipboard() {
    return once("clipboard", [] { return text("Color has been saved to") + " " + text("clipboard") + "."; });
}
const std::string& combinationSavedInLiked() {
    return once("liked", [] {
        return text("Combination has been saved in") + " \"" + text("Color Combinations") + " > " + text("Liked") + "\".";
    });
}
const std::string& mixSavedToColorMixes() {
    return once("mix", [] { return text("Mix has been saved to") + " \"" + text("Color Mixes") + "\"."; });
}
std::string combinationSavedIn(const std::filesystem::path& file) {
    return text("Combination has been saved in") + " " + file.string();
}
std::string imageSavedTo(const std::filesystem::path& file) { return text("Image has been saved to") + " " + file.string(); }
const std::string& addToLiked() {
    return once("addToLiked", [] { return text("Add to") + " \"" + text("Liked") + "\""; });
}
const std::string& swipeLeftDelete() {
    return once("swipeLeftDelete", [] { return text("Swipe left") + " - " + lower("Delete"); });
}
const std::string& swipeRightOpenInDigital() {
    return once("swipeRightOpen", [] {
        return text("Swipe right") + " - " + lower("Open in") + " " + text("Digital Zovez Aziva");
    });
}
const std::string& singleColorsGestureHelp() {
    return once("singleHelp", [] {
        return "\n" + text("One finger tap - copy color to") + " " + text("clipboard") + ".\n\n" + text("Long press") +
               " - " + lower("Add to") + " \"" + text("Single") + "\".\n\n" + text("Swipe left - delete combination.") +
               "\n\n" + swipeRightOpenInDigital();
    });
}
const std::string& swatchesGestureHelp() {
    return once("swatchHelp", [] {
        return text("One finger tap - copy color to") + " " + text("clipboard") + ".\n\n" + text("Long press") + " - " +
               lower("Add to") + " \"" + text("Color Combinations") + " > " + text("Single") + "\".\n\n" +
               swipeRightOpenInDigital();
    });
}
const std::string& openInLightTool() {
    return once("openInLight", [] { return text("Open in") + " " + lower("Light tool"); });
}
const std::string& swipeRightSaveAsImage() {
    return once("swipeRightImage", [] { return text("Swipe right") + " - " + lower("Save as image"); });
}

} // namespace app::Strings
