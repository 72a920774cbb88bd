#include "kit/store/ObjectStoreContainer.h"

#include "kit/store/CloudMirror.h"
#include "kit/store/MoveAside.h"
#include "kit/store/ObjectStore.h"

#include <sqlite3.h>

#include <filesystem>

namespace kit {
namespace fs = std::filesystem;

namespace {

bool isUnreadableStore(const StoreError& e) {
    return e.code == SQLITE_NOTADB || e.code == SQLITE_CORRUPT || e.code == SQLITE_CANTOPEN || e.code == SQLITE_ERROR;
}


} // namespace

PersistentContainer::PersistentContainer(std::string name, ObjectModel model, const std::string& directory)
    : name_(std::move(name)), model_(std::make_shared<ObjectModel>(std::move(model))) {
    descriptions_.push_back({(fs::path(directory) / (name_ + ".sqlite")).string(), {}});
}

PersistentContainer::~PersistentContainer() = default;

void PersistentContainer::loadPersistentStores(
    const std::function<void(const PersistentStoreDescription&, const std::optional<StoreError>&)>& handler) {
    if (descriptions_.empty()) return;
    const auto& description = descriptions_.front();
    ObjectStore::Options options;
    options.migrateAutomatically = description.option(MigratePersistentStoresAutomaticallyOption) &&
                                   description.option(InferMappingModelAutomaticallyOption);
    std::optional<StoreError> error;
    std::error_code ec;
    fs::create_directories(fs::path(description.path).parent_path(), ec);
    auto store = ObjectStore::open(description.path, *model_, options, error);
    if (!store && error && isUnreadableStore(*error) && fs::exists(description.path)) {
        if (auto aside = moveAsideUnreadable(description.path)) {
            movedAside_ = aside;
            error.reset();
            store = ObjectStore::open(description.path, *model_, options, error);
        }
    }
    store_ = std::move(store);
    context_ = std::make_shared<ManagedContext>(model_, store_, store_ ? makeMirror(store_) : nullptr);
    if (handler) handler(description, error);
}

const std::shared_ptr<ManagedContext>& PersistentContainer::viewContext() {
    if (!context_) context_ = std::make_shared<ManagedContext>(model_, nullptr, nullptr);
    return context_;
}

CloudPersistentContainer::CloudPersistentContainer(std::string name, ObjectModel model, const std::string& directory,
                                                   CloudContainer cloud)
    : PersistentContainer(std::move(name), std::move(model), directory), cloud_(std::move(cloud)) {}

std::shared_ptr<CloudMirror> CloudPersistentContainer::makeMirror(const std::shared_ptr<ObjectStore>& store) {
    if (!cloud_.privateCloudDatabase()) return nullptr;
    return std::make_shared<CloudMirror>(store, cloud_, name());
}

} // namespace kit
