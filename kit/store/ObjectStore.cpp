#include "kit/store/ObjectStore.h"

#include "kit/store/SqliteDatabase.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

namespace kit {
namespace fs = std::filesystem;
namespace {

// Failures of opening for writing that leave the file itself readable.
bool cannotWrite(int code) {
    return code == SQLITE_CANTOPEN || code == SQLITE_READONLY || code == SQLITE_PERM || code == SQLITE_IOERR ||
           code == SQLITE_FULL;
}

constexpr const char* cloudNameColumn = "_cloud_name";
constexpr const char* cloudDirtyColumn = "_cloud_dirty";
constexpr const char* lastChangeColumn = "_last_change";

const char* columnType(AttributeType type) {
    switch (type) {
    case AttributeType::String: return "TEXT";
    case AttributeType::Int32:
    case AttributeType::Int64:
    case AttributeType::Bool: return "INTEGER NOT NULL DEFAULT 0";
    case AttributeType::Double: return "REAL NOT NULL DEFAULT 0";
    case AttributeType::StringArray: return "BLOB NOT NULL DEFAULT x''";
    }
    return "TEXT";
}

// `lastChange` is the column, or "0" for a file only read that is older than it.
std::string columnList(const EntityDescription& entity, const std::string& lastChange) {
    std::string out = "pk";
    for (const auto& a : entity.attributes) out += ", " + sqlite::quoted(a.name);
    return out + ", " + cloudNameColumn + ", " + cloudDirtyColumn + ", " + lastChange;
}

std::int64_t nowMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void bindValue(sqlite::Statement& stmt, int index, const AttributeDescription& attribute, const AttributeValue& value) {
    std::visit(
        [&](const auto& v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::monostate>) {
                if (attribute.type == AttributeType::StringArray) stmt.bindBlob(index, std::string());
                else if (attribute.type == AttributeType::String) stmt.bindNull(index);
                else stmt.bind(index, std::int64_t{0});
            } else if constexpr (std::is_same_v<V, std::string>) {
                stmt.bind(index, std::string_view(v));
            } else if constexpr (std::is_same_v<V, std::int64_t>) {
                stmt.bind(index, v);
            } else if constexpr (std::is_same_v<V, bool>) {
                stmt.bind(index, std::int64_t{v ? 1 : 0});
            } else if constexpr (std::is_same_v<V, double>) {
                stmt.bind(index, v);
            } else {
                stmt.bindBlob(index, encodeStrings(v));
            }
        },
        value);
}

AttributeValue readValue(const sqlite::Statement& stmt, int column, AttributeType type) {
    switch (type) {
    case AttributeType::String:
        if (stmt.isNull(column)) return std::monostate{};
        return stmt.text(column);
    case AttributeType::Int32:
    case AttributeType::Int64: return stmt.integer(column);
    case AttributeType::Bool: return stmt.integer(column) != 0;
    case AttributeType::Double: return stmt.real(column);
    case AttributeType::StringArray: return decodeStrings(stmt.blob(column)).value_or(std::vector<std::string>{});
    }
    return std::monostate{};
}

StoreRow readRow(const sqlite::Statement& stmt, const EntityDescription& entity) {
    StoreRow row;
    row.pk = stmt.integer(0);
    int column = 1;
    for (const auto& a : entity.attributes) row.values.push_back(readValue(stmt, column++, a.type));
    if (!stmt.isNull(column)) row.cloudName = stmt.text(column);
    row.changedAt = stmt.integer(column + 1);
    row.lastChange = stmt.integer(column + 2);
    return row;
}

} // namespace

std::string encodeStrings(const std::vector<std::string>& strings) {
    std::string out;
    for (const auto& s : strings) {
        std::uint64_t n = s.size();
        for (int i = 0; i < 8; ++i) out += static_cast<char>((n >> (8 * i)) & 0xff);
        out += s;
    }
    return out;
}

std::optional<std::vector<std::string>> decodeStrings(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (bytes.size() - at < 8) return std::nullopt;
        std::uint64_t n = 0;
        for (int i = 0; i < 8; ++i) n |= std::uint64_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
        at += 8;
        if (n > bytes.size() - at) return std::nullopt;
        out.emplace_back(bytes, at, n);
        at += n;
    }
    return out;
}

