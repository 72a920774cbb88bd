#include "kit/store/PostgresModule.h"

#include "kit/base/SharedModule.h"

// Defined where the back end is linked into the program itself (tests, benchmarks).
extern "C" const kit::PostgresModule tinctura_postgres_module __attribute__((weak));

namespace kit {

const PostgresModule* postgresModule(std::string* error) {
    if (&tinctura_postgres_module) return &tinctura_postgres_module;
    return moduleEntry<PostgresModule>("tinctura-postgres", "tinctura_postgres_module", error);
}

} // namespace kit
