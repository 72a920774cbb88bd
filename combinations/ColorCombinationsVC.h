#pragma once
// The list of colour combinations, one kind at a time: the predefined "Abstract" and "Digital"
// combinations and the user's "Saved", "Single" and "Liked" records, as cards. The kind is chosen
// from a menu and kept across visits; a deletion anywhere reloads the list while it is shown.
#include "app/ui/InfoView.h"
#include "colour/ColorCombination.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/ViewController.h"

#include <memory>
#include <string>
#include <vector>

namespace kit {
class Button;
class StackView;
class TapGesture;
} // namespace kit

namespace combinations {

using colour::CCs::CCTypeLogic;

// The kind's menu position 1-5, as stored under "COLOR_COMBINATION_MODE".
int menuPosition(CCTypeLogic kind);
// The stored value read back: 2 digital, 3 saved, 4 single, 5 liked, anything else abstract.
CCTypeLogic kindFromStoredMode(long long stored);
// The localized menu title of the kind.
std::string kindTitle(CCTypeLogic kind);

class ColorCombinationsVC : public kit::ViewController,
                            public app::InfoViewDelegate,
                            public kit::CollectionViewDataSource,
                            public kit::CollectionViewDelegate {
public:
    ColorCombinationsVC();

    const std::string cellId = "cellId";
    CCTypeLogic tagNow = CCTypeLogic::abstract;
    std::vector<colour::ColorCombination> filteredArr;
    std::shared_ptr<kit::TapGesture> tap;
    std::shared_ptr<kit::Button> backBtn;
    std::shared_ptr<kit::Button> modeNowBtn;
    std::shared_ptr<kit::View> menuStackView;
    std::shared_ptr<kit::StackView> modeNowMenuStack;
    std::shared_ptr<kit::CollectionView> collectionView;
    std::shared_ptr<app::InfoView> infoView;
    std::shared_ptr<kit::Button> infoBtn;
    std::shared_ptr<kit::View> viewForBackSwipe;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }

    void openModeNowMenu();
    void handleTap();
    void selectModeWithButton(const kit::Button* sender);
    void showInfo();
    void infoViewDidClose() override { infoView.reset(); }
    void distantUpdate() { applyMode(); }
    void restoreMode();
    void applyMode();
    // Called by the combination query once filteredArr holds the new cards.
    void reloadList();

    int numberOfItemsInSection(kit::CollectionView&, int) override;
    std::shared_ptr<kit::CollectionViewCell> cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) override;
    std::optional<kit::Size> sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) override;
    std::optional<double> minimumLineSpacingForSection(kit::CollectionView&, int) override { return 14; }

private:
    void buildUI();
    void closeMenu();
};

} // namespace combinations
