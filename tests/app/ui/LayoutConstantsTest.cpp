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
