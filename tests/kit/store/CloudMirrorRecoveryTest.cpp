// The mirror after a crash and with a cloud database that is not the one it knew: every record once,
// on every machine and on the server.
#include "CloudTestServer.h"

#include "kit/store/CloudMirror.h"
#include "kit/store/LocalCloudDatabase.h"
#include "kit/store/ObjectStore.h"
#include "kit/store/SqliteDatabase.h"
#include "kit/store/postgres/PostgresCloudDatabase.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <thread>

namespace {

namespace fs = std::filesystem;
using T = kit::AttributeType;

const kit::ObjectModel model{"M", {{"Item", {{"tag", T::String}, {"n", T::Int64}}}}};
const kit::EntityDescription& item() { return model.entities[0]; }
const kit::RecordZoneID zone{"M"};

// A cloud database that hands everything to another; those below step into its record changes.
class CloudInBetween : public kit::CloudDatabase {
public:
    explicit CloudInBetween(std::shared_ptr<kit::CloudDatabase> inner) : inner_(std::move(inner)) {}
    bool tracksChanges() const override { return inner_->tracksChanges(); }
    void fetchAllRecordZones(
        std::function<void(std::optional<std::vector<kit::RecordZone>>, std::optional<kit::StoreError>)> c) override {
        inner_->fetchAllRecordZones(std::move(c));
    }
    void addOperation(std::shared_ptr<kit::DatabaseOperation> operation) override {
        if (auto modify = std::dynamic_pointer_cast<kit::ModifyRecordsOperation>(operation)) stepInto(*modify);
        inner_->addOperation(std::move(operation));
    }

protected:
    virtual void stepInto(kit::ModifyRecordsOperation& modify) = 0;

private:
    std::shared_ptr<kit::CloudDatabase> inner_;
};

// A cloud database whose record saves (or deletions alone) commit and then end the process before the caller
// hears of it.
class KilledAfterCommit final : public CloudInBetween {
public:
    enum class After { saves, deletions };
    explicit KilledAfterCommit(std::shared_ptr<kit::CloudDatabase> inner, After after = After::saves)
        : CloudInBetween(std::move(inner)), after_(after) {}

private:
    void stepInto(kit::ModifyRecordsOperation& modify) override {
        if (after_ == After::saves ? !modify.recordsToSave.empty() : !modify.recordIDsToDelete.empty())
            modify.modifyRecordsCompletionBlock = [](auto, auto, auto) { std::raise(SIGKILL); };
    }
    After after_;
};

// One machine: a store of its own, mirrored to the cloud database given.
struct Machine {
    fs::path dir;
    std::shared_ptr<kit::ObjectStore> store;
    std::unique_ptr<kit::CloudMirror> mirror;

    Machine(fs::path folder, std::shared_ptr<kit::CloudDatabase> cloud) : dir(std::move(folder)) {
        fs::create_directories(dir);
        std::optional<kit::StoreError> error;
        store = kit::ObjectStore::open((dir / "M.sqlite").string(), model, {}, error);
        EXPECT_TRUE(store) << (error ? error->text() : "");
        mirror = std::make_unique<kit::CloudMirror>(store, kit::CloudContainer("c", std::move(cloud)), "M");
    }
    void save(const std::vector<std::string>& tags) {
        std::vector<kit::RowChange> changes;
        for (const auto& tag : tags)
            changes.push_back({kit::RowChange::Kind::Insert, &item(), 0, {tag, std::int64_t{7}}, std::nullopt});
        ASSERT_FALSE(store->commit(changes));
    }
    // Tags the first record of the kind asked for `to`, as the user's edit does.
    void edit(const std::function<bool(const kit::StoreRow&)>& which, const std::string& to) {
        std::optional<kit::StoreError> error;
        for (const auto& row : store->fetch(item(), std::nullopt, error))
            if (which(row)) {
                std::vector<kit::RowChange> changes{
                    {kit::RowChange::Kind::Update, &item(), row.pk, {to, std::int64_t{7}}, std::nullopt}};
                ASSERT_FALSE(store->commit(changes));
                return;
            }
        ADD_FAILURE() << "no record to edit";
    }
    std::optional<kit::StoreError> sync() {
        if (auto e = mirror->exportChanges()) return e;
        return mirror->importChanges();
    }
    std::multiset<std::string> tags() {
        std::optional<kit::StoreError> error;
        std::multiset<std::string> out;
        for (const auto& row : store->fetch(item(), std::nullopt, error)) out.insert(std::get<std::string>(row.values[0]));
        return out;
    }
};

// The zone's records in the cloud, in the database's order.
std::vector<kit::Record> cloudRecords(kit::CloudDatabase& db) {
    std::vector<kit::Record> out;
    std::optional<kit::QueryCursor> cursor;
    std::optional<kit::StoreError> error;
    do {
        auto op = cursor ? std::make_shared<kit::QueryOperation>(*cursor)
                         : std::make_shared<kit::QueryOperation>(kit::Query{"CD_Item"});
        op->zoneID = zone;
        std::promise<void> done;
        op->recordFetchedBlock = [&](const kit::Record& r) { out.push_back(r); };
        op->queryCompletionBlock = [&](auto next, auto e) {
            cursor = next;
            error = e;
            done.set_value();
        };
        db.addOperation(op);
        done.get_future().get();
    } while (cursor && !error);
    return out;
}

std::multiset<std::string> cloudTags(kit::CloudDatabase& db) {
    std::multiset<std::string> out;
    for (const auto& r : cloudRecords(db)) out.insert(std::get<std::string>(*r.value("CD_tag")));
    return out;
}

std::vector<std::string> numbered(const std::string& prefix, int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) out.push_back(prefix + std::to_string(i));
    return out;
}

