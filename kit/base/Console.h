#pragma once
// The system's console lines (diagnostics such as "not hex") go through one sink that tests can capture.
// A desktop app started from a terminal keeps quiet: those lines print only when verbose; failures the
// user should hear of go to standard error always.
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// Writes one line (a line break is added) to the innermost capture, or to standard output when verbose.
void print(std::string_view line);
// Writes one line about a failure to the innermost capture, or to standard error.
void warn(std::string_view line);
// Whether print writes to standard output (off by default).
void setVerbose(bool verbose);
bool isVerbose();

// Collects the console lines written while it lives, on any thread, instead of printing them.
class ConsoleCapture {
public:
    ConsoleCapture();
    ~ConsoleCapture();
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;

    std::vector<std::string> lines() const;
    bool contains(std::string_view text) const;
    void clear();

private:
    friend void print(std::string_view);
    friend void warn(std::string_view);
    ConsoleCapture* previous_;
    std::vector<std::string> lines_;
};

// A programming error (a broken contract): writes the message to standard error and aborts.
[[noreturn]] void fatal(std::string_view message);

} // namespace kit
