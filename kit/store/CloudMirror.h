#pragma once
// Keeps an object store mirrored in a cloud database: each saved record of entity E is the cloud record of
// type "CD_E" whose fields are "CD_" + attribute. Local changes go out after each save; the cloud's
// changes come in only when asked (the view context's query-generation pin), so what screens see stays put.
//
// All of the mirror's work runs on a thread of its own over a store connection of its own, so a slow or
// missing server never holds the main thread. Changes that could not go out stay marked in the local store
// and go with the next sync. When the same record changed on two machines, the later change wins. Where
// the cloud's history was read up to is kept in the store, so that a start asks only for what changed.
// Each record's cloud name is kept before it first goes out, so that it is never sent under two names; a
// cloud database made anew gets every record again, at the time of its last change, so that whichever
// machine reaches it first, the later change stays.
#include "kit/store/CloudDatabase.h"
#include "kit/store/ObjectModel.h"
#include "kit/store/StoreError.h"

#include <functional>
#include <memory>
#include <mutex>
#include <set>

namespace kit {

class DispatchQueue;
class ObjectStore;

struct CloudSyncResult {
    std::optional<StoreError> error;
    bool imported = false;     // records of the store changed
    std::size_t received = 0;  // records (and deletions) the cloud sent
    std::size_t skipped = 0;  // cloud records newly found unreadable: left out here, left alone on the server
};

class CloudMirror {
public:
    CloudMirror(std::shared_ptr<ObjectStore> store, CloudContainer container, std::string zoneName);
    ~CloudMirror();

    // Both wait for the mirror's thread to do the work.
    std::optional<StoreError> exportChanges();
    std::optional<StoreError> importChanges();

    // Sends the local changes, and with `import` takes in the cloud's, without waiting. Requests made while
    // one is queued join it. `done` runs on the main queue.
    void syncInBackground(bool import, std::function<void(const CloudSyncResult&)> done = {});
    // Blocks until every sync asked for so far has run. For tests.
    void waitUntilIdle();

    const RecordZoneID& zoneID() const { return zone_; }
    static std::string recordType(const std::string& entityName) { return "CD_" + entityName; }

private:
    // On the mirror's thread.
    ObjectStore* store(std::optional<StoreError>& error);
    std::optional<StoreError> exportWith(ObjectStore& store);
    std::optional<StoreError> importWith(ObjectStore& store, CloudSyncResult& result);
    std::string tokenKey() const;
    std::string identityKey() const;
    void runRequested();

    std::string path_;
    ObjectModel model_;
    CloudContainer container_;
    RecordZoneID zone_;
    std::unique_ptr<ObjectStore> store_;
    std::optional<ServerChangeToken> token_;
    bool zoneMade_ = false;
    std::set<std::string> unreadable_;  // names of the cloud records left out, each counted once

    std::mutex requestMutex_;
    bool queued_ = false;
    bool importRequested_ = false;
    std::vector<std::function<void(const CloudSyncResult&)>> waiting_;

    std::shared_ptr<DispatchQueue> queue_;  // last: it finishes its work before the rest goes
};

} // namespace kit
