#include "charting/core/ViewPortHandler.h"
#include "charting/model/Legend.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <optional>

using namespace charting;

namespace {

// Fixed metrics: a 10-point grapheme is 5 wide, a line 12 tall.
struct LegendLayout : ::testing::Test {
    kit::FixedTextMetricsScope metrics{0.5, 1.2};
    kit::Font font = kit::Font::system(10);
    ViewPortHandler viewPort{100, 100}; // lines may fill 95 points

    // A labelled entry ("" stands for a label-less one), optionally with its own form size.
    static std::shared_ptr<LegendEntry> entry(const std::string& label, double formSize = std::nan("")) {
        auto e = std::make_shared<LegendEntry>(label.empty() ? std::nullopt : std::optional<std::string>(label));
        e->setFormSize(formSize);
        return e;
    }
};

} // namespace

TEST_F(LegendLayout, DefaultsAndCustomEntries) {
    Legend legend;
    EXPECT_EQ(legend.xOffset(), 5.0);
    EXPECT_EQ(legend.yOffset(), 3.0);
    EXPECT_EQ(legend.form(), Legend::Form::square);
    EXPECT_EQ(legend.formSize(), 8.0);
    EXPECT_EQ(legend.maxSizePercent(), 0.95);
    EXPECT_TRUE(legend.isWordWrapEnabled());
    EXPECT_EQ(legend.font(), kit::Font::system(10));

    Legend listed({entry("a")});
    EXPECT_EQ(listed.yOffset(), 5.0);
    EXPECT_EQ(listed.entries().size(), 1u);

    legend.setCustom({entry("x"), entry("y")});
    EXPECT_TRUE(legend.isLegendCustom());
    legend.resetCustom();
    EXPECT_FALSE(legend.isLegendCustom());
    EXPECT_EQ(legend.entries().size(), 2u);

    LegendEntry plain;
    EXPECT_EQ(plain.form(), LegendForm::default_);
    EXPECT_TRUE(std::isnan(plain.formSize()));
    EXPECT_TRUE(std::isnan(plain.formLineWidth()));
    EXPECT_EQ(plain.formLineDashPhase(), 0.0);
}

TEST_F(LegendLayout, NoEntries) {
    for (auto orientation : {Legend::Orientation::horizontal, Legend::Orientation::vertical}) {
        Legend legend;
        legend.setOrientation(orientation);
        legend.calculateDimensions(font, viewPort);
        EXPECT_EQ(legend.neededWidth(), 5.0);
        EXPECT_EQ(legend.neededHeight(), 3.0);
        EXPECT_EQ(legend.textWidthMax(), 5.0);
        EXPECT_EQ(legend.textHeightMax(), 0.0);
        EXPECT_TRUE(legend.calculatedLineSizes().empty());
    }
}

TEST_F(LegendLayout, MaximumEntrySizeUsesEachEntrysFormSize) {
    Legend legend;
    legend.setEntries({entry("abcd"), entry("", 12), entry("ab")});
    EXPECT_EQ(legend.getMaximumEntrySize(font), (kit::Size{20 + 12 + 5, 12}));
}

TEST_F(LegendLayout, HorizontalLines) {
    struct Row {
        const char* what;
        std::vector<std::shared_ptr<LegendEntry>> entries;
        bool wordWrap;
        std::vector<double> lineWidths;
        std::vector<bool> breakPoints;
    };
    const Row rows[] = {
        {"one entry: form, space, label", {entry("abcd")}, true, {33}, {false}},
        {"wraps at the entry that does not fit",
         {entry("ab"), entry("ab"), entry("ab"), entry("ab")}, true, {81, 23}, {false, false, false, true}},
        {"the first entry of a line always fits",
         {entry("abcdefghijklmnopqrstuvwxyz"), entry("abcdefghijklmnopqrstuvwxyz")}, true, {143, 143}, {false, true}},
        {"no wrapping: one line", {entry("ab"), entry("ab"), entry("ab"), entry("ab")}, false, {110},
         {false, false, false, false}},
        {"a group breaks at its first member",
         {entry("abcdefgh"), entry(""), entry(""), entry(""), entry("abcd")}, true, {53, 66},
         {false, true, false, false, false}},
        {"a group that fits stays on the line", {entry("ab"), entry(""), entry("ab")}, true, {23 + 6 + 8 + 3 + 23},
         {false, false, false}},
        {"a last entry without a label closes the line", {entry("ab"), entry("")}, true, {37}, {false, false}},
        {"an entry's own form size counts", {entry("ab", 20), entry("ab")}, true, {35 + 6 + 23}, {false, false}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Legend legend;
        legend.setWordWrapEnabled(r.wordWrap);
        legend.setEntries(r.entries);
        legend.calculateDimensions(font, viewPort);
        std::vector<double> widths;
        double widest = 0;
        for (const kit::Size& line : legend.calculatedLineSizes()) {
            widths.push_back(line.width);
            widest = std::max(widest, line.width);
            EXPECT_EQ(line.height, 12);
        }
        EXPECT_EQ(widths, r.lineWidths);
        EXPECT_EQ(legend.calculatedLabelBreakPoints(), r.breakPoints);
        EXPECT_EQ(legend.calculatedLabelSizes().size(), r.entries.size());
        EXPECT_EQ(legend.neededWidth(), widest + 5);
        EXPECT_EQ(legend.neededHeight(), 12.0 * static_cast<double>(widths.size()) + 3);
    }
}

TEST_F(LegendLayout, FormsNoneAndEmpty) {
    Legend legend;
    auto none = entry("ab");
    none->setForm(LegendForm::none);
    auto empty = entry("ab");
    empty->setForm(LegendForm::empty);
    legend.setEntries({none, empty});
    legend.setYEntrySpace(2);
    legend.calculateDimensions(font, viewPort);
    ASSERT_EQ(legend.calculatedLineSizes().size(), 1u);
    EXPECT_EQ(legend.calculatedLineSizes()[0].width, 10 + 6 + 23);

    legend.setOrientation(Legend::Orientation::vertical);
    legend.calculateDimensions(font, viewPort);
    EXPECT_EQ(legend.neededWidth(), 23 + 5);
    EXPECT_EQ(legend.neededHeight(), 2 * (12 + 2) + 3);
}

TEST_F(LegendLayout, VerticalRows) {
    Legend legend;
    legend.setOrientation(Legend::Orientation::vertical);
    legend.setYEntrySpace(2);
    // A label-less form, then its label: the group takes one more step.
    legend.setEntries({entry(""), entry("ab")});
    legend.calculateDimensions(font, viewPort);
    EXPECT_EQ(legend.neededWidth(), 30 + 5);
    EXPECT_EQ(legend.neededHeight(), 2 * 14 + 3);

    legend.setEntries({entry("abcd"), entry("ab", 20)});
    legend.calculateDimensions(font, viewPort);
    EXPECT_EQ(legend.neededWidth(), 35 + 5);
    EXPECT_EQ(legend.neededHeight(), 2 * 14 + 3);
    // The horizontal results stay as the last horizontal run left them.
    EXPECT_TRUE(legend.calculatedLineSizes().empty());
}
