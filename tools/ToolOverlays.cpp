#include "tools/ToolOverlays.h"

namespace tools {
namespace {

ColorSetOpener& colorSetOpener() {
    static ColorSetOpener opener;
    return opener;
}
SavedSetOpener& savedSetOpener() {
    static SavedSetOpener opener;
    return opener;
}

ChartPreviewSetup& chartPreviewSetup() {
    static ChartPreviewSetup setup;
    return setup;
}

} // namespace

void setChartPreviewSetup(ChartPreviewSetup setup) { chartPreviewSetup() = std::move(setup); }

bool setUpChartPreview(kit::ViewController& screen, const std::vector<kit::Color>& colors, bool withoutLabels) {
    return chartPreviewSetup() && chartPreviewSetup()(screen, colors, withoutLabels);
}

void setColorSetOpener(ColorSetOpener opener) { colorSetOpener() = std::move(opener); }
void setSavedSetOpener(SavedSetOpener opener) { savedSetOpener() = std::move(opener); }

bool openColorSet(const ColorSetRequest& request) {
    if (!colorSetOpener()) return false;
    colorSetOpener()(request);
    return true;
}

bool openSavedSets(const SavedSetRequest& request) {
    if (!savedSetOpener()) return false;
    savedSetOpener()(request);
    return true;
}

} // namespace tools
