#include "capture/CaptureScreens.h"

#include "kit/base/Make.h"
#include "kit/ui/Storyboard.h"

namespace capture {

void registerCaptureScreens(kit::Storyboard& board) {
    (void)board;
}

} // namespace capture