ObjectStore::ObjectStore(std::string path, ObjectModel model, std::unique_ptr<sqlite::Database> db)
    : path_(std::move(path)), model_(std::move(model)), db_(std::move(db)), lastChange_(lastChangeColumn) {}

ObjectStore::~ObjectStore() = default;

bool ObjectStore::isReadOnly() const { return db_->isReadOnly(); }

bool isDiskFull(const StoreError& error) { return error.domain == "ObjectStore" && error.code == SQLITE_FULL; }

StoreError ObjectStore::error(const std::string& what) const {
    auto e = db_->lastError();
    return StoreError{"ObjectStore", e.code, what + ": " + e.message, "file " + path_};
}

std::unique_ptr<ObjectStore> ObjectStore::open(const std::string& path, const ObjectModel& model, Options options,
                                               std::optional<StoreError>& error) {
    auto opened = [&](std::unique_ptr<sqlite::Database> db,
                      std::optional<sqlite::Error>& dbError) -> std::unique_ptr<ObjectStore> {
        if (db) dbError = db->checkIntegrity();
        if (!db || dbError) {
            error = StoreError{"ObjectStore", dbError->code, "The store could not be opened: " + dbError->message,
                               "file " + path};
            return nullptr;
        }
        std::unique_ptr<ObjectStore> store(new ObjectStore(path, model, std::move(db)));
        if (auto e = store->createSchema(options)) {
            error = e;
            return nullptr;
        }
        error.reset();
        return store;
    };
    std::optional<sqlite::Error> dbError;
    auto store = opened(sqlite::Database::open(path, dbError), dbError);
    // What was saved can still be shown when nothing can be written beside it (a read-only or full
    // folder): open it for reading, and saves report that they cannot be made.
    if (!store && error && cannotWrite(error->code) && fs::exists(path)) {
        std::optional<sqlite::Error> readOnlyError;
        std::optional<StoreError> writableError = error;
        store = opened(sqlite::Database::openReadOnly(path, readOnlyError), readOnlyError);
        if (!store) error = writableError;
        else store->readOnlyForAFullDisk_ = isDiskFull(*writableError);
    }
    return store;
}

std::optional<StoreError> ObjectStore::createSchema(Options options) {
    // WAL keeps readers off the writer's way; NORMAL syncs at checkpoints, still safe against crashes.
    if (db_->isReadOnly()) {  // readable but not writable: fetches work, saves report
        for (const auto& entity : model_.entities)
            if (!hasColumn(entity.name, lastChangeColumn)) lastChange_ = "0";
        return std::nullopt;
    }
    db_->exec("PRAGMA journal_mode=WAL");
    db_->exec("PRAGMA synchronous=NORMAL");
    if (db_->exec("BEGIN IMMEDIATE")) return error("The store could not be prepared");
    auto fail = [&](const std::string& what) {
        auto e = error(what);
        db_->exec("ROLLBACK");
        return e;
    };
    if (db_->exec("CREATE TABLE IF NOT EXISTS _cloud_tombstones (entity TEXT NOT NULL, name TEXT NOT NULL)"))
        return fail("The store could not be prepared");
    if (db_->exec("CREATE TABLE IF NOT EXISTS _cloud_values (key TEXT PRIMARY KEY, value TEXT NOT NULL)"))
        return fail("The store could not be prepared");
    for (const auto& entity : model_.entities) {
        const auto table = sqlite::quoted(entity.name);
        std::string sql = "CREATE TABLE IF NOT EXISTS " + table + " (pk INTEGER PRIMARY KEY";
        for (const auto& a : entity.attributes) sql += ", " + sqlite::quoted(a.name) + " " + columnType(a.type);
        sql += std::string(", ") + cloudNameColumn + " TEXT, " + cloudDirtyColumn + " INTEGER NOT NULL DEFAULT 1, " +
               lastChangeColumn + " INTEGER NOT NULL DEFAULT 0)";
        if (db_->exec(sql)) return fail("The table " + entity.name + " could not be created");

        // Files of earlier versions kept no change time once a row was sent; an unsent row's is its mark.
        if (!hasColumn(entity.name, lastChangeColumn) &&
            (db_->exec("ALTER TABLE " + table + " ADD COLUMN " + lastChangeColumn + " INTEGER NOT NULL DEFAULT 0") ||
             db_->exec("UPDATE " + table + " SET " + lastChangeColumn + " = " + cloudDirtyColumn)))
            return fail("The store could not be migrated");
        for (const auto& a : entity.attributes) {
            if (hasColumn(entity.name, a.name)) continue;
            if (!options.migrateAutomatically)
                return fail("The store does not match the model (" + entity.name + "." + a.name + ")");
            if (db_->exec("ALTER TABLE " + table + " ADD COLUMN " + sqlite::quoted(a.name) + " " + columnType(a.type)))
                return fail("The store could not be migrated");
        }
        for (const auto& a : entity.attributes)
            if (a.indexed &&
                db_->exec("CREATE INDEX IF NOT EXISTS " + sqlite::quoted(entity.name + "_" + a.name) + " ON " + table +
                          " (" + sqlite::quoted(a.name) + ")"))
                return fail("The index " + a.name + " could not be created");
    }
    if (db_->exec("COMMIT")) return fail("The store could not be prepared");
    return std::nullopt;
}

