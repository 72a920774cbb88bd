#include "kit/host/TextKeys.h"

#include "kit/ui/Responder.h"

#include <memory>

namespace kit::host {

std::optional<TextEditCommand> textEditCommand(TextKey key, KeyModifiers m) {
    using C = TextEditCommand;
    switch (key) {
    case TextKey::left: return m.shift ? C::selectLeft : C::moveLeft;
    case TextKey::right: return m.shift ? C::selectRight : C::moveRight;
    case TextKey::home: return m.shift ? C::selectToStart : C::moveToStart;
    case TextKey::end: return m.shift ? C::selectToEnd : C::moveToEnd;
    case TextKey::backspace: return C::deleteBackward;
    case TextKey::deleteKey: return C::deleteForward;
    case TextKey::insert: return m.shift && !m.control ? std::optional(C::paste) : std::nullopt;
    case TextKey::a: return m.control ? std::optional(C::selectAll) : std::nullopt;
    case TextKey::c: return m.control ? std::optional(C::copy) : std::nullopt;
    case TextKey::v: return m.control ? std::optional(C::paste) : std::nullopt;
    case TextKey::x: return m.control ? std::optional(C::cut) : std::nullopt;
    }
    return std::nullopt;
}

bool sendTextKey(TextKey key, KeyModifiers modifiers) {
    const auto command = textEditCommand(key, modifiers);
    if (!command) return false;
    auto input = std::dynamic_pointer_cast<KeyInput>(Responder::currentFirstResponder());
    return input && input->performEditCommand(*command);
}

} // namespace kit::host
