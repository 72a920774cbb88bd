#pragma once
// Where the user's cloud database lives: a libpq connection string from TINCTURA_CLOUD, else from
// cloud.conf in the config folder. Nothing configured means the local stand-in file. Passwords and the
// client key's passphrase never come from here: libpq finds them itself (~/.pgpass, PGPASSWORD, a key file
// readable by the user alone); TLS is the string's own sslmode.
#include <filesystem>
#include <optional>
#include <string>

namespace kit::CloudConfiguration {

inline constexpr const char* environmentVariable = "TINCTURA_CLOUD";

std::filesystem::path file();
// The connection string in use, or none. A configured one that cannot be used gives none, and `problem` says why.
std::optional<std::string> connectionString(std::string* problem = nullptr);
// Writes cloud.conf, readable by the user alone; "" removes it. Gives the reason when the string is refused.
std::optional<std::string> save(const std::string& connectionString);

} // namespace kit::CloudConfiguration
