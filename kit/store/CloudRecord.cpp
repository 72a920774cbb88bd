#include "kit/store/CloudRecord.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <ctime>

namespace kit {

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
