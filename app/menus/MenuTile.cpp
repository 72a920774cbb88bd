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
    if (size.width > 0 && size.height > 0 && (size != rendered_ || scale != renderedScale_)) {
        rendered_ = size;
        renderedScale_ = scale;
        setBackgroundImage(kit::Assets::sharedImageNamed(asset_, size, scale), kit::ControlState::normal);
    }
    kit::Button::layoutSubviews();
}

} // namespace app
