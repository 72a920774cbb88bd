#pragma once
// The swatch catalogue: the colours of one of ten built-in sets as full-width rows that can be
// copied, saved as single colours or (plain colours) opened in the wheel. The set is chosen from a
// menu and remembered when the screen is left.
#include "combinations/ModeListVC.h"
#include "combinations/Swatches.h"

#include <memory>
#include <string>
#include <vector>

namespace kit {
class Label;
} // namespace kit

namespace combinations {

class SwatchesVC : public ModeListVC {
public:
    SwatchesVC();

    SwatchEnum selectedSwatch = SwatchEnum::summer;
    std::vector<kit::Color> colorArray;
    std::vector<colour::ColorWithName> colorsWithNameArray;
    std::shared_ptr<kit::View> headerView;
    std::shared_ptr<kit::Label> navigationBarTitle;
    const std::string gs10Title;
    const std::string gs5Title;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void loadLastSwatch();
    void loadSwatch();
    void selectModeWithButton(const kit::Button* sender) override;

    int numberOfItemsInSection(kit::CollectionView&, int) override;
    std::shared_ptr<kit::CollectionViewCell> cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) override;
    std::optional<kit::Size> sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) override;

private:
    std::string howToUseText() const override;
    void buildSwatchesUI();
};

} // namespace combinations
