#include "kit/base/Console.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace kit {
namespace {
std::mutex consoleMutex;
ConsoleCapture* activeCapture = nullptr;
std::atomic<bool> verboseOutput = false;

void writeLine(std::string_view line, std::FILE* stream) {
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}
} // namespace

void print(std::string_view line) {
    std::lock_guard lock(consoleMutex);
    if (activeCapture) activeCapture->lines_.emplace_back(line);
    else if (verboseOutput) writeLine(line, stdout);
}

void warn(std::string_view line) {
    std::lock_guard lock(consoleMutex);
    if (activeCapture) activeCapture->lines_.emplace_back(line);
    else writeLine(line, stderr);
}

void setVerbose(bool verbose) { verboseOutput = verbose; }
bool isVerbose() { return verboseOutput; }

ConsoleCapture::ConsoleCapture() {
    std::lock_guard lock(consoleMutex);
    previous_ = activeCapture;
    activeCapture = this;
}

ConsoleCapture::~ConsoleCapture() {
    std::lock_guard lock(consoleMutex);
    activeCapture = previous_;
}

std::vector<std::string> ConsoleCapture::lines() const {
    std::lock_guard lock(consoleMutex);
    return lines_;
}

bool ConsoleCapture::contains(std::string_view text) const {
    std::lock_guard lock(consoleMutex);
    for (const auto& l : lines_)
        if (l.find(text) != std::string::npos) return true;
    return false;
}

void ConsoleCapture::clear() {
    std::lock_guard lock(consoleMutex);
    lines_.clear();
}

void fatal(std::string_view message) {
    std::fprintf(stderr, "Fatal error: %.*s\n", static_cast<int>(message.size()), message.data());
    std::fflush(stderr);
    std::abort();
}

} // namespace kit
