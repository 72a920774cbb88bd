#pragma once
// The PostgreSQL back end of the cloud database (kit/store/postgres/) is a module of its own, loaded
// only once a server is configured: libpq and what it pulls in would otherwise be loaded on every start.
#include "kit/store/CloudDatabase.h"

#include <memory>
#include <string>

namespace kit {

// What the module exports as tinctura_postgres_module.
struct PostgresModule {
    std::shared_ptr<CloudDatabase> (*open)(const std::string& connectionString, const std::string& containerIdentifier);
    // Whether libpq accepts the connection string; `error` says why not.
    bool (*isValidConnectionString)(const std::string& text, std::string& error);
    // The keyword of a secret the connection string carries ("password", "sslpassword"), or "".
    std::string (*connectionStringSecret)(const std::string& text);
};

// The back end, loaded on first use; null, with the reason, when the module cannot be loaded.
const PostgresModule* postgresModule(std::string* error);

} // namespace kit
