#include "kit/store/ManagedContext.h"
#include "kit/store/ObjectStore.h"
#include "kit/store/ObjectStoreContainer.h"
#include "kit/store/Paths.h"
#include "kit/store/SqliteDatabase.h"
#include "kit/store/FullDisk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

kit::ObjectModel model() {
    using T = kit::AttributeType;
    return {"Test",
            {{"Item",
              {{"tag", T::String, true},
               {"id", T::Int32, true},
               {"big", T::Int64},
               {"flag", T::Bool},
               {"power", T::Double},
               {"colors", T::StringArray}}}}};
}

struct StoreFixture : ::testing::Test {
    kit::TemporaryDataDir dir;
    std::unique_ptr<kit::PersistentContainer> container = open();

    std::unique_ptr<kit::PersistentContainer> open() {
        auto c = std::make_unique<kit::PersistentContainer>("Test", model(), dir.path().string());
        c->loadPersistentStores([](auto&, auto& error) { ASSERT_FALSE(error) << error->text(); });
        return c;
    }
    kit::ManagedContext& context() { return *container->viewContext(); }
    std::shared_ptr<kit::ManagedObject> insert(const std::string& tag, std::int64_t id) {
        auto o = context().insert("Item");
        o->setString("tag", tag);
        o->setInteger("id", id);
        return o;
    }
    std::vector<std::shared_ptr<kit::ManagedObject>> byTag(const std::string& tag) {
        kit::FetchRequest r("Item");
        r.predicate = kit::Predicate::format("tag = %@", tag);
        return context().fetch(r);
    }
};

TEST_F(StoreFixture, EveryAttributeTypeRoundTripsThroughAReopenedStore) {
    const std::vector<std::vector<std::string>> arrays = {
        {}, {""}, {"a,b", "\"quoted\"", "semi;colon"}, {"ünïcödé ✓", "日本", "line\nbreak"}, {std::string("nul\0byte", 8)}};
    for (std::size_t i = 0; i < arrays.size(); ++i) {
        auto o = insert("t" + std::to_string(i), static_cast<std::int64_t>(i));
        o->setInteger("big", 5'000'000'000LL);
        o->setBool("flag", i % 2 == 1);
        o->setDouble("power", 0.555);
        o->setStrings("colors", arrays[i]);
    }
    ASSERT_FALSE(context().save());
    container = open();
    auto all = context().fetch(kit::FetchRequest("Item"));
    ASSERT_EQ(all.size(), arrays.size());
    for (std::size_t i = 0; i < arrays.size(); ++i) {
        EXPECT_EQ(all[i]->strings("colors"), arrays[i]) << i;
        EXPECT_EQ(all[i]->integer("big"), 5'000'000'000LL);
        EXPECT_EQ(all[i]->boolean("flag"), i % 2 == 1);
        EXPECT_DOUBLE_EQ(all[i]->real("power"), 0.555);
    }
    EXPECT_EQ(context().insert("Item")->string("tag"), std::nullopt);  // absent until set
}

TEST_F(StoreFixture, FetchesFilterByTextAndIntegerAndSeeSavesAtOnce) {
    insert("custom", 7);
    insert("liked", 7);
    insert("custom", 8);
    EXPECT_TRUE(byTag("custom").empty());  // not visible before save
    ASSERT_TRUE(context().hasChanges());
    ASSERT_FALSE(context().save());
    EXPECT_FALSE(context().hasChanges());
    EXPECT_EQ(byTag("custom").size(), 2u);
    kit::FetchRequest r("Item");
    r.predicate = kit::Predicate::format("id = %i", std::int64_t{7});
    auto seven = context().fetch(r);
    ASSERT_EQ(seven.size(), 2u);
    context().deleteObject(seven[0]);
    context().deleteObject(seven[1]);
    ASSERT_FALSE(context().save());
    EXPECT_TRUE(context().fetch(r).empty());
    EXPECT_EQ(byTag("custom").size(), 1u);
}

TEST_F(StoreFixture, RollbackForgetsInsertsEditsAndDeletions) {
    auto kept = insert("custom", 1);
    ASSERT_FALSE(context().save());
    insert("custom", 2);
    kept->setString("tag", "changed");
    context().deleteObject(kept);
    context().rollback();
    EXPECT_FALSE(context().hasChanges());
    EXPECT_EQ(kept->string("tag"), "custom");
    EXPECT_FALSE(kept->isDeleted());
    EXPECT_EQ(byTag("custom").size(), 1u);
}

TEST_F(StoreFixture, BatchDeleteWorksInTheStoreAndForgetsLoadedRecords) {
    auto a = insert("custom", 1);
    insert("other", 2);
    ASSERT_FALSE(context().save());
    a->setString("tag", "edited");  // pending edit of a record the batch delete removes
    std::size_t count = 0;
    kit::BatchDeleteRequest request{kit::FetchRequest("Item")};
    request.fetchRequest.predicate = kit::Predicate::format("id = %i", std::int64_t{1});
    ASSERT_FALSE(context().execute(request, &count));
    EXPECT_EQ(count, 1u);
    EXPECT_TRUE(a->isDeleted());
    ASSERT_FALSE(context().save());  // does not write the deleted record back
    EXPECT_EQ(context().fetch(kit::FetchRequest("Item")).size(), 1u);
}

TEST_F(StoreFixture, AFullStoreFailsTheSaveWithoutLosingWhatWasSaved) {
    for (int i = 0; i < 3; ++i) insert("custom", i);
    ASSERT_FALSE(context().save());
    context().store()->setMaximumPageCount(1);
    auto big = insert("custom", 99);
    big->setStrings("colors", std::vector<std::string>(64, std::string(4096, 'x')));
    auto error = context().save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, 13);  // SQLITE_FULL
    EXPECT_TRUE(context().hasChanges());
    context().rollback();
    container = open();
    EXPECT_EQ(byTag("custom").size(), 3u);
}

TEST_F(StoreFixture, AnUnreadableStoreIsMovedAsideAndANewOneStarted) {
    container.reset();
    const auto file = dir.path() / "Test.sqlite";
    std::filesystem::remove(dir.path() / "Test.sqlite-wal");
    std::filesystem::remove(dir.path() / "Test.sqlite-shm");
    { std::ofstream(file, std::ios::trunc) << std::string(8192, 'G'); }
    container = open();
    ASSERT_TRUE(container->movedAsideStorePath());
    EXPECT_TRUE(std::filesystem::exists(*container->movedAsideStorePath()));
    std::ifstream kept(*container->movedAsideStorePath());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), std::string(8192, 'G'));
    insert("custom", 1);
    EXPECT_FALSE(context().save());
}

