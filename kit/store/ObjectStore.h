#pragma once
// The SQLite file behind a container: one table per entity, changes committed in one transaction.
// Besides the model's attributes each row keeps the name of its cloud record and whether the cloud
// copy is behind, so that a mirror can export local changes and import the cloud's.
#include "kit/store/FetchRequest.h"
#include "kit/store/ObjectModel.h"
#include "kit/store/StoreError.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {

namespace sqlite {
class Database;
}

struct StoreRow {
    std::int64_t pk = 0;
    std::vector<AttributeValue> values;  // in the entity's attribute order
    std::optional<std::string> cloudName;
    // When the change the cloud has not yet received was made (ms since 1970, rising per row); 0 when none.
    std::int64_t changedAt = 0;
    // When the values were last changed, here or (for a copy from the cloud) where the change was made; kept
    // after it was sent. 0 when not known: sent by an earlier version.
    std::int64_t lastChange = 0;
};

struct RowChange {
    enum class Kind { Insert, Update, Delete };
    Kind kind = Kind::Insert;
    const EntityDescription* entity = nullptr;
    std::int64_t pk = 0;  // set by commit for inserts
    std::vector<AttributeValue> values;
    std::optional<std::string> cloudName;  // for changes that come from the cloud
    // From the cloud: applied only while the row's unsent change is still this one (0: none), so that a
    // local save made meanwhile is never overwritten.
    std::int64_t changedAt = 0;
    // From the cloud: when the cloud copy's change was made (its modification date, in ms).
    std::int64_t lastChange = 0;
};

struct ExportMark {
    const EntityDescription* entity = nullptr;
    std::int64_t pk = 0;
    std::string name;
    std::int64_t changedAt = 0;
};

struct Tombstone {
    std::string entity;
    std::string cloudName;
};

class ObjectStore {
public:
    struct Options {
        bool migrateAutomatically = false;  // add the columns of attributes the file lacks
    };

    // Opens or creates the store file for the model. A file that is not a readable store gives an error.
    static std::unique_ptr<ObjectStore> open(const std::string& path, const ObjectModel& model, Options options,
                                             std::optional<StoreError>& error);
    ~ObjectStore();

    const std::string& path() const { return path_; }
    // Opened for reading only (its folder or file cannot be written): fetches work, saves fail.
    bool isReadOnly() const;
    // Opened for reading only because the disk was full.
    bool isReadOnlyForAFullDisk() const { return readOnlyForAFullDisk_; }
    const ObjectModel& model() const { return model_; }

    std::vector<StoreRow> fetch(const EntityDescription& entity, const std::optional<Predicate>& predicate,
                                std::optional<StoreError>& error);
    std::optional<StoreRow> row(const EntityDescription& entity, std::int64_t pk);

    // Local changes: inserted and updated rows are marked for export, deleted exported rows leave a tombstone.
    std::optional<StoreError> commit(std::vector<RowChange>& changes);
    // Deletes in the store, without loading the records; count = rows deleted.
    std::optional<StoreError> batchDelete(const EntityDescription& entity, const std::optional<Predicate>& predicate,
                                          std::size_t& count);

    // The mirror's side.
    std::vector<StoreRow> rowsToExport(const EntityDescription& entity);
    // Rows that have a cloud name: sent, or named before they first go out.
    std::vector<StoreRow> exportedRows(const EntityDescription& entity);
    std::vector<Tombstone> tombstones();
    // The rows now have cloud records, in one transaction; each is clean unless it changed again since
    // its `changedAt` was read.
    std::optional<StoreError> markExported(const std::vector<ExportMark>& marks);
    // Gives the rows the names their cloud records will have, in one transaction, before any goes out: a
    // record sent again after a crash then replaces its copy instead of making a second one.
    std::optional<StoreError> nameForCloud(const std::vector<ExportMark>& names);
    // Marks every clean row that has a cloud name to go out again (a cloud database made anew lacks them),
    // at the time of its last change, so that it never replaces a later copy another machine sent.
    std::optional<StoreError> markAllForResend();
    // Marks the clean rows to go out again at the time of their last change: their copy here is later than
    // the cloud's.
    std::optional<StoreError> sendAgain(const std::vector<ExportMark>& rows);
    std::optional<StoreError> clearTombstone(const Tombstone& tombstone);
    // Changes that arrived from the cloud: they are not exported back.
    std::optional<StoreError> applyImport(std::vector<RowChange>& changes);
    // What the mirror keeps beside the rows (where the cloud's history was read up to), by key.
    std::optional<std::string> cloudValue(const std::string& key);
    std::optional<StoreError> setCloudValue(const std::string& key, const std::optional<std::string>& value);

    // A quota on the file's size in pages (SQLite's max_page_count); writes beyond it fail as "full".
    void setMaximumPageCount(std::int64_t pages);

private:
    // Rows of one entity that meet an SQL condition, in insertion order.
    std::vector<StoreRow> rowsWhere(const EntityDescription& entity, const std::string& condition);
    ObjectStore(std::string path, ObjectModel model, std::unique_ptr<sqlite::Database> db);
    std::optional<StoreError> createSchema(Options options);
    bool hasColumn(const std::string& table, const std::string& column);
    // Sets `assignments` (?1 name, ?3 changedAt when `bindsChange`) on each marked row, in one transaction.
    std::optional<StoreError> updateMarked(const std::vector<ExportMark>& marks, const std::string& assignments,
                                           bool bindsChange, const std::string& what);
    std::optional<StoreError> apply(std::vector<RowChange>& changes, bool fromCloud);
    StoreError error(const std::string& what) const;

    std::string path_;
    ObjectModel model_;
    std::unique_ptr<sqlite::Database> db_;
    bool readOnlyForAFullDisk_ = false;
    std::string lastChange_;  // the column, or "0" in a file only read that is older than it
};

// Whether the store's error is the disk (or the store's quota) being full.
bool isDiskFull(const StoreError& error);

// Arrays of texts are kept as a length-prefixed byte string: any bytes round-trip, an empty array included.
std::string encodeStrings(const std::vector<std::string>& strings);
std::optional<std::vector<std::string>> decodeStrings(const std::string& bytes);

} // namespace kit
