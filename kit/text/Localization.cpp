#include "kit/text/Localization.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <mutex>

namespace kit {
namespace {
std::mutex tableMutex;
std::map<std::string, std::string, std::less<>>& table() {
    static std::map<std::string, std::string, std::less<>> t;
    return t;
}
} // namespace

std::string localizedString(std::string_view key, std::string_view) {
    std::lock_guard lock(tableMutex);
    auto it = table().find(key);
    if (it == table().end() || it->second.empty()) return std::string(key);
    return it->second;
}

void Localization::setTable(std::map<std::string, std::string> entries) {
    std::lock_guard lock(tableMutex);
    table().clear();
    for (auto& [k, v] : entries) table().emplace(k, std::move(v));
}

bool Localization::loadTable(const std::string& path) {
    std::ifstream in(path);
    if (!in) return false;
    auto j = nlohmann::json::parse(in, nullptr, false);
    if (!j.is_object()) return false;
    std::map<std::string, std::string> entries;
    for (auto& [k, v] : j.items())
        if (v.is_string()) entries[k] = v.get<std::string>();
    setTable(std::move(entries));
    return true;
}

} // namespace kit
