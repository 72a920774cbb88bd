#include "AppFixture.h"
#include "CloudLaunch.h"
#include "CloudWait.h"
#include "CloudTestServer.h"

#include "app/privacy/DataTransformers.h"
#include "app/privacy/GDPR.h"
#include "app/privacy/PrivacyExport.h"
#include "app/storage/CloudSync.h"
#include "app/storage/DataModel.h"
#include "app/storage/SaveHelpers.h"
#include "app/storage/StoreNotices.h"
#include "kit/base/Console.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/store/CloudConfiguration.h"
#include "kit/store/CloudWorkers.h"
#include "kit/store/postgres/PostgresCloudDatabase.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <set>
#include <thread>

namespace {

// Another machine of the same user: its own data folder, the same server database.
struct OtherMachine {
    std::filesystem::path dir;
    kit::CloudPersistentContainer container;

    explicit OtherMachine(const std::string& server)
        : dir(makeDir()),
          container("DataModel", app::dataModel(), dir.string(),
                    kit::CloudContainer(kit::CloudContainer::defaultIdentifier,
                                        std::make_shared<kit::PostgresCloudDatabase>(server, kit::CloudContainer::defaultIdentifier))) {
        container.loadPersistentStores({});
    }
    ~OtherMachine() { std::filesystem::remove_all(dir); }
    kit::ManagedContext& context() { return *container.viewContext(); }

    static std::filesystem::path makeDir() {
        char pattern[] = "/tmp/tinctura-other-XXXXXX";
        return mkdtemp(pattern);
    }
};

void settle(kit::ManagedContext& context) {
    context.waitForCloudSync();
    kit::RunLoop::main().drainMainQueue();
}

std::set<std::string> mixes(kit::ManagedContext& context) {
    std::set<std::string> out;
    for (const auto& m : app::fetchRecords<app::LargeCombination>(context, app::LargeCombination::fetchRequest()))
        out.insert(m.color().value_or(""));
    return out;
}

struct CloudServerSyncTest : AppFixture {
    // With cloud storage on, on the server given, else on the local stand-in.
    void launch(const std::string& server) { appDelegate = launchWithCloud(server); }
    void TearDown() override {
        AppFixture::TearDown();
        unsetenv(kit::CloudConfiguration::environmentVariable);
    }
    kit::ManagedContext& context() { return *appDelegate->persistentContainer().viewContext(); }
    void saveMix(const std::string& hex) {
        loop.advance(2);  // past the save throttle
        app::saveMix(hex, {"FF0000", "00FFFF"});
        settle(context());
    }
};

TEST_F(CloudServerSyncTest, SavesAndDeletionsGoAcrossMachinesAndPrivacyWorksOnTheServer) {
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    launch(server.connectionString());
    saveMix("7F7F7F");

    OtherMachine other(server.connectionString());
    other.context().fetchCloudChangesInBackground();
    settle(other.context());
    EXPECT_EQ(mixes(other.context()), (std::set<std::string>{"7F7F7F"}));

    // The other machine's save reaches this one on return to the foreground, and the lists are told.
    auto theirs = app::LargeCombination::insert(other.context());
    theirs.setColor("112233");
    theirs.setId(7);
    ASSERT_FALSE(other.context().save());
    settle(other.context());
    int refreshed = 0;
    kit::NotificationCenter::defaultCenter().addObserver(
        "updateLargeCombinationView", nullptr, [&](const kit::Notification&) { ++refreshed; }, this);
    appDelegate->willEnterForeground();
    settle(context());
    kit::NotificationCenter::defaultCenter().removeObserver(this);
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(mixes(context()), (std::set<std::string>{"7F7F7F", "112233"}));

    // A deletion here goes there.
    for (auto& m : app::fetchRecords<app::LargeCombination>(context(), app::LargeCombination::fetchRequest()))
        if (m.color() == "7F7F7F") context().deleteObject(m.object());
    ASSERT_TRUE(appDelegate->saveContext());
    settle(context());
    other.context().fetchCloudChangesInBackground();
    settle(other.context());
    EXPECT_EQ(mixes(other.context()), (std::set<std::string>{"112233"}));

    // The privacy export lists the server's records; delete-all empties the server.
    auto engine = std::make_shared<app::CloudPrivacy::GDPR>(app::privacyMetadata(), app::privacyContainerNames());
    std::optional<app::CloudPrivacy::Result<app::CloudPrivacy::Pieces>> exported;
    engine->exportData(app::CloudPrivacy::JSONDataTransformer::shared(), [&](auto r) { exported = std::move(r); });
    runUntil([&] { return exported.has_value(); });
    ASSERT_TRUE(exported->isSuccess());
    auto listed = nlohmann::json::parse(exported->value().at("default_CD_LargeCombination.json"));
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]["CD_color"], "112233");
    std::optional<app::CloudPrivacy::Result<app::CloudPrivacy::DeletedZones>> deleted;
    engine->deleteData([&](auto r) { deleted = std::move(r); });
    runUntil([&] { return deleted.has_value(); });
    ASSERT_TRUE(deleted->isSuccess());
    EXPECT_EQ(server.value("SELECT count(*) FROM tinctura_records"), "0");
    // The other machine drops its copies too.
    other.context().fetchCloudChangesInBackground();
    settle(other.context());
    EXPECT_TRUE(mixes(other.context()).empty());
}

