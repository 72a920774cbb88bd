#include "app/menus/MenuTile.h"

#include "kit/ui/Assets.h"
#include "kit/ui/Device.h"

namespace app {

MenuTile::MenuTile(std::string backgroundAsset) : asset_(std::move(backgroundAsset)) {}

void MenuTile::initialize() {
    kit::Button::initialize();
    titleLabel()->setFont(kit::Font::system(20, kit::FontWeight::medium));
    setTitleColor(kit::Color::whiteColor(), kit::ControlState::normal);
}

void MenuTile::layoutSubviews() {
    kit::Size size = bounds().size;
    double scale = kit::Screen::scale();
    // The artwork is drawn for the tile's size in a window. A menu laid out before it is in one (a
    // navigation controller lays out its first screen as it loads) lacks the window's safe area, so
    // that size is not final: the tile waits for the window's layout rather than draw twice.
    if (!window()) {
        setNeedsLayout();
    } else if (size.width > 0 && size.height > 0 && (size != rendered_ || scale != renderedScale_)) {
        rendered_ = size;
        renderedScale_ = scale;
        setBackgroundImage(kit::Assets::sharedImageNamed(asset_, size, scale), kit::ControlState::normal);
    }
    kit::Button::layoutSubviews();
}

} // namespace app
