#include "app/settings/ScreensFixture.h"

#include "app/privacy/GDPRVC.h"
#include "app/privacy/PrivacyExport.h"
#include "app/storage/DataModel.h"
#include "app/storage/SaveHelpers.h"
#include "app/ui/Toast.h"
#include "kit/base/Console.h"
#include "kit/store/CloudDatabaseDouble.h"
#include "kit/store/CloudWorkers.h"
#include "kit/store/Paths.h"
#include "kit/store/SqliteDatabase.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>
#include <thread>

namespace {

using app::GDPRVC;
using Call = kit::CloudDatabaseDouble::Call;

struct PrivacyScreen : ScreensFixture {
    std::shared_ptr<kit::CloudDatabaseDouble> cloud = kit::CloudDatabaseDouble::make();

    void SetUp() override {
        ScreensFixture::SetUp();
        kit::CloudContainer::setDefaultContainer(kit::CloudContainer{"test.container", cloud});
    }
    void TearDown() override {
        ScreensFixture::TearDown();
        kit::CloudContainer::setDefaultContainer(std::nullopt);
    }
    std::shared_ptr<GDPRVC> open(const kit::DeviceProfile& device = kit::DeviceProfile::phone()) {
        return presentScene<GDPRVC>(app::scene::privacyScreen, device);
    }
    // Lets the cloud workers and the main queue run until `done` holds.
    template <class Pred>
    void runUntil(Pred done) {
        for (int i = 0; i < 5000 && !done(); ++i) {
            kit::CloudWorkers::waitUntilIdle();
            host->settle();
            if (!done()) std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        ASSERT_TRUE(done());
    }
    void cloudRecord(const std::string& type, const std::string& name, const std::string& tag) {
        kit::Record r(type, kit::RecordID{name, kit::RecordZoneID{"mirror.zone"}});
        r.set("CD_tag", tag);
        cloud->addRecord(r);
    }
    std::size_t localCombinations() {
        return appDelegate->persistentContainer().viewContext()->fetch(app::CustomColorCombination::fetchRequest()).size();
    }
    void saveLocalCombination() {
        colour::ColorCombination c;
        c.numberOfColors = 1;
        c.color1 = kit::Color::rgba(1, 0.25, 0.3137254902);
        app::saveCustomCombination(c);
        loop.advance(2);
        app::Alerts::shared().resetRecord();
    }
};

TEST_F(PrivacyScreen, ExportHandsTheJsonTextToTheShareSheet) {
    cloudRecord("CD_CustomColorCombination", "r1", "custom");
    cloudRecord("CD_CustomColorCombination", "r2", "liked \"best\"");
    auto screen = open();
    screenshot("privacy-phone");
    host->tap(screen->exportButton());
    runUntil([&] { return !kit::ActivitySheet::sharedTexts().empty(); });
    EXPECT_TRUE(std::dynamic_pointer_cast<kit::ActivitySheet>(screen->presentedViewController()));
    EXPECT_EQ(haptics(), 0u);

    const auto text = kit::ActivitySheet::sharedTexts().front();
    auto outer = nlohmann::json::parse(text);
    ASSERT_TRUE(outer.contains("default_CD_CustomColorCombination.json"));
    // The pieces are JSON texts held as strings.
    auto combos = nlohmann::json::parse(outer["default_CD_CustomColorCombination.json"].get<std::string>());
    ASSERT_EQ(combos.size(), 2u);
    EXPECT_EQ(combos[1]["CD_tag"], "liked \"best\"");
    EXPECT_NE(text.find("\n  \""), std::string::npos);  // pretty-printed
}

TEST_F(PrivacyScreen, SaveToFileWritesUnderTheDataFolderAndSaysWhere) {
    cloudRecord("CD_CustomColorCombination", "r1", "custom");
    auto screen = open();
    host->tap(screen->exportButton());
    runUntil([&] { return !kit::ActivitySheet::sharedTexts().empty(); });
    auto sheet = std::dynamic_pointer_cast<kit::ActivitySheet>(screen->presentedViewController());
    ASSERT_TRUE(sheet);
    // As on a desktop without a file chooser.
    kit::ActivitySheet::setSavePathChooser(kit::ActivitySheet::fallbackSavePath);
    sheet->triggerAction("Save to File…");
    kit::ActivitySheet::setSavePathChooser(nullptr);
    const auto file = kit::Paths::dataDirOverride() / "Documents" / "tinctura-export.txt";
    std::ifstream in(file);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), kit::ActivitySheet::sharedTexts().front());
    EXPECT_EQ(toast(), "Saved to " + file.string());
}

// Every text the screen shows, joined.
std::string shownText(const kit::View& view) {
    if (view.isHidden()) return "";
    std::string all;
    if (auto* label = dynamic_cast<const kit::Label*>(&view)) all += label->text() + "\n";
    for (const auto& sub : view.subviews()) all += shownText(*sub);
    return all;
}

