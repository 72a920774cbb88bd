#pragma once
// How wide the combination cards are: one a row on a phone; on a pad three or four a row in full
// screen, and by the width of the split in split screen. Every card is 320 high.
#include "kit/ui/Device.h"

namespace combinations {

inline constexpr double cardHeight = 320;

// `width` is the width of the screen's view; `multitaskingLayout` as app::multitaskingLayout gives it.
double cardWidth(kit::UserInterfaceIdiom idiom, kit::DeviceOrientation orientation, bool splitScreen,
                 int multitaskingLayout, double width);

} // namespace combinations
