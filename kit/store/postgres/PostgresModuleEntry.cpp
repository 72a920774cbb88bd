// What the PostgreSQL module hands the executable that loads it.
#include "kit/store/PostgresModule.h"
#include "kit/store/postgres/PostgresCloudDatabase.h"

extern "C" const kit::PostgresModule tinctura_postgres_module{
    [](const std::string& connectionString, const std::string& containerIdentifier) -> std::shared_ptr<kit::CloudDatabase> {
        return std::make_shared<kit::PostgresCloudDatabase>(connectionString, containerIdentifier);
    },
    &kit::isValidConnectionString,
    &kit::connectionStringSecret,
};
