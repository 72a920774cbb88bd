#pragma once
// Keeps an object store mirrored in a cloud database: each saved record of entity E is the cloud record of
// type "CD_E" whose fields are "CD_" + attribute. Local changes go out after each save; the cloud's
// changes come in only when asked (the view context's query-generation pin), so what screens see stays put.
#include "kit/store/CloudDatabase.h"
#include "kit/store/StoreError.h"

#include <memory>

namespace kit {

class ObjectStore;

class CloudMirror {
public:
    CloudMirror(std::shared_ptr<ObjectStore> store, CloudContainer container, std::string zoneName);

    std::optional<StoreError> exportChanges();
    std::optional<StoreError> importChanges();

    const RecordZoneID& zoneID() const { return zone_; }
    static std::string recordType(const std::string& entityName) { return "CD_" + entityName; }

private:
    std::shared_ptr<ObjectStore> store_;
    CloudContainer container_;
    RecordZoneID zone_;
};

} // namespace kit