TEST_F(StoreFixture, AStoreWithDamagedPagesIsMovedAsideLikeAnUnreadableOne) {
    for (int i = 0; i < 23; ++i) insert("custom", i)->setStrings("colors", std::vector<std::string>(8, std::string(400, 'c')));
    ASSERT_FALSE(context().save());
    container.reset();
    const auto file = dir.path() / "Test.sqlite";
    {
        // Fold the log into the file, then damage its last pages while the header stays whole.
        std::optional<kit::StoreError> error;
        auto store = kit::ObjectStore::open(file.string(), model(), {}, error);
        ASSERT_TRUE(store) << error->text();
    }
    const auto size = std::filesystem::file_size(file);
    ASSERT_GT(size, 8u * 4096);
    {
        std::fstream damage(file, std::ios::in | std::ios::out | std::ios::binary);
        damage.seekp(static_cast<std::streamoff>(size - 3 * 4096));
        damage << std::string(2 * 4096, '\x5a');
    }
    container = open();
    ASSERT_TRUE(container->movedAsideStorePath());
    EXPECT_EQ(std::filesystem::file_size(*container->movedAsideStorePath()), size);  // kept as it was
    EXPECT_TRUE(byTag("custom").empty());
    insert("custom", 1);
    EXPECT_FALSE(context().save());
    EXPECT_EQ(byTag("custom").size(), 1u);
}

TEST_F(StoreFixture, AStoreThatCannotBeWrittenBesideIsOpenedForReadingOnly) {
    for (int i = 0; i < 3; ++i) insert("custom", i);
    ASSERT_FALSE(context().save());
    container.reset();
    // Where the lock file cannot be made, as in a read-only folder (the tests may run as root).
    const auto file = dir.path() / "Test.sqlite";
    std::filesystem::remove(dir.path() / "Test.sqlite-wal");
    std::filesystem::remove(dir.path() / "Test.sqlite-shm");
    std::filesystem::create_directory(dir.path() / "Test.sqlite-shm");
    container = open();
    EXPECT_FALSE(container->movedAsideStorePath());
    ASSERT_TRUE(context().store());
    EXPECT_TRUE(context().store()->isReadOnly());
    EXPECT_EQ(byTag("custom").size(), 3u);
    insert("custom", 9);
    EXPECT_TRUE(context().save());
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST(ContextWithoutStore, FetchesReportTheMissingStoreRatherThanFindNothing) {
    kit::ManagedContext context(std::make_shared<kit::ObjectModel>(model()), nullptr, nullptr);
    std::optional<kit::StoreError> error;
    EXPECT_TRUE(context.fetch(kit::FetchRequest("Item"), error).empty());
    EXPECT_TRUE(error);
}

TEST(ObjectStoreMigration, AddsColumnsOfNewAttributesWhenAllowed) {
    kit::TemporaryDataDir dir;
    auto path = (dir.path() / "m.sqlite").string();
    auto older = model();
    older.entities[0].attributes.pop_back();
    std::optional<kit::StoreError> error;
    ASSERT_TRUE(kit::ObjectStore::open(path, older, {}, error));
    EXPECT_FALSE(kit::ObjectStore::open(path, model(), {false}, error));
    error.reset();
    EXPECT_TRUE(kit::ObjectStore::open(path, model(), {true}, error));
}

} // namespace

