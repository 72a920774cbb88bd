#include "app/menus/VideoLinks.h"

#include <cctype>

namespace app::VideoLinks {
namespace {

bool isUnreserved(unsigned char c) { return std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~'; }

} // namespace

std::optional<std::string> appURL(std::string_view videoId) {
    if (videoId.empty()) return std::nullopt;
    for (unsigned char c : videoId)
        if (!isUnreserved(c)) return std::nullopt;
    return std::string(appScheme) + "://" + std::string(videoId);
}

std::optional<std::string> webURL(std::string_view videoId) {
    if (videoId.empty()) return std::nullopt;
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string query;
    for (unsigned char c : videoId) {
        if (isUnreserved(c)) {
            query += static_cast<char>(c);
        } else {
            query += '%';
            query += hex[c >> 4];
            query += hex[c & 15];
        }
    }
    return "https://" + std::string(webHost) + "/watch?v=" + query;
}

} // namespace app::VideoLinks
