#include "kit/store/CloudDatabaseDouble.h"
#include "kit/store/CloudMirror.h"
#include "kit/store/CloudWorkers.h"
#include "kit/store/LocalCloudDatabase.h"
#include "kit/store/ObjectStoreContainer.h"
#include "kit/base/Console.h"
#include "kit/store/Paths.h"
#include "kit/store/SqliteDatabase.h"
#include "kit/runtime/RunLoop.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace {

struct Page {
    std::vector<std::string> names;
    std::optional<kit::QueryCursor> cursor;
    std::optional<kit::StoreError> error;
    bool onCallerThread = false;
};

Page queryPage(kit::CloudDatabase& db, std::shared_ptr<kit::QueryOperation> op) {
    Page page;
    std::promise<void> done;
    const auto caller = std::this_thread::get_id();
    op->recordFetchedBlock = [&](const kit::Record& r) { page.names.push_back(r.recordID().recordName); };
    op->queryCompletionBlock = [&](auto cursor, auto error) {
        page.cursor = cursor;
        page.error = error;
        page.onCallerThread = std::this_thread::get_id() == caller;
        done.set_value();
    };
    db.addOperation(op);
    done.get_future().get();
    return page;
}

kit::Record record(const std::string& zone, const std::string& name, const std::string& type = "CD_Item") {
    kit::Record r(type, kit::RecordID{name, kit::RecordZoneID{zone}});
    r.set("CD_tag", std::string("custom"));
    r.set("CD_id", std::int64_t{42});
    r.set("CD_colors", std::vector<std::string>{"A,B", "\"q\""});
    return r;
}

TEST(LocalCloudDatabase, KeepsRecordsWithTypedFieldsAndPagesThemWithCursors) {
    kit::TemporaryDataDir dir;
    std::optional<kit::StoreError> error;
    auto path = (dir.path() / "cloud.sqlite").string();
    {
        auto db = kit::LocalCloudDatabase::open(path, "c1", error);
        ASSERT_TRUE(db);
        auto op = std::make_shared<kit::ModifyRecordZonesOperation>(
            std::vector<kit::RecordZone>{{kit::RecordZoneID{"Z"}}}, std::vector<kit::RecordZoneID>{});
        std::promise<void> zoneDone;
        op->modifyRecordZonesCompletionBlock = [&](auto, auto, auto) { zoneDone.set_value(); };
        db->addOperation(op);
        zoneDone.get_future().get();
        std::vector<kit::Record> five;
        for (int i = 0; i < 5; ++i) five.push_back(record("Z", "r" + std::to_string(i)));
        auto save = std::make_shared<kit::ModifyRecordsOperation>(five, std::vector<kit::RecordID>{});
        std::promise<void> saved;
        save->modifyRecordsCompletionBlock = [&](auto, auto, auto e) { EXPECT_FALSE(e); saved.set_value(); };
        db->addOperation(save);
        saved.get_future().get();
    }
    auto db = kit::LocalCloudDatabase::open(path, "c1", error);  // reopened: the file keeps everything
    auto first = std::make_shared<kit::QueryOperation>(kit::Query{"CD_Item"});
    first->zoneID = kit::RecordZoneID{"Z"};
    first->resultsLimit = 2;
    auto page = queryPage(*db, first);
    EXPECT_FALSE(page.onCallerThread);
    std::vector<std::string> all = page.names;
    while (page.cursor) {
        auto next = std::make_shared<kit::QueryOperation>(*page.cursor);
        next->resultsLimit = 2;
        page = queryPage(*db, next);
        all.insert(all.end(), page.names.begin(), page.names.end());
    }
    EXPECT_EQ(all, (std::vector<std::string>{"r0", "r1", "r2", "r3", "r4"}));

    auto other = kit::LocalCloudDatabase::open(path, "c2", error);  // another container sees nothing
    std::promise<std::optional<std::vector<kit::RecordZone>>> zones;
    other->fetchAllRecordZones([&](auto list, auto) { zones.set_value(list); });
    auto list = zones.get_future().get();
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->empty());
}

TEST(CloudRecord, DescribesEachValueKind) {
    EXPECT_EQ(kit::description(std::string("FF4050")), "FF4050");
    EXPECT_EQ(kit::description(std::int64_t{-12}), "-12");
    EXPECT_EQ(kit::description(0.555), "0.555");
    EXPECT_EQ(kit::description(kit::CloudDate{86400.5}), "1970-01-02T00:00:00Z");
    EXPECT_EQ(kit::description(kit::CloudData{"\x01\xff"}), "<01ff>");
    EXPECT_EQ(kit::description(std::vector<std::string>{"a\"b", "c"}), "[\"a\\\"b\",\"c\"]");
}