// The death test's child runs the test again from the top: it must find what the parent made, so the
// folder and the server database are handed down in the environment.
struct Handed {
    fs::path dir;
    std::string server;
    bool parent = false;

    explicit Handed(const std::string& serverBase) {
        if (const char* d = std::getenv("TINCTURA_TEST_CRASH_DIR")) {
            dir = d;
            server = std::getenv("TINCTURA_TEST_CRASH_SERVER");
            return;
        }
        parent = true;
        char pattern[] = "/tmp/tinctura-crash-XXXXXX";
        dir = mkdtemp(pattern);
        static int counter = 0;
        const std::string name = "crash" + std::to_string(getpid()) + "_" + std::to_string(counter++);
        if (!serverBase.empty() && cloudtest::admin(serverBase, "CREATE DATABASE " + name))
            server = serverBase + " dbname=" + name;
        setenv("TINCTURA_TEST_CRASH_DIR", dir.c_str(), 1);
        setenv("TINCTURA_TEST_CRASH_SERVER", server.c_str(), 1);
    }
    ~Handed() {
        if (!parent) return;
        unsetenv("TINCTURA_TEST_CRASH_DIR");
        unsetenv("TINCTURA_TEST_CRASH_SERVER");
        fs::remove_all(dir);
        if (!server.empty())
            cloudtest::admin(cloudtest::serverString(),
                             "DROP DATABASE IF EXISTS " + server.substr(server.rfind('=') + 1) + " WITH (FORCE)");
    }
};

std::shared_ptr<kit::CloudDatabase> openCloud(const Handed& handed, bool onServer) {
    if (onServer) return std::make_shared<kit::PostgresCloudDatabase>(handed.server, "c");
    std::optional<kit::StoreError> error;
    return kit::LocalCloudDatabase::open((handed.dir / "cloud.sqlite").string(), "c", error);
}

// Killed after the cloud took the records and before the store marked them sent: the next start sends
// them again under the names they were given, so each is there once, here, in the cloud and elsewhere.
void killBetweenTheCloudsCommitAndTheLocalMark(bool onServer) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Handed handed(onServer ? cloudtest::serverString() : "");
    if (onServer && handed.server.empty()) GTEST_SKIP() << "no test database server (TINCTURA_TEST_PG)";
    const auto tags = numbered("t", 300);
    if (handed.parent) {
        Machine machine(handed.dir / "a", openCloud(handed, onServer));
        machine.save(tags);
    }
    EXPECT_EXIT(
        {
            Machine machine(handed.dir / "a", std::make_shared<KilledAfterCommit>(openCloud(handed, onServer)));
            machine.mirror->exportChanges();
        },
        ::testing::KilledBySignal(SIGKILL), "");

    auto cloud = openCloud(handed, onServer);
    Machine machine(handed.dir / "a", cloud);
    ASSERT_FALSE(machine.sync());
    const std::multiset<std::string> once(tags.begin(), tags.end());
    EXPECT_EQ(cloudTags(*cloud), once);
    EXPECT_EQ(machine.tags(), once);
    Machine other(handed.dir / "b", cloud);
    ASSERT_FALSE(other.sync());
    EXPECT_EQ(other.tags(), once);
}

