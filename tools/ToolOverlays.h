#pragma once
// How the tools reach the two overlays that the combinations subsystem draws: the colour-set
// overlay (a built-in swatch set or the saved single colours) and the saved-sets overlay (saved
// mixes or light sets). That subsystem installs the openers; until it does, opening does nothing.
#include "app/storage/DataModel.h"
#include "kit/base/Color.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kit {
class ViewController;
} // namespace kit

namespace tools {

// The built-in colour sets in the order the import sheet lists them.
enum class SwatchSet { summer, winter, spring, autumn, material, html, oilPaint, wikipedia };
// Which saved sets the saved-sets overlay lists.
enum class SavedSetKind { colorMixes, light };

struct ColorSetRequest {
    std::shared_ptr<kit::ViewController> host;
    bool isSingleCC = false;           // the saved single colours
    std::optional<SwatchSet> swatchSet;  // else this built-in set
    std::function<void(const kit::Color&)> onPick;
};
struct SavedSetRequest {
    std::shared_ptr<kit::ViewController> host;
    SavedSetKind kind = SavedSetKind::colorMixes;
    std::function<void(const app::LargeCombination&)> onPick;
};

using ColorSetOpener = std::function<void(const ColorSetRequest&)>;
using SavedSetOpener = std::function<void(const SavedSetRequest&)>;

// Sets the pie-chart preview's entry fields (`colors`, `withoutLabels`) on a screen made from
// "PieChartVC"; false when the screen is not that preview.
using ChartPreviewSetup = std::function<bool(kit::ViewController& screen, const std::vector<kit::Color>& colors,
                                             bool withoutLabels)>;

// Makes the digital colour wheel (screen colours) that starts from the colour buffer when asked.
using DigitalWheelFactory = std::function<std::shared_ptr<kit::ViewController>(bool instantLoadFromClipboard)>;

void setColorSetOpener(ColorSetOpener opener);
void setDigitalWheelFactory(DigitalWheelFactory factory);
// The wheel from the installed factory, else the storyboard scene "DcwVC", else none.
std::shared_ptr<kit::ViewController> makeDigitalWheel(bool instantLoadFromClipboard);
void setChartPreviewSetup(ChartPreviewSetup setup);
bool setUpChartPreview(kit::ViewController& screen, const std::vector<kit::Color>& colors, bool withoutLabels);
void setSavedSetOpener(SavedSetOpener opener);
// False when no opener is installed.
bool openColorSet(const ColorSetRequest& request);
bool openSavedSets(const SavedSetRequest& request);

} // namespace tools
