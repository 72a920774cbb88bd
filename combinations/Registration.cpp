#include "combinations/Registration.h"

#include "combinations/CcImageVC.h"
#include "combinations/ColorCombinationsVC.h"
#include "combinations/LargeCombinationsView.h"
#include "combinations/SingleView.h"
#include "combinations/SwatchesVC.h"
#include "kit/base/Make.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/View.h"
#include "tools/ToolOverlays.h"
#include "wheels/ScreenParts.h"

namespace combinations {
namespace {

// The two callers' lists of sets share the order of ImportSwatchesEnum.
template <class Set>
std::optional<ImportSwatchesEnum> importSet(const std::optional<Set>& set) {
    if (!set) return std::nullopt;
    return static_cast<ImportSwatchesEnum>(static_cast<int>(*set));
}

} // namespace

void registerCombinationScreens(kit::Storyboard& board) {
    board.registerScene("ColorCombinationVC", [] { return kit::make<ColorCombinationsVC>(); });
    board.registerScene("CcImageVC", [] { return kit::make<CcImageVC>(); });
    board.registerScene("SwatchesVC", [] { return kit::make<SwatchesVC>(); });

    tools::setColorSetOpener([](const tools::ColorSetRequest& request) {
        if (!request.host) return;
        openSingleView(request.host->view(), request.isSingleCC, importSet(request.swatchSet), request.onPick);
    });
    tools::setSavedSetOpener([](const tools::SavedSetRequest& request) {
        if (!request.host) return;
        const auto type = request.kind == tools::SavedSetKind::light ? LargeCombinationViewType::light
                                                                     : LargeCombinationViewType::colorMixes;
        openLargeCombinations(request.host, type, request.onPick);
    });
    wheels::setSingleViewOpener([](kit::View& host, bool isSingleCC, std::optional<wheels::ImportSwatchesEnum> swatch,
                                   std::function<void(const kit::Color&)> picked) {
        auto shared = host.weak_from_this().lock();
        if (!shared) return;
        openSingleView(shared, isSingleCC, importSet(swatch), std::move(picked));
    });
}

} // namespace combinations