bool ObjectStore::hasColumn(const std::string& table, const std::string& column) {
    std::optional<sqlite::Error> e;
    auto info = db_->prepare("PRAGMA table_info(" + sqlite::quoted(table) + ")", e);
    while (info.step())
        if (info.text(1) == column) return true;
    return false;
}

std::vector<StoreRow> ObjectStore::fetch(const EntityDescription& entity, const std::optional<Predicate>& predicate,
                                         std::optional<StoreError>& err) {
    std::string sql = "SELECT " + columnList(entity, lastChange_) + " FROM " + sqlite::quoted(entity.name);
    int predicateIndex = -1;
    if (predicate) {
        predicateIndex = entity.attributeIndex(predicate->attribute);
        if (predicateIndex < 0) {
            err = StoreError{"ObjectStore", SQLITE_ERROR,
                             "No attribute " + predicate->attribute + " in " + entity.name, "file " + path_};
            return {};
        }
        sql += " WHERE " + sqlite::quoted(predicate->attribute) + " = ?1";
    }
    sql += " ORDER BY pk";
    std::optional<sqlite::Error> e;
    auto* stmt = db_->cached(sql, e);
    if (!stmt) {
        err = error("Fetch failed");
        return {};
    }
    if (predicate) bindValue(*stmt, 1, entity.attributes[predicateIndex], predicate->value);
    std::vector<StoreRow> rows;
    while (stmt->step()) rows.push_back(readRow(*stmt, entity));
    if (stmt->error()) err = error("Fetch failed");
    stmt->reset();
    return rows;
}

std::optional<StoreRow> ObjectStore::row(const EntityDescription& entity, std::int64_t pk) {
    std::optional<sqlite::Error> e;
    auto* stmt = db_->cached("SELECT " + columnList(entity, lastChange_) + " FROM " + sqlite::quoted(entity.name) + " WHERE pk = ?1",
                             e);
    if (!stmt) return std::nullopt;
    stmt->bind(1, pk);
    std::optional<StoreRow> out;
    if (stmt->step()) out = readRow(*stmt, entity);
    stmt->reset();
    return out;
}

std::optional<StoreError> ObjectStore::commit(std::vector<RowChange>& changes) { return apply(changes, false); }

std::optional<StoreError> ObjectStore::applyImport(std::vector<RowChange>& changes) { return apply(changes, true); }