TEST(CloudDatabaseDouble, InjectsFaultsPerCallAndPageAndReportsPartialZoneDeletion) {
    auto db = kit::CloudDatabaseDouble::make();
    for (int i = 0; i < 3; ++i) db->addRecord(record("Z", "r" + std::to_string(i)));
    db->addZone("Y");
    db->setPageSize(2);
    db->injectFault(kit::CloudDatabaseDouble::Call::QueryPage, kit::cloudError(3, "offline"), "CD_Item", 1);
    auto op = std::make_shared<kit::QueryOperation>(kit::Query{"CD_Item"});
    op->zoneID = kit::RecordZoneID{"Z"};
    auto first = queryPage(*db, op);
    EXPECT_EQ(first.names.size(), 2u);
    ASSERT_TRUE(first.cursor);
    auto second = queryPage(*db, std::make_shared<kit::QueryOperation>(*first.cursor));
    ASSERT_TRUE(second.error);
    EXPECT_EQ(second.error->description, "offline");

    db->injectFault(kit::CloudDatabaseDouble::Call::ZoneDelete, kit::cloudError(1, "busy"), "Y");
    auto del = std::make_shared<kit::ModifyRecordZonesOperation>(
        std::vector<kit::RecordZone>{}, std::vector<kit::RecordZoneID>{{"Z"}, {"Y"}});
    std::promise<std::optional<kit::StoreError>> done;
    del->modifyRecordZonesCompletionBlock = [&](auto, auto, auto e) { done.set_value(e); };
    db->addOperation(del);
    auto error = done.get_future().get();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, kit::CloudErrorCode::partialFailure);
    EXPECT_EQ(db->zoneIDs(), (std::vector<kit::RecordZoneID>{{"Y"}}));

    db->setZoneListAnswer(kit::CloudDatabaseDouble::ZoneListAnswer::Absent);
    std::promise<bool> absent;
    db->fetchAllRecordZones([&](auto list, auto e) { absent.set_value(!list && !e); });
    EXPECT_TRUE(absent.get_future().get());
}

TEST(CloudMirror, SavesGoOutAsCdRecordsAndCloudChangesShowOnlyAtThePin) {
    kit::TemporaryDataDir dir;
    auto cloudDb = kit::CloudDatabaseDouble::make();
    kit::CloudContainer cloud("c", cloudDb);
    using T = kit::AttributeType;
    kit::ObjectModel model{"M", {{"Item", {{"tag", T::String, true}, {"flag", T::Bool}, {"colors", T::StringArray}}}}};
    kit::CloudPersistentContainer container("M", model, dir.path().string(), cloud);
    container.loadPersistentStores({});
    auto& context = *container.viewContext();
    auto item = context.insert("Item");
    item->setString("tag", "custom");
    item->setBool("flag", true);
    item->setStrings("colors", {"x"});
    ASSERT_FALSE(context.save());
    context.waitForCloudSync();  // the save goes up in the background

    auto records = cloudDb->records("M", "CD_Item");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(*records[0].value("CD_tag"), kit::RecordValue(std::string("custom")));
    EXPECT_EQ(*records[0].value("CD_flag"), kit::RecordValue(std::int64_t{1}));

    // Another device adds one record and deletes ours.
    cloudDb->addRecord(record("M", "from-elsewhere"));
    auto remove = std::make_shared<kit::ModifyRecordsOperation>(std::vector<kit::Record>{},
                                                                std::vector<kit::RecordID>{records[0].recordID()});
    std::promise<void> removed;
    remove->modifyRecordsCompletionBlock = [&](auto, auto, auto) { removed.set_value(); };
    cloudDb->addOperation(remove);
    removed.get_future().get();

    EXPECT_EQ(context.fetch(kit::FetchRequest("Item")).size(), 1u);  // stable until the pin
    ASSERT_FALSE(context.setQueryGenerationFromToken(context.currentQueryGenerationToken()));
    auto now = context.fetch(kit::FetchRequest("Item"));
    ASSERT_EQ(now.size(), 1u);
    EXPECT_EQ(now[0]->string("tag"), "custom");
    EXPECT_EQ(now[0]->strings("colors"), (std::vector<std::string>{"A,B", "\"q\""}));
    EXPECT_TRUE(item->isDeleted());
}

} // namespace

