#pragma once
// The view context: the records the app works with, its pending changes, and saves in one transaction.
// Main thread only.
#include "kit/store/FetchRequest.h"
#include "kit/store/ManagedObject.h"
#include "kit/store/StoreError.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace kit {

class ObjectStore;
class CloudMirror;
struct CloudSyncResult;

struct BatchDeleteRequest {
    FetchRequest fetchRequest;
};

// A point in the store's history. The only token handed out is the current one.
struct QueryGenerationToken {
    bool current = true;
};

class ManagedContext : public std::enable_shared_from_this<ManagedContext> {
public:
    // A context with no store (it could not be opened): fetches and saves report an error.
    ManagedContext(std::shared_ptr<const ObjectModel> model, std::shared_ptr<ObjectStore> store,
                   std::shared_ptr<CloudMirror> mirror);
    ~ManagedContext();

    std::shared_ptr<ManagedObject> insert(const std::string& entityName);
    void deleteObject(const std::shared_ptr<ManagedObject>& object);

    bool hasChanges() const;
    // Writes every pending change in one transaction; on failure nothing is written and the changes stay pending.
    std::optional<StoreError> save();
    // Forgets pending changes: inserted records leave, changed ones take back their saved values.
    void rollback();

    std::vector<std::shared_ptr<ManagedObject>> fetch(const FetchRequest& request, std::optional<StoreError>& error);
    std::vector<std::shared_ptr<ManagedObject>> fetch(const FetchRequest& request);

    // Deletes in the store; records of it held in memory are marked deleted and take no part in later saves.
    std::optional<StoreError> execute(const BatchDeleteRequest& request, std::size_t* deletedCount = nullptr);

    QueryGenerationToken currentQueryGenerationToken() const { return {}; }
    // With a mirrored store, this is where changes that arrived from the cloud become visible. It waits for
    // the cloud; the app uses the background form below.
    std::optional<StoreError> setQueryGenerationFromToken(const QueryGenerationToken& token);
    // Sends local changes and takes in the cloud's without waiting; when they have arrived, the records held
    // here show them and the sync handler runs (main thread).
    void fetchCloudChangesInBackground();
    // Runs on the main thread after each background sync, with its outcome (also after sends alone).
    void setCloudSyncHandler(std::function<void(const CloudSyncResult&)> handler) { syncHandler_ = std::move(handler); }
    // Blocks until the background syncs asked for so far have run; their handlers then wait on the main queue.
    void waitForCloudSync();

    const std::shared_ptr<ObjectStore>& store() const { return store_; }

private:
    friend class ManagedObject;
    void objectDidChange(ManagedObject& object);
    std::shared_ptr<ManagedObject> registered(const EntityDescription& entity, std::int64_t pk);
    void refreshRegistered();
    void syncInBackground(bool import);

    std::shared_ptr<const ObjectModel> model_;
    std::shared_ptr<ObjectStore> store_;
    std::shared_ptr<CloudMirror> mirror_;
    std::function<void(const CloudSyncResult&)> syncHandler_;
    std::map<std::pair<const EntityDescription*, std::int64_t>, std::weak_ptr<ManagedObject>> registry_;
    std::vector<std::shared_ptr<ManagedObject>> inserted_;
    std::vector<std::shared_ptr<ManagedObject>> updated_;
    std::vector<std::shared_ptr<ManagedObject>> deleted_;
};

} // namespace kit
