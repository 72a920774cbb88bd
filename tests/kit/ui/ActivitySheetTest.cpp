#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/graphics/TempDir.h"
#include "kit/store/Paths.h"
#include "kit/ui/ActivitySheet.h"
#include "kit/ui/Application.h"
#include "kit/ui/Pasteboard.h"
#include "kit/ui/Window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kit {
namespace {

struct ActivitySheetFixture : ::testing::Test {
    std::shared_ptr<Window> window = kit::make<Window>(Rect{0, 0, 375, 812});
    std::shared_ptr<ViewController> screen = kit::make<ViewController>();
    TempDir dir; // one per test: ctest runs the tests of this fixture side by side
    void SetUp() override {
        Application::resetShared();
        ActivitySheet::resetSharedTexts();
        window->setRootViewController(screen);
        window->makeKeyAndVisible();
    }
    void TearDown() override {
        ActivitySheet::setSavePathChooser(nullptr);
        ActivitySheet::setNoticePresenter(nullptr);
        Application::resetShared();
    }
    std::shared_ptr<ActivitySheet> present(std::string text, std::string* activity) {
        auto sheet = ActivitySheet::make({std::move(text)});
        sheet->completionHandler = [activity](bool, const std::string& a) { *activity = a; };
        screen->presentViewController(sheet, true);
        return sheet;
    }
};

TEST_F(ActivitySheetFixture, RecordsTheTextAndCopiesIt) {
    std::string activity;
    auto sheet = present("{\"a\":1}", &activity);
    EXPECT_EQ(ActivitySheet::sharedTexts(), (std::vector<std::string>{"{\"a\":1}"}));
    EXPECT_EQ(sheet->actionTitles(), (std::vector<std::string>{"Save to File…", "Copy", "Cancel"}));
    EXPECT_TRUE(sheet->triggerAction("Copy"));
    EXPECT_EQ(Pasteboard::general().string(), "{\"a\":1}");
    EXPECT_EQ(activity, "copy");
    EXPECT_EQ(screen->presentedViewController(), nullptr);
}

TEST_F(ActivitySheetFixture, SavesToThePickedFileOrNothingWhenCancelled) {
    const std::filesystem::path target = dir.file("export.json");
    ActivitySheet::setSavePathChooser([&](const std::string&) { return std::optional(target); });
    std::string activity;
    present("[1,2]", &activity)->triggerAction("Save to File…");
    std::ifstream in(target);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "[1,2]");
    EXPECT_EQ(activity, "save");

    ActivitySheet::setSavePathChooser([](const std::string&) { return std::optional<std::filesystem::path>(); });
    std::filesystem::remove(target);
    present("[3]", &activity)->triggerAction("Save to File…");
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(ActivitySheetFixture, EverySaveTellsWhereTheFileWentOrWhyNot) {
    std::vector<std::string> notices;
    ConsoleCapture console;  // the failure goes to standard error too
    ActivitySheet::setNoticePresenter([&](const std::string& text) { notices.push_back(text); });
    const std::filesystem::path good = dir.file("export.json"), bad = dir.file("missing/folder/export.json");
    std::string activity;
    for (const auto& target : {good, bad}) {
        ActivitySheet::setSavePathChooser([&](const std::string&) { return std::optional(target); });
        present("[1]", &activity)->triggerAction("Save to File…");
    }
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0], "Saved to " + good.string());
    EXPECT_EQ(notices[1].rfind("Could not save " + bad.string() + ": ", 0), 0u) << notices[1];
}

TEST(ActivitySheetPlaces, WithoutAChooserExportsGoToTheDocumentsFolderOfTheDataFolder) {
    TemporaryDataDir data;
    const auto first = ActivitySheet::fallbackSavePath("tinctura-export.txt");
    EXPECT_EQ(first, data.path() / "Documents" / "tinctura-export.txt");
    EXPECT_TRUE(std::filesystem::is_directory(first.parent_path()));
    std::ofstream(first) << "taken";
    const auto second = ActivitySheet::fallbackSavePath("tinctura-export.txt");
    EXPECT_EQ(second.parent_path(), first.parent_path());
    EXPECT_NE(second, first);
    EXPECT_EQ(second.extension(), ".txt");
}

} // namespace
} // namespace kit
