#pragma once
// The editing keys of a desktop text field, the same in the window and in headless tests: arrows,
// Home and End move the caret (with Shift they select), Backspace and Delete erase, Ctrl+A selects
// all, Ctrl+C / Ctrl+X / Ctrl+V copy, cut and paste, and Shift+Insert pastes.
#include "kit/ui/TextEditing.h"

#include <optional>

namespace kit::host {

enum class TextKey { left, right, home, end, backspace, deleteKey, insert, a, c, v, x };

struct KeyModifiers {
    bool control = false;
    bool shift = false;
};

// The editing command a key stands for, if any.
std::optional<TextEditCommand> textEditCommand(TextKey key, KeyModifiers modifiers);

// Hands the key to the focused text input; false when there is none or the key means nothing
// to it, so the key can serve the screen instead.
bool sendTextKey(TextKey key, KeyModifiers modifiers);

} // namespace kit::host
