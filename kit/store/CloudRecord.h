#pragma once
// Records of the cloud database: a record type, an identity in a zone, and typed fields.
#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kit {

struct RecordZoneID {
    std::string zoneName;
    std::string ownerName = "__defaultOwner__";
    auto operator<=>(const RecordZoneID&) const = default;
};

struct RecordZone {
    RecordZoneID zoneID;
};

struct RecordID {
    std::string recordName;
    RecordZoneID zoneID;
    auto operator<=>(const RecordID&) const = default;
};

struct CloudDate {
    double secondsSince1970 = 0;
    auto operator<=>(const CloudDate&) const = default;
};

struct CloudData {
    std::string bytes;
    auto operator<=>(const CloudData&) const = default;
};

using RecordValue = std::variant<std::string, std::int64_t, double, CloudDate, CloudData, std::vector<std::string>>;

// Whether a server can hold `name` as a record, zone, owner or type name: 1 to 255 bytes of UTF-8 without NUL.
// One bad name must be refused alone before it reaches a server, which would refuse the whole request.
bool isValidCloudName(std::string_view name);
// Whether a date can be shown and compared: finite, from the year 1 to the year 9999.
bool isValidCloudDate(double secondsSince1970);

// The value's text as the exporters write it: a text as is, numbers in shortest decimal, dates in ISO 8601 (UTC),
// data as "<" hex bytes ">", a list as a JSON array of its texts.
std::string description(const RecordValue& value);

class Record {
public:
    Record(std::string recordType, RecordID recordID)
        : recordType_(std::move(recordType)), recordID_(std::move(recordID)) {}

    const std::string& recordType() const { return recordType_; }
    const RecordID& recordID() const { return recordID_; }

    // The record's own fields, in key order.
    std::vector<std::string> allKeys() const;
    const RecordValue* value(const std::string& key) const;
    void set(const std::string& key, RecordValue value) { fields_[key] = std::move(value); }
    void remove(const std::string& key) { fields_.erase(key); }
    const std::map<std::string, RecordValue>& fields() const { return fields_; }

    // When the change the record carries was made, on the machine that made it: the later change wins.
    const std::optional<CloudDate>& modificationDate() const { return modified_; }
    void setModificationDate(std::optional<CloudDate> date) { modified_ = date; }

    // The server's number for the change this copy carries, from databases that number changes.
    const std::optional<std::int64_t>& changeTag() const { return changeTag_; }
    void setChangeTag(std::optional<std::int64_t> tag) { changeTag_ = tag; }

    // What the records hold; the change tag is the server's bookkeeping about a copy.
    friend bool operator==(const Record& a, const Record& b) {
        return a.recordType_ == b.recordType_ && a.recordID_ == b.recordID_ && a.fields_ == b.fields_ &&
               a.modified_ == b.modified_;
    }

private:
    std::string recordType_;
    RecordID recordID_;
    std::map<std::string, RecordValue> fields_;
    std::optional<CloudDate> modified_;
    std::optional<std::int64_t> changeTag_;
};

} // namespace kit
