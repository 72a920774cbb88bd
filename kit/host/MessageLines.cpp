#include "kit/host/MessageLines.h"

#include <algorithm>

namespace kit::host {
namespace {

void appendParagraph(std::string& out, std::string_view paragraph, std::size_t width) {
    std::size_t lineLength = 0;
    std::size_t at = 0;
    while (at < paragraph.size()) {
        const auto start = paragraph.find_first_not_of(' ', at);
        if (start == std::string_view::npos) break;
        const auto end = std::min(paragraph.find(' ', start), paragraph.size());
        const auto word = paragraph.substr(start, end - start);
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            out += '\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            out += ' ';
            ++lineLength;
        }
        out += word;
        lineLength += word.size();
        at = end;
    }
}

} // namespace

std::string brokenIntoLines(std::string_view text, std::size_t width) {
    std::string out;
    std::size_t at = 0;
    while (true) {
        const auto end = text.find('\n', at);
        appendParagraph(out, text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at), width);
        if (end == std::string_view::npos) return out;
        out += '\n';
        at = end + 1;
    }
}

} // namespace kit::host
