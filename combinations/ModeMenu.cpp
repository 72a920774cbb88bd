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
    return stack;
}

std::shared_ptr<kit::Button> makeModeButton(const std::string& title, std::function<void(kit::Button&)> select) {
    auto button = kit::make<kit::Button>();
    button->setTitle(title, kit::ControlState::normal);
    button->setAccessibilityIdentifier(title);
    button->setTitleColor(kit::Color::whiteColor());
    button->titleLabel()->setFont(app::Fonts::regularFont20());
    button->layer()->setCornerRadius(0);
    button->layer()->setBackgroundColor(colour::panelBackgroundColor());
    button->addTarget(button.get(), "selectModeWithButton:", kit::ControlEvent::touchUpInside,
                      [select = std::move(select)](kit::Control& sender) {
                          if (auto* b = dynamic_cast<kit::Button*>(&sender)) select(*b);
                      });
    return button;
}

} // namespace combinations
