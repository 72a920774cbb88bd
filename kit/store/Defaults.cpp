#include "kit/store/Defaults.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ctime>
#include <fstream>
#include <limits>
#include <system_error>

#include "kit/base/Clock.h"
#include "kit/base/Console.h"
#include "kit/base/Files.h"
#include "kit/layout/Engine.h"
#include "kit/store/Paths.h"

namespace kit {
namespace fs = std::filesystem;
namespace {

std::string_view skipSpace(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\n' || s.front() == '\r'))
        s.remove_prefix(1);
    return s;
}

// The leading integer of a text ("12abc" is 12, "3.7" is 3, "abc" is 0), saturating on overflow.
std::int64_t leadingInteger(std::string_view s) {
    s = skipSpace(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    std::int64_t value = 0;
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    for (char c : s) {
        if (c < '0' || c > '9') break;
        int digit = c - '0';
        if (negative) {
            if (value < (min + digit) / 10) return min;
            value = value * 10 - digit;
        } else {
            if (value > (max - digit) / 10) return max;
            value = value * 10 + digit;
        }
    }
    return value;
}

double leadingDouble(std::string_view s) {
    s = skipSpace(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    (void)end;
    return ec == std::errc() ? value : 0.0;
}

// A text is true when, after blanks, a sign and leading zeros, it starts with Y, y, T, t or 1-9.
bool textIsTrue(std::string_view s) {
    s = skipSpace(s);
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
    while (!s.empty() && s.front() == '0') s.remove_prefix(1);
    if (s.empty()) return false;
    char c = s.front();
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

std::int64_t truncated(double v) {
    if (std::isnan(v)) return 0;
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (v >= limit) return std::numeric_limits<std::int64_t>::max();
    if (v < -limit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::trunc(v));
}

std::string numberText(double v) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

// The settings are flat: an object of values, a value at most a list or an object of plain values.
// A file nested deeper, or larger than any real settings file, is hostile or damaged; building it
// would take the start with it, and rewriting it indented would multiply its size.
constexpr int maximumNesting = 3;
constexpr std::uintmax_t maximumFileSize = 4u << 20;
// Below this the file is written indented for people to read; above it, compact.
constexpr std::size_t maximumIndentedSize = 256u << 10;

// Whether brackets outside strings nest deeper than `limit` (the text need not be valid JSON).
bool nestsDeeperThan(std::string_view text, int limit) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit) return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

bool valueNestsDeeperThan(const Defaults::Value& value, int limit) {
    if (!value.is_structured()) return false;
    if (limit == 0) return true;
    return std::any_of(value.begin(), value.end(), [&](const Defaults::Value& v) { return valueNestsDeeperThan(v, limit - 1); });
}

// Texts that are not UTF-8 are kept with U+FFFD in place of the bad bytes, as the file can hold them.
Defaults::Value wellFormed(Defaults::Value value) {
    auto text = value.dump(-1, ' ', false, Defaults::Value::error_handler_t::replace);
    return Defaults::Value::parse(text, nullptr, false);
}

// A name beside the unreadable file that says when it was set aside and never replaces anything.
fs::path asideName(const fs::path& file) {
    std::time_t t = static_cast<std::time_t>(Clock::current().wallTime());
    std::tm utc{};
    gmtime_r(&t, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
    fs::path base = file;
    base += std::string(".corrupt-") + stamp;
    fs::path candidate = base;
    std::error_code ec;
    for (int n = 2; fs::exists(candidate, ec); ++n) {
        candidate = base;
        candidate += std::string("-").append(std::to_string(n));
    }
    return candidate;
}

} // namespace

Defaults& Defaults::standard() {
    static std::mutex standardMutex;
    static std::unique_ptr<Defaults> instance;
    static unsigned boundGeneration = 0;
    std::lock_guard lock(standardMutex);
    unsigned generation = Paths::generation();
    if (!instance) {
        instance = std::make_unique<Defaults>(Paths::configDir() / "defaults.json");
        boundGeneration = generation;
        layout::setUnsatisfiableConstraintsSetting([] {
            auto& d = standard();
            const char* key = "_UIConstraintBasedLayoutLogUnsatisfiable";
            return !d.hasValue(key) || d.boolean(key);
        });
    } else if (generation != boundGeneration) {
        instance->rebind(Paths::configDir() / "defaults.json");
        boundGeneration = generation;
    }
    return *instance;
}

Defaults::Defaults(fs::path file) : file_(std::move(file)) { load(); }

void Defaults::rebind(fs::path file) {
    std::lock_guard lock(mutex_);
    file_ = std::move(file);
    stored_ = Value::object();
    registered_ = Value::object();
    writable_ = true;
    reportedWriteFailure_ = false;
    load();
}

void Defaults::load() {
    std::error_code ec;
    if (!fs::exists(file_, ec)) return;
    std::string problem;
    {
        std::ifstream in(file_, std::ios::binary);
        // Read one byte past the limit, never more, whatever the file claims to be.
        const auto size = fs::file_size(file_, ec);
        std::string bytes((ec ? maximumFileSize : std::min(size, maximumFileSize)) + 1, '\0');
        if (in) {
            in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            bytes.resize(static_cast<std::size_t>(in.gcount()));
        }
        if (!in && !in.eof()) {
            problem = "it cannot be opened";
        } else if (bytes.size() > maximumFileSize) {
            problem = "it is larger than " + std::to_string(maximumFileSize >> 20) + " MB";
        } else {
            const bool tooDeep = nestsDeeperThan(bytes, maximumNesting);
            Value parsed = tooDeep ? Value() : Value::parse(bytes, nullptr, false);
            if (tooDeep)
                problem = "it is nested more than " + std::to_string(maximumNesting) + " levels deep";
            else if (parsed.is_discarded())
                problem = "it is not valid JSON";
            else if (!parsed.is_object())
                problem = "it does not hold a JSON object";
            else
                stored_ = std::move(parsed);
        }
    }
    if (problem.empty()) return;

    // Keep the user's file for inspection and start afresh beside it.
    fs::path aside = asideName(file_);
    fs::rename(file_, aside, ec);
    if (ec) {
        writable_ = false;
        warn("Defaults: cannot read " + file_.string() + " (" + problem + ") nor move it aside (" + ec.message() +
              "); starting from the defaults and leaving the file untouched");
    } else {
        warn("Defaults: cannot read " + file_.string() + " (" + problem + "); moved it to " + aside.string() +
              " and started from the defaults");
    }
}

const Defaults::Value* Defaults::lookup(std::string_view key) const {
    std::string k(key);
    if (auto it = stored_.find(k); it != stored_.end()) return &*it;
    if (auto it = registered_.find(k); it != registered_.end()) return &*it;
    return nullptr;
}

bool Defaults::boolean(std::string_view key) const {
    std::lock_guard lock(mutex_);
    const Value* v = lookup(key);
    if (!v) return false;
    if (v->is_boolean()) return v->get<bool>();
    if (v->is_number_unsigned()) return v->get<std::uint64_t>() != 0;
    if (v->is_number_integer()) return v->get<std::int64_t>() != 0;
    if (v->is_number_float()) return v->get<double>() != 0.0;
    if (v->is_string()) return textIsTrue(v->get_ref<const std::string&>());
    return false;
}

std::int64_t Defaults::integer(std::string_view key) const {
    std::lock_guard lock(mutex_);
    const Value* v = lookup(key);
    if (!v) return 0;
    if (v->is_boolean()) return v->get<bool>() ? 1 : 0;
    if (v->is_number_unsigned()) {
        auto u = v->get<std::uint64_t>();
        return u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
                   ? std::numeric_limits<std::int64_t>::max()
                   : static_cast<std::int64_t>(u);
    }
    if (v->is_number_integer()) return v->get<std::int64_t>();
    if (v->is_number_float()) return truncated(v->get<double>());
    if (v->is_string()) return leadingInteger(v->get_ref<const std::string&>());
    return 0;
}

double Defaults::doubleValue(std::string_view key) const {
    std::lock_guard lock(mutex_);
    const Value* v = lookup(key);
    if (!v) return 0.0;
    if (v->is_boolean()) return v->get<bool>() ? 1.0 : 0.0;
    if (v->is_number()) return v->get<double>();
    if (v->is_string()) return leadingDouble(v->get_ref<const std::string&>());
    return 0.0;
}

std::optional<std::string> Defaults::string(std::string_view key) const {
    std::lock_guard lock(mutex_);
    const Value* v = lookup(key);
    if (!v) return std::nullopt;
    if (v->is_string()) return v->get<std::string>();
    if (v->is_boolean()) return v->get<bool>() ? "1" : "0";
    if (v->is_number_unsigned()) return std::to_string(v->get<std::uint64_t>());
    if (v->is_number_integer()) return std::to_string(v->get<std::int64_t>());
    if (v->is_number_float()) return numberText(v->get<double>());
    return std::nullopt;
}

std::optional<std::vector<std::string>> Defaults::stringArray(std::string_view key) const {
    std::lock_guard lock(mutex_);
    const Value* v = lookup(key);
    if (!v || !v->is_array()) return std::nullopt;
    std::vector<std::string> out;
    for (const auto& e : *v) {
        if (!e.is_string()) return std::nullopt;
        out.push_back(e.get<std::string>());
    }
    return out;
}

std::optional<Defaults::Value> Defaults::object(std::string_view key) const {
    std::lock_guard lock(mutex_);
    const Value* v = lookup(key);
    if (!v) return std::nullopt;
    return *v;
}

bool Defaults::hasValue(std::string_view key) const {
    std::lock_guard lock(mutex_);
    return lookup(key) != nullptr;
}

void Defaults::set(bool value, std::string_view key) { setValue(key, Value(value)); }
void Defaults::set(double value, std::string_view key) { setValue(key, Value(value)); }
void Defaults::set(std::string_view value, std::string_view key) { setValue(key, Value(std::string(value))); }
void Defaults::set(const std::vector<std::string>& value, std::string_view key) { setValue(key, Value(value)); }
void Defaults::setObject(const Value& value, std::string_view key) { setValue(key, value); }

void Defaults::remove(std::string_view key) {
    std::lock_guard lock(mutex_);
    if (stored_.erase(std::string(key)) > 0) writeFile();
}

void Defaults::setValue(std::string_view key, Value value) {
    if (value.is_null()) return remove(key);
    std::lock_guard lock(mutex_);
    std::string k(key);
    value = wellFormed(std::move(value));
    // Kept in the file, it would make the whole file unreadable at the next start.
    if (valueNestsDeeperThan(value, maximumNesting - 1)) {
        warn("Defaults: the value of " + k + " is nested more than " + std::to_string(maximumNesting - 1) +
             " levels deep; it is not kept");
        return;
    }
    if (auto it = stored_.find(k); it != stored_.end() && it->type() == value.type() && *it == value) return;
    stored_[k] = std::move(value);
    writeFile();
}

void Defaults::registerDefaults(const Value& map) {
    if (!map.is_object()) return;
    std::lock_guard lock(mutex_);
    for (const auto& [k, v] : map.items()) registered_[k] = v;
}

bool Defaults::writeFile() {
    if (!writable_) return false;
    std::string error;
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    // Never larger than the loader accepts: a file it would refuse at the next start is not written.
    std::string text = stored_.dump(-1, ' ', false, Value::error_handler_t::replace);
    if (text.size() <= maximumIndentedSize) text = stored_.dump(4, ' ', false, Value::error_handler_t::replace);
    text += "\n";
    if (text.size() > maximumFileSize) {
        error = "the settings would be larger than " + std::to_string(maximumFileSize >> 20) + " MB";
    } else if (writeFileAtomically(file_, text, &error, Sync::none)) {
        // Written at every change, so no flush to disk: the rename alone already protects the file
        // from a crash of the app, and a flush costs more than a settings change may take.
        // The settings are the user's alone, as the rest of the data folder.
        std::filesystem::permissions(file_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::replace, ec);
        reportedWriteFailure_ = false;
        return true;
    }
    // One line per run of failures, not one per changed key.
    if (!reportedWriteFailure_) warn("Defaults: cannot save " + file_.string() + " (" + error + ")");
    reportedWriteFailure_ = true;
    return false;
}

} // namespace kit
