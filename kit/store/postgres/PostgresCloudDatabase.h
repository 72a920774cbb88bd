#pragma once
// The user's private cloud database on a PostgreSQL server, through libpq. Each user has a server
// database of their own: the connection string (and the server's permissions) decide whose records are
// seen. The tables are made on first connect and migrated by schema version. Calls never block the
// caller: they run on the cloud workers, connect when needed, and report a server that cannot be reached
// as networkUnavailable. Every change runs in one transaction, so a dropped connection writes nothing.
#include "kit/store/CloudDatabase.h"

#include <memory>
#include <mutex>

struct pg_conn;

namespace kit {

class PostgresCloudDatabase final : public CloudDatabase,
                                    public std::enable_shared_from_this<PostgresCloudDatabase> {
public:
    static constexpr int schemaVersion = 1;

    PostgresCloudDatabase(std::string connectionString, std::string containerIdentifier);

    bool tracksChanges() const override { return true; }
    void fetchAllRecordZones(
        std::function<void(std::optional<std::vector<RecordZone>>, std::optional<StoreError>)> completion) override;
    void addOperation(std::shared_ptr<DatabaseOperation> operation) override;

    // Records per query page when the operation leaves it to the database.
    static constexpr std::size_t defaultPageSize = 500;

private:
    class Session;

    void runQuery(QueryOperation& op);
    void runZones(ModifyRecordZonesOperation& op);
    void runRecords(ModifyRecordsOperation& op);
    void runChanges(FetchRecordZoneChangesOperation& op);

    std::string connectionString_;
    std::string container_;
    std::mutex mutex_;  // one call at a time on the connection
    struct ConnectionCloser {
        void operator()(pg_conn* connection) const;
    };
    std::unique_ptr<pg_conn, ConnectionCloser> connection_;
};

// Whether `text` is a connection string libpq accepts; `error` says why not.
bool isValidConnectionString(const std::string& text, std::string& error);
// Whether the connection string carries a password (which belongs in ~/.pgpass or PGPASSWORD instead).
bool connectionStringHasPassword(const std::string& text);

} // namespace kit
