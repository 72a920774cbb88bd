#include "kit/base/Console.h"
#include "kit/store/CloudDatabase.h"
#include "kit/store/LocalCloudDatabase.h"
#include "kit/store/Paths.h"

#include <filesystem>
#include <mutex>

namespace kit {
namespace {
std::mutex defaultMutex;
std::optional<CloudContainer> explicitDefault;
std::optional<CloudContainer> fileDefault;
unsigned fileGeneration = 0;
} // namespace

CloudContainer CloudContainer::defaultContainer() {
    std::lock_guard lock(defaultMutex);
    if (explicitDefault) return *explicitDefault;
    // The file follows the data folder; a new folder (tests, --data-dir) opens a new file.
    if (!fileDefault || fileGeneration != Paths::generation()) {
        std::error_code ec;
        std::filesystem::create_directories(Paths::dataDir(), ec);
        std::optional<StoreError> error;
        auto db = LocalCloudDatabase::open((Paths::dataDir() / "CloudDatabase.sqlite").string(), defaultIdentifier, error);
        if (!db) warn("The cloud database is not available: " + error->text());
        fileDefault = CloudContainer(defaultIdentifier, db);
        fileGeneration = Paths::generation();
    }
    return *fileDefault;
}

void CloudContainer::setDefaultContainer(std::optional<CloudContainer> container) {
    std::lock_guard lock(defaultMutex);
    explicitDefault = std::move(container);
}

} // namespace kit