TEST(CloudMirrorCrash, AKillAfterTheLocalStandInTookTheRecordsDoublesNothing) { killBetweenTheCloudsCommitAndTheLocalMark(false); }
TEST(CloudMirrorCrash, AKillAfterTheServerTookTheRecordsDoublesNothing) { killBetweenTheCloudsCommitAndTheLocalMark(true); }

// A folder of the test's own for the machines' stores.
struct Folder {
    fs::path path;
    Folder() {
        char pattern[] = "/tmp/tinctura-machines-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~Folder() { fs::remove_all(path); }
};

std::shared_ptr<kit::CloudDatabase> openServer(const cloudtest::Database& server) {
    return std::make_shared<kit::PostgresCloudDatabase>(server.connectionString(), "c");
}

std::optional<kit::StoreError> saveInCloud(kit::CloudDatabase& db, std::vector<kit::Record> records) {
    auto op = std::make_shared<kit::ModifyRecordsOperation>(std::move(records), std::vector<kit::RecordID>{});
    std::promise<std::optional<kit::StoreError>> done;
    op->modifyRecordsCompletionBlock = [&](auto, auto, auto e) { done.set_value(e); };
    db.addOperation(op);
    return done.get_future().get();
}

// Copies that a crash left under two names (as the mirror made them before it kept names first) become one,
// under the name the server took first, on the server and on both machines; a copy that differs stays.
TEST(CloudMirrorDoubles, CopiesAlikeInEveryFieldAreFoldedIntoTheOlderOneEverywhere) {
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    Folder folder;
    Machine a(folder.path / "a", openServer(server)), b(folder.path / "b", openServer(server));
    a.save({"doubled", "single"});
    ASSERT_FALSE(a.sync());
    ASSERT_FALSE(b.sync());
    auto cloud = openServer(server);
    auto records = cloudRecords(*cloud);
    ASSERT_EQ(records.size(), 2u);
    const auto older = records[0].recordID().recordName;
    auto copyNamed = [&](const std::string& name) {
        kit::Record copy("CD_Item", kit::RecordID{name, zone});
        for (const auto& [key, value] : records[0].fields()) copy.set(key, value);
        copy.setModificationDate(records[0].modificationDate());
        return copy;
    };
    auto unlike = copyNamed("changed-since");
    unlike.set("CD_n", std::int64_t{8});
    ASSERT_FALSE(saveInCloud(*cloud, {copyNamed("sent-again"), unlike}));
    ASSERT_FALSE(b.sync());  // takes only what changed: the copies as well
    EXPECT_EQ(b.tags(), (std::multiset<std::string>{"doubled", "doubled", "doubled", "single"}));

    // The first sync of this version on A starts from the beginning: its token is of the earlier form.
    ASSERT_FALSE(a.store->setCloudValue("changeToken M", "9 " + server.connectionString()));
    a.mirror = std::make_unique<kit::CloudMirror>(a.store, kit::CloudContainer("c", openServer(server)), "M");
    ASSERT_FALSE(a.sync());
    ASSERT_FALSE(b.sync());
    std::set<std::string> names;
    for (const auto& r : cloudRecords(*cloud)) names.insert(r.recordID().recordName);
    EXPECT_EQ(names, (std::set<std::string>{older, records[1].recordID().recordName, "changed-since"}));
    for (auto* machine : {&a, &b}) EXPECT_EQ(machine->tags(), (std::multiset<std::string>{"doubled", "doubled", "single"}));
    // The token kept names the database by its id, no longer by the connection string.
    const auto token = a.store->cloudValue("changeToken M");
    ASSERT_TRUE(token);
    EXPECT_EQ(token->substr(token->find(' ') + 1), server.value("SELECT id FROM tinctura_schema"));
}

// A cloud database that runs `before` once, just before the first deletion-only request goes to the server:
// for the fold, between its fetch and its delete.
class BeforeTheFirstDeletion final : public CloudInBetween {
public:
    BeforeTheFirstDeletion(std::shared_ptr<kit::CloudDatabase> inner, std::function<void()> before)
        : CloudInBetween(std::move(inner)), before_(std::move(before)) {}

private:
    void stepInto(kit::ModifyRecordsOperation& modify) override {
        if (modify.recordsToSave.empty() && !modify.recordIDsToDelete.empty() && before_) std::exchange(before_, {})();
    }
    std::function<void()> before_;
};

// Two machines fold the same doubles while a third edits one of the later copies between the fold's fetch and
// its delete: the edited copy is no double any more and stays, on the server and on every machine.
TEST(CloudMirrorDoubles, ACopyEditedWhileTheFoldRunsIsKeptAndReachesEveryMachine) {
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    Folder folder;
    Machine a(folder.path / "a", openServer(server)), b(folder.path / "b", openServer(server)),
        c(folder.path / "c", openServer(server));
    a.save({"doubled"});
    for (auto* machine : {&a, &b, &c}) ASSERT_FALSE(machine->sync());
    auto cloud = openServer(server);
    const auto original = cloudRecords(*cloud).at(0);
    kit::Record copy("CD_Item", kit::RecordID{"sent-again", zone});
    for (const auto& [key, value] : original.fields()) copy.set(key, value);
    copy.setModificationDate(original.modificationDate());
    ASSERT_FALSE(saveInCloud(*cloud, {copy}));
    for (auto* machine : {&a, &b, &c}) ASSERT_FALSE(machine->sync());
    ASSERT_EQ(c.tags(), (std::multiset<std::string>{"doubled", "doubled"}));

    // A and B start from the beginning (a token of the earlier form), so both look for doubles. Both fetch,
    // then C's edit goes to the server, then both delete.
    const auto foldingWith = [&](Machine& machine, std::function<void()> beforeTheDelete) {
        ASSERT_FALSE(machine.store->setCloudValue("changeToken M", "9 " + server.connectionString()));
        auto cloud = std::make_shared<BeforeTheFirstDeletion>(openServer(server), std::move(beforeTheDelete));
        machine.mirror = std::make_unique<kit::CloudMirror>(machine.store, kit::CloudContainer("c", cloud), "M");
    };
    foldingWith(b, [&] {
        c.edit([](const auto& row) { return row.cloudName == "sent-again"; }, "edited");
        EXPECT_FALSE(c.mirror->exportChanges());
    });
    foldingWith(a, [&] { EXPECT_FALSE(b.sync()); });
    ASSERT_FALSE(a.sync());
    for (auto* machine : {&a, &b, &c}) ASSERT_FALSE(machine->sync());

    const std::multiset<std::string> kept{"doubled", "edited"};
    EXPECT_EQ(cloudTags(*cloud), kept);
    EXPECT_EQ(a.tags(), kept);
    EXPECT_EQ(b.tags(), kept);
    EXPECT_EQ(c.tags(), kept);
}

// Drops the server database and makes it anew under the same name, as an administrator may.
void remake(const std::string& name) {
    ASSERT_TRUE(cloudtest::admin(cloudtest::serverString(), "DROP DATABASE " + name + " WITH (FORCE)"));
    ASSERT_TRUE(cloudtest::admin(cloudtest::serverString(), "CREATE DATABASE " + name));
}

// After the server database was made anew, what each machine had goes to it again and each takes all of
// it: whichever machine comes first, both and the server end with the same records, each once.
struct RemadeServer : ::testing::TestWithParam<bool> {};

TEST_P(RemadeServer, EveryRecordGoesToTheNewDatabaseAndBothMachinesEndEqual) {
    const bool aFirst = GetParam();
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    Folder folder;
    Machine a(folder.path / "a", openServer(server)), b(folder.path / "b", openServer(server));
    a.save(numbered("a", 5));
    ASSERT_FALSE(a.sync());
    b.save(numbered("b", 5));
    ASSERT_FALSE(b.sync());
    ASSERT_FALSE(a.sync());

    remake(server.name());
    // New saves on both; B's many enough that the new change numbers pass the tokens of the old database.
    a.save({"a-new"});
    b.save(numbered("b-new", 20));
    auto& first = aFirst ? a : b;
    auto& second = aFirst ? b : a;
    // Each machine's connection ended with the old database: its first call finds that out.
    for (auto* machine : {&first, &second}) {
        const auto lost = machine->sync();
        ASSERT_TRUE(lost);
        EXPECT_EQ(lost->code, kit::CloudErrorCode::networkUnavailable);
    }
    ASSERT_FALSE(first.sync());
    ASSERT_FALSE(second.sync());
    ASSERT_FALSE(first.sync());

    std::multiset<std::string> all{"a-new"};
    for (const auto& list : {numbered("a", 5), numbered("b", 5), numbered("b-new", 20)}) all.insert(list.begin(), list.end());
    EXPECT_EQ(cloudTags(*openServer(server)), all);
    EXPECT_EQ(a.tags(), all);
    EXPECT_EQ(b.tags(), all);
}

INSTANTIATE_TEST_SUITE_P(WhoSyncsFirst, RemadeServer, ::testing::Values(true, false),
                         [](const auto& info) { return std::string(info.param ? "ASyncsFirst" : "BSavesFirst"); });

// After the server database was made anew, a record edited on one or both machines ends with its latest
// edit everywhere, whether that edit had gone to the old database or not, and whichever machine syncs first.
struct LatestEditAfterARemake {
    const char* name;
    bool aSentBeforeTheRemake;  // A's edit went to the old database; else it is made after the remake
    enum { none, beforeA, afterA } bEdit;  // B's edit of the same record, never synced before the remake
};

struct RemadeServerEdits : ::testing::TestWithParam<std::tuple<LatestEditAfterARemake, bool>> {};

TEST_P(RemadeServerEdits, TheLatestEditOfARecordEndsOnBothMachinesAndTheServer) {
    const auto [edits, bFirst] = GetParam();
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    Folder folder;
    Machine a(folder.path / "a", openServer(server)), b(folder.path / "b", openServer(server));
    a.save({"t0", "other"});
    ASSERT_FALSE(a.sync());
    ASSERT_FALSE(b.sync());
    // Edits a few milliseconds apart, as a user's are.
    auto edit = [](Machine& machine, const std::string& to) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        machine.edit([](const auto& row) { return std::get<std::string>(row.values[0]) == "t0"; }, to);
    };
    if (edits.bEdit == LatestEditAfterARemake::beforeA) edit(b, "B-new");
    if (edits.aSentBeforeTheRemake) {
        edit(a, "A-new");
        ASSERT_FALSE(a.sync());
    }
    remake(server.name());
    if (!edits.aSentBeforeTheRemake) edit(a, "A-new");
    if (edits.bEdit == LatestEditAfterARemake::afterA) edit(b, "B-new");
    auto& first = bFirst ? b : a;
    auto& second = bFirst ? a : b;
    for (auto* machine : {&first, &second}) ASSERT_TRUE(machine->sync());  // each finds its connection ended
    ASSERT_FALSE(first.sync());
    ASSERT_FALSE(second.sync());
    ASSERT_FALSE(first.sync());

