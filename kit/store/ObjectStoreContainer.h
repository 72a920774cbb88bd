#pragma once
// A container: the model, its store file, and the view context. The plain container keeps the store on
// this machine; the cloud container also mirrors it into the user's private cloud database.
#include "kit/store/CloudDatabase.h"
#include "kit/store/ManagedContext.h"
#include "kit/store/ObjectModel.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {

inline constexpr const char* MigratePersistentStoresAutomaticallyOption = "MigratePersistentStoresAutomatically";
inline constexpr const char* InferMappingModelAutomaticallyOption = "InferMappingModelAutomatically";
inline constexpr const char* PersistentHistoryTrackingKey = "PersistentHistoryTracking";

struct PersistentStoreDescription {
    std::string path;
    std::map<std::string, bool> options;

    void setOption(const std::string& key, bool value) { options[key] = value; }
    bool option(const std::string& key) const {
        auto it = options.find(key);
        return it != options.end() && it->second;
    }
};

class PersistentContainer {
public:
    // The store file is directory/name.sqlite.
    PersistentContainer(std::string name, ObjectModel model, const std::string& directory);
    virtual ~PersistentContainer();

    const std::string& name() const { return name_; }
    const ObjectModel& managedObjectModel() const { return *model_; }
    std::vector<PersistentStoreDescription>& persistentStoreDescriptions() { return descriptions_; }

    // Opens the store before returning and then calls the handler once, with the error if it could not be opened.
    // A file that is not a readable store is first moved aside (kept, never deleted) and a new store started.
    void loadPersistentStores(
        const std::function<void(const PersistentStoreDescription&, const std::optional<StoreError>&)>& handler);

    // The path the unreadable store was moved to during loading, if that happened.
    const std::optional<std::string>& movedAsideStorePath() const { return movedAside_; }

    const std::shared_ptr<ManagedContext>& viewContext();
    virtual bool isMirrored() const { return false; }

protected:
    virtual std::shared_ptr<CloudMirror> makeMirror(const std::shared_ptr<ObjectStore>&) { return nullptr; }

private:
    std::string name_;
    std::shared_ptr<ObjectModel> model_;
    std::vector<PersistentStoreDescription> descriptions_;
    std::shared_ptr<ObjectStore> store_;
    std::shared_ptr<ManagedContext> context_;
    std::optional<std::string> movedAside_;
};

class CloudPersistentContainer final : public PersistentContainer {
public:
    CloudPersistentContainer(std::string name, ObjectModel model, const std::string& directory, CloudContainer cloud);
    bool isMirrored() const override { return true; }
    const CloudContainer& cloudContainer() const { return cloud_; }

protected:
    std::shared_ptr<CloudMirror> makeMirror(const std::shared_ptr<ObjectStore>& store) override;

private:
    CloudContainer cloud_;
};

} // namespace kit
