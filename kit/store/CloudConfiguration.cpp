#include "kit/store/CloudConfiguration.h"

#include "kit/base/Files.h"
#include "kit/store/Paths.h"
#include "kit/store/PostgresModule.h"

#include <cstdlib>
#include <fstream>

namespace kit::CloudConfiguration {
namespace fs = std::filesystem;

namespace {

std::string trimmed(std::string text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The first line that is neither empty nor a comment.
std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    while (in && std::getline(in, line)) {
        line = trimmed(line);
        if (!line.empty() && line[0] != '#') return line;
    }
    return std::nullopt;
}

std::optional<std::string> refusal(const std::string& text) {
    std::string error;
    const auto* postgres = postgresModule(&error);
    if (!postgres) return "the PostgreSQL back end is not available: " + error;
    if (!postgres->isValidConnectionString(text, error)) return "not a valid connection string: " + error;
    const auto secret = postgres->connectionStringSecret(text);
    if (secret == "password") return "the connection string holds a password; put it in ~/.pgpass or PGPASSWORD instead";
    if (!secret.empty())
        return "the connection string holds the passphrase of the client key (sslpassword); keep the key without "
               "a passphrase in a file readable by you alone instead (~/.postgresql/postgresql.key, or the one sslkey "
               "names)";
    return std::nullopt;
}

} // namespace

fs::path file() { return Paths::configDir() / "cloud.conf"; }

std::optional<std::string> connectionString(std::string* problem) {
    std::optional<std::string> text;
    std::string source;
    if (const char* env = std::getenv(environmentVariable); env && *env) {
        text = trimmed(env);
        source = environmentVariable;
    } else {
        text = readFile(file());
        source = file().string();
    }
    if (!text || text->empty()) return std::nullopt;
    if (auto why = refusal(*text)) {
        if (problem) *problem = "Cloud storage setting in " + source + " not used: " + *why;
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> save(const std::string& connectionString) {
    const auto text = trimmed(connectionString);
    std::error_code ec;
    if (text.empty()) {
        fs::remove(file(), ec);
        return std::nullopt;
    }
    if (auto why = refusal(text)) return why;
    fs::create_directories(file().parent_path(), ec);
    std::string error;
    if (!writeFileAtomically(file(), "# The cloud database server (a libpq connection string)\n" + text + "\n", &error))
        return error;
    fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace, ec);
    if (ec) return ec.message();
    return std::nullopt;
}

} // namespace kit::CloudConfiguration
