#include "kit/store/ObjectStoreContainer.h"

#include "kit/store/CloudMirror.h"
#include "kit/store/ObjectStore.h"

#include <sqlite3.h>

#include <ctime>
#include <filesystem>

namespace kit {
namespace fs = std::filesystem;

namespace {

bool isUnreadableStore(const StoreError& e) {
    return e.code == SQLITE_NOTADB || e.code == SQLITE_CORRUPT || e.code == SQLITE_CANTOPEN || e.code == SQLITE_ERROR;
}

// Moves the store and its journal files to "<file>.unreadable-<UTC time>[-n]"; gives the new path of the store.
std::optional<std::string> moveAside(const std::string& path) {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    std::string target = path + ".unreadable-" + stamp;
    for (int n = 2; fs::exists(target); ++n) target = path + ".unreadable-" + stamp + "-" + std::to_string(n);
    std::error_code ec;
    fs::rename(path, target, ec);
    if (ec) return std::nullopt;
    for (const char* suffix : {"-wal", "-shm"})
        if (fs::exists(path + suffix)) fs::rename(path + suffix, target + suffix, ec);
    return target;
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
        if (auto aside = moveAside(description.path)) {
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
