#include "kit/store/CloudDatabaseDouble.h"

#include <algorithm>

namespace kit {

void CloudDatabaseDouble::addZone(const std::string& zoneName) {
    std::lock_guard lock(mutex_);
    storeZone(RecordZone{RecordZoneID{zoneName}});
}

void CloudDatabaseDouble::addRecord(const Record& record) {
    std::lock_guard lock(mutex_);
    storeZone(RecordZone{record.recordID().zoneID});
    storeRecord(record);
}

std::vector<RecordZoneID> CloudDatabaseDouble::zoneIDs() {
    std::lock_guard lock(mutex_);
    return zones_;
}

std::vector<Record> CloudDatabaseDouble::records(const std::string& zoneName, const std::string& recordType) {
    std::lock_guard lock(mutex_);
    return storedRecords(RecordZoneID{zoneName}, recordType);
}

void CloudDatabaseDouble::setPageSize(std::size_t records) {
    std::lock_guard lock(mutex_);
    pageSize_ = std::max<std::size_t>(1, records);
}

void CloudDatabaseDouble::setZoneListAnswer(ZoneListAnswer answer) {
    std::lock_guard lock(mutex_);
    answer_ = answer;
}

void CloudDatabaseDouble::injectFault(Call call, StoreError error, std::string subject, std::optional<std::size_t> page) {
    std::lock_guard lock(mutex_);
    faults_.push_back({call, std::move(error), std::move(subject), page});
}

void CloudDatabaseDouble::clearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

std::size_t CloudDatabaseDouble::callCount(Call call) {
    std::lock_guard lock(mutex_);
    return calls_[call];
}

std::optional<StoreError> CloudDatabaseDouble::fault(Call call, const std::string& subject, std::size_t page) {
    ++calls_[call];
    for (const auto& f : faults_)
        if (f.call == call && (f.subject.empty() || f.subject == subject) && (!f.page || *f.page == page))
            return f.error;
    return std::nullopt;
}

std::optional<std::vector<RecordZone>> CloudDatabaseDouble::storedZones() {
    if (answer_ == ZoneListAnswer::Absent) return std::nullopt;
    std::vector<RecordZone> out;
    if (answer_ == ZoneListAnswer::Stored)
        for (const auto& z : zones_) out.push_back({z});
    return out;
}

bool CloudDatabaseDouble::hasZone(const RecordZoneID& zone) {
    return std::find(zones_.begin(), zones_.end(), zone) != zones_.end();
}

std::vector<Record> CloudDatabaseDouble::storedRecords(const RecordZoneID& zone, const std::string& recordType) {
    std::vector<Record> out;
    auto it = records_.find(zone);
    if (it == records_.end()) return out;
    for (const auto& r : it->second)
        if (r.recordType() == recordType) out.push_back(r);
    return out;
}

std::optional<StoreError> CloudDatabaseDouble::storeZone(const RecordZone& zone) {
    if (!hasZone(zone.zoneID)) zones_.push_back(zone.zoneID);
    return std::nullopt;
}

std::optional<StoreError> CloudDatabaseDouble::removeZone(const RecordZoneID& zone) {
    std::erase(zones_, zone);
    records_.erase(zone);
    return std::nullopt;
}

std::optional<StoreError> CloudDatabaseDouble::storeRecord(const Record& record) {
    auto& list = records_[record.recordID().zoneID];
    for (auto& r : list)
        if (r.recordID() == record.recordID()) {
            r = record;
            return std::nullopt;
        }
    list.push_back(record);
    return std::nullopt;
}

std::optional<StoreError> CloudDatabaseDouble::removeRecord(const RecordID& record) {
    auto it = records_.find(record.zoneID);
    if (it == records_.end()) return cloudError(CloudErrorCode::unknownItem, "Record not found");
    auto before = it->second.size();
    std::erase_if(it->second, [&](const Record& r) { return r.recordID() == record; });
    if (before == it->second.size()) return cloudError(CloudErrorCode::unknownItem, "Record not found");
    return std::nullopt;
}

} // namespace kit