    const std::multiset<std::string> latest{edits.bEdit == LatestEditAfterARemake::afterA ? "B-new" : "A-new", "other"};
    EXPECT_EQ(cloudTags(*openServer(server)), latest);
    EXPECT_EQ(a.tags(), latest);
    EXPECT_EQ(b.tags(), latest);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, RemadeServerEdits,
    ::testing::Combine(::testing::Values(LatestEditAfterARemake{"SentFromA", true, LatestEditAfterARemake::none},
                                         LatestEditAfterARemake{"UnsentOnA", false, LatestEditAfterARemake::none},
                                         LatestEditAfterARemake{"UnsentOnBoth", false, LatestEditAfterARemake::afterA},
                                         LatestEditAfterARemake{"SentFromAAfterAnUnsentOneOnB", true,
                                                                LatestEditAfterARemake::beforeA}),
                       ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "_BSyncsFirst" : "_ASyncsFirst");
    });

// A's next sync is killed once the server committed its saves or its deletions; then A and B sync again,
// and the server, A and B each end with `expected`.
void killASyncThenSyncAgain(const Handed& handed, KilledAfterCommit::After after,
                            const std::multiset<std::string>& expected) {
    EXPECT_EXIT(
        {
            Machine a(handed.dir / "a", std::make_shared<KilledAfterCommit>(openCloud(handed, true), after));
            a.sync();
        },
        ::testing::KilledBySignal(SIGKILL), "");

    Machine a(handed.dir / "a", openCloud(handed, true)), b(handed.dir / "b", openCloud(handed, true));
    ASSERT_FALSE(a.sync());
    ASSERT_FALSE(b.sync());
    EXPECT_EQ(cloudTags(*openCloud(handed, true)), expected);
    EXPECT_EQ(a.tags(), expected);
    EXPECT_EQ(b.tags(), expected);
}

