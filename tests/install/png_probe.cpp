// Prints a PNG's size and the colours at the given pixels, for shell checks of rendered pictures:
//   png_probe FILE [X Y]...   ->   "WIDTH HEIGHT" then "RRGGBB" per pixel
#include "kit/graphics/Image.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || argc % 2 != 0) {
        std::cerr << "usage: png_probe FILE [X Y]...\n";
        return 2;
    }
    std::string error;
    auto image = kit::Image::loadFile(argv[1], 1.0, &error);
    if (!image) {
        std::cerr << "png_probe: " << argv[1] << ": " << error << "\n";
        return 1;
    }
    std::printf("%d %d\n", image->pixelWidth(), image->pixelHeight());
    for (int i = 2; i + 1 < argc; i += 2) {
        const kit::Color c = image->colorAt(std::stoi(argv[i]), std::stoi(argv[i + 1]));
        const auto byte = [](double v) { return static_cast<int>(std::lround(v * 255)); };
        std::printf("%02x%02x%02x\n", byte(c.red()), byte(c.green()), byte(c.blue()));
    }
    return 0;
}
