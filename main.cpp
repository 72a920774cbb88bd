#include <cstdio>
#include <string_view>

namespace {
void printUsage() {
    std::puts("Usage: tinctura [--headless --screenshot FILE] [--screen IDENTIFIER] [--device phone|pad]\n"
              "                [--data-dir DIR] [--help]");
}
} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help") {
            printUsage();
            return 0;
        }
    }
    printUsage();
    return 0;
}
