#pragma once
// Reads or wipes everything a user keeps in the private cloud databases of a set of containers.
// Export: every zone of each container, one paged query per zone and record type, records gathered by
// container and record type (several zones of one type are joined in zone order, then page order) and
// handed to a transformer. Delete: every zone of each container. Each call reports exactly once, on the
// main queue (the export's success through the transformer).
#include "app/privacy/GDPRTypes.h"

#include <memory>

namespace app::CloudPrivacy {

class GDPR : public std::enable_shared_from_this<GDPR> {
public:
    GDPR(Metadata metadata, ContainerNames containerNameMapping)
        : metadata_(std::move(metadata)), containerNameMapping_(std::move(containerNameMapping)) {}

    template <DataTransformer T>
    void exportData(std::shared_ptr<T> transformer, std::function<void(Result<typename T::Result>)> completion) {
        auto self = shared_from_this();
        gather([self, transformer, completion](std::optional<Error> error, Records records) {
            if (error) {
                completion(Result<typename T::Result>::failure(std::move(*error)));
                return;
            }
            transformer->transformData(std::move(records), self->containerNameMapping_, completion);
        });
    }

    void deleteData(std::function<void(Result<DeletedZones>)> completion);

    // The paged query of one record type in one zone; completes (on a worker) with every record of every
    // page in the order received, or with the error (the records gathered so far are dropped).
    static void fetchAllRecords(const std::shared_ptr<kit::CloudDatabase>& database, const kit::Query& query,
                                const kit::RecordZoneID& zoneID,
                                std::function<void(std::optional<std::vector<kit::Record>>, std::optional<Error>)> completion);

    const Metadata& metadata() const { return metadata_; }
    const ContainerNames& containerNameMapping() const { return containerNameMapping_; }

private:
    // Runs the queries; calls `done` once on the main queue with the first-recorded-last error or the records.
    void gather(std::function<void(std::optional<Error>, Records)> done);

    Metadata metadata_;
    ContainerNames containerNameMapping_;
};

} // namespace app::CloudPrivacy
