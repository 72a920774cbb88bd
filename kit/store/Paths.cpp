#include "kit/store/Paths.h"

#include "kit/base/Console.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <system_error>

#include <unistd.h>

namespace kit {
namespace fs = std::filesystem;
namespace {

std::mutex pathsMutex;
fs::path overrideDir;
std::atomic<unsigned> pathsGeneration{0};

fs::path home() {
    const char* h = std::getenv("HOME");
    return (h && *h) ? fs::path(h) : fs::temp_directory_path();
}

// XDG says relative values are invalid and must be ignored.
fs::path xdgDir(const char* variable, const char* fallbackUnderHome) {
    const char* v = std::getenv(variable);
    if (v && *v && fs::path(v).is_absolute()) return v;
    return home() / fallbackUnderHome;
}

// The user's folders (XDG_PICTURES_DIR, XDG_DOCUMENTS_DIR) are usually not in the environment but
// in user-dirs.dirs, as XDG_PICTURES_DIR="$HOME/Pictures".
fs::path userDir(const std::string& variable, const char* fallbackUnderHome) {
    if (const char* v = std::getenv(variable.c_str()); v && *v && fs::path(v).is_absolute()) return v;
    std::ifstream in(xdgDir("XDG_CONFIG_HOME", ".config") / "user-dirs.dirs");
    std::string line;
    const std::string key = variable + "=\"";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) != 0) continue;
        auto end = line.find('"', key.size());
        if (end == std::string::npos) break;
        std::string value = line.substr(key.size(), end - key.size());
        if (value.rfind("$HOME", 0) == 0) return home() / fs::path(value.substr(5)).relative_path();
        if (fs::path(value).is_absolute()) return value;
        break;
    }
    return home() / fallbackUnderHome;
}

} // namespace

fs::path Paths::dataDirOverride() {
    std::lock_guard lock(pathsMutex);
    return overrideDir;
}

fs::path Paths::dataDir() {
    if (auto o = dataDirOverride(); !o.empty()) return o;
    return xdgDir("XDG_DATA_HOME", ".local/share") / "tinctura";
}

fs::path Paths::configDir() {
    if (auto o = dataDirOverride(); !o.empty()) return o;
    return xdgDir("XDG_CONFIG_HOME", ".config") / "tinctura";
}

fs::path Paths::picturesDir() {
    if (auto o = dataDirOverride(); !o.empty()) return o / "Pictures";
    return userDir("XDG_PICTURES_DIR", "Pictures") / "Tinctura";
}

fs::path Paths::documentsDir() {
    if (auto o = dataDirOverride(); !o.empty()) return o / "Documents";
    return userDir("XDG_DOCUMENTS_DIR", "Documents");
}

void Paths::setDataDir(const fs::path& dir) {
    {
        std::lock_guard lock(pathsMutex);
        std::error_code ec;
        overrideDir = dir.empty() ? fs::path() : fs::absolute(dir, ec);
        if (ec) overrideDir = dir;
    }
    ++pathsGeneration;
}

unsigned Paths::generation() { return pathsGeneration.load(); }

TemporaryDataDir::TemporaryDataDir() : previous_(Paths::dataDirOverride()) {
    std::string pattern = (fs::temp_directory_path() / "tinctura-XXXXXX").string();
    // Only tests and throw-away runs use this; with no temporary folder they cannot run at all.
    if (!::mkdtemp(pattern.data())) fatal("cannot create a temporary folder in " + fs::temp_directory_path().string());
    path_ = pattern;
    Paths::setDataDir(path_);
}

TemporaryDataDir::~TemporaryDataDir() {
    Paths::setDataDir(previous_);
    std::error_code ec;
    fs::remove_all(path_, ec);
}

} // namespace kit
