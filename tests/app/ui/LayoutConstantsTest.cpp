#include "app/ui/LayoutConstants.h"

#include "kit/store/Defaults.h"
#include "kit/store/Paths.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(ParseNumberField, ClampsWholeNumbersAndRejectsTheRest) {
    struct Case {
        std::optional<std::string> text;
        double value;
    };
    const Case cases[] = {
        {"300", 255}, {"256", 255}, {"255", 255}, {"-5", 0}, {"12a", 0}, {"", 0}, {std::nullopt, 0},
        {"+7", 7},    {"0", 0},     {" 7", 0},    {"7.5", 0}, {"99999999999999999999999", 255}, {"+-3", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(parseNumberField(c.text), c.value) << c.text.value_or("<none>");
}

TEST(ParseIntField, WholeNumbersWithoutClamping) {
    EXPECT_EQ(parseIntField("-12"), -12);
    EXPECT_EQ(parseIntField("+300"), 300);
    EXPECT_EQ(parseIntField("3x"), std::nullopt);
    EXPECT_EQ(parseIntField(""), std::nullopt);
    EXPECT_EQ(parseIntField("+"), std::nullopt);
}

TEST(ColorCodeRowHeight, ReadsTheFormatAtEachCall) {
    kit::TemporaryDataDir dir;
    auto& defaults = kit::Defaults::standard();
    EXPECT_EQ(colorCodeRowHeight(), 40);
    const std::pair<int, double> cases[] = {{0, 40}, {2, 80}, {1, 60}, {3, 60}, {8, 60}};
    for (auto [format, height] : cases) {
        defaults.set(format, "COLOR_FORMAT");
        EXPECT_EQ(colorCodeRowHeight(), height) << format;
    }
}

} // namespace
} // namespace app

#include "kit/ui/Device.h"

#include <cstdlib>

namespace app {
namespace {

// Value buttons are sized once, at first use; the process must start afresh to see that.
TEST(ValueButtonsDeathTest, APadFirstUsedInLandscapeKeepsTheSmallSizes) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto pad = kit::DeviceProfile::pad();
            pad.orientation = kit::DeviceOrientation::landscapeLeft;
            kit::Device::setCurrent(pad);
            bool first = valueButtonPadding() == 10 && valueButtonSize() == 28;
            kit::Device::current().orientation = kit::DeviceOrientation::portrait;
            bool kept = valueButtonPadding() == 10 && valueButtonSize() == 28;
            std::exit(first && kept ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            kit::Device::setCurrent(kit::DeviceProfile::pad());
            std::exit(valueButtonPadding() == 18 && valueButtonSize() == 48 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace app