TEST_F(CloudServerSyncTest, WithTheServerGoneSavesStayHereTheUserIsToldOnceAndTheQueueDrainsOnReturn) {
    cloudtest::PrivateServer privateServer;
    SKIP_WITHOUT_SERVER(privateServer);
    cloudtest::Database server(privateServer.base());
    ASSERT_TRUE(server.available());
    launch(server.connectionString());
    saveMix("000001");
    saveMix("000002");
    EXPECT_EQ(server.value("SELECT count(*) FROM tinctura_records"), "2");

    ASSERT_TRUE(privateServer.pause());
    saveMix("000003");
    EXPECT_EQ(toast(), app::cloudUnreachableText());
    const auto toastsBefore = app::Alerts::shared().toastCount();
    saveMix("000004");  // its own toast only
    for (auto& m : app::fetchRecords<app::LargeCombination>(context(), app::LargeCombination::fetchRequest()))
        if (m.color() == "000001") context().deleteObject(m.object());
    ASSERT_TRUE(appDelegate->saveContext());
    settle(context());
    EXPECT_EQ(mixes(context()), (std::set<std::string>{"000002", "000003", "000004"}));
    EXPECT_EQ(app::Alerts::shared().toastCount(), toastsBefore + 1);
    // The privacy screen's work cannot be done, and says so.
    std::optional<app::CloudPrivacy::Result<app::CloudPrivacy::DeletedZones>> deleted;
    app::CloudPrivacy::GDPR(app::privacyMetadata(), {}).deleteData([&](auto r) { deleted = std::move(r); });
    runUntil([&] { return deleted.has_value(); });
    ASSERT_FALSE(deleted->isSuccess());
    EXPECT_EQ(deleted->error().code, kit::CloudErrorCode::networkUnavailable);

    ASSERT_TRUE(privateServer.resume());
    appDelegate->willEnterForeground();
    settle(context());
    OtherMachine other(server.connectionString());
    other.context().fetchCloudChangesInBackground();
    settle(other.context());
    EXPECT_EQ(mixes(other.context()), mixes(context()));
    EXPECT_EQ(server.value("SELECT count(*) FROM tinctura_records"), "3");
}

} // namespace

namespace {

TEST_F(CloudServerSyncTest, AnUnreadableLocalCloudFileIsKeptAsideAndTheUserIsTold) {
    const auto file = kit::Paths::dataDir() / "CloudDatabase.sqlite";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << std::string(8192, 'x');
    launch("");
    ASSERT_TRUE(toast());
    EXPECT_NE(toast()->find("CloudDatabase.sqlite.unreadable-"), std::string::npos) << *toast();
    std::size_t kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
        if (entry.path().filename().string().starts_with("CloudDatabase.sqlite.unreadable-")) ++kept;
    EXPECT_EQ(kept, 1u);
    // The new file works: a save goes into it.
    app::saveMix("7F7F7F", {"FF0000"});
    settle(*appDelegate->persistentContainer().viewContext());
    EXPECT_EQ(mixes(*appDelegate->persistentContainer().viewContext()), (std::set<std::string>{"7F7F7F"}));
}

} // namespace