namespace {

// A store of items with a text "tag", mirrored to an in-memory cloud database.
struct TaggedItems {
    kit::TemporaryDataDir dir;
    std::shared_ptr<kit::CloudDatabaseDouble> cloudDb = kit::CloudDatabaseDouble::make();
    kit::CloudPersistentContainer container{"M", {"M", {{"Item", {{"tag", kit::AttributeType::String}}}}},
                                            dir.path().string(), kit::CloudContainer("c", cloudDb)};
    TaggedItems() { container.loadPersistentStores({}); }
};

TEST(CloudMirror, ALocalSaveStandsWhenTheCloudFailsAndGoesOutLater) {
    TaggedItems items;
    auto& cloudDb = items.cloudDb;
    auto& context = *items.container.viewContext();
    cloudDb->injectFault(kit::CloudDatabaseDouble::Call::RecordSave, kit::cloudError(3, "offline"));
    kit::ConsoleCapture console;
    context.insert("Item")->setString("tag", "first");
    EXPECT_FALSE(context.save());
    context.waitForCloudSync();
    kit::RunLoop::main().drainMainQueue();
    EXPECT_TRUE(console.contains("Cloud mirroring postponed"));
    EXPECT_TRUE(cloudDb->records("M", "CD_Item").empty());
    cloudDb->clearFaults();
    context.insert("Item")->setString("tag", "second");
    EXPECT_FALSE(context.save());
    context.waitForCloudSync();
    EXPECT_EQ(cloudDb->records("M", "CD_Item").size(), 2u);
    EXPECT_EQ(context.fetch(kit::FetchRequest("Item")).size(), 2u);
}

// A store whose kept cloud name was damaged still sends the record: under a new name, as no server takes it.
TEST(CloudMirror, AStoredNameNoServerWouldTakeIsReplacedWhenTheRecordGoesOut) {
    TaggedItems items;
    auto& context = *items.container.viewContext();
    auto item = context.insert("Item");
    item->setString("tag", "first");
    ASSERT_FALSE(context.save());
    context.waitForCloudSync();
    {
        std::optional<kit::sqlite::Error> e;
        auto store = kit::sqlite::Database::open((items.dir.path() / "M.sqlite").string(), e);
        ASSERT_TRUE(store);
        ASSERT_FALSE(store->exec("UPDATE \"Item\" SET _cloud_name = CAST(x'62ff00' AS TEXT)"));
    }
    for (const char* tag : {"second", "third"}) {
        item->setString("tag", tag);
        ASSERT_FALSE(context.save());
        context.waitForCloudSync();
    }
    auto records = items.cloudDb->records("M", "CD_Item");
    ASSERT_EQ(records.size(), 2u);  // the first copy, which the store no longer names, and the repaired one
    for (const auto& r : records) EXPECT_TRUE(kit::isValidCloudName(r.recordID().recordName));
    EXPECT_EQ(*records[1].value("CD_tag"), kit::RecordValue(std::string("third")));
}

TEST(CloudRecord, NamesAServerCanHoldAreShortUtf8WithoutNul) {
    const std::pair<std::string, bool> cases[] = {
        {"4A1F7C2E-0B6D-4E8A-9C3F-2D7B5E1A6F90", true},
        {"Fa\xC3\xA7" "ade \xE2\x82\xAC \xF0\x9F\x8E\xA8", true},
        {std::string(255, 'n'), true},
        {"", false},
        {std::string(256, 'n'), false},
        {std::string("a\0b", 3), false},
        {"caf\xE9", false},                  // Latin-1
        {"cut \xE2\x82", false},             // a sequence cut short
        {"\xC0\xAF", false},                 // an overlong slash
        {"\xED\xA0\x80", false},             // a lone surrogate
        {"\xF4\x90\x80\x80", false},         // beyond U+10FFFF
    };
    for (const auto& [name, valid] : cases) EXPECT_EQ(kit::isValidCloudName(name), valid) << name;
}

TEST(CloudRecord, FieldsThatCannotBeReadDecodeToNothing) {
    kit::Record r("T", kit::RecordID{"n", {"Z"}});
    r.set("text", std::string("say \"hi\"\n"));
    r.set("int", std::int64_t{-7});
    r.set("real", 0.25);
    r.set("date", kit::CloudDate{1.7e9});
    r.set("data", kit::CloudData{std::string("\0\xff", 2)});
    r.set("list", std::vector<std::string>{"a", ""});
    EXPECT_EQ(kit::decodeFields(kit::encodeFields(r.fields())), r.fields());
    for (const char* text : {"not json", "[]", R"({"k": "bare"})", R"({"k": {}})", R"({"k": {"int": 1, "x": 2}})",
                             R"({"k": {"int": 1.5}})", R"({"k": {"int": 18446744073709551615}})",
                             R"({"k": {"double": 1e999}})", R"({"k": {"date": 1e300}})", R"({"k": {"date": "now"}})",
                             R"({"k": {"data": "<0g>"}})", R"({"k": {"data": "<0>"}})", R"({"k": {"list": [1]}})",
                             R"({"k": {"colour": "red"}})"})
        EXPECT_FALSE(kit::decodeFields(text)) << text;
    EXPECT_EQ(kit::decodeFields("{}"), (std::map<std::string, kit::RecordValue>{}));
}

} // namespace
