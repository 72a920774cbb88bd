#pragma once
// The user-visible texts. Each is looked up in the localisation table by its English wording (the key
// and the fallback) once, on first use, and kept. Composite texts join looked-up parts with fixed
// punctuation, which is never translated.
#include <filesystem>
#include <string>
#include <string_view>

namespace app::Strings {

// The text whose English wording is `english`. Asking for a text the table does not hold is a
// programming error (it would never be translated).
const std::string& text(std::string_view english);
// The translator comment of an entry ("September", "2020", ...).
std::string_view comment(std::string_view english);
std::size_t entryCount();  // direct entries

// Composites.
const std::string& combinationSavedInSaved();     // "Combination has been saved in \"Color Combinations > Saved\"."
const std::string& colorSavedToSingle();          // "Color has been saved to \"Color Combinations > Single\"."
const std::string& saveButtonSavesColorInSaved(); // "Save button - saves color in \"Color Combinations > Saved\"."
const std::string& colorSavedToClipboard();       // "Color has been saved to clipboard."
const std::string& combinationSavedInLiked();     // "Combination has been saved in \"Color Combinations > Liked\"."
const std::string& mixSavedToColorMixes();        // "Mix has been saved to \"Color Mixes\"."
// The desktop has no photos app: a saved picture is named by its file.
std::string combinationSavedIn(const std::filesystem::path& file); // "Combination has been saved in FILE"
std::string imageSavedTo(const std::filesystem::path& file);       // "Image has been saved to FILE"
const std::string& addToLiked();                  // "Add to \"Liked\""
const std::string& swipeLeftDelete();             // "Swipe left - delete"
const std::string& swipeRightOpenInDigital();     // "Swipe right - open in Digital Zovez Aziva"
const std::string& singleColorsGestureHelp();     // gesture help of the single-colour list
const std::string& swatchesGestureHelp();         // gesture help of the swatch lists
const std::string& openInLightTool();             // "Open in light tool"
const std::string& swipeRightSaveAsImage();       // "Swipe right - save as image"

} // namespace app::Strings
