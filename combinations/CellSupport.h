#pragma once
// Pieces the colour cells, the combination cards and the overlays share: the one-second guard of
// the right swipe, the caption colour over a colour, the inner top shadow kept at the size of its
// view, and opening a colour in the digital wheel through the colour buffer.
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"

#include <memory>
#include <optional>

namespace kit {
class Layer;
class NavigationController;
class Timer;
class View;
class ViewController;
} // namespace kit

namespace combinations {

// A right swipe acts, then is ignored for a second.
class SwipeDebounce {
public:
    SwipeDebounce() = default;
    SwipeDebounce(const SwipeDebounce&) = delete;
    SwipeDebounce& operator=(const SwipeDebounce&) = delete;
    ~SwipeDebounce();

    static constexpr double interval = 1.0;
    bool isOn() const { return *on_; }
    // True when the swipe may act; the guard then stays closed for `interval` seconds.
    bool take();

private:
    std::shared_ptr<bool> on_ = std::make_shared<bool>(true);
    std::shared_ptr<kit::Timer> timer_;
};

// Black at alpha 0.7 over a colour brighter than 0.5, else white at alpha 0.7.
kit::Color captionColor(const kit::Color& background);

// The shadow layer of `makeShadowLayer` re-fitted to a view size (cells get their frames after
// they are configured, so the layer follows the size on every layout).
void fitShadowLayer(kit::Layer& layer, kit::Size size);

// The first screen up the responder chain from the view that sits in a navigation stack.
std::shared_ptr<kit::ViewController> controllerWithNavigation(const kit::View& view);

// Writes the colour to the colour buffer when it is a usable hex (not white or black), then pushes
// the digital wheel that starts from the buffer. Nothing is pushed without a navigation stack.
void openInDigitalWheel(const std::optional<kit::Color>& color, kit::NavigationController* navigation);

} // namespace combinations
