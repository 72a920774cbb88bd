#pragma once
// The colour-set overlay: a panel that slides up over a host view and lists one built-in colour
// set or the user's saved single colours; the tapped colour goes to the host, then the panel slides
// away. The host keeps the object while the panel is shown and makes a new one for each pick.
#include "colour/ColorNames.h"
#include "kit/base/Color.h"
#include "kit/ui/CollectionView.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace app {
class CustomColorCombination;
} // namespace app

namespace kit {
class Button;
class TapGesture;
class View;
} // namespace kit

namespace combinations {

// The sets a tool can import from, in this order.
enum class ImportSwatchesEnum { summer, winter, spring, autumn, material, html, oilPaint, wikipedia };

// The host that receives the picked colour.
class SingleViewDelete {
public:
    virtual ~SingleViewDelete() = default;
    virtual void singleViewDidSelect(const kit::Color& color) = 0;
};

class SingleView : public std::enable_shared_from_this<SingleView>,
                   public kit::CollectionViewDataSource,
                   public kit::CollectionViewDelegate {
public:
    SingleView(const std::shared_ptr<kit::View>& view, bool isSingleCC, std::optional<ImportSwatchesEnum> swatchType);
    void initialize();
    ~SingleView() override;

    std::weak_ptr<SingleViewDelete> singleViewDelete;
    // Used when no delegate object is set (hosts that hand over a function).
    std::function<void(const kit::Color&)> didSelect;

    std::weak_ptr<kit::View> view;
    std::shared_ptr<kit::TapGesture> closeTGR;
    std::vector<std::shared_ptr<app::CustomColorCombination>> singleColorArr;
    const std::string cellId = "cellId";
    bool isSingleCC = false;
    std::optional<ImportSwatchesEnum> swatchType;
    std::vector<kit::Color> colorArray;
    std::vector<colour::ColorWithName> colorsWithNameArray;
    std::shared_ptr<kit::View> singleView;
    std::shared_ptr<kit::CollectionView> collectionView;
    std::shared_ptr<kit::Button> closeBtn;

    void showSingleView();
    void closeSingleView() { hideSingleView(); }
    bool isShown() const { return shown_; }

    int numberOfItemsInSection(kit::CollectionView&, int) override;
    std::shared_ptr<kit::CollectionViewCell> cellForItemAt(kit::CollectionView& view, const kit::IndexPath& path) override;
    std::optional<kit::Size> sizeForItemAt(kit::CollectionView&, const kit::IndexPath&) override;
    void didSelectItemAt(kit::CollectionView&, const kit::IndexPath& path) override;

private:
    void presentSingleView();
    void setupSingleView();
    void hideSingleView();
    bool shown_ = false;
    bool closing_ = false;
};

// Makes a panel over the host view that hands the pick to `picked`, and shows it.
std::shared_ptr<SingleView> openSingleView(const std::shared_ptr<kit::View>& host, bool isSingleCC,
                                           std::optional<ImportSwatchesEnum> swatchType,
                                           std::function<void(const kit::Color&)> picked);

} // namespace combinations
