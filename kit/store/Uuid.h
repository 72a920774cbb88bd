#pragma once
#include <string>

namespace kit {
// A new random UUID in upper-case hexadecimal, 8-4-4-4-12 groups (version 4).
std::string makeUuidString();
}
