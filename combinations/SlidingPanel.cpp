#include "combinations/SlidingPanel.h"

#include "kit/base/Make.h"

namespace combinations {

std::shared_ptr<kit::CollectionView> makePanelList() {
    kit::FlowLayout layout;
    layout.scrollDirection = kit::ScrollDirection::vertical;
    layout.minimumLineSpacing = 0;
    auto list = kit::make<kit::CollectionView>(kit::Rect{}, layout);
    list->setBackgroundColor(kit::Color::clearColor());
    list->setClipsToBounds(true);
    return list;
}

void slidePanelIn(const std::shared_ptr<kit::View>& panel, const kit::View& host, kit::AnimationOptions options) {
    panel->setTransform(kit::AffineTransform::translation(0, host.frame().maxY()));
    panel->setAlpha(0);
    kit::View::animate(0.2, 0, options, [panel] {
        panel->setTransform(kit::AffineTransform::identity());
        panel->setAlpha(1);
    });
}

void slidePanelOut(const std::shared_ptr<kit::View>& panel, const kit::View* host, kit::AnimationOptions options,
                   std::function<void()> done) {
    const double below = host ? host->frame().maxY() : 0;
    kit::View::animate(
        0.2, 0, options,
        [panel, below] {
            panel->setTransform(kit::AffineTransform::translation(0, below));
            panel->setAlpha(0);
        },
        [done = std::move(done)](bool) { done(); });
}

} // namespace combinations
