#pragma once
// The stand-in for the user's private cloud database: a SQLite file (beside the object store) holding
// the zones and records of one or more containers. There is no network.
#include "kit/store/CloudDatabaseBase.h"

namespace kit {

namespace sqlite {
class Database;
}

class LocalCloudDatabase final : public CloudDatabaseBase {
public:
    // Gives nothing (and the error) when the file cannot be opened.
    static std::shared_ptr<LocalCloudDatabase> open(const std::string& path, const std::string& containerIdentifier,
                                                    std::optional<StoreError>& error);
    LocalCloudDatabase(std::unique_ptr<sqlite::Database> db, std::string container, std::string identity);
    ~LocalCloudDatabase() override;

    std::string identity() const override { return identity_; }

protected:
    std::optional<std::vector<RecordZone>> storedZones() override;
    bool hasZone(const RecordZoneID& zone) override;
    std::vector<Record> storedRecords(const RecordZoneID& zone, const std::string& recordType) override;
    std::optional<StoreError> storeZone(const RecordZone& zone) override;
    std::optional<StoreError> removeZone(const RecordZoneID& zone) override;
    std::optional<StoreError> storeRecord(const Record& record) override;
    std::optional<StoreError> removeRecord(const RecordID& record) override;

private:
    std::optional<StoreError> failure(const std::string& what);
    std::unique_ptr<sqlite::Database> db_;
    std::string container_;
    std::string identity_;
};

// Fields as JSON with their kinds, so that every value comes back with its type. Decoding gives nothing for a
// text that is not such JSON or holds a value out of its kind's range (a date beyond the year 9999, say).
std::string encodeFields(const std::map<std::string, RecordValue>& fields);
std::optional<std::map<std::string, RecordValue>> decodeFields(const std::string& text);

} // namespace kit