// Killed after the database made anew took the later copy A sends again and before A marked it sent: the next
// start sends it again at the same time, and the later edit ends everywhere, once.
TEST(CloudMirrorCrash, AKillWhileALaterCopyGoesToADatabaseMadeAnewLosesNothing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Handed handed(cloudtest::serverString());
    if (handed.server.empty()) GTEST_SKIP() << "no test database server (TINCTURA_TEST_PG)";
    const auto name = handed.server.substr(handed.server.rfind('=') + 1);
    if (handed.parent) {
        Machine a(handed.dir / "a", openCloud(handed, true)), b(handed.dir / "b", openCloud(handed, true));
        a.save({"t0", "other"});
        ASSERT_FALSE(a.sync());
        ASSERT_FALSE(b.sync());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        a.edit([](const auto& row) { return std::get<std::string>(row.values[0]) == "t0"; }, "A-new");
        ASSERT_FALSE(a.sync());
        remake(name);
        b.mirror = std::make_unique<kit::CloudMirror>(b.store, kit::CloudContainer("c", openCloud(handed, true)), "M");
        ASSERT_FALSE(b.sync());  // B first: its older copy reaches the new database
    }
    killASyncThenSyncAgain(handed, KilledAfterCommit::After::saves, {"A-new", "other"});
}

