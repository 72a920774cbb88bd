#include "kit/store/LocalCloudDatabase.h"

#include "kit/store/SqliteDatabase.h"

#include <nlohmann/json.hpp>

namespace kit {

using nlohmann::json;

namespace {
// "<0aff>" back to its bytes.
std::string fromHex(const std::string& text) {
    auto digit = [](char c) { return c <= '9' ? c - '0' : c - 'a' + 10; };
    std::string out;
    for (std::size_t i = 1; i + 2 < text.size(); i += 2) out += static_cast<char>(digit(text[i]) * 16 + digit(text[i + 1]));
    return out;
}
} // namespace

std::string encodeFields(const std::map<std::string, RecordValue>& fields) {
    json out = json::object();
    for (const auto& [key, value] : fields) {
        json v;
        std::visit(
            [&](const auto& x) {
                using V = std::decay_t<decltype(x)>;
                if constexpr (std::is_same_v<V, std::string>) v = {{"string", x}};
                else if constexpr (std::is_same_v<V, std::int64_t>) v = {{"int", x}};
                else if constexpr (std::is_same_v<V, double>) v = {{"double", x}};
                else if constexpr (std::is_same_v<V, CloudDate>) v = {{"date", x.secondsSince1970}};
                else if constexpr (std::is_same_v<V, CloudData>) v = {{"data", description(x)}};
                else v = {{"list", x}};
            },
            value);
        out[key] = v;
    }
    return out.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::map<std::string, RecordValue> decodeFields(const std::string& text) {
    std::map<std::string, RecordValue> out;
    auto j = json::parse(text, nullptr, false);
    if (!j.is_object()) return out;
    for (auto& [key, v] : j.items()) {
        if (!v.is_object() || v.empty()) continue;
        const std::string kind = v.begin().key();
        const auto& x = v.begin().value();
        if (kind == "string" && x.is_string()) out[key] = x.get<std::string>();
        else if (kind == "int" && x.is_number_integer()) out[key] = x.get<std::int64_t>();
        else if (kind == "double" && x.is_number()) out[key] = x.get<double>();
        else if (kind == "date" && x.is_number()) out[key] = CloudDate{x.get<double>()};
        else if (kind == "data" && x.is_string()) out[key] = CloudData{fromHex(x.get<std::string>())};
        else if (kind == "list" && x.is_array()) out[key] = x.get<std::vector<std::string>>();
    }
    return out;
}

std::shared_ptr<LocalCloudDatabase> LocalCloudDatabase::open(const std::string& path,
                                                             const std::string& containerIdentifier,
                                                             std::optional<StoreError>& error) {
    std::optional<sqlite::Error> e;
    auto db = sqlite::Database::open(path, e);
    if (!db) {
        error = cloudError(CloudErrorCode::internalError, "The cloud database could not be opened: " + e->message,
                           "file " + path);
        return nullptr;
    }
    // A file whose later pages are damaged opens without complaint: look before trusting it.
    {
        std::optional<sqlite::Error> checkError;
        auto check = db->prepare("PRAGMA quick_check", checkError);
        std::string verdict = checkError ? checkError->message : check.step() ? check.text(0) : "";
        if (!checkError && check.error()) verdict = check.error()->message;
        if (verdict != "ok") {
            error = cloudError(CloudErrorCode::internalError, "The cloud database is damaged: " + verdict, "file " + path);
            return nullptr;
        }
    }
    db->exec("PRAGMA journal_mode=WAL");
    db->exec("PRAGMA synchronous=NORMAL");
    if (auto ce = db->exec("CREATE TABLE IF NOT EXISTS zones (seq INTEGER PRIMARY KEY AUTOINCREMENT, container TEXT "
                           "NOT NULL, owner TEXT NOT NULL, zone TEXT NOT NULL, UNIQUE (container, owner, zone));"
                           "CREATE TABLE IF NOT EXISTS records (seq INTEGER PRIMARY KEY AUTOINCREMENT, container TEXT "
                           "NOT NULL, owner TEXT NOT NULL, zone TEXT NOT NULL, name TEXT NOT NULL, type TEXT NOT NULL, "
                           "fields TEXT NOT NULL, UNIQUE (container, owner, zone, name));"
                           "CREATE INDEX IF NOT EXISTS records_by_type ON records (container, owner, zone, type)")) {
        error = cloudError(CloudErrorCode::internalError, "The cloud database could not be prepared: " + ce->message,
                           "file " + path);
        return nullptr;
    }
    return std::make_shared<LocalCloudDatabase>(std::move(db), containerIdentifier);
}

LocalCloudDatabase::LocalCloudDatabase(std::unique_ptr<sqlite::Database> db, std::string container)
    : db_(std::move(db)), container_(std::move(container)) {}

LocalCloudDatabase::~LocalCloudDatabase() = default;

std::optional<StoreError> LocalCloudDatabase::failure(const std::string& what) {
    auto e = db_->lastError();
    return cloudError(CloudErrorCode::internalError, what + ": " + e.message);
}

std::optional<std::vector<RecordZone>> LocalCloudDatabase::storedZones() {
    std::optional<sqlite::Error> e;
    auto* stmt = db_->cached("SELECT owner, zone FROM zones WHERE container = ?1 ORDER BY seq", e);
    std::vector<RecordZone> out;
    if (!stmt) return out;
    stmt->bind(1, std::string_view(container_));
    while (stmt->step()) out.push_back({RecordZoneID{stmt->text(1), stmt->text(0)}});
    stmt->reset();
    return out;
}

bool LocalCloudDatabase::hasZone(const RecordZoneID& zone) {
    std::optional<sqlite::Error> e;
    auto* stmt = db_->cached("SELECT 1 FROM zones WHERE container = ?1 AND owner = ?2 AND zone = ?3", e);
    if (!stmt) return false;
    stmt->bind(1, std::string_view(container_));
    stmt->bind(2, std::string_view(zone.ownerName));
    stmt->bind(3, std::string_view(zone.zoneName));
    bool found = stmt->step();
    stmt->reset();
    return found;
}

std::vector<Record> LocalCloudDatabase::storedRecords(const RecordZoneID& zone, const std::string& recordType) {
    std::optional<sqlite::Error> e;
    auto* stmt = db_->cached("SELECT name, fields FROM records WHERE container = ?1 AND owner = ?2 AND zone = ?3 AND "
                             "type = ?4 ORDER BY seq",
                             e);
    std::vector<Record> out;
    if (!stmt) return out;
    stmt->bind(1, std::string_view(container_));
    stmt->bind(2, std::string_view(zone.ownerName));
    stmt->bind(3, std::string_view(zone.zoneName));
    stmt->bind(4, std::string_view(recordType));
    while (stmt->step()) {
        Record r(recordType, RecordID{stmt->text(0), zone});
        for (auto& [k, v] : decodeFields(stmt->text(1))) r.set(k, std::move(v));
        out.push_back(std::move(r));
    }
    stmt->reset();
    return out;
}

std::optional<StoreError> LocalCloudDatabase::storeZone(const RecordZone& zone) {
    std::optional<sqlite::Error> e;
    auto* stmt = db_->cached("INSERT OR IGNORE INTO zones (container, owner, zone) VALUES (?1, ?2, ?3)", e);
    if (!stmt) return failure("The zone could not be saved");
    stmt->bind(1, std::string_view(container_));
    stmt->bind(2, std::string_view(zone.zoneID.ownerName));
    stmt->bind(3, std::string_view(zone.zoneID.zoneName));
    stmt->step();
    bool failed = stmt->error().has_value();
    stmt->reset();
    if (failed) return failure("The zone could not be saved");
    return std::nullopt;
}

std::optional<StoreError> LocalCloudDatabase::removeZone(const RecordZoneID& zone) {
    if (db_->exec("BEGIN IMMEDIATE")) return failure("The zone could not be deleted");
    for (const char* sql : {"DELETE FROM records WHERE container = ?1 AND owner = ?2 AND zone = ?3",
                            "DELETE FROM zones WHERE container = ?1 AND owner = ?2 AND zone = ?3"}) {
        std::optional<sqlite::Error> e;
        auto* stmt = db_->cached(sql, e);
        bool failed = !stmt;
        if (stmt) {
            stmt->bind(1, std::string_view(container_));
            stmt->bind(2, std::string_view(zone.ownerName));
            stmt->bind(3, std::string_view(zone.zoneName));
            stmt->step();
            failed = stmt->error().has_value();
            stmt->reset();
        }
        if (failed) {
            auto err = failure("The zone could not be deleted");
            db_->exec("ROLLBACK");
            return err;
        }
    }
    if (db_->exec("COMMIT")) {
        auto err = failure("The zone could not be deleted");
        db_->exec("ROLLBACK");
        return err;
    }
    return std::nullopt;
}

std::optional<StoreError> LocalCloudDatabase::storeRecord(const Record& record) {
    std::optional<sqlite::Error> e;
    auto* stmt = db_->cached("INSERT INTO records (container, owner, zone, name, type, fields) VALUES (?1, ?2, ?3, ?4, "
                             "?5, ?6) ON CONFLICT (container, owner, zone, name) DO UPDATE SET type = excluded.type, "
                             "fields = excluded.fields",
                             e);
    if (!stmt) return failure("The record could not be saved");
    const auto& id = record.recordID();
    stmt->bind(1, std::string_view(container_));
    stmt->bind(2, std::string_view(id.zoneID.ownerName));
    stmt->bind(3, std::string_view(id.zoneID.zoneName));
    stmt->bind(4, std::string_view(id.recordName));
    stmt->bind(5, std::string_view(record.recordType()));
    stmt->bind(6, encodeFields(record.fields()));
    stmt->step();
    bool failed = stmt->error().has_value();
    stmt->reset();
    if (failed) return failure("The record could not be saved");
    return std::nullopt;
}

std::optional<StoreError> LocalCloudDatabase::removeRecord(const RecordID& record) {
    std::optional<sqlite::Error> e;
    auto* stmt = db_->cached("DELETE FROM records WHERE container = ?1 AND owner = ?2 AND zone = ?3 AND name = ?4", e);
    if (!stmt) return failure("The record could not be deleted");
    stmt->bind(1, std::string_view(container_));
    stmt->bind(2, std::string_view(record.zoneID.ownerName));
    stmt->bind(3, std::string_view(record.zoneID.zoneName));
    stmt->bind(4, std::string_view(record.recordName));
    stmt->step();
    bool failed = stmt->error().has_value();
    stmt->reset();
    if (failed) return failure("The record could not be deleted");
    return std::nullopt;
}

} // namespace kit
