#include "kit/store/CloudMirror.h"

#include "kit/store/ObjectStore.h"
#include "kit/store/Uuid.h"

#include <future>
#include <map>

namespace kit {
namespace {

// The mirror works on the caller's thread: it waits for the database's answer on the worker.
std::optional<StoreError> ensureZone(CloudDatabase& db, const RecordZoneID& zone) {
    auto op = std::make_shared<ModifyRecordZonesOperation>(std::vector<RecordZone>{{zone}}, std::vector<RecordZoneID>{});
    std::promise<std::optional<StoreError>> done;
    op->modifyRecordZonesCompletionBlock = [&](auto, auto, std::optional<StoreError> e) { done.set_value(e); };
    db.addOperation(op);
    return done.get_future().get();
}

struct Fetched {
    std::vector<Record> records;
    std::optional<StoreError> error;
};

Fetched fetchAll(const std::shared_ptr<CloudDatabase>& db, const RecordZoneID& zone, const std::string& type) {
    Fetched out;
    std::promise<void> done;
    std::function<void(std::shared_ptr<QueryOperation>)> start = [&](std::shared_ptr<QueryOperation> op) {
        op->zoneID = zone;
        op->recordFetchedBlock = [&](const Record& r) { out.records.push_back(r); };
        op->queryCompletionBlock = [&](std::optional<QueryCursor> cursor, std::optional<StoreError> e) {
            if (e) {
                out.error = e;
                done.set_value();
            } else if (cursor) {
                start(std::make_shared<QueryOperation>(*cursor));
            } else {
                done.set_value();
            }
        };
        db->addOperation(op);
    };
    start(std::make_shared<QueryOperation>(Query{type}));
    done.get_future().get();
    return out;
}

Record toRecord(const EntityDescription& entity, const StoreRow& row, const std::string& name, const RecordZoneID& zone) {
    Record r(CloudMirror::recordType(entity.name), RecordID{name, zone});
    for (std::size_t i = 0; i < entity.attributes.size(); ++i) {
        const auto key = "CD_" + entity.attributes[i].name;
        std::visit(
            [&](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, bool>) r.set(key, std::int64_t{v ? 1 : 0});
                else if constexpr (!std::is_same_v<V, std::monostate>) r.set(key, v);
            },
            row.values[i]);
    }
    return r;
}

std::vector<AttributeValue> fromRecord(const EntityDescription& entity, const Record& r) {
    std::vector<AttributeValue> values;
    for (const auto& a : entity.attributes) {
        const auto* v = r.value("CD_" + a.name);
        AttributeValue value = defaultValue(a.type);
        if (v) {
            if (auto s = std::get_if<std::string>(v); s && a.type == AttributeType::String) value = *s;
            else if (auto n = std::get_if<std::int64_t>(v)) {
                if (a.type == AttributeType::Bool) value = *n != 0;
                else if (a.type == AttributeType::Int32 || a.type == AttributeType::Int64) value = *n;
                else if (a.type == AttributeType::Double) value = static_cast<double>(*n);
            } else if (auto d = std::get_if<double>(v); d && a.type == AttributeType::Double) value = *d;
            else if (auto l = std::get_if<std::vector<std::string>>(v); l && a.type == AttributeType::StringArray)
                value = *l;
        }
        values.push_back(std::move(value));
    }
    return values;
}

} // namespace

CloudMirror::CloudMirror(std::shared_ptr<ObjectStore> store, CloudContainer container, std::string zoneName)
    : store_(std::move(store)), container_(std::move(container)), zone_{std::move(zoneName)} {}

std::optional<StoreError> CloudMirror::exportChanges() {
    auto db = container_.privateCloudDatabase();
    std::vector<Record> toSave;
    std::vector<std::pair<const EntityDescription*, std::int64_t>> saveRows;
    for (const auto& entity : store_->model().entities)
        for (const auto& row : store_->rowsToExport(entity)) {
            toSave.push_back(toRecord(entity, row, row.cloudName.value_or(makeUuidString()), zone_));
            saveRows.emplace_back(&entity, row.pk);
        }
    auto tombstones = store_->tombstones();
    if (toSave.empty() && tombstones.empty()) return std::nullopt;
    if (auto e = ensureZone(*db, zone_)) return e;

    std::vector<RecordID> toDelete;
    for (const auto& t : tombstones) toDelete.push_back(RecordID{t.cloudName, zone_});
    auto op = std::make_shared<ModifyRecordsOperation>(toSave, toDelete);
    std::promise<void> done;
    std::vector<Record> saved;
    std::vector<RecordID> deleted;
    std::optional<StoreError> error;
    op->modifyRecordsCompletionBlock = [&](auto s, auto d, std::optional<StoreError> e) {
        if (s) saved = std::move(*s);
        if (d) deleted = std::move(*d);
        error = std::move(e);
        done.set_value();
    };
    db->addOperation(op);
    done.get_future().get();

    for (const auto& r : saved)
        for (std::size_t i = 0; i < toSave.size(); ++i)
            if (toSave[i].recordID() == r.recordID()) store_->markExported(*saveRows[i].first, saveRows[i].second, r.recordID().recordName);
    // A record already gone from the cloud needs no deletion either.
    for (const auto& t : tombstones) {
        bool gone = std::any_of(deleted.begin(), deleted.end(), [&](const RecordID& id) { return id.recordName == t.cloudName; });
        if (gone || !error) store_->clearTombstone(t);
    }
    return error;
}

std::optional<StoreError> CloudMirror::importChanges() {
    auto db = container_.privateCloudDatabase();
    std::vector<RowChange> changes;
    for (const auto& entity : store_->model().entities) {
        auto fetched = fetchAll(db, zone_, recordType(entity.name));
        if (fetched.error && fetched.error->code != CloudErrorCode::zoneNotFound) return fetched.error;
        std::map<std::string, StoreRow> local;
        for (auto& row : store_->exportedRows(entity)) local.emplace(*row.cloudName, std::move(row));
        std::map<std::string, bool> pending;
        for (const auto& row : store_->rowsToExport(entity))
            if (row.cloudName) pending[*row.cloudName] = true;
        for (const auto& record : fetched.records) {
            const auto& name = record.recordID().recordName;
            auto values = fromRecord(entity, record);
            auto it = local.find(name);
            if (it == local.end()) {
                changes.push_back({RowChange::Kind::Insert, &entity, 0, std::move(values), name});
                continue;
            }
            // A local change not yet sent wins over the cloud's copy.
            if (!pending.count(name) && it->second.values != values)
                changes.push_back({RowChange::Kind::Update, &entity, it->second.pk, std::move(values), name});
            local.erase(it);
        }
        for (auto& [name, row] : local)
            if (!pending.count(name)) changes.push_back({RowChange::Kind::Delete, &entity, row.pk, {}, name});
    }
    if (changes.empty()) return std::nullopt;
    return store_->applyImport(changes);
}

} // namespace kit
