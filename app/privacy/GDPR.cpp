#include "app/privacy/GDPR.h"

#include "kit/runtime/DispatchGroup.h"

#include <mutex>

namespace app::CloudPrivacy {
namespace {

// What the callbacks of one call share. Callbacks of different zones run at the same time: every access
// goes through the mutex.
struct ExportState {
    std::mutex mutex;
    std::optional<Error> error;  // a later error replaces an earlier one
    // container -> record type -> zone position -> records
    std::map<kit::CloudContainer, std::map<std::string, std::map<std::size_t, std::vector<kit::Record>>>> parts;

    void record(Error e) {
        std::lock_guard lock(mutex);
        error = std::move(e);
    }
    bool failed() {
        std::lock_guard lock(mutex);
        return error.has_value();
    }
};

Error unavailable(const kit::CloudContainer& container) {
    return Error{"CloudDatabase", kit::CloudErrorCode::internalError,
                 "The cloud database of " + container.containerIdentifier() + " is not available", std::nullopt};
}

struct DeleteState {
    std::mutex mutex;
    std::optional<Error> error;
    DeletedZones deleted;
};

void runPage(const std::shared_ptr<kit::CloudDatabase>& database, const std::shared_ptr<kit::QueryOperation>& op,
             const std::shared_ptr<std::vector<kit::Record>>& records,
             const std::function<void(std::optional<std::vector<kit::Record>>, std::optional<Error>)>& completion) {
    // The block keeps copies of what the next page needs, not the operation: that would be a cycle.
    op->queryCompletionBlock = [database, limit = op->resultsLimit, zoneID = op->zoneID,
                                fetched = op->recordFetchedBlock, records,
                                completion](std::optional<kit::QueryCursor> cursor, std::optional<kit::StoreError> error) {
        if (error) {
            completion(std::nullopt, Error::from(*error));
        } else if (cursor) {
            // The next page appends to the same list through the same fetched-record block.
            auto next = std::make_shared<kit::QueryOperation>(*cursor);
            next->resultsLimit = limit;
            next->zoneID = zoneID;
            next->recordFetchedBlock = fetched;
            runPage(database, next, records, completion);
        } else {
            completion(std::move(*records), std::nullopt);
        }
    };
    database->addOperation(op);
}

} // namespace

void GDPR::fetchAllRecords(const std::shared_ptr<kit::CloudDatabase>& database, const kit::Query& query,
                           const kit::RecordZoneID& zoneID,
                           std::function<void(std::optional<std::vector<kit::Record>>, std::optional<Error>)> completion) {
    auto records = std::make_shared<std::vector<kit::Record>>();
    auto op = std::make_shared<kit::QueryOperation>(query);
    op->resultsLimit = kit::QueryOperationMaximumResults;
    op->zoneID = zoneID;
    op->recordFetchedBlock = [records](const kit::Record& r) { records->push_back(r); };
    runPage(database, op, records, std::move(completion));
}

void GDPR::gather(std::function<void(std::optional<Error>, Records)> done) {
    auto state = std::make_shared<ExportState>();
    kit::DispatchGroup group;
    for (const auto& [container, recordTypes] : metadata_) {
        // Once an error is recorded nothing new starts; the report below still comes, once.
        if (state->failed()) break;
        auto database = container.privateCloudDatabase();
        if (!database) {
            state->record(unavailable(container));
            break;
        }
        group.enter();
        database->fetchAllRecordZones([state, group, container, recordTypes, database](
                                          std::optional<std::vector<kit::RecordZone>> zones,
                                          std::optional<kit::StoreError> error) mutable {
            if (error) {
                state->record(Error::from(*error));
            } else if (!zones) {
                state->record(Error::noZones(container));
            } else {
                for (std::size_t z = 0; z < zones->size(); ++z) {
                    for (const auto& type : recordTypes) {
                        group.enter();
                        fetchAllRecords(database, kit::Query{type}, (*zones)[z].zoneID,
                                        [state, group, container, type, z](auto records, auto queryError) mutable {
                                            if (queryError) {
                                                state->record(std::move(*queryError));
                                            } else {
                                                std::lock_guard lock(state->mutex);
                                                state->parts[container][type][z] =
                                                    records ? std::move(*records) : std::vector<kit::Record>{};
                                            }
                                            group.leave();
                                        });
                    }
                }
            }
            group.leave();
        });
    }
    group.notify(kit::DispatchQueue::main(), [state, done = std::move(done)] {
        std::lock_guard lock(state->mutex);
        if (state->error) {
            done(state->error, {});
            return;
        }
        Records records;
        for (auto& [container, types] : state->parts)
            for (auto& [type, byZone] : types) {
                auto& joined = records[container][type];
                for (auto& [zone, list] : byZone) joined.insert(joined.end(), list.begin(), list.end());
            }
        done(std::nullopt, std::move(records));
    });
}

void GDPR::deleteData(std::function<void(Result<DeletedZones>)> completion) {
    auto state = std::make_shared<DeleteState>();
    kit::DispatchGroup group;
    for (const auto& [container, recordTypes] : metadata_) {
        {
            std::lock_guard lock(state->mutex);
            if (state->error) break;
        }
        auto database = container.privateCloudDatabase();
        if (!database) {
            std::lock_guard lock(state->mutex);
            state->error = unavailable(container);
            break;
        }
        group.enter();
        database->fetchAllRecordZones([state, group, container, database](std::optional<std::vector<kit::RecordZone>> zones,
                                                                          std::optional<kit::StoreError> error) mutable {
            if (error || !zones) {
                std::lock_guard lock(state->mutex);
                state->error = error ? Error::from(*error) : Error::noZones(container);
                group.leave();
                return;
            }
            std::vector<kit::RecordZoneID> ids;
            for (const auto& z : *zones) ids.push_back(z.zoneID);
            auto op = std::make_shared<kit::ModifyRecordZonesOperation>(std::vector<kit::RecordZone>{}, ids);
            group.enter();
            op->modifyRecordZonesCompletionBlock = [state, group, container](auto, auto deleted, auto deleteError) mutable {
                {
                    std::lock_guard lock(state->mutex);
                    if (deleteError) state->error = Error::from(*deleteError);
                    else state->deleted[container] = deleted ? std::move(*deleted) : std::vector<kit::RecordZoneID>{};
                }
                group.leave();
            };
            database->addOperation(op);
            group.leave();
        });
    }
    group.notify(kit::DispatchQueue::main(), [state, completion = std::move(completion)] {
        std::lock_guard lock(state->mutex);
        if (state->error) completion(Result<DeletedZones>::failure(*state->error));
        else completion(Result<DeletedZones>::success(state->deleted));
    });
}

} // namespace app::CloudPrivacy
