// A start with cloud storage on while the server still holds records this machine has not taken in:
// the first frame does not wait for them, and the open list shows them once they have arrived.
#include "AppFixture.h"

#include "app/SavedData.h"
#include "app/menus/MainStoryboard.h"
#include "app/storage/DataModel.h"
#include "combinations/ColorCombinationsVC.h"
#include "kit/host/Headless.h"
#include "kit/store/CloudDatabaseDouble.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// A server whose answers are held back until released. Should the app wait for them on the main
// thread, it releases them itself after a while, so that the test fails instead of hanging.
class HeldCloudDatabase final : public kit::CloudDatabase {
public:
    explicit HeldCloudDatabase(std::shared_ptr<kit::CloudDatabaseDouble> inner)
        : inner_(std::move(inner)), watchdog_([this] {
              std::unique_lock lock(mutex_);
              if (!changed_.wait_for(lock, std::chrono::seconds(5), [this] { return released_; })) releaseLocked(lock);
          }) {}
    ~HeldCloudDatabase() override {
        release();
        watchdog_.join();
    }

    void fetchAllRecordZones(
        std::function<void(std::optional<std::vector<kit::RecordZone>>, std::optional<kit::StoreError>)> completion)
        override {
        inner_->fetchAllRecordZones(std::move(completion));
    }
    void addOperation(std::shared_ptr<kit::DatabaseOperation> operation) override {
        std::unique_lock lock(mutex_);
        if (released_) {
            lock.unlock();
            inner_->addOperation(std::move(operation));
            return;
        }
        held_.push_back(std::move(operation));
    }

    void release() {
        std::unique_lock lock(mutex_);
        releaseLocked(lock);
    }
    bool released() {
        std::lock_guard lock(mutex_);
        return released_;
    }
    std::size_t heldCount() {
        std::lock_guard lock(mutex_);
        return held_.size();
    }

private:
    void releaseLocked(std::unique_lock<std::mutex>& lock) {
        if (released_) return;
        released_ = true;
        auto held = std::move(held_);
        lock.unlock();
        changed_.notify_all();
        for (auto& op : held) inner_->addOperation(std::move(op));
        lock.lock();
    }

    std::shared_ptr<kit::CloudDatabaseDouble> inner_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool released_ = false;
    std::vector<std::shared_ptr<kit::DatabaseOperation>> held_;
    std::thread watchdog_;  // last: it uses the members above
};

kit::Record savedCombination(std::int64_t id) {
    kit::Record r("CD_CustomColorCombination", kit::RecordID{"combination-" + std::to_string(id), {"DataModel"}});
    r.set("CD_id", id);
    r.set("CD_tag", std::string("custom"));
    r.set("CD_numberOfColors", std::int64_t{2});
    r.set("CD_color1", std::string("FF0000"));
    r.set("CD_color2", std::string("00FF00"));
    return r;
}

struct CloudStart : AppFixture {
    static constexpr int onServer = 300;
    std::shared_ptr<HeldCloudDatabase> server;
    std::unique_ptr<kit::host::Headless> host;

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        auto records = kit::CloudDatabaseDouble::make();
        for (int id = 1; id <= onServer; ++id) records->addRecord(savedCombination(id));
        server = std::make_shared<HeldCloudDatabase>(records);
        kit::CloudContainer::setDefaultContainer(kit::CloudContainer(kit::CloudContainer::defaultIdentifier, server));
        kit::Defaults::standard().set(true, "CLOUD_STORAGE");
        kit::Defaults::standard().set(3, app::Keys::colorCombinationMode);  // the saved combinations
        // The delegate reads the setting when it is made.
        appDelegate = std::make_shared<app::AppDelegate>();
        app::setDelegate(appDelegate);
    }
    void TearDown() override {
        server->release();
        if (appDelegate->hasPersistentContainer()) appDelegate->persistentContainer().viewContext()->waitForCloudSync();
        host.reset();
        kit::Storyboard::named("Main")->clear();
        AppFixture::TearDown();
        kit::CloudContainer::setDefaultContainer(std::nullopt);
        kit::Application::resetShared();
    }
    std::size_t storedHere() {
        return appDelegate->persistentContainer().viewContext()->fetch(app::CustomColorCombination::fetchRequest()).size();
    }
};

TEST_F(CloudStart, TheFirstFrameComesBeforeTheImportAndTheOpenListShowsTheRecordsAfterIt) {
    host = std::make_unique<kit::host::Headless>();
    auto root = app::registerMainStoryboard()->instantiateInitialViewController();
    host->setRootViewController(root);  // launches the app, which asks for the cloud's records
    const auto firstFrame = host->render();
    ASSERT_FALSE(firstFrame.isEmpty());
    EXPECT_FALSE(server->released()) << "the first frame waited for the server";
    EXPECT_GT(server->heldCount(), 0u) << "the import was not asked for at launch";
    EXPECT_EQ(storedHere(), 0u);

    auto nav = std::dynamic_pointer_cast<kit::NavigationController>(root);
    ASSERT_TRUE(nav);
    auto list = std::dynamic_pointer_cast<combinations::ColorCombinationsVC>(
        kit::Storyboard::named("Main")->instantiateViewController("ColorCombinationVC"));
    ASSERT_TRUE(list);
    nav->pushViewController(list, false);
    host->advance(1);
    EXPECT_TRUE(list->filteredArr.empty());

    server->release();
    appDelegate->persistentContainer().viewContext()->waitForCloudSync();
    host->advance(1);
    EXPECT_EQ(storedHere(), static_cast<std::size_t>(onServer));
    ASSERT_EQ(list->filteredArr.size(), static_cast<std::size_t>(onServer));
    EXPECT_EQ(list->filteredArr.front().id, onServer);  // newest first
    EXPECT_EQ(list->collectionView->numberOfItemsInSection(0), onServer);
}

} // namespace
