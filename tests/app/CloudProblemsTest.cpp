// What the user hears of cloud problems that waiting does not mend: a server whose tables are damaged or of a
// newer version, and saved colors in the cloud that cannot be read. Each is told once; nothing is lost.
#include "AppFixture.h"
#include "CloudLaunch.h"
#include "CloudTestServer.h"

#include "app/storage/DataModel.h"
#include "app/storage/SaveHelpers.h"
#include "app/storage/StoreNotices.h"
#include "kit/store/CloudConfiguration.h"
#include "kit/store/CloudDatabaseDouble.h"
#include "kit/store/postgres/PostgresCloudDatabase.h"

#include <future>
#include <set>

namespace {

const kit::RecordZoneID zone{"DataModel"};

kit::Record mixRecord(const std::string& name, const std::string& hex) {
    kit::Record r("CD_LargeCombination", kit::RecordID{name, zone});
    r.set("CD_color", hex);
    r.set("CD_colors", std::vector<std::string>{"FF0000"});
    r.set("CD_id", std::int64_t{1});
    r.set("CD_isMixedColor", std::int64_t{1});
    r.set("CD_type", std::int64_t{1});
    r.setModificationDate(kit::CloudDate{1});
    return r;
}

// What another machine saved: the tables made and one mix on the server.
void seed(const cloudtest::Database& server) {
    auto db = std::make_shared<kit::PostgresCloudDatabase>(server.connectionString(), kit::CloudContainer::defaultIdentifier);
    auto op = std::make_shared<kit::ModifyRecordZonesOperation>(std::vector<kit::RecordZone>{{zone}},
                                                                std::vector<kit::RecordZoneID>{});
    std::promise<void> zoneMade, saved;
    op->modifyRecordZonesCompletionBlock = [&](auto, auto, auto) { zoneMade.set_value(); };
    db->addOperation(op);
    zoneMade.get_future().get();
    auto save = std::make_shared<kit::ModifyRecordsOperation>(std::vector<kit::Record>{mixRecord("theirs", "ABCDEF")},
                                                              std::vector<kit::RecordID>{});
    save->modifyRecordsCompletionBlock = [&](auto, auto, auto) { saved.set_value(); };
    db->addOperation(save);
    saved.get_future().get();
}

struct CloudProblems : AppFixture {
    void launch(const std::string& server) {
        appDelegate = launchWithCloud(server);
        settle();
    }
    void TearDown() override {
        AppFixture::TearDown();
        unsetenv(kit::CloudConfiguration::environmentVariable);
        kit::CloudContainer::setDefaultContainer(std::nullopt);
    }
    kit::ManagedContext& context() { return *appDelegate->persistentContainer().viewContext(); }
    void settle() {
        context().waitForCloudSync();
        kit::RunLoop::main().drainMainQueue();
    }
    void foreground() {
        appDelegate->willEnterForeground();
        settle();
    }
    void saveMix(const std::string& hex) {
        loop.advance(2);  // past the save throttle
        app::saveMix(hex, {"FF0000"});
        settle();
    }
    std::multiset<std::string> mixes() {
        std::multiset<std::string> out;
        for (const auto& m : app::fetchRecords<app::LargeCombination>(context(), app::LargeCombination::fetchRequest()))
            out.insert(m.color().value_or(""));
        return out;
    }
};

TEST_F(CloudProblems, ADamagedOrNewerServerIsToldOnceSavesStayHereAndGoUpOnceItIsMended) {
    struct Case {
        const char* damage;
        const char* told;
        const char* mend;
    };
    const Case cases[] = {
        {"UPDATE tinctura_schema SET version = 99", "its server has a newer version. Update Tinctura to use it.",
         "UPDATE tinctura_schema SET version = 1"},
        {"DELETE FROM tinctura_schema", "the server's database is damaged. Ask for it to be repaired.",
         "INSERT INTO tinctura_schema VALUES (1)"},
    };
    for (const auto& c : cases) {
        kit::TemporaryDataDir machine;
        cloudtest::Database server;
        SKIP_WITHOUT_SERVER(server);
        seed(server);
        server.value(c.damage);
        app::Alerts::shared().resetRecord();
        launch(server.connectionString());
        ASSERT_TRUE(toast()) << c.damage;
        EXPECT_TRUE(toast()->starts_with("Cloud storage cannot be used: ")) << *toast();
        EXPECT_NE(toast()->find(c.told), std::string::npos) << *toast();

        // Every later sync fails the same way; the user hears only of the saves themselves.
        const auto told = app::Alerts::shared().toastCount();
        saveMix("000001");
        saveMix("000002");
        foreground();
        EXPECT_EQ(app::Alerts::shared().toastCount(), told + 2) << c.damage;
        EXPECT_EQ(mixes(), (std::multiset<std::string>{"000001", "000002"}));
        EXPECT_EQ(server.value("SELECT count(*) FROM tinctura_records"), "1");

        server.value(c.mend);
        foreground();
        EXPECT_EQ(mixes(), (std::multiset<std::string>{"000001", "000002", "ABCDEF"}));
        EXPECT_EQ(server.value("SELECT count(*) FROM tinctura_records"), "3");
        appDelegate.reset();
        app::setDelegate(nullptr);
    }
}

// Rows of the server that cannot be read as saved colors: not JSON, a field of the wrong kind, a date or
// number out of range, no fields at all, a name too long to send back.
TEST_F(CloudProblems, UnreadableServerRowsAreLeftOutToldOnceAndLeftAlone) {
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    seed(server);
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"CD_LargeCombination", "not json", "1"},
        {"CD_LargeCombination", R"({"CD_color": {"int": 5}})", "1"},
        {"CD_LargeCombination", R"({"CD_color": {"string": "FF0000"}})", "'NaN'"},
        {"CD_LargeCombination", R"({"CD_lightPower": {"double": 1e999}})", "1"},
        {"CD_LargeCombination", "{}", "1"},
        {"CD_CustomColorCombination", R"({"CD_id": {"int": 9999999999}, "CD_tag": {"string": "custom"}})", "1"},
    };
    int n = 0;
    for (const auto& [type, fields, modified] : rows)
        server.value("INSERT INTO tinctura_records (container, owner, zone, name, type, fields, modified) VALUES "
                     "('tinctura.default', '__defaultOwner__', 'DataModel', 'bad" + std::to_string(n++) + "', '" +
                     type + "', $$" + fields + "$$, " + modified + ")");
    server.value("INSERT INTO tinctura_records (container, owner, zone, name, type, fields, modified) SELECT container, "
                 "owner, zone, repeat('n', 300), type, fields, modified FROM tinctura_records WHERE name = 'theirs'");
    const auto before = server.value("SELECT string_agg(name || fields || modified, '|' ORDER BY name) FROM tinctura_records");

    launch(server.connectionString());
    EXPECT_EQ(mixes(), (std::multiset<std::string>{"ABCDEF"}));
    EXPECT_TRUE(context().fetch(app::CustomColorCombination::fetchRequest()).empty());
    EXPECT_EQ(toast(), app::cloudRecordsSkippedText(std::size(rows) + 1));
    EXPECT_EQ(toast(), "7 saved colors in the cloud cannot be read. They were left out and stay on the server.");

    const auto told = app::Alerts::shared().toastCount();
    foreground();
    saveMix("000001");
    EXPECT_EQ(app::Alerts::shared().toastCount(), told + 1);  // the save's own
    EXPECT_EQ(server.value("SELECT string_agg(name || fields || modified, '|' ORDER BY name) FROM tinctura_records "
                           "WHERE fields NOT LIKE '%000001%'"),
              before);
}

