#pragma once
// Objects that take part in touch delivery. Unhandled touches travel to the next responder:
// for a view its superview (or the controller that owns it), for a controller its view's superview.
#include "kit/ui/Touch.h"

#include <memory>
#include <string>

namespace kit {

class Responder {
public:
    virtual ~Responder();

    virtual std::shared_ptr<Responder> nextResponder() const { return nullptr; }

    // The defaults pass the touches on to the next responder.
    virtual void touchesBegan(const TouchSet& touches, const Event& event);
    virtual void touchesMoved(const TouchSet& touches, const Event& event);
    virtual void touchesEnded(const TouchSet& touches, const Event& event);
    virtual void touchesCancelled(const TouchSet& touches, const Event& event);

    // Keyboard focus: at most one responder holds it.
    virtual bool canBecomeFirstResponder() const { return false; }
    virtual bool becomeFirstResponder();
    virtual bool resignFirstResponder();
    bool isFirstResponder() const;
    static std::shared_ptr<Responder> currentFirstResponder();

protected:
    // Subclasses that can take focus hand out a shared pointer to themselves for the focus slot.
    virtual std::shared_ptr<Responder> selfAsResponder() { return nullptr; }
};

enum class TextEditCommand;

// Text input for the focused responder; the hosts send keyboard text here.
class KeyInput {
public:
    virtual ~KeyInput() = default;
    virtual bool hasText() const = 0;
    virtual void insertText(const std::string& text) = 0;
    virtual void deleteBackward() = 0;
    // Caret, selection and clipboard keys; false when the input has no use for the command.
    virtual bool performEditCommand(TextEditCommand) { return false; }
};

} // namespace kit
