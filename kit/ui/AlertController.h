#pragma once
// An alert: title, message, text fields and ordered actions. Presented over the screen (which
// does not disappear under it); choosing an action dismisses the alert first and then runs the
// action's handler, so a handler may present the next alert.
#include "kit/ui/ViewController.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kit {

class TextField;
class View;

enum class AlertControllerStyle { alert, actionSheet };
enum class AlertActionStyle { defaultStyle, cancel, destructive };

class AlertAction {
public:
    using Handler = std::function<void(AlertAction&)>;
    AlertAction(std::string title, AlertActionStyle style, Handler handler = {})
        : title_(std::move(title)), style_(style), handler_(std::move(handler)) {}
    static std::shared_ptr<AlertAction> make(std::string title, AlertActionStyle style = AlertActionStyle::defaultStyle,
                                             Handler handler = {}) {
        return std::make_shared<AlertAction>(std::move(title), style, std::move(handler));
    }
    const std::string& title() const { return title_; }
    AlertActionStyle style() const { return style_; }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    const Handler& handler() const { return handler_; }

private:
    std::string title_;
    AlertActionStyle style_;
    Handler handler_;
    bool enabled_ = true;
};

class AlertController : public ViewController {
public:
    AlertController(std::string title, std::string message, AlertControllerStyle style = AlertControllerStyle::alert);
    static std::shared_ptr<AlertController> make(std::string title, std::string message,
                                                 AlertControllerStyle style = AlertControllerStyle::alert);
    void initialize();

    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& message() const { return message_; }
    void setMessage(std::string message) { message_ = std::move(message); }
    AlertControllerStyle preferredStyle() const { return style_; }

    void addAction(const std::shared_ptr<AlertAction>& action);
    const std::vector<std::shared_ptr<AlertAction>>& actions() const { return actions_; }
    std::vector<std::string> actionTitles() const;
    // Adds a text field (alert style only); the block configures it (placeholder, text, ...).
    void addTextField(const std::function<void(TextField&)>& configure = {});
    const std::vector<std::shared_ptr<TextField>>& textFields() const { return textFields_; }

    // Chooses the action of that title as a tap on its button would: dismiss, then the handler.
    // False when there is no enabled action of that title.
    bool triggerAction(const std::string& title);
    // The keyboard's answers. Escape takes the cancel action (the one of cancel style, else one
    // titled "Cancel"); an action sheet without one just closes, an alert with a single action
    // takes that. Return takes the default action: the first enabled one that neither cancels nor
    // destroys; beside a destructive one, the cancel action; else the only action. False when the
    // alert has no such answer.
    bool cancelFromKeyboard();
    bool confirmFromKeyboard();
    // Sets the text of the field at that index; false when there is none.
    bool fillTextField(std::size_t index, const std::string& text);

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void choose(const std::shared_ptr<AlertAction>& action);
    bool chooseSoleAction();
    bool isCancelAction(const AlertAction& action) const;

    std::string title_;
    std::string message_;
    AlertControllerStyle style_;
    std::vector<std::shared_ptr<AlertAction>> actions_;
    std::vector<std::shared_ptr<TextField>> textFields_;
    bool choosing_ = false;
    // The control with the focus ring when the alert opened: it gets the ring back when it closes.
    std::weak_ptr<View> opener_;
};

} // namespace kit
