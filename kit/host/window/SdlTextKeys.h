#pragma once
// SDL's keys for the text-editing keys of kit/host/TextKeys.h.
#include <SDL.h>

namespace kit::host {

// Hands an editing key to the focused text input; false when the key is none of its own.
bool sendSdlTextKey(SDL_Keycode key, Uint16 modifiers);

} // namespace kit::host
