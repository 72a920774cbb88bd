#include "kit/store/CloudDatabaseBase.h"

#include "kit/store/CloudWorkers.h"

namespace kit {

StoreError cloudError(int code, std::string description, std::string userInfo) {
    return StoreError{"CloudDatabase", code, std::move(description), std::move(userInfo)};
}

void CloudDatabaseBase::fetchAllRecordZones(
    std::function<void(std::optional<std::vector<RecordZone>>, std::optional<StoreError>)> completion) {
    auto self = shared_from_this();
    CloudWorkers::run([self, completion = std::move(completion)] {
        std::optional<std::vector<RecordZone>> zones;
        std::optional<StoreError> error;
        {
            std::lock_guard lock(self->mutex_);
            error = self->fault(Call::ZoneFetch, {}, 0);
            if (!error) zones = self->storedZones();
        }
        if (error) zones.reset();
        if (completion) completion(std::move(zones), std::move(error));
    });
}

void CloudDatabaseBase::addOperation(std::shared_ptr<DatabaseOperation> operation) {
    auto self = shared_from_this();
    CloudWorkers::run([self, operation = std::move(operation)] {
        if (auto q = std::dynamic_pointer_cast<QueryOperation>(operation)) self->runQuery(q);
        else if (auto z = std::dynamic_pointer_cast<ModifyRecordZonesOperation>(operation)) self->runZones(z);
        else if (auto r = std::dynamic_pointer_cast<ModifyRecordsOperation>(operation)) self->runRecords(r);
    });
}

void CloudDatabaseBase::runQuery(const std::shared_ptr<QueryOperation>& op) {
    QueryCursor at;
    if (op->cursor) {
        at = *op->cursor;
    } else {
        at.query = op->query.value_or(Query{});
        at.zoneID = op->zoneID.value_or(RecordZoneID{"_defaultZone"});
    }
    std::vector<Record> page;
    std::optional<QueryCursor> next;
    std::optional<StoreError> error;
    {
        std::lock_guard lock(mutex_);
        const std::size_t limit = op->resultsLimit == QueryOperationMaximumResults ? defaultPageSize() : op->resultsLimit;
        error = fault(Call::QueryPage, at.query.recordType, limit ? at.offset / limit : 0);
        if (!error && !hasZone(at.zoneID))
            error = cloudError(CloudErrorCode::zoneNotFound, "Zone not found", "zone " + at.zoneID.zoneName);
        if (!error) {
            auto all = storedRecords(at.zoneID, at.query.recordType);
            std::size_t end = std::min(all.size(), at.offset + limit);
            for (std::size_t i = std::min(at.offset, all.size()); i < end; ++i) page.push_back(std::move(all[i]));
            if (end < all.size()) next = QueryCursor{at.query, at.zoneID, end};
        }
    }
    if (!error && op->recordFetchedBlock)
        for (const auto& r : page) op->recordFetchedBlock(r);
    if (op->queryCompletionBlock) {
        if (error) op->queryCompletionBlock(std::nullopt, std::move(error));
        else op->queryCompletionBlock(std::move(next), std::nullopt);
    }
}

void CloudDatabaseBase::runZones(const std::shared_ptr<ModifyRecordZonesOperation>& op) {
    std::vector<RecordZone> saved;
    std::vector<RecordZoneID> deleted;
    std::vector<std::string> failures;
    {
        std::lock_guard lock(mutex_);
        for (const auto& z : op->recordZonesToSave) {
            auto e = fault(Call::ZoneSave, z.zoneID.zoneName, 0);
            if (!e) e = storeZone(z);
            if (e) failures.push_back(z.zoneID.zoneName + ": " + e->description);
            else saved.push_back(z);
        }
        for (const auto& id : op->recordZoneIDsToDelete) {
            auto e = fault(Call::ZoneDelete, id.zoneName, 0);
            if (!e && !hasZone(id)) e = cloudError(CloudErrorCode::zoneNotFound, "Zone not found");
            if (!e) e = removeZone(id);
            if (e) failures.push_back(id.zoneName + ": " + e->description);
            else deleted.push_back(id);
        }
    }
    if (!op->modifyRecordZonesCompletionBlock) return;
    if (!failures.empty()) {
        std::string info;
        for (const auto& f : failures) info += (info.empty() ? "" : "; ") + f;
        op->modifyRecordZonesCompletionBlock(std::move(saved), std::move(deleted),
                                             cloudError(CloudErrorCode::partialFailure,
                                                        "Some zones could not be changed", info));
        return;
    }
    op->modifyRecordZonesCompletionBlock(std::move(saved), std::move(deleted), std::nullopt);
}

void CloudDatabaseBase::runRecords(const std::shared_ptr<ModifyRecordsOperation>& op) {
    std::vector<Record> saved;
    std::vector<RecordID> deleted;
    std::vector<std::string> failures;
    {
        std::lock_guard lock(mutex_);
        for (const auto& r : op->recordsToSave) {
            auto e = fault(Call::RecordSave, r.recordID().recordName, 0);
            if (!e && !hasZone(r.recordID().zoneID)) e = cloudError(CloudErrorCode::zoneNotFound, "Zone not found");
            if (!e) e = storeRecord(r);
            if (e) failures.push_back(r.recordID().recordName + ": " + e->description);
            else saved.push_back(r);
        }
        for (const auto& id : op->recordIDsToDelete) {
            auto e = fault(Call::RecordDelete, id.recordName, 0);
            if (!e) e = removeRecord(id);
            if (e) failures.push_back(id.recordName + ": " + e->description);
            else deleted.push_back(id);
        }
    }
    if (!op->modifyRecordsCompletionBlock) return;
    std::optional<StoreError> error;
    if (!failures.empty()) {
        std::string info;
        for (const auto& f : failures) info += (info.empty() ? "" : "; ") + f;
        error = cloudError(CloudErrorCode::partialFailure, "Some records could not be changed", info);
    }
    op->modifyRecordsCompletionBlock(std::move(saved), std::move(deleted), std::move(error));
}

} // namespace kit
