#include "kit/base/Console.h"
#include "kit/store/CloudConfiguration.h"
#include "kit/store/CloudDatabase.h"
#include "kit/store/LocalCloudDatabase.h"
#include "kit/store/MoveAside.h"
#include "kit/store/Paths.h"
#include "kit/store/PostgresModule.h"

#include <filesystem>
#include <mutex>
#include <utility>

namespace kit {
namespace fs = std::filesystem;

namespace {
std::mutex defaultMutex;
std::optional<CloudContainer> explicitDefault;
std::optional<CloudContainer> configuredDefault;
unsigned configuredGeneration = 0;
std::string configuredServer;
std::string reportedProblem;
std::optional<std::string> movedAside;


std::shared_ptr<CloudDatabase> openStandIn() {
    std::error_code ec;
    fs::create_directories(Paths::dataDir(), ec);
    const auto path = Paths::dataDir() / "CloudDatabase.sqlite";
    std::optional<StoreError> error;
    auto db = LocalCloudDatabase::open(path.string(), CloudContainer::defaultIdentifier, error);
    if (!db && fs::exists(path)) {
        if (auto kept = moveAsideUnreadable(path.string())) {
            warn("The cloud database could not be read and was kept as " + *kept + ": " + error->text());
            movedAside = kept;
            error.reset();
            db = LocalCloudDatabase::open(path.string(), CloudContainer::defaultIdentifier, error);
        }
    }
    if (!db) warn("The cloud database is not available: " + error->text());
    return db;
}

// A server is only configured once its module has loaded (CloudConfiguration checks the string with it).
std::shared_ptr<CloudDatabase> openServer(const std::string& server) {
    const auto* postgres = postgresModule(nullptr);
    return postgres ? postgres->open(server, CloudContainer::defaultIdentifier) : nullptr;
}

} // namespace

CloudContainer CloudContainer::defaultContainer() {
    std::lock_guard lock(defaultMutex);
    if (explicitDefault) return *explicitDefault;
    std::string problem;
    const auto server = CloudConfiguration::connectionString(&problem);
    if (!problem.empty() && problem != reportedProblem) warn(problem);
    reportedProblem = problem;
    // The stand-in file follows the data folder; a new folder (tests, --data-dir) or server opens anew.
    if (!configuredDefault || configuredGeneration != Paths::generation() || configuredServer != server.value_or("")) {
        std::shared_ptr<CloudDatabase> db;
        if (server) db = openServer(*server);
        else db = openStandIn();
        configuredDefault = CloudContainer(defaultIdentifier, db);
        configuredGeneration = Paths::generation();
        configuredServer = server.value_or("");
    }
    return *configuredDefault;
}

void CloudContainer::setDefaultContainer(std::optional<CloudContainer> container) {
    std::lock_guard lock(defaultMutex);
    explicitDefault = std::move(container);
}

std::optional<std::string> CloudContainer::takeMovedAsideFile() {
    std::lock_guard lock(defaultMutex);
    return std::exchange(movedAside, std::nullopt);
}

} // namespace kit