std::optional<StoreError> ObjectStore::apply(std::vector<RowChange>& changes, bool fromCloud) {
    if (db_->exec("BEGIN IMMEDIATE")) return error("The changes could not be saved");
    auto fail = [&](const std::string& what) {
        auto e = error(what);
        db_->exec("ROLLBACK");
        for (auto& c : changes)
            if (c.kind == RowChange::Kind::Insert) c.pk = 0;
        return e;
    };
    const std::int64_t now = nowMilliseconds();
    for (auto& c : changes) {
        const auto& entity = *c.entity;
        const auto table = sqlite::quoted(entity.name);
        std::optional<sqlite::Error> e;
        const int n = static_cast<int>(entity.attributes.size());
        if (c.kind == RowChange::Kind::Insert) {
            std::string sql = "INSERT INTO " + table + " (";
            std::string params;
            for (int i = 0; i < n; ++i) {
                sql += sqlite::quoted(entity.attributes[i].name) + ", ";
                params.append("?").append(std::to_string(i + 1)).append(", ");
            }
            sql += std::string(cloudNameColumn) + ", " + cloudDirtyColumn + ", " + lastChangeColumn + ") VALUES (" +
                   params + "?" + std::to_string(n + 1) + ", ?" + std::to_string(n + 2) + ", ?" +
                   std::to_string(n + 3) + ")";
            auto* stmt = db_->cached(sql, e);
            if (!stmt) return fail("The changes could not be saved");
            for (int i = 0; i < n; ++i) bindValue(*stmt, i + 1, entity.attributes[i], c.values[i]);
            if (c.cloudName) stmt->bind(n + 1, std::string_view(*c.cloudName));
            else stmt->bindNull(n + 1);
            stmt->bind(n + 2, fromCloud ? std::int64_t{0} : now);
            stmt->bind(n + 3, fromCloud ? c.lastChange : now);
            stmt->step();
            bool failed = stmt->error().has_value();
            stmt->reset();
            if (failed) return fail("The changes could not be saved");
            c.pk = db_->lastInsertRowId();
        } else if (c.kind == RowChange::Kind::Update) {
            std::string sql = "UPDATE " + table + " SET ";
            for (int i = 0; i < n; ++i) sql += sqlite::quoted(entity.attributes[i].name) + " = ?" + std::to_string(i + 1) + ", ";
            const std::string dirtyColumn = cloudDirtyColumn, stamp = "?" + std::to_string(n + 1);
            const std::string changed = std::string(lastChangeColumn) + " = ";
            // A local change's time is its mark (the right side reads the row as it was).
            sql += fromCloud ? changed + "?" + std::to_string(n + 3) + ", " + dirtyColumn + " = 0 WHERE " +
                                   dirtyColumn + " = " + stamp + " AND"
                             : changed + "max(" + stamp + ", " + dirtyColumn + " + 1), " + dirtyColumn + " = max(" +
                                   stamp + ", " + dirtyColumn + " + 1) WHERE";
            sql += " pk = ?" + std::to_string(n + 2);
            auto* stmt = db_->cached(sql, e);
            if (!stmt) return fail("The changes could not be saved");
            for (int i = 0; i < n; ++i) bindValue(*stmt, i + 1, entity.attributes[i], c.values[i]);
            stmt->bind(n + 1, fromCloud ? c.changedAt : now);
            stmt->bind(n + 2, c.pk);
            if (fromCloud) stmt->bind(n + 3, c.lastChange);
            stmt->step();
            bool failed = stmt->error().has_value();
            stmt->reset();
            if (failed) return fail("The changes could not be saved");
        } else {
            if (!fromCloud) {
                auto* tomb = db_->cached("INSERT INTO _cloud_tombstones (entity, name) SELECT ?1, " +
                                             std::string(cloudNameColumn) + " FROM " + table + " WHERE pk = ?2 AND " +
                                             cloudNameColumn + " IS NOT NULL",
                                         e);
                if (!tomb) return fail("The changes could not be saved");
                tomb->bind(1, std::string_view(entity.name));
                tomb->bind(2, c.pk);
                tomb->step();
                bool failed = tomb->error().has_value();
                tomb->reset();
                if (failed) return fail("The changes could not be saved");
            }
            auto* stmt = db_->cached("DELETE FROM " + table + " WHERE pk = ?1" +
                                         (fromCloud ? " AND " + std::string(cloudDirtyColumn) + " = ?2" : ""),
                                     e);
            if (!stmt) return fail("The changes could not be saved");
            stmt->bind(1, c.pk);
            if (fromCloud) stmt->bind(2, c.changedAt);
            stmt->step();
            bool failed = stmt->error().has_value();
            stmt->reset();
            if (failed) return fail("The changes could not be saved");
        }
    }
    if (db_->exec("COMMIT")) return fail("The changes could not be saved");
    return std::nullopt;
}