// A file of the version before change times were kept after a send: it opens, for reading only as well,
// and an unsent row keeps its time; a sent row goes out again as older than any change, as it did then.
TEST(ObjectStoreMigration, AFileFromBeforeChangeTimesWereKeptOpensAndKeepsUnsentTimes) {
    kit::TemporaryDataDir dir;
    const auto path = (dir.path() / "old.sqlite").string();
    const kit::ObjectModel tags{"Old", {{"Item", {{"tag", kit::AttributeType::String}}}}};
    constexpr std::int64_t unsentAt = 1'700'000'000'000;
    {
        std::optional<kit::sqlite::Error> e;
        auto db = kit::sqlite::Database::open(path, e);
        ASSERT_TRUE(db);
        for (const auto* sql :
             {"PRAGMA journal_mode=WAL", "CREATE TABLE _cloud_tombstones (entity TEXT NOT NULL, name TEXT NOT NULL)",
              "CREATE TABLE _cloud_values (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
              "CREATE TABLE \"Item\" (pk INTEGER PRIMARY KEY, \"tag\" TEXT, _cloud_name TEXT, _cloud_dirty INTEGER "
              "NOT NULL DEFAULT 1)",
              "INSERT INTO \"Item\" VALUES (1, 'sent', 'n1', 0), (2, 'unsent', 'n2', 1700000000000)"})
            ASSERT_FALSE(db->exec(sql)) << sql;
    }
    const auto rows = [&](kit::ObjectStore& store) {
        std::optional<kit::StoreError> error;
        auto out = store.fetch(store.model().entities[0], std::nullopt, error);
        EXPECT_FALSE(error);
        return out;
    };
    std::optional<kit::StoreError> error;
    std::filesystem::remove(path + "-shm");
    std::filesystem::create_directory(path + "-shm");  // nothing can be written beside it
    {
        auto readOnly = kit::ObjectStore::open(path, tags, {}, error);
        ASSERT_TRUE(readOnly) << error->text();
        EXPECT_TRUE(readOnly->isReadOnly());
        EXPECT_EQ(rows(*readOnly).size(), 2u);
    }
    std::filesystem::remove(path + "-shm");
    auto store = kit::ObjectStore::open(path, tags, {}, error);
    ASSERT_TRUE(store) << error->text();
    ASSERT_FALSE(store->isReadOnly());
    auto before = rows(*store);
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[0].lastChange, 0);
    EXPECT_EQ(before[1].lastChange, unsentAt);
    ASSERT_FALSE(store->markAllForResend());
    auto after = rows(*store);
    EXPECT_EQ(after[0].changedAt, 1);
    EXPECT_EQ(after[1].changedAt, unsentAt);

    // Sent from now on, a row keeps the time of its change and goes out again at it.
    std::vector<kit::RowChange> edit{
        {kit::RowChange::Kind::Update, &store->model().entities[0], 1, {std::string("edited")}, std::nullopt}};
    ASSERT_FALSE(store->commit(edit));
    const auto edited = rows(*store)[0];
    EXPECT_GT(edited.changedAt, unsentAt);
    EXPECT_EQ(edited.lastChange, edited.changedAt);
    ASSERT_FALSE(store->markExported({{&store->model().entities[0], 1, "n1", edited.changedAt}}));
    EXPECT_EQ(rows(*store)[0].changedAt, 0);
    ASSERT_FALSE(store->markAllForResend());
    EXPECT_EQ(rows(*store)[0].changedAt, edited.changedAt);
}

TEST(StoreOnAFullDisk, SavesAndOpeningTellTheDiskIsFullAndLoseNothing) {
    kit::TemporaryDataDir dir;
    kit::testing::FullDisk disk(dir.path() / "disk");
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small disk needs root";
    auto open = [&] {
        auto c = std::make_unique<kit::PersistentContainer>("Test", model(), disk.folder().string());
        c->loadPersistentStores([](auto&, auto& error) { ASSERT_FALSE(error) << error->text(); });
        return c;
    };
    auto c = open();
    c->viewContext()->insert("Item")->setString("tag", "kept");
    ASSERT_FALSE(c->viewContext()->save());
    disk.fill();
    c->viewContext()->insert("Item")->setStrings("colors", std::vector<std::string>(64, std::string(4096, 'x')));
    auto error = c->viewContext()->save();
    ASSERT_TRUE(error);
    EXPECT_TRUE(kit::isDiskFull(*error)) << error->text();
    c->viewContext()->rollback();
    disk.makeRoom();
    c->viewContext()->insert("Item")->setString("tag", "later");
    EXPECT_FALSE(c->viewContext()->save());
    c.reset();

    // A store started on a full disk can only be read, and knows why.
    for (const char* f : {"Test.sqlite", "Test.sqlite-wal", "Test.sqlite-shm"}) std::filesystem::remove(disk.folder() / f);
    disk.fill();
    c = open();
    ASSERT_TRUE(c->viewContext()->store());
    EXPECT_TRUE(c->viewContext()->store()->isReadOnly());
    EXPECT_TRUE(c->viewContext()->store()->isReadOnlyForAFullDisk());
}
