#pragma once
// The list of colour combinations, one kind at a time: the predefined "Abstract" and "Digital"
// combinations and the user's "Saved", "Single" and "Liked" records, as cards. The kind is chosen
// from a menu and kept across visits; a deletion anywhere reloads the list while it is shown.
#include "colour/ColorCombination.h"
#include "combinations/ModeListVC.h"

#include <string>
#include <vector>

namespace combinations {

using colour::CCs::CCTypeLogic;

// The kind's menu position 1-5, as stored under "COLOR_COMBINATION_MODE".
int menuPosition(CCTypeLogic kind);
// The stored value read back: 2 digital, 3 saved, 4 single, 5 liked, anything else abstract.
CCTypeLogic kindFromStoredMode(long long stored);
// The localized menu title of the kind.
std::string kindTitle(CCTypeLogic kind);

class ColorCombinationsVC : public ModeListVC {
public:
    ColorCombinationsVC();

    CCTypeLogic tagNow = CCTypeLogic::abstract;
    std::vector<colour::ColorCombination> filteredArr;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void selectModeWithButton(const kit::Button* sender) override;
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
    std::string howToUseText() const override;
    void buildUI();
};

} // namespace combinations
