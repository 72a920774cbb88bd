#include "kit/store/CloudMirror.h"

#include "kit/base/Console.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/store/CloudWorkers.h"
#include "kit/store/ObjectStore.h"
#include "kit/store/Uuid.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <future>
#include <map>
#include <set>

namespace kit {
namespace {

// Records per upload: bounds the size of one request to the database.
constexpr std::size_t uploadBatch = 2000;

// The mirror's thread waits for the database's answers, which arrive on the cloud workers.
std::optional<StoreError> ensureZone(CloudDatabase& db, const RecordZoneID& zone) {
    auto op = std::make_shared<ModifyRecordZonesOperation>(std::vector<RecordZone>{{zone}}, std::vector<RecordZoneID>{});
    std::promise<std::optional<StoreError>> done;
    op->modifyRecordZonesCompletionBlock = [&](auto, auto, std::optional<StoreError> e) { done.set_value(e); };
    db.addOperation(op);
    return done.get_future().get();
}

// What the cloud holds now: changed records, deleted ones, and whether `changed` is all there is.
struct CloudState {
    std::vector<Record> changed;
    std::set<std::string> deleted;
    bool complete = true;
    std::optional<StoreError> error;
};

CloudState fetchAll(const std::shared_ptr<CloudDatabase>& db, const RecordZoneID& zone, const std::string& type) {
    CloudState out;
    std::promise<void> done;
    std::function<void(std::shared_ptr<QueryOperation>)> start = [&](std::shared_ptr<QueryOperation> op) {
        op->zoneID = zone;
        op->recordFetchedBlock = [&](const Record& r) { out.changed.push_back(r); };
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

// Deletions come as marks here, so a record merely missing (a server that never had it) is not deleted.
CloudState fetchChanges(CloudDatabase& db, const RecordZoneID& zone, std::optional<ServerChangeToken>& token) {
    CloudState out;
    out.complete = false;
    auto op = std::make_shared<FetchRecordZoneChangesOperation>(zone, token);
    std::promise<void> done;
    op->recordChangedBlock = [&](const Record& r) { out.changed.push_back(r); };
    op->recordWithIDWasDeletedBlock = [&](const RecordID& id, const std::string&) { out.deleted.insert(id.recordName); };
    op->fetchRecordZoneChangesCompletionBlock = [&](std::optional<ServerChangeToken> next, std::optional<StoreError> e) {
        out.error = std::move(e);
        // A failed fetch keeps the token: the next one asks again from the same point, not from the start.
        if (!out.error) token = next;
        done.set_value();
    };
    db.addOperation(op);
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
    r.setModificationDate(CloudDate{static_cast<double>(row.changedAt) / 1000.0});
    return r;
}

// The attribute's value from a field of the cloud; nothing when the field is of another kind or out of range.
std::optional<AttributeValue> attributeValue(AttributeType type, const RecordValue& field) {
    const auto* text = std::get_if<std::string>(&field);
    const auto* number = std::get_if<std::int64_t>(&field);
    const auto* real = std::get_if<double>(&field);
    const auto* list = std::get_if<std::vector<std::string>>(&field);
    switch (type) {
    case AttributeType::String:
        if (text) return *text;
        break;
    case AttributeType::Bool:
        if (number) return *number != 0;
        break;
    case AttributeType::Int32:
        if (number && *number >= INT32_MIN && *number <= INT32_MAX) return *number;
        break;
    case AttributeType::Int64:
        if (number) return *number;
        break;
    case AttributeType::Double:
        if (real && std::isfinite(*real)) return *real;
        if (number) return static_cast<double>(*number);
        break;
    case AttributeType::StringArray:
        if (list) return *list;
        break;
    }
    return std::nullopt;
}

// The row's values from a cloud record; nothing when the record cannot be read as one of the entity: a field
// of the wrong kind, or none of the entity's fields at all (as a record the database could not read comes).
std::optional<std::vector<AttributeValue>> fromRecord(const EntityDescription& entity, const Record& r) {
    std::vector<AttributeValue> values;
    bool anyField = false;
    for (const auto& a : entity.attributes) {
        AttributeValue value = defaultValue(a.type);
        if (const auto* field = r.value("CD_" + a.name)) {
            auto read = attributeValue(a.type, *field);
            if (!read) return std::nullopt;
            value = std::move(*read);
            anyField = true;
        }
        values.push_back(std::move(value));
    }
    if (!anyField) return std::nullopt;
    return values;
}

// The change token as the store keeps it: the change number, a blank, the history it belongs to.
std::string tokenText(const ServerChangeToken& token) { return std::to_string(token.change) + " " + token.history; }

std::optional<ServerChangeToken> tokenFromText(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    const auto blank = text->find(' ');
    ServerChangeToken token;
    if (blank == std::string::npos ||
        std::from_chars(text->data(), text->data() + blank, token.change).ec != std::errc{})
        return std::nullopt;
    token.history = text->substr(blank + 1);
    return token;
}

// The names of records that are later copies of another in the cloud: of one type, with every field and
// the change time alike. A crash between the cloud's commit and the local mark left such copies (the same
// record sent again under a new name); the copy the cloud took first stays. A copy whose row here was
// changed since or deleted, or that cannot be read, is not alike and stays as it is.
std::set<std::string> laterCopies(const EntityDescription& entity, const std::vector<Record>& inCloudOrder,
                                  const std::map<std::string, StoreRow>& local, const std::set<std::string>& deletedHere) {
    std::set<std::pair<std::map<std::string, RecordValue>, std::optional<CloudDate>>> seen;
    std::set<std::string> later;
    for (const auto& record : inCloudOrder) {
        const auto& name = record.recordID().recordName;
        if (!isValidCloudName(name) || deletedHere.count(name) || !fromRecord(entity, record)) continue;
        if (const auto here = local.find(name); here != local.end() && here->second.changedAt != 0) continue;
        if (!seen.emplace(record.fields(), record.modificationDate()).second) later.insert(name);
    }
    return later;
}

// Deletes the records in the cloud, each only while it is still the change it was fetched at; the names of
// those deleted go to `deleted`. The mirror's thread waits for the answer.
std::optional<StoreError> deleteRecords(CloudDatabase& db, const std::vector<Record>& records, std::set<std::string>& deleted) {
    std::vector<RecordID> ids;
    std::map<RecordID, std::int64_t> atChange;
    for (const auto& r : records) {
        ids.push_back(r.recordID());
        if (r.changeTag()) atChange.emplace(r.recordID(), *r.changeTag());
    }
    auto op = std::make_shared<ModifyRecordsOperation>(std::vector<Record>{}, std::move(ids));
    op->deleteOnlyAtChange = std::move(atChange);
    std::promise<std::optional<StoreError>> done;
    op->modifyRecordsCompletionBlock = [&](auto, std::optional<std::vector<RecordID>> d, std::optional<StoreError> e) {
        if (d)
            for (const auto& id : *d) deleted.insert(id.recordName);
        done.set_value(e);
    };
    db.addOperation(op);
    return done.get_future().get();
}

// When the cloud copy's change was made, in ms since 1970 as the store keeps it; 0 when the copy has no time.
std::int64_t changeTime(const Record& record) {
    return std::llround(record.modificationDate().value_or(CloudDate{}).secondsSince1970 * 1000.0);
}

} // namespace

CloudMirror::CloudMirror(std::shared_ptr<ObjectStore> store, CloudContainer container, std::string zoneName)
    : path_(store->path()), model_(store->model()), container_(std::move(container)), zone_{std::move(zoneName)},
      queue_(CloudWorkers::serialQueue("cloud mirror")) {}

CloudMirror::~CloudMirror() { queue_.reset(); }

ObjectStore* CloudMirror::store(std::optional<StoreError>& error) {
    if (!store_) {
        store_ = ObjectStore::open(path_, model_, {}, error);
        // A start asks only for what changed since the last one took in the cloud's changes.
        if (store_) token_ = tokenFromText(store_->cloudValue(tokenKey()));
    }
    return store_.get();
}

std::string CloudMirror::tokenKey() const { return "changeToken " + zone_.zoneName; }

std::string CloudMirror::identityKey() const { return "database " + zone_.zoneName; }

std::optional<StoreError> CloudMirror::exportChanges() {
    std::optional<StoreError> error;
    queue_->sync([&] {
        if (auto* s = store(error)) error = exportWith(*s);
    });
    return error;
}

std::optional<StoreError> CloudMirror::importChanges() {
    std::optional<StoreError> error;
    queue_->sync([&] {
        CloudSyncResult result;
        if (auto* s = store(error)) error = importWith(*s, result);
    });
    return error;
}

void CloudMirror::syncInBackground(bool import, std::function<void(const CloudSyncResult&)> done) {
    {
        std::lock_guard lock(requestMutex_);
        importRequested_ = importRequested_ || import;
        if (done) waiting_.push_back(std::move(done));
        if (queued_) return;
        queued_ = true;
    }
    queue_->async([this] { runRequested(); });
}

void CloudMirror::waitUntilIdle() { queue_->waitUntilIdle(); }

void CloudMirror::runRequested() {
    bool import = false;
    std::vector<std::function<void(const CloudSyncResult&)>> waiting;
    {
        std::lock_guard lock(requestMutex_);
        import = importRequested_;
        importRequested_ = false;
        waiting.swap(waiting_);
        queued_ = false;
    }
    CloudSyncResult result;
    if (auto* s = store(result.error)) {
        result.error = exportWith(*s);
        // Without the server there is nothing to take in either; with it, an export's partial failure
        // does not keep the other machines' changes out.
        if (import && !isOutOfReach(result.error)) {
            auto imported = importWith(*s, result);
            if (imported) result.error = imported;
        }
    }
    if (waiting.empty()) return;
    DispatchQueue::main().async([waiting = std::move(waiting), result] {
        for (const auto& done : waiting) done(result);
    });
}

std::optional<StoreError> CloudMirror::exportWith(ObjectStore& store) {
    auto db = container_.privateCloudDatabase();
    // Each record's name is kept here before it first goes out, so that a crash after the server took it
    // but before it was marked sent here sends it again under the same name: an update, never a second copy.
    // A name no server would take (a damaged store) is replaced the same way.
    std::vector<ExportMark> names;
    for (const auto& entity : store.model().entities)
        for (const auto& row : store.rowsToExport(entity))
            if (!row.cloudName || !isValidCloudName(*row.cloudName))
                names.push_back({&entity, row.pk, makeUuidString(), 0});
    if (auto e = store.nameForCloud(names)) return e;
    std::vector<Record> toSave;
    std::vector<std::pair<const EntityDescription*, StoreRow>> saveRows;
    for (const auto& entity : store.model().entities)
        for (auto& row : store.rowsToExport(entity)) {
            if (!row.cloudName || !isValidCloudName(*row.cloudName)) continue;  // saved after the names were given
            toSave.push_back(toRecord(entity, row, *row.cloudName, zone_));
            saveRows.emplace_back(&entity, std::move(row));
        }
    auto tombstones = store.tombstones();
    if (toSave.empty() && tombstones.empty()) return std::nullopt;
    // Made once per run; a zone deleted meanwhile (privacy screen, another machine) is made again below.
    const bool zoneWasMade = zoneMade_;
    if (!zoneMade_) {
        if (auto e = ensureZone(*db, zone_)) return e;
        zoneMade_ = true;
    }

    std::vector<RecordID> toDelete;
    for (const auto& t : tombstones) toDelete.push_back(RecordID{t.cloudName, zone_});
    std::optional<StoreError> error;
    std::set<std::string> deleted;
    for (std::size_t from = 0; from < std::max<std::size_t>(toSave.size(), 1) && !error; from += uploadBatch) {
        const std::size_t to = std::min(toSave.size(), from + uploadBatch);
        std::vector<Record> batch(toSave.begin() + static_cast<std::ptrdiff_t>(from),
                                  toSave.begin() + static_cast<std::ptrdiff_t>(to));
        auto op = std::make_shared<ModifyRecordsOperation>(std::move(batch),
                                                           from == 0 ? toDelete : std::vector<RecordID>{});
        std::promise<void> done;
        op->modifyRecordsCompletionBlock = [&](auto s, auto d, std::optional<StoreError> e) {
            // Marked only now: a row changed again meanwhile stays marked for the next sync.
            std::set<std::string> saved;
            if (s)
                for (const auto& r : *s) saved.insert(r.recordID().recordName);
            std::vector<ExportMark> marks;
            for (std::size_t i = from; i < to; ++i)
                if (saved.count(toSave[i].recordID().recordName))
                    marks.push_back({saveRows[i].first, saveRows[i].second.pk, toSave[i].recordID().recordName,
                                     saveRows[i].second.changedAt});
            if (auto marked = store.markExported(marks); marked && !e) e = marked;
            if (d)
                for (const auto& id : *d) deleted.insert(id.recordName);
            error = std::move(e);
            done.set_value();
        };
        db->addOperation(op);
        done.get_future().get();
    }
    if (error && error->code == CloudErrorCode::partialFailure && error->userInfo.find("Zone not found") != std::string::npos) {
        zoneMade_ = false;
        if (zoneWasMade) return exportWith(store);
    }
    // A record already gone from the cloud needs no deletion either.
    for (const auto& t : tombstones)
        if (deleted.count(t.cloudName)) store.clearTombstone(t);
    return error;
}

std::optional<StoreError> CloudMirror::importWith(ObjectStore& store, CloudSyncResult& result) {
    auto db = container_.privateCloudDatabase();
    std::map<std::string, CloudState> byType;
    std::optional<ServerChangeToken> next = token_;
    // A token names the server database it came from; a database without tokens may have an id of its own.
    // Another database than the one the rows went to (dropped and made anew, another server, a replaced
    // file) gave everything it holds, its lack of a record says nothing, and what the old one had goes again.
    bool otherDatabase = false;
    const auto identity = db->identity();
    const auto knownIdentity = identity.empty() ? std::nullopt : store.cloudValue(identityKey());
    if (db->tracksChanges()) {
        auto state = fetchChanges(*db, zone_, next);
        if (state.error) return state.error;
        otherDatabase = token_ && next && next->history != token_->history;
        result.received = state.changed.size() + state.deleted.size();
        for (const auto& entity : store.model().entities) {
            auto& typed = byType[recordType(entity.name)];
            typed.complete = false;
            typed.deleted = state.deleted;
        }
        for (auto& r : state.changed)
            if (byType.count(r.recordType())) byType[r.recordType()].changed.push_back(std::move(r));
    } else {
        otherDatabase = knownIdentity && *knownIdentity != identity;
        for (const auto& entity : store.model().entities) {
            auto state = fetchAll(db, zone_, recordType(entity.name));
            // No zone: a new or replaced database file, whose emptiness says nothing about deletions.
            if (state.error && state.error->code == CloudErrorCode::zoneNotFound) state = CloudState{{}, {}, false, {}};
            if (state.error) return state.error;
            if (otherDatabase) state.complete = false;
            result.received += state.changed.size();
            byType[recordType(entity.name)] = std::move(state);
        }
    }

    // The app is closing: what came is asked for again at the next start, as nothing was taken in.
    const auto closing = [] {
        return CloudWorkers::isShutDown()
                   ? std::optional(cloudError(CloudErrorCode::networkUnavailable, "Cloud storage is not reachable",
                                              "the app is closing"))
                   : std::nullopt;
    };
    // Doubles are looked for where the cloud gave all it holds, in the order it took them.
    const bool everything = !db->tracksChanges() || !token_ || otherDatabase;
    std::set<std::string> deletedHere;
    for (const auto& t : store.tombstones()) deletedHere.insert(t.cloudName);
    std::vector<RowChange> changes;
    std::vector<ExportMark> later;  // sent rows whose copy here is later than the cloud's
    std::vector<Record> doubles;
    std::map<std::string, RowChange> doublesHere;  // deleted here once the cloud deleted them
    for (const auto& entity : store.model().entities) {
        const auto& cloud = byType[recordType(entity.name)];
        std::map<std::string, StoreRow> local;
        for (auto& row : store.exportedRows(entity)) local.emplace(*row.cloudName, std::move(row));
        const auto copies = everything ? laterCopies(entity, cloud.changed, local, deletedHere) : std::set<std::string>{};
        for (const auto& record : cloud.changed) {
            if (auto e = closing()) return e;
            const auto& name = record.recordID().recordName;
            // Deleted here (it goes with the next export), or a double (it goes below).
            if (copies.count(name)) doubles.push_back(record);
            if (deletedHere.count(name) || copies.count(name)) continue;
            auto read = fromRecord(entity, record);
            if (!read || !isValidCloudName(name)) {
                // Left out here and left alone there; a copy taken in before it broke stays as it was.
                if (unreadable_.insert(name).second) ++result.skipped;
                local.erase(name);
                continue;
            }
            unreadable_.erase(name);
            auto values = std::move(*read);
            const auto cloudTime = changeTime(record);
            auto it = local.find(name);
            if (it == local.end()) {
                changes.push_back({RowChange::Kind::Insert, &entity, 0, std::move(values), name, 0, cloudTime});
                continue;
            }
            const auto& row = it->second;
            // Of two copies that differ the later change wins: a local change not yet sent stands unless the
            // cloud's copy is later, and a sent one that is later than the cloud's (a database made anew got
            // an older copy first) goes out again. A cloud copy without a time is taken, as before times.
            if (row.changedAt != 0) {
                if (cloudTime > row.changedAt)
                    changes.push_back({RowChange::Kind::Update, &entity, row.pk, std::move(values), name, row.changedAt,
                                       cloudTime});
            } else if (row.values != values) {
                if (record.modificationDate() && row.lastChange > cloudTime)
                    later.push_back({&entity, row.pk, name, 0});
                else
                    changes.push_back({RowChange::Kind::Update, &entity, row.pk, std::move(values), name, 0, cloudTime});
            }
            local.erase(it);
        }
        for (auto& [name, row] : local) {
            if (row.changedAt != 0) continue;
            if (copies.count(name)) doublesHere.emplace(name, RowChange{RowChange::Kind::Delete, &entity, row.pk, {}, name});
            else if (cloud.complete || cloud.deleted.count(name))
                changes.push_back({RowChange::Kind::Delete, &entity, row.pk, {}, name});
        }
    }
    if (result.skipped) warn("Cloud records left out, as they cannot be read: " + std::to_string(result.skipped));
    if (auto e = closing()) return e;
    // Gone from the cloud first: the deletion marks take the doubles off the other machines too.
    // A double changed since it was fetched is no double any more: it stays, and comes again with the next sync.
    if (!doubles.empty()) {
        std::set<std::string> deleted;
        if (auto e = deleteRecords(*db, doubles, deleted)) return e;
        for (const auto& name : deleted)
            if (auto here = doublesHere.find(name); here != doublesHere.end()) changes.push_back(here->second);
        if (!deleted.empty()) warn("Doubled cloud records folded into one: " + std::to_string(deleted.size()));
    }
    if (!changes.empty()) {
        if (auto e = store.applyImport(changes)) return e;  // not taken in: the next import asks again
        result.imported = true;
    }
    if (auto e = store.sendAgain(later)) return e;
    // Marked before the token is kept: a crash between the two finds the other database again.
    if (otherDatabase)
        if (auto e = store.markAllForResend()) return e;
    // Kept only once what it covers is in the store: a crash before this asks again, and nothing is missed.
    if (next && (!token_ || tokenText(*next) != tokenText(*token_))) {
        if (auto e = store.setCloudValue(tokenKey(), tokenText(*next))) return e;
        token_ = next;
    }
    if (!identity.empty() && knownIdentity != identity)
        if (auto e = store.setCloudValue(identityKey(), identity)) return e;
    if (otherDatabase || !later.empty()) return exportWith(store);
    return std::nullopt;
}

} // namespace kit
