#include "combinations/ModeMenu.h"

#include "app/ui/Ext.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/StackView.h"

namespace combinations {

std::shared_ptr<kit::StackView> makeMenuStackView() {
    auto stack = kit::make<kit::StackView>();
    stack->setDistribution(kit::StackDistribution::fillEqually);
    stack->setAxis(kit::layout::Axis::vertical);
    stack->setSpacing(0);
    stack->layer()->setBorderColor(kit::Color::whiteColor());
    stack->layer()->setBorderWidth(1);
    // The buttons' colour is translucent; what lies behind an open menu must not show through.
    stack->setBackgroundColor(kit::Color::blackColor());
    return stack;
}

std::shared_ptr<kit::Button> makeModeButton(const std::string& title, std::function<void(kit::Button&)> select) {
    auto button = kit::make<kit::Button>();
    button->setTitle(title, kit::ControlState::normal);
    button->setAccessibilityIdentifier(title);
    button->setTitleColor(kit::Color::whiteColor());
    button->titleLabel()->setFont(app::Fonts::regularFont20());
    button->layer()->setBorderColor(kit::Color::whiteColor());
    button->layer()->setBorderWidth(0.5);
    button->layer()->setCornerRadius(0);
    button->layer()->setBackgroundColor(colour::panelBackgroundColor());
    button->addTarget(button.get(), "selectModeWithButton:", kit::ControlEvent::touchUpInside,
                      [select = std::move(select)](kit::Control& sender) {
                          if (auto* b = dynamic_cast<kit::Button*>(&sender)) select(*b);
                      });
    return button;
}

} // namespace combinations
