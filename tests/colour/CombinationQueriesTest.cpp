#include "app/AppDelegate.h"
#include "app/storage/DataModel.h"
#include "colour/ArgbHex.h"
#include "colour/CombinationQueries.h"
#include "colour/HexText.h"
#include "colour/PredefinedCombinations.h"
#include "kit/runtime/RunLoop.h"
#include "kit/store/Paths.h"

#include <gtest/gtest.h>

using colour::CCs::CCTypeLogic;
using colour::CCs::loadCombinations;
using colour::CCs::predefinedCombinations;
using kit::Color;

namespace {

std::vector<std::string> hexes(const colour::ColorCombination& cc) {
    std::vector<std::string> out;
    for (const auto& c : {cc.color1, cc.color2, cc.color3, cc.color4}) out.push_back(c ? colour::hexString(*c) : "-");
    return out;
}

// The combinations screen as the query sees it.
struct ListScreen {
    std::vector<colour::ColorCombination> filteredArr;
    int reloads = 0;
    void reloadList() { ++reloads; }
};

struct StoredCombinations : ::testing::Test {
    kit::TemporaryDataDir dir;
    kit::ManualRunLoopScope loop;
    std::shared_ptr<app::AppDelegate> appDelegate = std::make_shared<app::AppDelegate>();

    void SetUp() override { app::setDelegate(appDelegate); }
    void TearDown() override { app::setDelegate(nullptr); }

    void store(std::int32_t id, const char* tag, int count, std::optional<std::string> c1,
               std::optional<std::string> c2 = std::nullopt) {
        auto& context = *appDelegate->persistentContainer().viewContext();
        auto record = app::CustomColorCombination::insert(context);
        record.setId(id);
        if (tag) record.setTag(std::string(tag));
        record.setNumberOfColors(count);
        record.setIsLiked(true);
        record.setColor1(std::move(c1));
        record.setColor2(std::move(c2));
        ASSERT_TRUE(appDelegate->saveContext());
    }
};

} // namespace

TEST(PredefinedCombinations, SixtySevenAbstractThenSixtyDigital) {
    const auto& all = predefinedCombinations();
    ASSERT_EQ(all.size(), 127u);
    int counts[2][5] = {};
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto& cc = all[i];
        EXPECT_EQ(cc.tag, i < 67 ? "abstract" : "digital") << i;
        EXPECT_EQ(cc.id, -1);
        EXPECT_FALSE(cc.isLiked);
        for (const auto& c : {cc.color1, cc.color2, cc.color3, cc.color4}) {
            ASSERT_TRUE(c.has_value()) << i;
            EXPECT_EQ(c->alpha(), 1.0);
        }
        ++counts[i < 67 ? 0 : 1][cc.numberOfColors];
    }
    EXPECT_EQ(counts[0][2], 1);
    EXPECT_EQ(counts[0][3], 47);
    EXPECT_EQ(counts[0][4], 19);
    EXPECT_EQ(counts[1][2], 8);
    EXPECT_EQ(counts[1][3], 31);
    EXPECT_EQ(counts[1][4], 21);
    EXPECT_EQ(hexes(all[62]), (std::vector<std::string>{"E4405C", "9C6C9D", "D9FEEB", "3353CE"}));
    EXPECT_EQ(hexes(all[126]), (std::vector<std::string>{"3DD8F3", "ECAADB", "448CFE", "FB7E7C"}));
}

TEST_F(StoredCombinations, CatalogueKindsListTheirEntriesInOrder) {
    ListScreen screen;
    loadCombinations(CCTypeLogic::abstract, screen);
    ASSERT_EQ(screen.filteredArr.size(), 67u);
    EXPECT_EQ(hexes(screen.filteredArr.front()), (std::vector<std::string>{"82CFC1", "DF6755", "D1C099", "738CEB"}));
    EXPECT_EQ(screen.reloads, 1);
    loadCombinations(CCTypeLogic::digital, screen);
    ASSERT_EQ(screen.filteredArr.size(), 60u);
    EXPECT_EQ(hexes(screen.filteredArr.front()), (std::vector<std::string>{"161940", "6E9EFE", "FC85B4", "5FA5AE"}));
    EXPECT_EQ(screen.reloads, 2);
}

