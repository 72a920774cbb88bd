#pragma once
// The user's settings: typed values by key, kept in a JSON file (config dir/defaults.json) that is
// rewritten atomically the moment a value changes. Registered defaults form a layer below the stored
// values; they are never written, so an explicit user value always wins.
//
// Reads coerce between types the way the settings of the original platform did: a bool read of a
// stored number is value != 0, an integer read of a bool is 0/1, of a double is the truncated value,
// of a numeric string its leading number; a string read of a number is its text. A missing key reads
// as false, 0, 0.0 or nullopt.
#include <concepts>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace kit {

class Defaults {
public:
    using Value = nlohmann::json;

    // The app's settings, at Paths::configDir()/defaults.json. When the data dir changes
    // (Paths::setDataDir, TemporaryDataDir) it reopens there, with nothing registered.
    static Defaults& standard();

    // A store on its own file (the file need not exist yet).
    explicit Defaults(std::filesystem::path file);
    Defaults(const Defaults&) = delete;
    Defaults& operator=(const Defaults&) = delete;

    bool boolean(std::string_view key) const;
    std::int64_t integer(std::string_view key) const;
    double doubleValue(std::string_view key) const;
    std::optional<std::string> string(std::string_view key) const;
    std::optional<std::vector<std::string>> stringArray(std::string_view key) const;
    std::optional<Value> object(std::string_view key) const;
    bool hasValue(std::string_view key) const;

    void set(bool value, std::string_view key);
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    void set(T value, std::string_view key) { setValue(key, Value(static_cast<std::int64_t>(value))); }
    void set(double value, std::string_view key);
    void set(std::string_view value, std::string_view key);
    void set(const char* value, std::string_view key) { set(std::string_view(value), key); }
    void set(const std::string& value, std::string_view key) { set(std::string_view(value), key); }
    void set(const std::vector<std::string>& value, std::string_view key);
    // Any JSON value; null removes the key.
    void setObject(const Value& value, std::string_view key);
    void remove(std::string_view key);

    // Adds values to the volatile layer below the stored ones (a JSON object of key -> value).
    void registerDefaults(const Value& map);

    const std::filesystem::path& file() const { return file_; }

private:
    void load();
    void rebind(std::filesystem::path file);
    void setValue(std::string_view key, Value value);
    const Value* lookup(std::string_view key) const;
    bool writeFile();

    std::filesystem::path file_;
    mutable std::recursive_mutex mutex_;
    Value stored_ = Value::object();
    Value registered_ = Value::object();
    // False when an unreadable file could not be moved aside: it is then never overwritten.
    bool writable_ = true;
    bool reportedWriteFailure_ = false;
};

} // namespace kit
