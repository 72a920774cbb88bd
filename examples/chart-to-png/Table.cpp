#include "Table.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>

namespace chart_to_png {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

// A cell's value: a number, missing, infinite, or not a number at all.
struct Cell {
    enum class Kind { number, missing, infinite, text } kind;
    double value = std::nan("");
};

Cell cell(std::string_view untrimmed) {
    const std::string_view text = trimmed(untrimmed);
    if (text.empty()) return {Cell::Kind::missing};
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size()) return {Cell::Kind::text};
    // Out of range, the value is left unset: beyond the largest double ("1e999") it is as unusable as
    // "inf", below the smallest it is as good as zero.
    if (error == std::errc::result_out_of_range) value = std::strtod(std::string(text).c_str(), nullptr);
    else if (error != std::errc()) return {Cell::Kind::text};
    if (std::isnan(value)) return {Cell::Kind::missing};
    if (std::isinf(value)) return {Cell::Kind::infinite};
    return {Cell::Kind::number, value};
}

} // namespace

std::optional<double> number(std::string_view text) {
    const Cell c = cell(text);
    if (c.kind != Cell::Kind::number) return std::nullopt;
    return c.value;
}

ReadResult readCsv(const std::string& path) {
    std::ifstream in(path);
    if (!in) return {std::nullopt, "cannot read " + path};
    Table table;
    std::string line;
    for (int row = 1; std::getline(in, line); ++row) {
        if (line.find_first_not_of(" \r") == std::string::npos) continue;
        const auto comma = line.rfind(',');
        const std::string_view text = comma == std::string::npos ? std::string_view(line) : std::string_view(line).substr(comma + 1);
        const Cell c = cell(text);
        if (c.kind == Cell::Kind::text && row == 1) {
            table.name = trimmed(text);
            continue;
        }
        const std::string where = path + ":" + std::to_string(row) + ": ";
        if (c.kind == Cell::Kind::text) return {std::nullopt, where + "not a number: " + std::string(trimmed(text))};
        if (c.kind == Cell::Kind::infinite) return {std::nullopt, where + "an infinite value cannot be drawn"};
        const std::string label = comma == std::string::npos ? std::to_string(table.points.size() + 1) : line.substr(0, comma);
        table.points.push_back({label, c.value});
    }
    return {std::move(table), {}};
}

} // namespace chart_to_png
