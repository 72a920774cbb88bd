#pragma once
// The storyboard "Main": every screen the menus open, by identifier, and the segues of the first
// menu page. A screen joins by registering its factory in registerMainStoryboard(); until then the
// tile that opens it does nothing.
#include "tools/ToolScreens.h"

#include <memory>

namespace kit {
class Storyboard;
class ViewController;
} // namespace kit

namespace app {

namespace scene {
// Scenes of the storyboard proper. The tools name their own screens; those names are taken over.
inline constexpr const char* mainMenu = "MainMenuVC";
inline constexpr const char* colorCombinations = "ColorCombinationVC";
inline constexpr const char* classicColorWheel = "ClassicColorWheelVC";
inline constexpr const char* hue = "HueVC";
inline constexpr const char* result = "ResultVC";
inline constexpr const char* pieChart = "PieChartVC";
inline constexpr const char* ccImage = "CcImageVC";
// Segue destinations of the first page.
inline constexpr const char* zel = "ZelVC";
inline constexpr const char* colorPicker = "ColorPicker2VC";
inline constexpr const char* imageColors = "ImageColorsVC";
using tools::scene::colorMixing;
inline constexpr const char* settings = "SettingsVC";
inline constexpr const char* videos = "VideosVC";
// Screens the menus make in code; their factories set the entry properties the menu would.
inline constexpr const char* digitalWheel = "DcwVC";          // isClassic = false
inline constexpr const char* classicWheel = "DcwVC.classic";  // isClassic = true
inline constexpr const char* swatches = "SwatchesVC";
inline constexpr const char* arStencil = "ArStencilSettingsVC";
inline constexpr const char* valueChecker = "ValueCheckerVC";
using tools::scene::light;
inline constexpr const char* valueBreaker = "ValueBreakerVC";
using tools::scene::contrastRatio;
using tools::scene::colorGroup;
} // namespace scene

namespace segue {
inline constexpr const char* zel = "showZel";
inline constexpr const char* colorPicker = "showColorPicker";
inline constexpr const char* imageColors = "showImageColors";
inline constexpr const char* colorMixing = "showColorMixing";
inline constexpr const char* settings = "showSettings";
inline constexpr const char* videos = "showVideos";
} // namespace segue

// Registers every scene and segue (once; later calls do nothing) and the initial scene: a
// navigation controller rooted at the first menu page.
std::shared_ptr<kit::Storyboard> registerMainStoryboard();

} // namespace app
