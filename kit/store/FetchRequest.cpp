#include "kit/store/FetchRequest.h"

#include "kit/base/Console.h"

#include <regex>

namespace kit {
namespace {
// "<attribute> = %<conversion>", with or without blanks around "=" (also "==").
std::pair<std::string, std::string> parse(const std::string& format) {
    static const std::regex pattern(R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*==?\s*%(@|i|d|ld|lld)\s*$)");
    std::smatch m;
    if (!std::regex_match(format, m, pattern)) fatal("Unsupported predicate format: " + format);
    return {m[1].str(), m[2].str()};
}
} // namespace

Predicate Predicate::format(const std::string& format, const std::string& text) {
    auto [attribute, conversion] = parse(format);
    if (conversion != "@") fatal("Predicate " + format + " takes an integer");
    return Predicate{attribute, text};
}

Predicate Predicate::format(const std::string& format, std::int64_t number) {
    auto [attribute, conversion] = parse(format);
    if (conversion == "@") fatal("Predicate " + format + " takes a text");
    return Predicate{attribute, number};
}

} // namespace kit
