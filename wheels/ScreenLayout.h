#pragma once
// Where the wheel screens put their shared controls. A screen rebuilt for a new mode or number of
// colours keeps one instance of each control: placing one takes it off (dropping its constraints)
// and puts it back on top before anchoring it anew.
#include "kit/ui/Button.h"
#include "kit/ui/StackView.h"

#include <memory>
#include <vector>

namespace wheels {

// Takes the child off its parent and adds it back on top.
void readd(kit::View& parent, const std::shared_ptr<kit::View>& child);

// Empties and detaches the previous stack of colour strips; returns a new vertical stack of equal
// strips for the caller to fill and pin.
std::shared_ptr<kit::StackView> remakeStripStack(const std::shared_ptr<kit::StackView>& previous);
// How far the row of colour codes sits above the bottom edge: the shared inset, or the safe
// area's where the home indicator needs more.
double colorLabelRowBottomInset();
// The row of colour-code labels along the bottom edge, in equal widths.
std::shared_ptr<kit::StackView> addColorLabelRow(kit::View& root, const std::vector<std::shared_ptr<kit::Button>>& labels);


} // namespace wheels