std::optional<StoreError> ObjectStore::batchDelete(const EntityDescription& entity,
                                                   const std::optional<Predicate>& predicate, std::size_t& count) {
    count = 0;
    const auto table = sqlite::quoted(entity.name);
    std::string where = " WHERE 1";
    int index = -1;
    if (predicate) {
        index = entity.attributeIndex(predicate->attribute);
        if (index < 0)
            return StoreError{"ObjectStore", SQLITE_ERROR, "No attribute " + predicate->attribute + " in " + entity.name,
                              "file " + path_};
        where = " WHERE " + sqlite::quoted(predicate->attribute) + " = ?2";
    }
    if (db_->exec("BEGIN IMMEDIATE")) return error("The records could not be deleted");
    auto fail = [&] {
        auto e = error("The records could not be deleted");
        db_->exec("ROLLBACK");
        return e;
    };
    std::optional<sqlite::Error> e;
    auto tomb = db_->prepare("INSERT INTO _cloud_tombstones (entity, name) SELECT ?1, " + std::string(cloudNameColumn) +
                                 " FROM " + table + where + " AND " + cloudNameColumn + " IS NOT NULL",
                             e);
    if (e) return fail();
    tomb.bind(1, std::string_view(entity.name));
    if (predicate) bindValue(tomb, 2, entity.attributes[index], predicate->value);
    tomb.step();
    if (tomb.error()) return fail();
    auto del = db_->prepare("DELETE FROM " + table + (predicate ? " WHERE " + sqlite::quoted(predicate->attribute) + " = ?1" : ""), e);
    if (e) return fail();
    if (predicate) bindValue(del, 1, entity.attributes[index], predicate->value);
    del.step();
    if (del.error()) return fail();
    auto changed = db_->prepare("SELECT changes()", e);
    if (changed.step()) count = static_cast<std::size_t>(changed.integer(0));
    if (db_->exec("COMMIT")) return fail();
    return std::nullopt;
}

std::vector<StoreRow> ObjectStore::rowsWhere(const EntityDescription& entity, const std::string& condition) {
    std::optional<sqlite::Error> e;
    auto stmt = db_->prepare("SELECT " + columnList(entity, lastChange_) + " FROM " + sqlite::quoted(entity.name) + " WHERE " +
                                 condition + " ORDER BY pk",
                             e);
    std::vector<StoreRow> rows;
    if (e) return rows;
    while (stmt.step()) rows.push_back(readRow(stmt, entity));
    return rows;
}

std::vector<StoreRow> ObjectStore::rowsToExport(const EntityDescription& entity) {
    return rowsWhere(entity, std::string(cloudDirtyColumn) + " <> 0");
}

std::vector<StoreRow> ObjectStore::exportedRows(const EntityDescription& entity) {
    return rowsWhere(entity, std::string(cloudNameColumn) + " IS NOT NULL");
}

std::vector<Tombstone> ObjectStore::tombstones() {
    std::optional<sqlite::Error> e;
    auto stmt = db_->prepare("SELECT entity, name FROM _cloud_tombstones ORDER BY rowid", e);
    std::vector<Tombstone> out;
    if (e) return out;
    while (stmt.step()) out.push_back({stmt.text(0), stmt.text(1)});
    return out;
}

std::optional<StoreError> ObjectStore::markExported(const std::vector<ExportMark>& marks) {
    const std::string dirty = cloudDirtyColumn;
    return updateMarked(marks,
                        std::string(cloudNameColumn) + " = ?1, " + dirty + " = CASE WHEN " + dirty + " = ?3 THEN 0 ELSE " +
                            dirty + " END",
                        true, "The export could not be recorded");
}

std::optional<StoreError> ObjectStore::nameForCloud(const std::vector<ExportMark>& names) {
    return updateMarked(names, std::string(cloudNameColumn) + " = ?1", false, "The cloud names could not be kept");
}

