#pragma once
// The user's private cloud database: record zones, records, paged queries and zone deletion.
// Every answer arrives on a worker thread, never on the caller's; pages of one query come one after another.
// A record the database holds but cannot read comes with its name and type and no fields (and no change
// time); it stays on the server as it is.
#include "kit/store/CloudRecord.h"
#include "kit/store/StoreError.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {

namespace CloudErrorCode {
constexpr int internalError = 1;
constexpr int partialFailure = 2;
constexpr int networkUnavailable = 3;
constexpr int notAuthenticated = 9;  // the server refused the login
constexpr int unknownItem = 11;
constexpr int incompatibleVersion = 18;  // the server's tables are of a newer version
constexpr int badDatabase = 24;          // the server's tables are damaged
constexpr int zoneNotFound = 26;
} // namespace CloudErrorCode

StoreError cloudError(int code, std::string description, std::string userInfo = {});

// An unreachable server or a refused login: nothing goes out or comes in until it is mended or back.
inline bool isOutOfReach(const std::optional<StoreError>& error) {
    return error && (error->code == CloudErrorCode::networkUnavailable || error->code == CloudErrorCode::notAuthenticated);
}

struct Query {
    std::string recordType;  // every record of the type matches (the always-true predicate)
};

// Where the next page of a query starts.
struct QueryCursor {
    Query query;
    RecordZoneID zoneID;
    std::size_t offset = 0;  // where the back end resumes; its meaning is the back end's own
};

// A point in a zone's history on the server. `history` names the server database it belongs to: a
// database given a token of another starts from the beginning.
struct ServerChangeToken {
    std::int64_t change = 0;
    std::string history;
};

// As many records per page as the database chooses to give.
constexpr std::size_t QueryOperationMaximumResults = 0;

class DatabaseOperation {
public:
    virtual ~DatabaseOperation() = default;
};

class QueryOperation final : public DatabaseOperation {
public:
    explicit QueryOperation(Query query) : query(std::move(query)) {}
    explicit QueryOperation(QueryCursor cursor) : cursor(std::move(cursor)) {}

    std::optional<Query> query;
    std::optional<QueryCursor> cursor;
    std::size_t resultsLimit = QueryOperationMaximumResults;
    std::optional<RecordZoneID> zoneID;
    std::function<void(const Record&)> recordFetchedBlock;
    std::function<void(std::optional<QueryCursor>, std::optional<StoreError>)> queryCompletionBlock;
};

class ModifyRecordZonesOperation final : public DatabaseOperation {
public:
    ModifyRecordZonesOperation(std::vector<RecordZone> toSave, std::vector<RecordZoneID> toDelete)
        : recordZonesToSave(std::move(toSave)), recordZoneIDsToDelete(std::move(toDelete)) {}

    std::vector<RecordZone> recordZonesToSave;
    std::vector<RecordZoneID> recordZoneIDsToDelete;
    // Saved zones, deleted zone ids, error. A partial failure reports the error (code partialFailure).
    std::function<void(std::optional<std::vector<RecordZone>>, std::optional<std::vector<RecordZoneID>>,
                       std::optional<StoreError>)>
        modifyRecordZonesCompletionBlock;
};

class ModifyRecordsOperation final : public DatabaseOperation {
public:
    ModifyRecordsOperation(std::vector<Record> toSave, std::vector<RecordID> toDelete)
        : recordsToSave(std::move(toSave)), recordIDsToDelete(std::move(toDelete)) {}

    std::vector<Record> recordsToSave;
    std::vector<RecordID> recordIDsToDelete;
    // The change a record to delete was fetched at (Record::changeTag): it is deleted only while it is still
    // that change, and a copy changed since stays and is not reported deleted. Databases without change
    // numbers have one writer and delete as asked.
    std::map<RecordID, std::int64_t> deleteOnlyAtChange;
    std::function<void(std::optional<std::vector<Record>>, std::optional<std::vector<RecordID>>,
                       std::optional<StoreError>)>
        modifyRecordsCompletionBlock;
};

// Every record of a zone changed or deleted after a token (every record and every deletion mark without one),
// then the token to use next time. A zone that does not exist has no changes. Only databases that track changes take it (CloudDatabase::tracksChanges).
class FetchRecordZoneChangesOperation final : public DatabaseOperation {
public:
    FetchRecordZoneChangesOperation(RecordZoneID zone, std::optional<ServerChangeToken> since)
        : zoneID(std::move(zone)), previousServerChangeToken(since) {}

    RecordZoneID zoneID;
    std::optional<ServerChangeToken> previousServerChangeToken;
    std::function<void(const Record&)> recordChangedBlock;
    std::function<void(const RecordID&, const std::string& recordType)> recordWithIDWasDeletedBlock;
    std::function<void(std::optional<ServerChangeToken>, std::optional<StoreError>)> fetchRecordZoneChangesCompletionBlock;
};

class CloudDatabase {
public:
    virtual ~CloudDatabase() = default;
    virtual bool tracksChanges() const { return false; }
    // An id of the database's own, made with it: one made anew (a replaced file) has another. Empty where the
    // database has none, or gives it with its change tokens (ServerChangeToken::history).
    virtual std::string identity() const { return {}; }
    // Zones in creation order; the list may be empty. A database may also answer with neither list nor error.
    virtual void fetchAllRecordZones(
        std::function<void(std::optional<std::vector<RecordZone>>, std::optional<StoreError>)> completion) = 0;
    virtual void addOperation(std::shared_ptr<DatabaseOperation> operation) = 0;
};

// A container of the user's cloud data, compared by identifier; usable as a map key.
class CloudContainer {
public:
    CloudContainer(std::string identifier, std::shared_ptr<CloudDatabase> privateDatabase)
        : identifier_(std::move(identifier)), private_(std::move(privateDatabase)) {}

    const std::string& containerIdentifier() const { return identifier_; }
    const std::shared_ptr<CloudDatabase>& privateCloudDatabase() const { return private_; }

    // The app's container: its private database is on the configured server (CloudConfiguration), else the
    // local stand-in file "CloudDatabase.sqlite" in the data folder, unless another default was set (tests do).
    static CloudContainer defaultContainer();
    static void setDefaultContainer(std::optional<CloudContainer> container);
    // The path an unreadable stand-in file was kept under when a new one replaced it, once.
    static std::optional<std::string> takeMovedAsideFile();
    static constexpr const char* defaultIdentifier = "tinctura.default";

    friend bool operator==(const CloudContainer& a, const CloudContainer& b) { return a.identifier_ == b.identifier_; }
    friend auto operator<=>(const CloudContainer& a, const CloudContainer& b) { return a.identifier_ <=> b.identifier_; }

private:
    std::string identifier_;
    std::shared_ptr<CloudDatabase> private_;
};

struct CloudContainerHash {
    std::size_t operator()(const CloudContainer& c) const { return std::hash<std::string>{}(c.containerIdentifier()); }
};

} // namespace kit
