#include "tools/ToolOverlays.h"

#include "kit/ui/Storyboard.h"
#include "kit/ui/ViewController.h"

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

DigitalWheelFactory& wheelFactory() {
    static DigitalWheelFactory factory;
    return factory;
}

} // namespace

void setDigitalWheelFactory(DigitalWheelFactory factory) { wheelFactory() = std::move(factory); }

std::shared_ptr<kit::ViewController> makeDigitalWheel(bool instantLoadFromClipboard) {
    if (wheelFactory()) return wheelFactory()(instantLoadFromClipboard);
    return kit::Storyboard::named("Main")->instantiateViewController("DcwVC");
}

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
