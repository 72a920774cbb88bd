#include "kit/ui/Responder.h"

namespace kit {

namespace {
std::weak_ptr<Responder>& focusSlot() {
    static std::weak_ptr<Responder> slot;
    return slot;
}
} // namespace

Responder::~Responder() = default;

void Responder::touchesBegan(const TouchSet& touches, const Event& event) {
    if (auto next = nextResponder()) next->touchesBegan(touches, event);
}

void Responder::touchesMoved(const TouchSet& touches, const Event& event) {
    if (auto next = nextResponder()) next->touchesMoved(touches, event);
}

void Responder::touchesEnded(const TouchSet& touches, const Event& event) {
    if (auto next = nextResponder()) next->touchesEnded(touches, event);
}

void Responder::touchesCancelled(const TouchSet& touches, const Event& event) {
    if (auto next = nextResponder()) next->touchesCancelled(touches, event);
}

bool Responder::becomeFirstResponder() {
    if (!canBecomeFirstResponder()) return false;
    auto self = selfAsResponder();
    if (!self) return false;
    if (auto current = focusSlot().lock()) {
        if (current == self) return true;
        if (!current->resignFirstResponder()) return false;
    }
    focusSlot() = self;
    return true;
}

bool Responder::resignFirstResponder() {
    if (isFirstResponder()) focusSlot().reset();
    return true;
}

bool Responder::isFirstResponder() const {
    auto current = focusSlot().lock();
    return current && current.get() == this;
}

std::shared_ptr<Responder> Responder::currentFirstResponder() { return focusSlot().lock(); }

} // namespace kit
