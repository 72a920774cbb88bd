#include "charting/core/LabelColor.h"
#include "charting/model/Description.h"
#include "charting/model/LimitLine.h"

#include <gtest/gtest.h>

using namespace charting;

TEST(ComponentBase, DescriptionDefaultsAndEnabledFlag) {
    Description d;
    EXPECT_TRUE(d.enabled());
    EXPECT_EQ(d.xOffset(), 5.0);
    EXPECT_EQ(d.yOffset(), 5.0);
    EXPECT_FALSE(d.text().has_value());
    EXPECT_FALSE(d.position().has_value());
    EXPECT_EQ(d.textColor(), labelColor());
    EXPECT_EQ(d.textAlign(), kit::TextAlignment::right);
    EXPECT_EQ(d.font(), kit::Font::system(8));
    d.setEnabled(false);
    EXPECT_FALSE(d.isEnabled());
    d.setText("");
    EXPECT_EQ(d.text(), "");
}

TEST(LimitLine, DefaultsAndInitialisers) {
    ChartLimitLine plain;
    EXPECT_EQ(plain.limit(), 0.0);
    EXPECT_EQ(plain.lineWidth(), 2.0);
    EXPECT_EQ(plain.lineColor(), kit::Color::rgba(237 / 255.0, 91 / 255.0, 91 / 255.0, 1));
    EXPECT_FALSE(plain.lineDashLengths().has_value());
    EXPECT_EQ(plain.label(), "");
    EXPECT_TRUE(plain.drawLabelEnabled());
    EXPECT_EQ(plain.labelPosition(), ChartLimitLine::LabelPosition::rightTop);
    EXPECT_TRUE(plain.isEnabled());
    EXPECT_EQ(plain.xOffset(), 5.0);
    EXPECT_EQ(plain.yOffset(), 5.0);
    EXPECT_EQ(plain.valueTextColor(), labelColor());
    EXPECT_EQ(plain.valueFont(), kit::Font::system(13));

    ChartLimitLine target(75, "target");
    EXPECT_EQ(target.limit(), 75);
    EXPECT_EQ(target.label(), "target");
    EXPECT_EQ(target.lineWidth(), 2.0);
    EXPECT_EQ(ChartLimitLine(3).limit(), 3);
}

TEST(LimitLine, LineWidthIsKeptInRange) {
    const std::pair<double, double> rows[] = {{0.1, 0.2}, {20, 12}, {0.2, 0.2}, {12, 12}, {5, 5}, {-1, 0.2}};
    for (auto [in, stored] : rows) {
        ChartLimitLine line;
        line.setLineWidth(in);
        EXPECT_EQ(line.lineWidth(), stored) << in;
    }
}

TEST(LimitLine, LabelPositionFromRaw) {
    EXPECT_EQ(ChartLimitLine::labelPositionFromRaw(0), ChartLimitLine::LabelPosition::leftTop);
    EXPECT_EQ(ChartLimitLine::labelPositionFromRaw(3), ChartLimitLine::LabelPosition::rightBottom);
    EXPECT_FALSE(ChartLimitLine::labelPositionFromRaw(4).has_value());
    EXPECT_FALSE(ChartLimitLine::labelPositionFromRaw(-1).has_value());
}
