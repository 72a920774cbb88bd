// The screens on a pad: rows, panels and the picture take the pad's width.
#include "CombinationsFixture.h"

#include "combinations/CcImageVC.h"
#include "combinations/LargeCombinationsView.h"
#include "combinations/SingleView.h"
#include "combinations/SwatchesVC.h"
#include "kit/ui/Button.h"

namespace {

struct PadScreens : CombinationsFixture {};

TEST_F(PadScreens, ListsOverlaysAndThePictureFillThePadWidth) {
    const auto pad = kit::DeviceProfile::pad();
    auto swatches = push<combinations::SwatchesVC>("SwatchesVC", pad);
    const double width = swatches->view()->bounds().width();
    EXPECT_GT(width, 700);
    EXPECT_EQ(swatches->collectionView->cellForItemAt(kit::IndexPath::forItem(0, 0))->frame().width(), width);
    screenshot("swatches-summer-pad");
    pop();

    storeCombination(1, "colorPicker", {"D2691E"});
    storeMix(2, "808080", {"FF0000", "0000FF", "FFFF00"});
    auto screen = kit::make<kit::ViewController>();
    nav->pushViewController(screen, false);
    host->advance(1);
    auto panel = combinations::openSingleView(screen->view(), false, combinations::ImportSwatchesEnum::oilPaint, {});
    host->advance(1);
    EXPECT_EQ(panel->collectionView->cellForItemAt(kit::IndexPath::forItem(0, 0))->frame().width(), width);
    screenshot("single-view-oil-paint-pad");
    panel->closeSingleView();
    host->advance(1);

    auto overlay = combinations::openLargeCombinations(screen, combinations::LargeCombinationViewType::colorMixes, {});
    host->advance(1);
    EXPECT_EQ(overlay->collectionView->cellForItemAt(kit::IndexPath::forItem(0, 0))->frame().width(), width);
    screenshot("large-combinations-mixes-pad");
    overlay->close();
    host->advance(1);

    auto image = push<combinations::CcImageVC>("CcImageVC", pad, [](combinations::CcImageVC& s) {
        s.colors = std::vector<kit::Color>{kit::Color::rgba(0.9, 0.4, 0.1), kit::Color::rgba(0.1, 0.3, 0.5),
                                           kit::Color::rgba(0.95, 0.9, 0.8)};
        s.name = "Harbour";
    });
    EXPECT_EQ(image->imageView->frame().width(), width);
    EXPECT_EQ(image->saveButton->frame().width(), width - 48);
    screenshot("cc-image-pad");
}

} // namespace
