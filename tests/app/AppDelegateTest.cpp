#include "AppFixture.h"

#include "app/storage/DataModel.h"
#include "app/storage/RecordId.h"
#include "kit/store/CloudDatabaseDouble.h"
#include "kit/store/Defaults.h"

#include <fstream>
#include <limits>

namespace {

using AppDelegateTest = AppFixture;

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(AppDelegateTest, LaunchCountsOpensCopiesTheFormatAndLeavesTheStoreClosed) {
    kit::Defaults::standard().set(12, "COLOR_FORMAT");
    EXPECT_TRUE(appDelegate->didFinishLaunching());
    EXPECT_EQ(kit::Defaults::standard().integer("APP_OPEN_TIMES"), 1);
    EXPECT_EQ(appDelegate->outputMode, 12);
    EXPECT_TRUE(appDelegate->hapticGenerator.isPrepared());
    EXPECT_FALSE(appDelegate->hasPersistentContainer());
    auto second = std::make_shared<app::AppDelegate>();
    second->didFinishLaunching();
    EXPECT_EQ(kit::Defaults::standard().integer("APP_OPEN_TIMES"), 2);

    const auto before = fileText(kit::Defaults::standard().file());
    appDelegate->willResignActive();
    appDelegate->didEnterBackground();
    appDelegate->willTerminate();
    EXPECT_EQ(fileText(kit::Defaults::standard().file()), before);
}

TEST_F(AppDelegateTest, TheContainerIsChosenOnceWhenFirstBuilt) {
    EXPECT_FALSE(appDelegate->persistentContainer().isMirrored());
    appDelegate->savedData.icloudStorage = true;  // the switch takes effect at the next launch
    EXPECT_FALSE(appDelegate->persistentContainer().isMirrored());

    auto cloud = kit::CloudDatabaseDouble::make();
    kit::CloudContainer::setDefaultContainer(kit::CloudContainer("test", cloud));
    kit::Defaults::standard().set(true, "CLOUD_STORAGE");
    auto next = std::make_shared<app::AppDelegate>();
    next->didFinishLaunching();
    ASSERT_TRUE(next->hasPersistentContainer());  // built during launch, for the pin
    EXPECT_TRUE(next->persistentContainer().isMirrored());
    kit::CloudContainer::setDefaultContainer(std::nullopt);
}

TEST_F(AppDelegateTest, RecordIdsCountWholeSecondsAndKeepWorkingAfter2038) {
    loop.clock().setWallTime(1'700'000'000.2);
    const auto first = app::newRecordId32();
    loop.clock().setWallTime(1'700'000'000.9);
    EXPECT_EQ(app::newRecordId32(), first);
    EXPECT_EQ(first, 1'700'000'000 - 1'617'481'500);
    loop.clock().setWallTime(2'200'000'000.0);  // past January 2038
    EXPECT_EQ(app::newRecordId32(), 2'200'000'000 - 1'617'481'500);
    EXPECT_EQ(app::newRecordId64(), 2'200'000'000LL - 1'617'481'500LL);
}

TEST_F(AppDelegateTest, NoStoredLaunchCountOrFormatStopsTheStart) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    const struct {
        const char* json;
        std::int64_t countAfter;
    } cases[] = {
        {"9223372036854775807", max},  {"18446744073709551615", max}, {"1e308", max},
        {"\"99999999999999999999\"", max}, {"-9223372036854775808", std::numeric_limits<std::int64_t>::min() + 1},
        {"-1e308", std::numeric_limits<std::int64_t>::min() + 1}, {"[1, 2]", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        kit::Defaults::standard().setObject(nlohmann::json::parse(c.json), "APP_OPEN_TIMES");
        kit::Defaults::standard().setObject(nlohmann::json::parse(c.json), "COLOR_FORMAT");
        auto next = std::make_shared<app::AppDelegate>();
        EXPECT_TRUE(next->didFinishLaunching());
        EXPECT_EQ(kit::Defaults::standard().integer("APP_OPEN_TIMES"), c.countAfter);
        EXPECT_EQ(next->outputMode, 0);
    }
}

TEST_F(AppDelegateTest, DeleteAllLocalDataRemovesTheRecordsOfEveryEntity) {
    auto& context = *appDelegate->persistentContainer().viewContext();
    app::CustomColorCombination::insert(context).setTag("custom");
    app::LargeCombination::insert(context).setType(1);
    app::MixedColor::insert(context).setColor("FF4050");
    ASSERT_TRUE(appDelegate->saveContext());
    EXPECT_TRUE(appDelegate->deleteAllLocalData());
    for (const char* entity : {"CustomColorCombination", "LargeCombination", "MixedColor"})
        EXPECT_TRUE(context.fetch(kit::FetchRequest(entity)).empty()) << entity;
}

} // namespace

namespace {

TEST_F(AppDelegateTest, ScreensReachTheDelegateThroughTheApplication) {
    EXPECT_EQ(&app::delegate(), appDelegate.get());
    EXPECT_EQ(kit::Application::shared().delegate(), appDelegate);
    app::setDelegate(nullptr);
    EXPECT_DEATH(app::delegate(), "");
}

} // namespace
