#include "app/ui/SoftShadow.h"

#include "kit/ui/Layer.h"
#include "kit/ui/View.h"

namespace app {

void addSoftShadow(kit::View& control) {
    auto& layer = *control.layer();
    layer.setShadowColor(kit::Color::blackColor());
    layer.setShadowOffset({0, 0});
    layer.setShadowRadius(4);
    layer.setShadowOpacity(0.7);
}

} // namespace app
