#include "kit/base/SharedModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>
#include <vector>

namespace kit {
namespace fs = std::filesystem;

namespace {

std::vector<fs::path> moduleDirectories() {
    std::error_code error;
    const auto exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const auto dir = exe.parent_path();
    return {(dir / TINCTURA_MODULES_FROM_BINDIR).lexically_normal(), dir};
}

} // namespace

std::optional<SharedModule> SharedModule::load(const std::string& name, std::string* error) {
    const std::string file = "lib" + name + ".so";
    for (const auto& dir : moduleDirectories()) {
        const auto path = dir / file;
        std::error_code missing;
        if (!fs::exists(path, missing)) continue;
        // Never unmapped, even when the handle goes: callbacks the module handed out may still be
        // queued somewhere when the last user lets it go.
        if (void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) return SharedModule(handle);
        if (error) *error = dlerror();
        return std::nullopt;
    }
    if (error) {
        *error = "the module " + file + " is missing (looked in";
        for (const auto& dir : moduleDirectories()) error->append(" ").append(dir.string());
        *error += ")";
    }
    return std::nullopt;
}

void SharedModule::Closer::operator()(void* handle) const { dlclose(handle); }

const void* SharedModule::address(const char* symbol) const { return dlsym(handle_.get(), symbol); }

const void* moduleEntry(const std::string& name, const char* symbol, std::string* error) {
    struct Loaded {
        std::optional<SharedModule> module;
        std::string error;
    };
    static std::mutex mutex;
    static std::map<std::string, Loaded> loaded;
    std::lock_guard lock(mutex);
    auto found = loaded.find(name);
    if (found == loaded.end()) {
        Loaded attempt;
        attempt.module = SharedModule::load(name, &attempt.error);
        found = loaded.emplace(name, std::move(attempt)).first;
    }
    const void* entry = found->second.module ? found->second.module->entry<void>(symbol) : nullptr;
    if (!entry && error) {
        *error = found->second.module ? "the module lib" + name + ".so has no " + symbol : found->second.error;
    }
    return entry;
}

} // namespace kit
