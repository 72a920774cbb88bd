#include "colour/ColorCodeText.h"

namespace colour {

// Placeholder until the user-defaults store is available: the hex format.
int currentOutputMode() { return 0; }

} // namespace colour