// Killed after the server deleted the doubles the fold found and before the store heard of it: the next
// start finds them gone, and every machine and the server end with each record once.
TEST(CloudMirrorCrash, AKillAfterTheFoldDeletedOnTheServerLeavesEachRecordOnceEverywhere) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Handed handed(cloudtest::serverString());
    if (handed.server.empty()) GTEST_SKIP() << "no test database server (TINCTURA_TEST_PG)";
    if (handed.parent) {
        Machine a(handed.dir / "a", openCloud(handed, true)), b(handed.dir / "b", openCloud(handed, true));
        a.save({"doubled", "single"});
        ASSERT_FALSE(a.sync());
        ASSERT_FALSE(b.sync());
        auto cloud = openCloud(handed, true);
        const auto original = cloudRecords(*cloud).at(0);
        kit::Record copy("CD_Item", kit::RecordID{"sent-again", zone});
        for (const auto& [key, value] : original.fields()) copy.set(key, value);
        copy.setModificationDate(original.modificationDate());
        ASSERT_FALSE(saveInCloud(*cloud, {copy}));
        ASSERT_FALSE(a.sync());
        ASSERT_FALSE(b.sync());
        ASSERT_FALSE(a.store->setCloudValue("changeToken M", "9 " + handed.server));  // A looks for doubles
    }
    killASyncThenSyncAgain(handed, KilledAfterCommit::After::deletions, {"doubled", "single"});
}

// A stand-in file made anew (the old one unreadable and set aside, say) lacks what went to the old one:
// it goes again, and nothing here is taken for deleted.
TEST(CloudMirrorNewDatabase, AStandInFileMadeAnewGetsEveryRecordAgainAndNothingHereIsDeleted) {
    Folder folder;
    const auto file = folder.path / "cloud.sqlite";
    auto open = [&] {
        std::optional<kit::StoreError> error;
        return kit::LocalCloudDatabase::open(file.string(), "c", error);
    };
    {
        Machine a(folder.path / "a", open());
        a.save(numbered("old", 3));
        ASSERT_FALSE(a.sync());
    }
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(file.string() + suffix);
    auto cloud = open();
    Machine a(folder.path / "a", cloud);
    a.save({"new"});
    ASSERT_FALSE(a.sync());
    ASSERT_FALSE(a.sync());
    const std::multiset<std::string> all{"old0", "old1", "old2", "new"};
    EXPECT_EQ(a.tags(), all);
    EXPECT_EQ(cloudTags(*cloud), all);
}

} // namespace
