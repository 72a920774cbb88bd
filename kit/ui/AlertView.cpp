#include "kit/ui/AlertView.h"

#include "kit/base/Make.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/View.h"

namespace kit {

std::shared_ptr<View> makeAlertView(const std::string&, const std::string&,
                                    const std::vector<std::shared_ptr<AlertAction>>&,
                                    const std::vector<std::shared_ptr<TextField>>&,
                                    std::function<void(std::size_t)>) {
    auto backdrop = kit::make<View>();
    backdrop->setBackgroundColor(Color::gray(0, 0.4));
    return backdrop;
}

// Text fields join the alert once the toolkit has them.
std::shared_ptr<TextField> makeAlertTextField() { return nullptr; }
void setAlertTextFieldText(TextField&, const std::string&) {}
void focusFirstAlertTextField(const std::vector<std::shared_ptr<TextField>>&) {}

} // namespace kit
