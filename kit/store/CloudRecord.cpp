#include "kit/store/CloudRecord.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <ctime>

namespace kit {

bool isValidCloudName(std::string_view name) {
    constexpr std::size_t longest = 255;
    if (name.empty() || name.size() > longest) return false;
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == 0) return false;
        // Lead byte: how many bytes follow, and the least code point the sequence may stand for.
        std::size_t follow = 0;
        std::uint32_t point = c, least = 0;
        if (c >= 0xF0 && c <= 0xF4) follow = 3, point = c & 0x07, least = 0x10000;
        else if (c >= 0xE0 && c <= 0xEF) follow = 2, point = c & 0x0F, least = 0x800;
        else if (c >= 0xC2 && c <= 0xDF) follow = 1, point = c & 0x1F, least = 0x80;
        else if (c >= 0x80) return false;
        if (i + follow >= name.size()) return false;
        for (std::size_t k = 1; k <= follow; ++k) {
            const auto next = static_cast<unsigned char>(name[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            point = (point << 6) | (next & 0x3F);
        }
        if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return false;
        i += follow + 1;
    }
    return true;
}

bool isValidCloudDate(double secondsSince1970) {
    constexpr double yearOne = -62135596800.0, endOfYear9999 = 253402300799.0;
    return std::isfinite(secondsSince1970) && secondsSince1970 >= yearOne && secondsSince1970 <= endOfYear9999;
}

std::string description(const RecordValue& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::string>) {
                return v;
            } else if constexpr (std::is_same_v<V, std::int64_t>) {
                return std::to_string(v);
            } else if constexpr (std::is_same_v<V, double>) {
                char buffer[64];
                auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
                return std::string(buffer, r.ptr);
            } else if constexpr (std::is_same_v<V, CloudDate>) {
                double whole = std::floor(v.secondsSince1970);
                std::time_t t = static_cast<std::time_t>(whole);
                std::tm tm{};
                gmtime_r(&t, &tm);
                char buffer[32];
                std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%SZ", &tm);
                return buffer;
            } else if constexpr (std::is_same_v<V, CloudData>) {
                static const char* digits = "0123456789abcdef";
                std::string out = "<";
                for (unsigned char c : v.bytes) {
                    out += digits[c >> 4];
                    out += digits[c & 15];
                }
                return out + ">";
            } else {
                return nlohmann::json(v).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
            }
        },
        value);
}

std::vector<std::string> Record::allKeys() const {
    std::vector<std::string> keys;
    for (const auto& [k, v] : fields_) keys.push_back(k);
    return keys;
}

const RecordValue* Record::value(const std::string& key) const {
    auto it = fields_.find(key);
    return it == fields_.end() ? nullptr : &it->second;
}

} // namespace kit
