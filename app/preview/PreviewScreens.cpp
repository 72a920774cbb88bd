#include "app/preview/PreviewScreens.h"

#include "app/preview/PieChartVC.h"
#include "kit/base/Make.h"
#include "kit/ui/Storyboard.h"
#include "tools/ToolOverlays.h"

namespace app {

void registerPreviewScreens(kit::Storyboard& board) {
    board.registerScene("PieChartVC", [] { return kit::make<PieChartVC>(); });
    tools::setChartPreviewSetup([](kit::ViewController& screen, const std::vector<kit::Color>& colors, bool withoutLabels) {
        auto* preview = dynamic_cast<PieChartVC*>(&screen);
        if (!preview) return false;
        preview->colors = colors;
        preview->withoutLabels = withoutLabels;
        return true;
    });
}

} // namespace app
