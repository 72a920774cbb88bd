#pragma once
// The overlays that cover their host as a panel: it rises from below the host's bottom edge while
// fading in, and sinks back fading out. Its list is a clear, clipping column of rows.
#include "kit/ui/Animation.h"
#include "kit/ui/CollectionView.h"
#include "kit/ui/View.h"

#include <functional>
#include <memory>

namespace combinations {

// A vertical list without row gaps, clear, clipping.
std::shared_ptr<kit::CollectionView> makePanelList();

// Moves the panel below the host's bottom edge, transparent, then animates it into place in 0.2 s.
void slidePanelIn(const std::shared_ptr<kit::View>& panel, const kit::View& host, kit::AnimationOptions options);
// Animates the panel below the host's bottom edge (or to the top without a host), transparent, in
// 0.2 s; `done` runs at the end.
void slidePanelOut(const std::shared_ptr<kit::View>& panel, const kit::View* host, kit::AnimationOptions options,
                   std::function<void()> done);

} // namespace combinations
