#include "AppFixture.h"

#include "app/storage/DataModel.h"
#include "app/storage/SaveHelpers.h"
#include "app/storage/StoreNotices.h"
#include "app/ui/Strings.h"
#include "kit/base/Console.h"
#include "kit/store/Defaults.h"
#include "kit/store/FullDisk.h"
#include "kit/store/ObjectStore.h"
#include "kit/store/Paths.h"
#include "kit/ui/Pasteboard.h"

#include <fstream>

namespace {

struct SaveHelpersTest : AppFixture {
    colour::ColorCombination pair() {
        colour::ColorCombination c;
        c.numberOfColors = 2;
        c.tag = "digital";
        c.color1 = kit::Color::rgba(1, 0.25, 0.5);
        c.color2 = kit::Color::rgba(0, 0.5, 1);
        return c;
    }
    std::vector<app::CustomColorCombination> withTag(const std::string& tag) {
        auto request = app::CustomColorCombination::fetchRequest();
        request.predicate = kit::Predicate::format("tag = %@", tag);
        return app::fetchRecords<app::CustomColorCombination>(*appDelegate->persistentContainer().viewContext(), request);
    }
    std::vector<app::LargeCombination> large() {
        return app::fetchRecords<app::LargeCombination>(*appDelegate->persistentContainer().viewContext(),
                                                        app::LargeCombination::fetchRequest());
    }
};

struct Light : tools::LightToolFields {
    std::optional<std::string> name() const override { return "Studio"; }
    tools::LightType selectedLightType() const override { return tools::LightType::goldenHour; }
    double lightPower() const override { return 0.555; }
    std::vector<std::string> shownColorHexes() const override { return {"FFAA00", "FFD9A0"}; }
};

TEST_F(SaveHelpersTest, OneSavePerThrottleWindowAcrossAllHelpers) {
    app::saveCustomCombination(pair());
    EXPECT_EQ(withTag("custom").size(), 1u);
    loop.advance(1.0);
    app::Alerts::shared().resetRecord();
    app::saveSingleColor(kit::Color::redColor());  // another helper, same throttle: dropped silently
    EXPECT_TRUE(withTag("colorPicker").empty());
    EXPECT_EQ(app::Alerts::shared().toastCount(), 0u);
    EXPECT_EQ(haptics(), 1u);
    loop.advance(0.6);  // 1.6 s after the first save
    app::saveCustomCombination(pair());
    EXPECT_EQ(withTag("custom").size(), 2u);
}

TEST_F(SaveHelpersTest, EachHelperShowsItsToastAndTapsWhereItShould) {
    const Light light;
    struct Case {
        const char* name;
        std::function<void()> act;
        std::string toast;
        std::size_t haptics;
    };
    const std::vector<Case> cases = {
        {"custom", [&] { app::saveCustomCombination(pair()); },
         "Combination has been saved in \"Color Combinations > Saved\".", 1},
        {"liked", [&] { app::saveLikedCombination(pair()); },
         "Combination has been saved in \"Color Combinations > Liked\".", 1},
        {"single", [] { app::saveSingleColor(kit::Color::blueColor()); },
         "Color has been saved to \"Color Combinations > Single\".", 1},
        {"mix", [] { app::saveMix("7F7F7F", {"FF0000", "00FFFF"}); }, "Mix has been saved to \"Color Mixes\".", 0},
        {"light", [&] { app::saveLightCombination(light); }, "Light Combinations", 0},
        {"copy colour", [] { app::copyColorToClipboard("12AB34"); }, "Color has been saved to clipboard.", 1},
        {"copy text", [] { app::copyTextToClipboard("[\"12AB34\"]"); }, "Copied to clipboard", 1},
    };
    for (const auto& c : cases) {
        loop.advance(2);
        app::Alerts::shared().resetRecord();
        const auto before = haptics();
        c.act();
        EXPECT_EQ(toast(), c.toast) << c.name;
        EXPECT_FALSE(app::Alerts::shared().lastToastAtTop()) << c.name;
        EXPECT_EQ(haptics() - before, c.haptics) << c.name;
    }
    auto liked = withTag("liked");
    ASSERT_EQ(liked.size(), 1u);
    EXPECT_EQ(liked[0].color1(), "FF3F7F");
    EXPECT_EQ(liked[0].color3(), std::nullopt);
    auto single = withTag("colorPicker");
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].numberOfColors(), 1);
    for (const auto& c : {single[0].color1(), single[0].color2(), single[0].color3(), single[0].color4()})
        EXPECT_EQ(c, "0000FF");
    auto sets = large();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].type(), 1);
    EXPECT_EQ(sets[0].colors(), (std::vector<std::string>{"FF0000", "00FFFF"}));
    EXPECT_EQ(sets[1].type(), 2);
    EXPECT_EQ(sets[1].lightName(), "[GOLDEN HOUR 55%]");
    EXPECT_EQ(sets[1].lightType(), "Golden Hour");
    EXPECT_EQ(sets[1].name(), "Studio");
    EXPECT_EQ(kit::Pasteboard::general().string(), "[\"12AB34\"]");
}

TEST_F(SaveHelpersTest, NothingHappensForAbsentInputsOrALikedCombination) {
    kit::ConsoleCapture console;
    auto likedAlready = pair();
    likedAlready.tag = "liked";
    app::saveLikedCombination(likedAlready);
    app::saveCustomCombination(std::nullopt);
    app::saveSingleColor(std::nullopt);
    app::copyColorToClipboard("");
    app::copyTextToClipboard(std::nullopt);
    EXPECT_EQ(haptics(), 0u);
    EXPECT_EQ(app::Alerts::shared().toastCount(), 0u);
    EXPECT_TRUE(console.contains("Color hasn't been saved!"));
    EXPECT_TRUE(app::canSave());
}

