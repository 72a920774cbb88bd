#pragma once
// A part of the app built as a module of its own (the window host, the PostgreSQL back end), loaded
// only when it is needed: their libraries and everything those pull in would otherwise be loaded,
// and cost their time, on every start. A module uses the executable's own kit, so only executables
// that export their symbols can load one.
#include <memory>
#include <optional>
#include <string>

namespace kit {

class SharedModule {
public:
    // Loads lib<name>.so from where the installed app keeps its modules, or from beside the
    // executable (the build tree). None, with the reason, when it is missing or cannot be loaded.
    static std::optional<SharedModule> load(const std::string& name, std::string* error);

    // The module's exported entry `symbol`, an object of type Entry; null when the module has none.
    template <class Entry>
    const Entry* entry(const char* symbol) const {
        return static_cast<const Entry*>(address(symbol));
    }

private:
    struct Closer {
        void operator()(void* handle) const;
    };
    explicit SharedModule(void* handle) : handle_(handle) {}
    const void* address(const char* symbol) const;

    std::unique_ptr<void, Closer> handle_;
};

// The entry `symbol` of the module `name`, loaded on first use and kept for the rest of the process;
// null, with the reason, when the module or its entry is missing. Safe from any thread.
const void* moduleEntry(const std::string& name, const char* symbol, std::string* error);

template <class Entry>
const Entry* moduleEntry(const std::string& name, const char* symbol, std::string* error) {
    return static_cast<const Entry*>(moduleEntry(name, symbol, error));
}

} // namespace kit