TEST_F(PrivacyScreen, WithCloudStorageOffTheScreenSaysSoAndAnEmptyExportIsToldNotShared) {
    app::Toast::install();  // drawn, so that the pictures show it
    struct Case {
        bool cloudStorage;
        bool zone;  // an empty zone gives empty lists; none gives no piece at all
        std::string toast;
    };
    for (const auto& c : std::vector<Case>{
             {false, false, "Nothing to export: the export holds what is kept in the cloud, and cloud storage is off in Settings."},
             {false, true, "Nothing to export: the export holds what is kept in the cloud, and cloud storage is off in Settings."},
             {true, true, "Nothing to export: nothing is kept in the cloud yet."}}) {
        SCOPED_TRACE(std::string(c.cloudStorage ? "on" : "off") + (c.zone ? ", a zone" : ", no zone"));
        appDelegate->savedData.icloudStorage = c.cloudStorage;
        if (c.zone) cloud->addZone("mirror.zone");
        auto screen = open();
        const bool toldOff = shownText(*screen->view()).find("Cloud storage is off in Settings") != std::string::npos;
        EXPECT_EQ(toldOff, !c.cloudStorage);
        host->tap(screen->exportButton());
        runUntil([&] { return toast().has_value(); });
        EXPECT_EQ(toast(), c.toast);
        screenshot(std::string("privacy-nothing-to-export-") + (c.cloudStorage ? "on" : "off") + (c.zone ? "-zone" : ""));
        EXPECT_FALSE(screen->presentedViewController());
        EXPECT_TRUE(kit::ActivitySheet::sharedTexts().empty());
        screen->dismissViewController(false);
        host->settle();
        app::Alerts::shared().resetRecord();
    }
    app::Toast::shared().bg()->removeFromSuperview();
    app::Alerts::shared().setPresenter({});
}

TEST_F(PrivacyScreen, FailedExportIsLoggedAndToldAndSharesNothing) {
    cloudRecord("CD_CustomColorCombination", "r1", "custom");
    cloud->injectFault(Call::QueryPage, kit::cloudError(kit::CloudErrorCode::networkUnavailable, "The network is down"));
    kit::ConsoleCapture console;
    auto screen = open();
    host->tap(screen->exportButton());
    runUntil([&] { return console.contains("GDPR export data error: "); });
    host->settle();
    EXPECT_FALSE(screen->presentedViewController());
    EXPECT_TRUE(kit::ActivitySheet::sharedTexts().empty());
    EXPECT_EQ(toast(), "Your data could not be exported. Cloud storage is not reachable.");
}

TEST_F(PrivacyScreen, ShareTextThatCannotBeWrittenIsAnErrorNotAnEmptyExport) {
    std::string error;
    EXPECT_EQ(app::privacyShareText({{"default_x.json", "[]"}}, &error), "{\n  \"default_x.json\": \"[]\"\n}");
    EXPECT_EQ(app::privacyShareText({{"default_x.json", "\xff\xfe"}}, &error), std::nullopt);
    EXPECT_FALSE(error.empty());
}

TEST_F(PrivacyScreen, DeleteWipesTheCloudThenTheDevice) {
    cloudRecord("CD_CustomColorCombination", "r1", "custom");
    saveLocalCombination();
    ASSERT_EQ(localCombinations(), 1u);
    kit::ConsoleCapture console;
    auto screen = open();
    host->tap(screen->deleteButton());
    runUntil([&] { return toast().has_value(); });
    EXPECT_EQ(toast(), "Done!");
    EXPECT_TRUE(console.contains("All user's private data deleted."));
    EXPECT_TRUE(cloud->zoneIDs().empty());
    EXPECT_EQ(localCombinations(), 0u);
    EXPECT_EQ(haptics(), 1u);  // the save's; the deletion gives none
}

TEST_F(PrivacyScreen, FailedCloudDeletionKeepsTheDevicesData) {
    cloudRecord("CD_CustomColorCombination", "r1", "custom");
    saveLocalCombination();
    cloud->injectFault(Call::ZoneDelete, kit::cloudError(kit::CloudErrorCode::networkUnavailable, "The network is down"));
    kit::ConsoleCapture console;
    auto screen = open();
    host->tap(screen->deleteButton());
    runUntil([&] { return console.contains("GDPR delete data error: "); });
    host->settle();
    EXPECT_EQ(localCombinations(), 1u);
    EXPECT_EQ(toast(), "Your data could not be deleted. Please try again later.");  // a partial failure
}

TEST_F(PrivacyScreen, FailedLocalDeletionIsNotReportedAsDone) {
    cloudRecord("CD_CustomColorCombination", "r1", "custom");
    saveLocalCombination();
    // Another connection holds the store's write lock, so the device's deletion fails.
    std::optional<kit::sqlite::Error> openError;
    auto blocker = kit::sqlite::Database::open((kit::Paths::dataDir() / "DataModel.sqlite").string(), openError);
    ASSERT_TRUE(blocker);
    ASSERT_FALSE(blocker->exec("BEGIN EXCLUSIVE"));
    kit::ConsoleCapture console;
    auto screen = open();
    host->tap(screen->deleteButton());
    runUntil([&] { return console.contains("GDPR delete data error: "); });
    EXPECT_TRUE(cloud->zoneIDs().empty());
    EXPECT_EQ(toast(), "Your data could not be deleted. Please try again later.");
    EXPECT_FALSE(console.contains("All user's private data deleted."));
    blocker->exec("ROLLBACK");
    EXPECT_EQ(localCombinations(), 1u);
}

TEST_F(PrivacyScreen, BackDismissesWithHaptic) {
    auto screen = open(kit::DeviceProfile::pad());
    screenshot("privacy-pad");
    host->tap(screen->backButton());
    host->advance(1);
    EXPECT_FALSE(host->window()->rootViewController()->presentedViewController());
    EXPECT_EQ(haptics(), 1u);
}

} // namespace
