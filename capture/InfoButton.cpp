#include "capture/InfoButton.h"

#include "kit/base/Make.h"
#include "kit/graphics/Font.h"
#include "kit/ui/Button.h"

namespace capture {

std::shared_ptr<kit::Button> makeInfoButton(std::function<void()> showInfo) {
    auto button = kit::make<kit::Button>();
    button->setAttributedTitle(
        kit::AttributedString("?", {kit::Font::boldSystem(21), kit::Color::whiteColor(), std::nullopt}));
    button->addTarget(button.get(), "showInfo", kit::ControlEvent::touchUpInside, std::move(showInfo));
    return button;
}

} // namespace capture
