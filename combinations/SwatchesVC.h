#pragma once
// The swatch catalogue: the colours of one of ten built-in sets as full-width rows that can be
// copied, saved as single colours or (plain colours) opened in the wheel. The set is chosen from a
// menu and remembered when the screen is left.
#include "app/ui/InfoView.h"
#include "combinations/Swatches.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/ViewController.h"

#include <memory>
#include <string>
#include <vector>

namespace kit {
class Button;
class Label;
class StackView;
class TapGesture;
} // namespace kit

namespace combinations {

class SwatchesVC : public kit::ViewController,
                   public app::InfoViewDelegate,
                   public kit::CollectionViewDataSource,
                   public kit::CollectionViewDelegate {
public:
    SwatchesVC();

    SwatchEnum selectedSwatch = SwatchEnum::summer;
    const std::string cellId = "cellId";
    std::vector<kit::Color> colorArray;
    std::vector<colour::ColorWithName> colorsWithNameArray;
    std::shared_ptr<kit::TapGesture> tap;
    std::shared_ptr<kit::View> headerView;
    std::shared_ptr<kit::Button> backBtn;
    std::shared_ptr<kit::Label> navigationBarTitle;
    std::shared_ptr<kit::CollectionView> collectionView;
    std::shared_ptr<app::InfoView> infoView;
    std::shared_ptr<kit::Button> infoBtn;
    std::shared_ptr<kit::Button> modeNowBtn;
    std::shared_ptr<kit::View> menuStackView;
    std::shared_ptr<kit::StackView> modeNowMenuStack;
    std::shared_ptr<kit::View> viewForBackSwipe;
    const std::string gs10Title;
    const std::string gs5Title;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void loadLastSwatch();
    void loadSwatch();
    void openModeNowMenu();
    void handleTap();
    void selectModeWithButton(const kit::Button* sender);
    void showInfo();
    void infoViewDidClose() override { infoView.reset(); }

    int numberOfItemsInSection(kit::CollectionView&, int) override;
    std::shared_ptr<kit::CollectionViewCell> cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) override;
    std::optional<kit::Size> sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) override;

private:
    void buildSwatchesUI();
};

} // namespace combinations