std::optional<StoreError> ObjectStore::updateMarked(const std::vector<ExportMark>& marks, const std::string& assignments,
                                                    bool bindsChange, const std::string& what) {
    if (marks.empty()) return std::nullopt;
    if (db_->exec("BEGIN IMMEDIATE")) return error(what);
    for (const auto& m : marks) {
        std::optional<sqlite::Error> e;
        auto* stmt = db_->cached("UPDATE " + sqlite::quoted(m.entity->name) + " SET " + assignments + " WHERE pk = ?2", e);
        bool failed = !stmt;
        if (stmt) {
            stmt->bind(1, std::string_view(m.name));
            stmt->bind(2, m.pk);
            if (bindsChange) stmt->bind(3, m.changedAt);
            stmt->step();
            failed = stmt->error().has_value();
            stmt->reset();
        }
        if (failed) {
            auto err = error(what);
            db_->exec("ROLLBACK");
            return err;
        }
    }
    if (db_->exec("COMMIT")) {
        auto err = error(what);
        db_->exec("ROLLBACK");
        return err;
    }
    return std::nullopt;
}

std::optional<StoreError> ObjectStore::sendAgain(const std::vector<ExportMark>& rows) {
    const std::string dirty = cloudDirtyColumn;
    return updateMarked(rows,
                        std::string(cloudNameColumn) + " = ?1, " + dirty + " = CASE WHEN " + dirty + " = 0 THEN max(" +
                            lastChangeColumn + ", 1) ELSE " + dirty + " END",
                        false, "The records could not be marked to go out again");
}

std::optional<StoreError> ObjectStore::markAllForResend() {
    if (db_->exec("BEGIN IMMEDIATE")) return error("The records could not be marked to go out again");
    for (const auto& entity : model_.entities)
        // At the time of the row's last change, so that of two copies the later change stays on the server.
        // A row whose time was not kept (sent by an earlier version) goes as 1 ms after 1970: older than any
        // change a machine made, so the server keeps any copy it has.
        if (db_->exec("UPDATE " + sqlite::quoted(entity.name) + " SET " + cloudDirtyColumn + " = max(" +
                      lastChangeColumn + ", 1) WHERE " + cloudDirtyColumn + " = 0 AND " + cloudNameColumn +
                      " IS NOT NULL")) {
            auto err = error("The records could not be marked to go out again");
            db_->exec("ROLLBACK");
            return err;
        }
    if (db_->exec("COMMIT")) {
        auto err = error("The records could not be marked to go out again");
        db_->exec("ROLLBACK");
        return err;
    }
    return std::nullopt;
}

std::optional<StoreError> ObjectStore::clearTombstone(const Tombstone& tombstone) {
    std::optional<sqlite::Error> e;
    auto stmt = db_->prepare("DELETE FROM _cloud_tombstones WHERE entity = ?1 AND name = ?2", e);
    if (e) return error("The tombstone could not be cleared");
    stmt.bind(1, std::string_view(tombstone.entity));
    stmt.bind(2, std::string_view(tombstone.cloudName));
    stmt.step();
    if (stmt.error()) return error("The tombstone could not be cleared");
    return std::nullopt;
}

std::optional<std::string> ObjectStore::cloudValue(const std::string& key) {
    std::optional<sqlite::Error> e;
    auto stmt = db_->prepare("SELECT value FROM _cloud_values WHERE key = ?1", e);
    if (e) return std::nullopt;  // a store only read, from before the table
    stmt.bind(1, std::string_view(key));
    if (!stmt.step()) return std::nullopt;
    return stmt.text(0);
}

std::optional<StoreError> ObjectStore::setCloudValue(const std::string& key, const std::optional<std::string>& value) {
    std::optional<sqlite::Error> e;
    auto stmt = db_->prepare(value ? "INSERT OR REPLACE INTO _cloud_values (key, value) VALUES (?1, ?2)"
                                   : "DELETE FROM _cloud_values WHERE key = ?1",
                             e);
    if (e) return error("The cloud state could not be kept");
    stmt.bind(1, std::string_view(key));
    if (value) stmt.bind(2, std::string_view(*value));
    stmt.step();
    if (stmt.error()) return error("The cloud state could not be kept");
    return std::nullopt;
}

void ObjectStore::setMaximumPageCount(std::int64_t pages) {
    db_->exec("PRAGMA max_page_count = " + std::to_string(pages));
}

} // namespace kit