TEST_F(SaveHelpersTest, OnlyAUsableCopiedColourFillsTheBuffer) {
    kit::ConsoleCapture console;
    auto& defaults = kit::Defaults::standard();
    app::copyColorToClipboard("12AB34");
    EXPECT_EQ(defaults.string("LAST_COLOR_MIXING"), "12AB34");
    for (const char* rejected : {"FFFFFF", "000000", "XYZ"}) {
        app::copyColorToClipboard(rejected);
        EXPECT_EQ(kit::Pasteboard::general().string(), std::string("#") + rejected);
        EXPECT_EQ(toast(), "Color has been saved to clipboard.");
        EXPECT_EQ(defaults.string("LAST_COLOR_MIXING"), "12AB34") << rejected;
    }
}

TEST_F(SaveHelpersTest, AFailedSaveKeepsTheAppRunningAndLosesNothingSaved) {
    app::saveCustomCombination(pair());
    loop.advance(2);
    appDelegate->persistentContainer().viewContext()->store()->setMaximumPageCount(1);
    kit::ConsoleCapture console;
    app::saveMix("7F7F7F", std::vector<std::string>(64, std::string(4096, 'A')));
    EXPECT_TRUE(console.contains("Unresolved error "));
    EXPECT_EQ(toast(), app::notSavedDiskFullText());  // the store's quota is full as a disk is
    EXPECT_TRUE(app::canSave());  // no throttle after a failure: the user can try again
    EXPECT_FALSE(appDelegate->persistentContainer().viewContext()->hasChanges());

    auto restarted = std::make_shared<app::AppDelegate>();
    app::setDelegate(restarted);
    appDelegate = restarted;
    EXPECT_EQ(withTag("custom").size(), 1u);
    EXPECT_TRUE(large().empty());
}

TEST_F(SaveHelpersTest, AnUnreadableStoreIsKeptAsideAndTheUserTold) {
    const auto file = kit::Paths::dataDir() / "DataModel.sqlite";
    std::filesystem::create_directories(file.parent_path());
    { std::ofstream(file) << std::string(4096, 'Z'); }
    app::saveSingleColor(kit::Color::greenColor());
    ASSERT_TRUE(appDelegate->persistentContainer().movedAsideStorePath());
    EXPECT_TRUE(std::filesystem::exists(*appDelegate->persistentContainer().movedAsideStorePath()));
    EXPECT_EQ(app::Alerts::shared().toastCount(), 2u);  // the notice, then the save
    EXPECT_EQ(withTag("colorPicker").size(), 1u);
}

TEST_F(SaveHelpersTest, AStoreThatCanOnlyBeReadIsShownAndTheUserToldWhySavingIsOff) {
    app::saveSingleColor(kit::Color::greenColor());
    auto restarted = std::make_shared<app::AppDelegate>();
    app::setDelegate(restarted);
    appDelegate = restarted;  // the old store closes
    // Its lock file cannot be made, as in a read-only folder (the tests may run as root).
    const auto file = kit::Paths::dataDir() / "DataModel.sqlite";
    std::filesystem::remove(file.string() + "-wal");
    std::filesystem::remove(file.string() + "-shm");
    std::filesystem::create_directory(file.string() + "-shm");

    EXPECT_EQ(withTag("colorPicker").size(), 1u);
    ASSERT_TRUE(toast());
    EXPECT_EQ(*toast(), app::storeReadOnlyText(file.string()));
    loop.advance(2);
    app::saveSingleColor(kit::Color::redColor());
    EXPECT_EQ(toast(), app::notSavedText());
    EXPECT_EQ(withTag("colorPicker").size(), 1u);
}

TEST_F(SaveHelpersTest, StartedOnAFullDiskTheUserIsToldTheDiskIsFull) {
    auto restart = [&] {
        auto restarted = std::make_shared<app::AppDelegate>();
        app::setDelegate(restarted);
        appDelegate = restarted;  // the old store closes
    };
    // A new store, and one saved to before the disk filled up: opening the latter for writing needs room
    // for the log's index file, which the disk no longer has.
    for (const bool savedBefore : {false, true}) {
        SCOPED_TRACE(savedBefore ? "saved before" : "new");
        kit::testing::FullDisk disk(kit::Paths::dataDir() / ("disk" + std::to_string(savedBefore)));
        if (!disk.mounted()) GTEST_SKIP() << "mounting a small disk needs root";
        const auto previous = kit::Paths::dataDir();
        kit::Paths::setDataDir(disk.folder());
        if (savedBefore) {
            restart();
            app::saveSingleColor(kit::Color::greenColor());
            loop.advance(2);
            app::setDelegate(nullptr);
            appDelegate.reset();  // the store closes
        }
        disk.fill();
        restart();
        EXPECT_EQ(withTag("colorPicker").size(), savedBefore ? 1u : 0u);
        ASSERT_TRUE(toast());
        EXPECT_EQ(*toast(), app::storeDiskFullText((disk.folder() / "DataModel.sqlite").string()));
        loop.advance(2);
        app::saveSingleColor(kit::Color::redColor());
        EXPECT_EQ(toast(), app::notSavedDiskFullText());
        app::setDelegate(nullptr);
        appDelegate.reset();
        kit::Paths::setDataDir(previous);
    }
}

} // namespace
