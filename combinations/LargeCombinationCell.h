#pragma once
// A row of the saved mixes or light sets: the main colour across 70 % of the row with the mix's hex
// or the set's name, and the other colours in equal slices on the right (the whole row when there
// are none). Light sets show their colours as they look under the set's light.
#include "app/storage/DataModel.h"
#include "app/ui/BaseCells.h"

#include <memory>
#include <optional>

namespace kit {
class Label;
class Layer;
class StackView;
class ViewController;
} // namespace kit

namespace combinations {

// Which records the large-combination overlay lists.
enum class LargeCombinationViewType { colorMixes, light, notSelected };

class LargeCombinationCell : public app::BaseCVCell {
public:
    LargeCombinationCell() = default;
    void setupViews() override;
    void layoutSubviews() override;

    void configure(const app::LargeCombination& record, int index, const std::shared_ptr<kit::ViewController>& vc,
                   LargeCombinationViewType viewType);

    std::weak_ptr<kit::ViewController> vc;
    std::optional<app::LargeCombination> lc;
    std::shared_ptr<kit::Layer> shadowLayer;
    std::shared_ptr<kit::Label> nameLabel;
    std::shared_ptr<kit::View> colorView;
    // The slices right of colorView; none when the strip is empty.
    std::shared_ptr<kit::StackView> strip;
    bool hasShadow() const;
    // Set by the overlay: its row swipes are installed once per cell.
    bool swipesInstalled = false;
};

// The colours the row of a record shows (light records tinted by their light), main colour first.
std::vector<kit::Color> largeCombinationColors(const app::LargeCombination& record, LargeCombinationViewType viewType);

} // namespace combinations
