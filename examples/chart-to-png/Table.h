#pragma once
// The numbers to chart: read from the command line or a CSV file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chart_to_png {

struct Point {
    std::string label;
    double value; // NaN where the value is missing: a gap in the line, left out of the pie
};

struct Table {
    std::string name = "Values"; // what the values are: the CSV's column name when it has a header
    std::vector<Point> points;
};

// A finite number, with spaces around it; nothing else.
std::optional<double> number(std::string_view text);

struct ReadResult {
    std::optional<Table> table;
    std::string error; // why there is no table, naming the file and row
};

// "label,value" or a bare value per line; a first line whose value is not a number is a header, whose
// last column names the values. An empty value or "nan" is a missing one; an infinite value is refused.
ReadResult readCsv(const std::string& path);

} // namespace chart_to_png
