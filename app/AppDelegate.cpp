#include "app/AppDelegate.h"

#include "app/storage/CloudSync.h"
#include "app/storage/DataModel.h"
#include "app/storage/StoreNotices.h"
#include "app/ui/Alerts.h"
#include "kit/base/Console.h"
#include "kit/store/Defaults.h"
#include "kit/store/ObjectStore.h"
#include "kit/store/Paths.h"
#include "kit/text/Localization.h"

#include <filesystem>
#include <limits>

namespace app {
namespace {

void handleStoreLoadError(kit::PersistentContainer& container, const std::optional<kit::StoreError>& error) {
    if (error) {
        // Not fatal: the app runs on, and saves report that they could not be made.
        kit::warn("Unresolved error " + error->text());
        Alerts::shared().showToast(storeUnavailableText());
        return;
    }
    if (const auto& store = container.viewContext()->store(); store && store->isReadOnly()) {
        kit::warn("The store " + store->path() + " can only be read: saving is off");
        Alerts::shared().showToast(store->isReadOnlyForAFullDisk() ? storeDiskFullText(store->path())
                                                                   : storeReadOnlyText(store->path()));
    }
    if (container.movedAsideStorePath()) {
        kit::warn("The store could not be read and was kept as " + *container.movedAsideStorePath());
        Alerts::shared().showToast(storeMovedAsideText(*container.movedAsideStorePath()));
    }
}

} // namespace

std::string notSavedText() { return kit::localizedString("The color has not been saved."); }
std::string storeUnavailableText() {
    return kit::localizedString("Saved colors are not available: the storage could not be opened.");
}
std::string storeMovedAsideText(const std::string& keptPath) {
    // The whole path: the user has to find the old file to recover anything from it.
    return kit::localizedString("The saved colors could not be read. The old file was kept as") + " \"" + keptPath +
           "\" " +
           kit::localizedString("and a new one was started.");
}

AppDelegate& delegate() { return kit::Application::shared().delegateAs<AppDelegate>(); }
void setDelegate(std::shared_ptr<AppDelegate> d) { kit::Application::shared().setDelegate(std::move(d)); }

AppDelegate::AppDelegate() : savedData(loadSavedData()) {}

AppDelegate::~AppDelegate() = default;

std::unique_ptr<kit::PersistentContainer> AppDelegate::makePersistentContainer(bool cloudStorage) {
    const auto dir = kit::Paths::dataDir().string();
    std::unique_ptr<kit::PersistentContainer> container;
    if (cloudStorage)
        container = std::make_unique<kit::CloudPersistentContainer>("DataModel", dataModel(), dir,
                                                                    kit::CloudContainer::defaultContainer());
    else
        container = std::make_unique<kit::PersistentContainer>("DataModel", dataModel(), dir);
    auto& descriptions = container->persistentStoreDescriptions();
    if (!descriptions.empty()) {
        descriptions.front().setOption(kit::MigratePersistentStoresAutomaticallyOption, true);
        descriptions.front().setOption(kit::InferMappingModelAutomaticallyOption, true);
        descriptions.front().setOption(kit::PersistentHistoryTrackingKey, true);
    }
    auto* raw = container.get();
    container->loadPersistentStores([raw](auto&, auto& error) { handleStoreLoadError(*raw, error); });
    if (cloudStorage) {
        tellIfCloudFileWasSetAside();
        watchCloudSync(*container->viewContext());
    }
    return container;
}

kit::PersistentContainer& AppDelegate::persistentContainer() {
    if (!container_) container_ = makePersistentContainer(savedData.icloudStorage);
    return *container_;
}

bool AppDelegate::saveContext() {
    auto& context = *persistentContainer().viewContext();
    if (!context.hasChanges()) return true;
    if (auto error = context.save()) {
        kit::warn("Unresolved error " + error->text());
        context.rollback();
        const auto& store = context.store();
        const bool diskFull = kit::isDiskFull(*error) || (store && store->isReadOnlyForAFullDisk());
        Alerts::shared().showToast(diskFull ? notSavedDiskFullText() : notSavedText());
        return false;
    }
    return true;
}

bool AppDelegate::deleteAllLocalData() {
    auto& context = *persistentContainer().viewContext();
    for (const auto* entity : {CustomColorCombination::entityName, LargeCombination::entityName, MixedColor::entityName}) {
        if (auto error = context.execute(kit::BatchDeleteRequest{kit::FetchRequest(entity)})) {
            kit::warn("Can't delete all local core data.");
            kit::warn(error->text());
            return false;
        }
    }
    if (auto error = context.save()) {
        kit::warn("Can't delete all local core data.");
        return false;
    }
    return true;
}

void AppDelegate::pinQueryGeneration() {
    if (!savedData.icloudStorage) return;
    // The cloud's changes come in off the main thread; the lists refresh when they have arrived.
    persistentContainer().viewContext()->fetchCloudChangesInBackground();
}

bool AppDelegate::didFinishLaunching() {
    auto& defaults = kit::Defaults::standard();
    const auto opened = defaults.integer(Keys::appOpenTimes);
    // The count comes from a file the user owns: at its ceiling it stays there, and the app starts.
    if (opened < std::numeric_limits<std::int64_t>::max()) defaults.set(opened + 1, Keys::appOpenTimes);
    // Taken as stored: the formatters show anything outside 1 to 8 as hex.
    const auto format = defaults.integer(Keys::colorFormat);
    outputMode = format < std::numeric_limits<int>::min() || format > std::numeric_limits<int>::max()
                     ? 0
                     : static_cast<int>(format);
    pinQueryGeneration();
    hapticGenerator.prepare();
    return true;
}

void AppDelegate::willEnterForeground() { pinQueryGeneration(); }

} // namespace app
