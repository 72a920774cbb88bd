#include "kit/store/Uuid.h"

#include <cstdio>
#include <random>

namespace kit {

std::string makeUuidString() {
    thread_local std::mt19937_64 engine{std::random_device{}()};
    unsigned char b[16];
    for (int i = 0; i < 16; i += 8) {
        auto v = engine();
        for (int j = 0; j < 8; ++j) b[i + j] = static_cast<unsigned char>(v >> (8 * j));
    }
    b[6] = static_cast<unsigned char>((b[6] & 0x0f) | 0x40);
    b[8] = static_cast<unsigned char>((b[8] & 0x3f) | 0x80);
    char out[37];
    std::snprintf(out, sizeof out, "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X", b[0], b[1],
                  b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
    return out;
}

} // namespace kit
