#pragma once
// The overlay of saved colour mixes or light sets over the screen that opened it: a tap hands the
// record back and closes the overlay, a left swipe deletes the record after confirmation, a right
// swipe opens its colours as a picture. The opening screen owns the overlay.
#include "app/storage/DataModel.h"
#include "app/ui/InfoView.h"
#include "combinations/LargeCombinationCell.h"
#include "kit/ui/CollectionView.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kit {
class Button;
class TapGesture;
class ViewController;
} // namespace kit

namespace combinations {

class LargeCombinationsViewDelete {
public:
    virtual ~LargeCombinationsViewDelete() = default;
    virtual void largeCombinationsViewDidSelect(const app::LargeCombination& record) = 0;
};

class LargeCombinationsView : public std::enable_shared_from_this<LargeCombinationsView>,
                              public app::InfoViewDelegate,
                              public kit::CollectionViewDataSource,
                              public kit::CollectionViewDelegate {
public:
    LargeCombinationsView(const std::shared_ptr<kit::View>& view, const std::shared_ptr<kit::ViewController>& vc,
                          LargeCombinationViewType viewType);
    void initialize();
    ~LargeCombinationsView() override;

    // The screen that receives the chosen record (or, for hosts that hand over a function, didSelect).
    std::weak_ptr<LargeCombinationsViewDelete> colorMixesViewDelete;
    std::function<void(const app::LargeCombination&)> didSelect;

    std::weak_ptr<kit::View> view;
    std::shared_ptr<kit::TapGesture> closeTGR;
    std::vector<app::LargeCombination> largeCombinations;
    const std::string cellId = "cmvcellid";
    std::shared_ptr<kit::View> bgView;
    std::weak_ptr<kit::ViewController> vc;
    std::shared_ptr<kit::CollectionView> collectionView;
    std::shared_ptr<kit::Button> closeBtn;
    std::shared_ptr<app::InfoView> infoView;
    std::shared_ptr<kit::Button> infoBtn;
    LargeCombinationViewType viewType;

    void showLargeCombinations();
    void close();
    void update();
    void showInfo();
    void infoViewDidClose() override { infoView.reset(); }
    void handleLeftSwipe(const LargeCombinationCell& cell);
    void handleRightSwipe(const LargeCombinationCell& cell);
    void deleteLargeCombination(const kit::IndexPath& path);
    bool isShown() const { return shown_; }

    int numberOfItemsInSection(kit::CollectionView&, int) override;
    std::shared_ptr<kit::CollectionViewCell> cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) override;
    std::optional<kit::Size> sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) override;
    void didSelectItemAt(kit::CollectionView&, const kit::IndexPath& path) override;

private:
    // The records of the kind, newest first; nothing when the store cannot be read.
    std::optional<std::vector<app::LargeCombination>> fetchLargeCombinations() const;
    void refetchAndReload();
    void setupViews();
    bool shown_ = false;
    bool closing_ = false;
};

// The overlay over the host screen, handing the choice to `picked`, shown at once.
std::shared_ptr<LargeCombinationsView> openLargeCombinations(const std::shared_ptr<kit::ViewController>& host,
                                                             LargeCombinationViewType viewType,
                                                             std::function<void(const app::LargeCombination&)> picked);

} // namespace combinations