// The local stand-in lists every record at each sync: a record that broke after it was taken in keeps its
// copy here, and each unreadable record is told of once.
TEST_F(CloudProblems, UnreadableStandInRecordsKeepTheirCopyHereAndAreToldOfOnce) {
    auto db = kit::CloudDatabaseDouble::make();
    db->addRecord(mixRecord("one", "111111"));
    db->addRecord(mixRecord("two", "222222"));
    kit::CloudContainer::setDefaultContainer(kit::CloudContainer(kit::CloudContainer::defaultIdentifier, db));
    launch("");
    ASSERT_EQ(mixes(), (std::multiset<std::string>{"111111", "222222"}));

    auto broken = mixRecord("two", "222222");
    broken.set("CD_id", std::string("not a number"));
    db->addRecord(broken);
    db->addRecord(kit::Record("CD_LargeCombination", kit::RecordID{"blank", zone}));
    foreground();
    EXPECT_EQ(mixes(), (std::multiset<std::string>{"111111", "222222"}));
    EXPECT_EQ(toast(), app::cloudRecordsSkippedText(2));
    const auto told = app::Alerts::shared().toastCount();
    foreground();
    EXPECT_EQ(app::Alerts::shared().toastCount(), told);
    EXPECT_EQ(db->records("DataModel", "CD_LargeCombination").size(), 3u);
}

} // namespace
