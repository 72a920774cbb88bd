#include "kit/store/MoveAside.h"

#include <ctime>
#include <filesystem>

namespace kit {
namespace fs = std::filesystem;

std::optional<std::string> moveAsideUnreadable(const std::string& path) {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    std::string target = path + ".unreadable-" + stamp;
    for (int n = 2; fs::exists(target); ++n) target = path + ".unreadable-" + stamp + "-" + std::to_string(n);
    std::error_code ec;
    fs::rename(path, target, ec);
    if (ec) return std::nullopt;
    for (const char* suffix : {"-wal", "-shm"})
        if (fs::exists(path + suffix)) fs::rename(path + suffix, target + suffix, ec);
    return target;
}

} // namespace kit
