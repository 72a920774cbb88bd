#pragma once
// The look of an alert: a dimmed backdrop with a rounded panel of title, message, text fields and
// one button per action (side by side for two, stacked otherwise).
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kit {

class AlertAction;
class TextField;
class View;

std::shared_ptr<View> makeAlertView(const std::string& title, const std::string& message,
                                    const std::vector<std::shared_ptr<AlertAction>>& actions,
                                    const std::vector<std::shared_ptr<TextField>>& fields,
                                    std::function<void(std::size_t actionIndex)> onChoose, bool actionSheet = false);
std::shared_ptr<TextField> makeAlertTextField();
void setAlertTextFieldText(TextField& field, const std::string& text);
void focusFirstAlertTextField(const std::vector<std::shared_ptr<TextField>>& fields);

} // namespace kit
