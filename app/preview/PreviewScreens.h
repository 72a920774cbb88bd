#pragma once
// Puts the chart preview into a storyboard under "PieChartVC", and lets the tools set it up.
namespace kit {
class Storyboard;
}

namespace app {

void registerPreviewScreens(kit::Storyboard& board);

} // namespace app
