#pragma once
// An in-memory cloud database for tests: zones and records set up directly, faults injected per call,
// a chosen page size, and zone lists that come back empty or not at all.
#include "kit/store/CloudDatabaseBase.h"

#include <map>

namespace kit {

class CloudDatabaseDouble final : public CloudDatabaseBase {
public:
    using Call = CloudDatabaseBase::Call;
    enum class ZoneListAnswer { Stored, Empty, Absent };

    static std::shared_ptr<CloudDatabaseDouble> make() { return std::make_shared<CloudDatabaseDouble>(); }

    void addZone(const std::string& zoneName);
    void addRecord(const Record& record);  // creates the record's zone when missing
    std::vector<RecordZoneID> zoneIDs();
    std::vector<Record> records(const std::string& zoneName, const std::string& recordType);

    void setPageSize(std::size_t records);
    void setZoneListAnswer(ZoneListAnswer answer);
    // Calls of this kind (for this subject, this page when given) report the error instead of working.
    void injectFault(Call call, StoreError error, std::string subject = {}, std::optional<std::size_t> page = {});
    void clearFaults();
    std::size_t callCount(Call call);

protected:
    std::optional<std::vector<RecordZone>> storedZones() override;
    bool hasZone(const RecordZoneID& zone) override;
    std::vector<Record> storedRecords(const RecordZoneID& zone, const std::string& recordType) override;
    std::optional<StoreError> storeZone(const RecordZone& zone) override;
    std::optional<StoreError> removeZone(const RecordZoneID& zone) override;
    std::optional<StoreError> storeRecord(const Record& record) override;
    std::optional<StoreError> removeRecord(const RecordID& record) override;
    std::size_t defaultPageSize() const override { return pageSize_; }
    std::optional<StoreError> fault(Call call, const std::string& subject, std::size_t page) override;

private:
    struct Fault {
        Call call;
        StoreError error;
        std::string subject;
        std::optional<std::size_t> page;
    };
    std::vector<RecordZoneID> zones_;
    std::map<RecordZoneID, std::vector<Record>> records_;
    std::vector<Fault> faults_;
    std::map<Call, std::size_t> calls_;
    std::size_t pageSize_ = 200;
    ZoneListAnswer answer_ = ZoneListAnswer::Stored;
};

} // namespace kit
