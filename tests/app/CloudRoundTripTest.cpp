#include "AppFixture.h"
#include "CloudWait.h"

#include "app/privacy/DataTransformers.h"
#include "app/privacy/GDPR.h"
#include "app/privacy/PrivacyExport.h"
#include "app/storage/DataModel.h"
#include "app/storage/SaveHelpers.h"
#include "kit/store/CloudWorkers.h"
#include "kit/store/Defaults.h"

#include <nlohmann/json.hpp>

#include <thread>

namespace {

using CloudRoundTripTest = AppFixture;

// Mirrored store, the local cloud file, the engine and the JSON exporter together.
TEST_F(CloudRoundTripTest, SavedItemsAreExportedFromTheCloudAndDeletedEverywhere) {
    kit::Defaults::standard().set(true, "CLOUD_STORAGE");
    appDelegate = std::make_shared<app::AppDelegate>();
    app::setDelegate(appDelegate);
    appDelegate->didFinishLaunching();
    colour::ColorCombination c;
    c.numberOfColors = 1;
    c.color1 = kit::Color::rgba(1, 0.25, 0.3137254902);
    app::saveCustomCombination(c);
    loop.advance(2);
    app::saveMix("7F7F7F", {"FF0000", "00FFFF"});
    appDelegate->persistentContainer().viewContext()->waitForCloudSync();  // the saves go up in the background

    auto engine = std::make_shared<app::CloudPrivacy::GDPR>(app::privacyMetadata(), app::privacyContainerNames());
    std::optional<app::CloudPrivacy::Result<app::CloudPrivacy::Pieces>> exported;
    engine->exportData(app::CloudPrivacy::JSONDataTransformer::shared(), [&](auto r) { exported = std::move(r); });
    runUntil([&] { return exported.has_value(); });
    ASSERT_TRUE(exported->isSuccess());
    auto combos = nlohmann::json::parse(exported->value().at("default_CD_CustomColorCombination.json"));
    ASSERT_EQ(combos.size(), 1u);
    EXPECT_EQ(combos[0]["CD_color1"], "FF3F50");
    EXPECT_EQ(combos[0]["CD_tag"], "custom");
    auto mixes = nlohmann::json::parse(exported->value().at("default_CD_LargeCombination.json"));
    ASSERT_EQ(mixes.size(), 1u);
    EXPECT_EQ(mixes[0]["CD_colors"], "[\"FF0000\",\"00FFFF\"]");

    std::optional<app::CloudPrivacy::Result<app::CloudPrivacy::DeletedZones>> deleted;
    engine->deleteData([&](auto r) { deleted = std::move(r); });
    runUntil([&] { return deleted.has_value(); });
    ASSERT_TRUE(deleted->isSuccess());
    EXPECT_TRUE(appDelegate->deleteAllLocalData());
    appDelegate->willEnterForeground();  // the pin: nothing comes back from the cloud
    auto& context = *appDelegate->persistentContainer().viewContext();
    EXPECT_TRUE(context.fetch(app::CustomColorCombination::fetchRequest()).empty());
    EXPECT_TRUE(context.fetch(app::LargeCombination::fetchRequest()).empty());
}

} // namespace