namespace {

TEST_F(CloudServerSyncTest, AfterAnOutageTheQueueIsTriedAgainAtGrowingIntervalsUntilItGoesThrough) {
    // A database that is not there yet stands for a server out of reach; making it brings the server back.
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    const std::string later = server.name() + "_later";
    launch(cloudtest::serverString() + " dbname=" + later);
    settle(context());
    EXPECT_EQ(toast(), app::cloudUnreachableText());
    app::saveMix("000001", {"FF0000"});
    settle(context());
    loop.advance(2);  // the first try again, still out of reach: the next one waits twice as long
    settle(context());

    ASSERT_TRUE(cloudtest::admin(cloudtest::serverString(), "CREATE DATABASE " + later));
    struct Drop {
        std::string name;
        ~Drop() { cloudtest::admin(cloudtest::serverString(), "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)"); }
    } dropLater{later};
    const std::string count = "SELECT count(*) FROM tinctura_records";
    auto onServer = [&] {
        return cloudtest::Database::valueOn(cloudtest::serverString() + " dbname=" + later, count);
    };
    loop.advance(3.9);
    settle(context());
    EXPECT_NE(onServer(), "1");
    loop.advance(0.1);
    settle(context());
    EXPECT_EQ(onServer(), "1");
}

TEST_F(CloudServerSyncTest, ARefusedLoginIsToldAsSuchNotAsAnOutageOnceAndNotTriedAgain) {
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    launch(server.connectionString() + " user=nobody_of_that_name");
    settle(context());
    EXPECT_EQ(toast(), app::cloudLoginRefusedText());
    EXPECT_NE(toast()->find("~/.pgpass"), std::string::npos);
    const auto toasts = app::Alerts::shared().toastCount();
    kit::ConsoleCapture console;
    for (int second = 0; second < 130; ++second) {
        loop.advance(1);
        settle(context());
    }
    EXPECT_FALSE(console.contains("Cloud mirroring postponed")) << ::testing::PrintToString(console.lines());
    saveMix("000001");  // a save is not a new login either, and is not told again
    EXPECT_EQ(app::Alerts::shared().toastCount(), toasts + 1);
}

// The user puts the password in the password file as told: the next save logs in, and what was saved
// meanwhile goes up with it.
TEST_F(CloudServerSyncTest, AfterARefusedLoginTheNextSaveOnceThePasswordFileChangedSendsEverything) {
    struct Role {
        std::string name = "fixed_" + std::to_string(getpid());
        ~Role() { cloudtest::admin(cloudtest::serverString(), "DROP ROLE IF EXISTS " + name); }
    } role;
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    struct PasswordFile {
        std::filesystem::path path;
        ~PasswordFile() { std::filesystem::remove(path); }
    } file{std::filesystem::path(::testing::TempDir()) / ("pgpass_" + role.name)};
    launch(server.connectionString() + " user=" + role.name + " passfile=" + file.path.string());
    settle(context());
    ASSERT_EQ(toast(), app::cloudLoginRefusedText());
    for (const auto* hex : {"000001", "000002", "000003"}) saveMix(hex);
    // The account is mended and the password written where the toast says (this server trusts the role).
    ASSERT_TRUE(cloudtest::admin(cloudtest::serverString(), "CREATE ROLE " + role.name + " LOGIN SUPERUSER"));
    std::ofstream(file.path) << "*:*:*:" << role.name << ":secret\n";
    std::filesystem::permissions(file.path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    saveMix("000004");
    EXPECT_EQ(server.value("SELECT count(*) FROM tinctura_records"), "4");
}

TEST_F(CloudServerSyncTest, ASecondStartAsksOnlyForWhatChangedSinceTheFirst) {
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    OtherMachine other(server.connectionString());
    auto addMixes = [&](int from, int count) {
        for (int i = from; i < from + count; ++i) app::LargeCombination::insert(other.context()).setId(i);
        ASSERT_FALSE(other.context().save());
        settle(other.context());
    };
    addMixes(0, 300);
    {
        kit::ConsoleCapture console;
        launch(server.connectionString());
        settle(context());
        EXPECT_TRUE(console.contains("Cloud sync: 300 records received"));
    }
    addMixes(300, 2);
    app::setDelegate(nullptr);
    appDelegate.reset();
    kit::ConsoleCapture console;
    launch(server.connectionString());
    settle(context());
    EXPECT_TRUE(console.contains("Cloud sync: 2 records received")) << ::testing::PrintToString(console.lines());
    EXPECT_EQ(app::fetchRecords<app::LargeCombination>(context(), app::LargeCombination::fetchRequest()).size(), 302u);
}

} // namespace
