#include "kit/host/window/SdlTextKeys.h"

#include "kit/host/TextKeys.h"

#include <optional>

namespace kit::host {
namespace {

std::optional<TextKey> textKeyOf(SDL_Keycode key) {
    switch (key) {
    case SDLK_LEFT: return TextKey::left;
    case SDLK_RIGHT: return TextKey::right;
    case SDLK_HOME: return TextKey::home;
    case SDLK_END: return TextKey::end;
    case SDLK_BACKSPACE: return TextKey::backspace;
    case SDLK_DELETE: return TextKey::deleteKey;
    case SDLK_INSERT: return TextKey::insert;
    case SDLK_a: return TextKey::a;
    case SDLK_c: return TextKey::c;
    case SDLK_v: return TextKey::v;
    case SDLK_x: return TextKey::x;
    default: return std::nullopt;
    }
}

} // namespace

bool sendSdlTextKey(SDL_Keycode key, Uint16 modifiers) {
    const auto textKey = textKeyOf(key);
    return textKey && sendTextKey(*textKey, {(modifiers & KMOD_CTRL) != 0, (modifiers & KMOD_SHIFT) != 0});
}

} // namespace kit::host
