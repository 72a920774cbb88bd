#pragma once
// Text for a message box, which draws each line as given: a long line would make a box as wide as the screen.
#include <cstddef>
#include <string>
#include <string_view>

namespace kit::host {

// Breaks each paragraph (the text's own lines) at spaces into lines of at most `width` characters; a word
// longer than that (a path) stays whole on a line of its own.
std::string brokenIntoLines(std::string_view text, std::size_t width = 64);

} // namespace kit::host
