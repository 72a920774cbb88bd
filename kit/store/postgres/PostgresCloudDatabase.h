#pragma once
// The user's private cloud database on a PostgreSQL server, through libpq. Each user has a server
// database of their own: the connection string (and the server's permissions) decide whose records are
// seen. The tables are made on first connect and migrated by schema version. Calls never block the
// caller: they run on the cloud workers, connect when needed, and report a server that cannot be reached
// as networkUnavailable, a refused login as notAuthenticated (and then tried again only once the password
// file has changed, at the next call: settings that change open another database). Every change runs in one
// transaction, so a dropped connection writes nothing. No call waits on the server without bound: the server ends long
// statements and lock waits, the client gives up on a server that stays silent, and close() (or
// CloudWorkers::shutDown()) ends a wait at once, cancelling the statement on the server.
#include "kit/store/CloudDatabase.h"

#include <memory>
#include <mutex>

struct pg_conn;

namespace kit {

// How long a call may wait on the server; a call that runs out of time counts as unreachable.
struct PostgresLimits {
    // When the connection string sets no connect_timeout, or 0 (libpq's "for ever").
    double connectSeconds = 5;
    double statementSeconds = 30;
    double lockSeconds = 5;
    // The client gives up on an answer this long after the server should have ended the statement.
    double answerGraceSeconds = 5;
};

class PostgresCloudDatabase final : public CloudDatabase,
                                    public std::enable_shared_from_this<PostgresCloudDatabase> {
public:
    static constexpr int schemaVersion = 1;

    using Limits = PostgresLimits;

    PostgresCloudDatabase(std::string connectionString, std::string containerIdentifier, Limits limits = {});
    ~PostgresCloudDatabase() override;

    // Ends the call in progress (its statement cancelled on the server, the connection closed); later
    // calls fail at once as unreachable.
    void close();

    bool tracksChanges() const override { return true; }
    void fetchAllRecordZones(
        std::function<void(std::optional<std::vector<RecordZone>>, std::optional<StoreError>)> completion) override;
    void addOperation(std::shared_ptr<DatabaseOperation> operation) override;

    // Records per query page when the operation leaves it to the database.
    static constexpr std::size_t defaultPageSize = 500;

private:
    class Session;
    class Interruption;

    void runQuery(QueryOperation& op);
    void runZones(ModifyRecordZonesOperation& op);
    void runRecords(ModifyRecordsOperation& op);
    void runChanges(FetchRecordZoneChangesOperation& op);

    std::string connectionString_;
    std::string container_;
    Limits limits_;
    std::shared_ptr<Interruption> interruption_;
    std::mutex mutex_;  // one call at a time on the connection
    struct ConnectionCloser {
        void operator()(pg_conn* connection) const;
    };
    std::unique_ptr<pg_conn, ConnectionCloser> connection_;
    std::string databaseId_;  // of the database connected to; the history of the change tokens it gives
    // A refused login, and the password file as it was then: the same settings would be refused again.
    struct RefusedLogin {
        StoreError error;
        std::string passwordFile;
        std::string passwordFileStamp;
    };
    std::optional<RefusedLogin> loginRefused_;
};

// Whether `text` is a connection string libpq accepts; `error` says why not.
bool isValidConnectionString(const std::string& text, std::string& error);
// The keyword of a secret the connection string carries: "password" (which belongs in ~/.pgpass or
// PGPASSWORD) or "sslpassword" (the client key's passphrase); "" when it carries none.
std::string connectionStringSecret(const std::string& text);

} // namespace kit
