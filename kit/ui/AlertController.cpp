#include "kit/ui/AlertController.h"

#include "kit/base/Make.h"
#include "kit/text/Localization.h"
#include "kit/ui/AlertView.h"
#include "kit/ui/FocusNavigator.h"
#include "kit/ui/View.h"

#include <algorithm>

namespace kit {

AlertController::AlertController(std::string title, std::string message, AlertControllerStyle style)
    : title_(std::move(title)), message_(std::move(message)), style_(style) {}

std::shared_ptr<AlertController> AlertController::make(std::string title, std::string message,
                                                       AlertControllerStyle style) {
    return kit::make<AlertController>(std::move(title), std::move(message), style);
}

void AlertController::initialize() { setModalPresentationStyle(ModalPresentationStyle::overFullScreen); }

void AlertController::addAction(const std::shared_ptr<AlertAction>& action) {
    if (action) actions_.push_back(action);
}

std::vector<std::string> AlertController::actionTitles() const {
    std::vector<std::string> titles;
    for (const auto& a : actions_) titles.push_back(a->title());
    return titles;
}

void AlertController::addTextField(const std::function<void(TextField&)>& configure) {
    if (style_ != AlertControllerStyle::alert) return;
    auto field = makeAlertTextField();
    if (!field) return;
    if (configure) configure(*field);
    textFields_.push_back(field);
}

bool AlertController::triggerAction(const std::string& title) {
    auto it = std::find_if(actions_.begin(), actions_.end(),
                           [&](const auto& a) { return a->title() == title && a->isEnabled(); });
    if (it == actions_.end()) return false;
    choose(*it);
    return true;
}

bool AlertController::isCancelAction(const AlertAction& action) const {
    // Some alerts give their "Cancel" the default style; its title still says what it does.
    return action.style() == AlertActionStyle::cancel || action.title() == "Cancel" ||
           action.title() == localizedString("Cancel");
}

bool AlertController::cancelFromKeyboard() {
    for (const auto& action : actions_)
        if (action->isEnabled() && isCancelAction(*action)) {
            choose(action);
            return true;
        }
    if (style_ == AlertControllerStyle::actionSheet) {
        dismissViewController(true);
        return true;
    }
    return chooseSoleAction();
}

// An alert with one action has nothing to choose between: either key takes it.
bool AlertController::chooseSoleAction() {
    if (actions_.size() != 1 || !actions_.front()->isEnabled()) return false;
    choose(actions_.front());
    return true;
}

bool AlertController::confirmFromKeyboard() {
    for (const auto& action : actions_)
        if (action->isEnabled() && action->style() == AlertActionStyle::defaultStyle && !isCancelAction(*action)) {
            choose(action);
            return true;
        }
    // A question whose yes destroys something: Return keeps it, as the cancel answer does.
    const bool destroys = std::ranges::any_of(actions_, [](const auto& a) { return a->style() == AlertActionStyle::destructive; });
    for (const auto& action : actions_)
        if (destroys && action->isEnabled() && isCancelAction(*action)) {
            choose(action);
            return true;
        }
    return chooseSoleAction();
}

bool AlertController::fillTextField(std::size_t index, const std::string& text) {
    if (index >= textFields_.size()) return false;
    setAlertTextFieldText(*textFields_[index], text);
    return true;
}

void AlertController::choose(const std::shared_ptr<AlertAction>& action) {
    if (choosing_) return;
    choosing_ = true;
    // Keep both alive through the dismissal: the alert is released by its presenter on the way.
    auto self = std::static_pointer_cast<AlertController>(shared_from_this());
    dismissViewController(true, [self, action] {
        if (action->handler()) action->handler()(*action);
    });
}

void AlertController::loadView() {
    auto view = makeAlertView(title_, message_, actions_, textFields_,
                              [weak = std::weak_ptr<AlertController>(
                                   std::static_pointer_cast<AlertController>(shared_from_this()))](std::size_t index) {
                                  auto self = weak.lock();
                                  if (self && index < self->actions_.size() && self->actions_[index]->isEnabled())
                                      self->choose(self->actions_[index]);
                              },
                              style_ == AlertControllerStyle::actionSheet);
    setView(view);
}

void AlertController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    opener_ = FocusNavigator::ringHolder();
    focusFirstAlertTextField(textFields_);
}

void AlertController::viewDidDisappear(bool animated) {
    ViewController::viewDidDisappear(animated);
    FocusNavigator::returnFocus(opener_.lock());
}

} // namespace kit
