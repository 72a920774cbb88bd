#pragma once
// A rounded text panel under a top view that shows a title and a body, toggled by the screen's
// info button and closed by a tap on it.
#include "kit/ui/View.h"

#include <functional>
#include <memory>
#include <string>

namespace wheels {

// Builds the panel in `host` under `topView`; `closed` runs when a tap closes it.
std::shared_ptr<kit::View> makeInfoPanel(kit::View& host, kit::View& topView, const std::string& title,
                                         const std::string& body, std::function<void()> closed);

} // namespace wheels
