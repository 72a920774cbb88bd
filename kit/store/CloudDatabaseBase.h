#pragma once
// The operations of a cloud database over a record storage: answers on the worker threads, queries
// paged through cursors. Back ends supply the storage; a back end may also inject faults per call.
#include "kit/store/CloudDatabase.h"

#include <mutex>

namespace kit {

class CloudDatabaseBase : public CloudDatabase, public std::enable_shared_from_this<CloudDatabaseBase> {
public:
    void fetchAllRecordZones(
        std::function<void(std::optional<std::vector<RecordZone>>, std::optional<StoreError>)> completion) override;
    void addOperation(std::shared_ptr<DatabaseOperation> operation) override;

protected:
    enum class Call { ZoneFetch, QueryPage, ZoneSave, ZoneDelete, RecordSave, RecordDelete };

    // Storage, called with mutex_ held. storedZones gives nothing for a database that answers with no list.
    virtual std::optional<std::vector<RecordZone>> storedZones() = 0;
    virtual bool hasZone(const RecordZoneID& zone) = 0;
    virtual std::vector<Record> storedRecords(const RecordZoneID& zone, const std::string& recordType) = 0;
    virtual std::optional<StoreError> storeZone(const RecordZone& zone) = 0;
    virtual std::optional<StoreError> removeZone(const RecordZoneID& zone) = 0;
    virtual std::optional<StoreError> storeRecord(const Record& record) = 0;
    virtual std::optional<StoreError> removeRecord(const RecordID& record) = 0;
    virtual std::size_t defaultPageSize() const { return 200; }
    // A fault to report instead of doing the call. subject: record type, zone or record name; page: 0-based.
    virtual std::optional<StoreError> fault(Call, const std::string& subject, std::size_t page) {
        (void)subject, (void)page;
        return std::nullopt;
    }

    std::mutex mutex_;

private:
    void runQuery(const std::shared_ptr<QueryOperation>& op);
    void runZones(const std::shared_ptr<ModifyRecordZonesOperation>& op);
    void runRecords(const std::shared_ptr<ModifyRecordsOperation>& op);
};

} // namespace kit