TEST_F(StoredCombinations, StoredKindsNewestFirstByTag) {
    ListScreen screen;
    screen.filteredArr = predefinedCombinations();
    loadCombinations(CCTypeLogic::saved, screen); // empty store: an empty list, still refreshed
    EXPECT_TRUE(screen.filteredArr.empty());
    EXPECT_EQ(screen.reloads, 1);

    store(100, "custom", 2, "FF4050", "#00FF00");
    store(300, "custom", 1, "0000FF");
    store(200, "custom", 1, "ABC");
    store(400, "liked", 1, "123456");
    store(500, "colorPicker", 1, std::nullopt);
    loadCombinations(CCTypeLogic::saved, screen);
    ASSERT_EQ(screen.filteredArr.size(), 3u);
    EXPECT_EQ(screen.filteredArr[0].id, 300);
    EXPECT_EQ(screen.filteredArr[1].id, 200);
    EXPECT_EQ(screen.filteredArr[2].id, 100);
    const auto& oldest = screen.filteredArr[2];
    EXPECT_EQ(oldest.numberOfColors, 2);
    EXPECT_EQ(oldest.tag, "custom");
    EXPECT_FALSE(oldest.isLiked); // the stored flag is not read
    EXPECT_EQ(hexes(oldest), (std::vector<std::string>{"FF4050", "00FF00", "-", "-"}));
    EXPECT_EQ(hexes(screen.filteredArr[1]), (std::vector<std::string>{"AABBCC", "-", "-", "-"}));

    loadCombinations(CCTypeLogic::liked, screen);
    ASSERT_EQ(screen.filteredArr.size(), 1u);
    EXPECT_EQ(screen.filteredArr[0].id, 400);
    loadCombinations(CCTypeLogic::single, screen);
    ASSERT_EQ(screen.filteredArr.size(), 1u);
    EXPECT_FALSE(screen.filteredArr[0].color1.has_value()); // absent stays absent
    EXPECT_EQ(screen.reloads, 4);
}

TEST(ColorFromArgbHex, ThreeSixAndEightDigitForms) {
    struct Case { const char* text; double r, g, b, a; };
    const double x = 1.0 / 255;
    const Case cases[] = {
        {"#1A2B3C", 0x1A * x, 0x2B * x, 0x3C * x, 1},
        {"1A2B3C", 0x1A * x, 0x2B * x, 0x3C * x, 1},
        {"  1A2B3C \n", 0x1A * x, 0x2B * x, 0x3C * x, 1},
        {"ABC", 0xAA * x, 0xBB * x, 0xCC * x, 1},
        {"#801A2B3C", 0x1A * x, 0x2B * x, 0x3C * x, 0x80 * x},     // AARRGGBB
        {"FFFFFFFF", 1, 1, 1, 1},
        {"1234567", 0, 0, 0, 1},                                    // seven digits: black
        {"12G456", 0, 0, 0x12 * x, 1},                              // the scan stops at G; six characters count
        {"#GHIJKL", 1, 1, 1, 1},                                    // nothing to scan: white
        {"", 1, 1, 1, 1},
    };
    for (const Case& c : cases) {
        const Color color = colour::colorFromArgbHex(c.text);
        EXPECT_NEAR(color.red(), c.r, 1e-12) << c.text;
        EXPECT_NEAR(color.green(), c.g, 1e-12) << c.text;
        EXPECT_NEAR(color.blue(), c.b, 1e-12) << c.text;
        EXPECT_NEAR(color.alpha(), c.a, 1e-12) << c.text;
    }
}
