#pragma once
// Turn the gathered cloud records into the exported form. Piece names: the container's name (or, when it
// has none, a new UUID for each record type), "_", the record type, ".json" or ".csv". A field's text is
// the description of its value; only the records' own fields are exported.
#include "app/privacy/GDPRTypes.h"
#include "kit/runtime/DispatchQueue.h"

#include <memory>

namespace app::CloudPrivacy {

using Pieces = std::map<std::string, std::string>;

// One pretty-printed JSON array of string-valued objects per container and record type.
class JSONDataTransformer {
public:
    using Result = Pieces;
    explicit JSONDataTransformer(std::shared_ptr<kit::DispatchQueue> queue) : dispatchQueue(std::move(queue)) {}
    static const std::shared_ptr<JSONDataTransformer>& shared();  // queue "GDPR.JSONExporter"

    // Works on dispatchQueue; the completion comes on the main queue.
    void transformData(Records records, const ContainerNames& names, std::function<void(CloudPrivacy::Result<Result>)> completion);

    std::shared_ptr<kit::DispatchQueue> dispatchQueue;
};

// One CSV text per container and record type: a header of every key any record has, then one line per record.
// Fields are quoted and inner quotes doubled, so any text round-trips.
class CSVDataTransformer {
public:
    using Result = Pieces;
    explicit CSVDataTransformer(std::shared_ptr<kit::DispatchQueue> queue) : dispatchQueue(std::move(queue)) {}
    static const std::shared_ptr<CSVDataTransformer>& shared();  // queue "GDPR.CSVExporter"

    void transformData(Records records, const ContainerNames& names, std::function<void(CloudPrivacy::Result<Result>)> completion);

    std::shared_ptr<kit::DispatchQueue> dispatchQueue;
};

// Hands the records on unchanged, at once, on the calling thread.
class ZeroDataTransformer {
public:
    using Result = Records;
    void transformData(Records records, const ContainerNames&, std::function<void(CloudPrivacy::Result<Result>)> completion) {
        completion(CloudPrivacy::Result<Result>::success(std::move(records)));
    }
};

// The CSV writer's field rule, and the reader that undoes it (for checking exports).
std::string csvField(const std::string& text);
std::vector<std::vector<std::string>> parseCsv(const std::string& text);

} // namespace app::CloudPrivacy
