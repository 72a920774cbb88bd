#include "kit/store/LocalCloudDatabase.h"

#include "kit/store/SqliteDatabase.h"
#include "kit/store/Uuid.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>

namespace kit {

using nlohmann::json;

namespace {
// "<0aff>" back to its bytes; nothing when the text is not of that form.
std::optional<std::string> fromHex(const std::string& text) {
    if (text.size() < 2 || text.front() != '<' || text.back() != '>' || text.size() % 2 != 0) return std::nullopt;
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string out;
    for (std::size_t i = 1; i + 1 < text.size(); i += 2) {
        const int high = digit(text[i]), low = digit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
    }
    return out;
}

// One field as encodeFields writes it: {"kind": value}; nothing when it is not of that form.
std::optional<RecordValue> decodeValue(const json& v) {
    if (!v.is_object() || v.size() != 1) return std::nullopt;
    const std::string kind = v.begin().key();
    const auto& x = v.begin().value();
    if (kind == "string" && x.is_string()) return x.get<std::string>();
    // An integer beyond 64 bits or a fraction is no integer of ours.
    if (kind == "int" && x.is_number_integer() &&
        !(x.is_number_unsigned() && x.get<std::uint64_t>() > std::uint64_t(INT64_MAX)))
        return x.get<std::int64_t>();
    if (kind == "double" && x.is_number() && std::isfinite(x.get<double>())) return x.get<double>();
    if (kind == "date" && x.is_number() && isValidCloudDate(x.get<double>())) return CloudDate{x.get<double>()};
    if (kind == "data" && x.is_string()) {
        if (auto bytes = fromHex(x.get<std::string>())) return CloudData{std::move(*bytes)};
        return std::nullopt;
    }
    if (kind == "list" && x.is_array()) {
        std::vector<std::string> items;
        for (const auto& item : x) {
            if (!item.is_string()) return std::nullopt;
            items.push_back(item.get<std::string>());
        }
        return items;
    }
    return std::nullopt;
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

std::optional<std::map<std::string, RecordValue>> decodeFields(const std::string& text) {
    auto j = json::parse(text, nullptr, false);
    if (!j.is_object()) return std::nullopt;
    std::map<std::string, RecordValue> out;
    for (auto& [key, v] : j.items()) {
        auto value = decodeValue(v);
        if (!value) return std::nullopt;
        out[key] = std::move(*value);
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
                           "CREATE INDEX IF NOT EXISTS records_by_type ON records (container, owner, zone, type);"
                           "CREATE TABLE IF NOT EXISTS identity (id TEXT NOT NULL)")) {
        error = cloudError(CloudErrorCode::internalError, "The cloud database could not be prepared: " + ce->message,
                           "file " + path);
        return nullptr;
    }
    // Made with the file (or on its first opening by this version), so that a file made anew is told apart.
    std::optional<sqlite::Error> idError;
    auto add = db->prepare("INSERT INTO identity (id) SELECT ?1 WHERE NOT EXISTS (SELECT 1 FROM identity)", idError);
    if (!idError) {
        add.bind(1, std::string_view(makeUuidString()));
        add.step();
    }
    auto read = db->prepare("SELECT id FROM identity", idError);
    if (idError || !read.step()) {
        error = cloudError(CloudErrorCode::internalError, "The cloud database could not be prepared", "file " + path);
        return nullptr;
    }
    return std::make_shared<LocalCloudDatabase>(std::move(db), containerIdentifier, read.text(0));
}

LocalCloudDatabase::LocalCloudDatabase(std::unique_ptr<sqlite::Database> db, std::string container,
                                       std::string identity)
    : db_(std::move(db)), container_(std::move(container)), identity_(std::move(identity)) {}

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
        // A record that cannot be read comes without fields (CloudDatabase.h).
        if (auto fields = decodeFields(stmt->text(1)))
            for (auto& [k, v] : *fields) r.set(k, std::move(v));
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
