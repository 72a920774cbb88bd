#include "charting/core/DataSetKindInterfaces.h"
#include "charting/core/LegendRenderer.h"
#include "ChartTestSupport.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <memory>

using namespace charting;
using charting::testing::dataSet;
using charting::testing::entry;
using charting::testing::linesStartingWith;

namespace {

const kit::Color red = kit::Color::redColor(), green = kit::Color::greenColor(), blue = kit::Color::blueColor();

struct PieEntry : ChartDataEntry, PieChartDataEntryProtocol {
    PieEntry(double y, std::optional<std::string> label) : ChartDataEntry(0, y), label_(std::move(label)) {}
    const std::optional<std::string>& label() const override { return label_; }
    std::optional<std::string> label_;
};

struct PieSet : ChartDataSet, PieChartDataSetProtocol {
    using ChartDataSet::ChartDataSet;
};

struct StackedBarSet : ChartDataSet, BarChartDataSetProtocol {
    using ChartDataSet::ChartDataSet;
    bool isStacked() const override { return stackSize() > 1; }
    int stackSize() const override { return stack; }
    const std::vector<std::string>& stackLabels() const override { return labels; }
    int stack = 3;
    std::vector<std::string> labels{"x"};
};

struct CandleSet : ChartDataSet, CandleChartDataSetProtocol {
    using ChartDataSet::ChartDataSet;
    std::optional<kit::Color> decreasingColor() const override { return decreasing; }
    std::optional<kit::Color> increasingColor() const override { return increasing; }
    std::optional<kit::Color> decreasing = red, increasing = green;
};

template <class Set>
std::shared_ptr<Set> makeSet(int entries, std::vector<kit::Color> colors, std::optional<std::string> label) {
    std::vector<EntryPtr> list;
    for (int i = 0; i < entries; ++i) list.push_back(entry(i, i));
    auto set = std::make_shared<Set>(std::move(list), std::move(label));
    set->initialize();
    set->setColors(std::move(colors));
    return set;
}

// label text, or "-" for none; colour; form
std::vector<std::string> describe(const Legend& legend) {
    std::vector<std::string> out;
    for (const auto& e : legend.entries()) {
        out.push_back((e->label() ? *e->label() : "-") + " " +
                      (e->formColor() ? kit::Context::describe(*e->formColor()) : "none") + " " +
                      std::to_string(static_cast<int>(e->form())));
    }
    return out;
}

struct LegendFixture : ::testing::Test {
    kit::FixedTextMetricsScope metrics; // 10-point labels: 5 per character, line height 12
    std::shared_ptr<ViewPortHandler> vp = std::make_shared<ViewPortHandler>(300, 200);
    std::shared_ptr<Legend> legend = std::make_shared<Legend>();
    LegendRenderer renderer{vp, legend};
    kit::RecordingContext context{{300, 200}};

    void SetUp() override { vp->restrainViewPort(20, 10, 20, 30); }

    void compute(std::vector<DataSetPtr> sets) {
        auto data = std::make_shared<ChartData>(std::move(sets));
        data->initialize();
        renderer.computeLegend(*data);
    }
};

} // namespace

TEST_F(LegendFixture, EntriesFromTheDataSets) {
    struct Row {
        const char* name;
        DataSetPtr set;
        std::vector<std::string> entries;
    };
    auto pie = std::make_shared<PieSet>(std::vector<EntryPtr>{std::make_shared<PieEntry>(1, "a"),
                                                             std::make_shared<PieEntry>(2, "b"),
                                                             std::make_shared<PieEntry>(3, "c")},
                                        "P");
    pie->initialize();
    pie->setColors({red, green});
    auto noDecreasing = makeSet<CandleSet>(2, {blue}, "C");
    noDecreasing->decreasing.reset();
    const Row rows[] = {
        {"line", makeSet<ChartDataSet>(5, {red, green, blue}, "A"), {"- #FF0000FF 2", "- #00FF00FF 2", "A #0000FFFF 2"}},
        {"one colour", makeSet<ChartDataSet>(3, {red}, "A"), {"A #FF0000FF 2"}},
        {"no label", makeSet<ChartDataSet>(3, {red, green}, std::nullopt), {"- #FF0000FF 2", "- #00FF00FF 2"}},
        {"fewer entries", makeSet<ChartDataSet>(1, {red, green}, "A"), {"A #FF0000FF 2"}},
        {"no colours", makeSet<ChartDataSet>(3, {}, "A"), {}},
        {"pie", pie, {"a #FF0000FF 2", "b #00FF00FF 2", "P none 0"}},
        {"stacked", makeSet<StackedBarSet>(2, {red, green}, "S"), {"x #FF0000FF 2", "- #00FF00FF 2", "S none 0"}},
        {"stacked, no colours", makeSet<StackedBarSet>(2, {}, "S"), {"S none 0"}},
        {"candle", makeSet<CandleSet>(2, {blue}, "C"), {"- #FF0000FF 2", "C #00FF00FF 2"}},
        {"candle without decreasing colour", noDecreasing, {"C #0000FFFF 2"}},
    };
    for (const Row& row : rows) {
        compute({row.set});
        EXPECT_EQ(describe(*legend), row.entries) << row.name;
    }
    // The set's form settings travel with its entries; a closing label entry keeps the defaults.
    auto styled = makeSet<StackedBarSet>(2, {red, green}, "S");
    styled->setForm(LegendForm::line);
    styled->setFormSize(12);
    compute({styled});
    EXPECT_EQ(legend->entries()[0]->formSize(), 12);
    EXPECT_TRUE(std::isnan(legend->entries()[2]->formSize()));
}

TEST_F(LegendFixture, ExtraAndCustomEntries) {
    auto extra = std::make_shared<LegendEntry>("extra");
    extra->setFormColor(blue);
    legend->setExtraEntries({extra});
    compute({});
    EXPECT_EQ(legend->entries(), legend->extraEntries());
    compute({makeSet<ChartDataSet>(2, {red}, "A")});
    EXPECT_EQ(describe(*legend), (std::vector<std::string>{"A #FF0000FF 2", "extra #0000FFFF 2"}));

    auto custom = std::make_shared<LegendEntry>("custom");
    legend->setCustom({custom});
    compute({makeSet<ChartDataSet>(2, {red}, "A")});
    EXPECT_EQ(legend->entries(), (Legend::Entries{custom}));
    EXPECT_GT(legend->neededWidth(), 0); // still measured

    // Without a legend nothing happens.
    LegendRenderer bare(vp, nullptr);
    auto data = std::make_shared<ChartData>();
    bare.computeLegend(*data);
    bare.renderLegend(context);
    EXPECT_TRUE(context.lines().empty());
}

TEST_F(LegendFixture, DefaultHorizontalLegend) {
    compute({makeSet<ChartDataSet>(2, {red}, "Alpha")});
    renderer.renderLegend(context);
    // Bottom left: form at contentLeft + 5, centred on the line; label after form and spacing.
    const double top = 200 - 3 - legend->neededHeight();
    EXPECT_EQ(legend->neededHeight(), 15); // 12 + yOffset 3
    EXPECT_EQ(linesStartingWith(context, "fillRect"),
              (std::vector<std::string>{"fillRect 25 " + kit::Context::describe(top + 6 - 4) + " 8 8 #FF0000FF"}));
    EXPECT_EQ(linesStartingWith(context, "drawText"),
              (std::vector<std::string>{"drawText \"Alpha\" 38 " + kit::Context::describe(top) + " Inter 400 10 #000000FF"}));
    EXPECT_EQ(context.saveDepth(), 0);

    context.clear();
    legend->setEnabled(false);
    renderer.renderLegend(context);
    EXPECT_TRUE(context.lines().empty());
}

TEST_F(LegendFixture, HorizontalRightToLeftAndCentredLines) {
    legend->setDirection(Legend::Direction::rightToLeft);
    compute({makeSet<ChartDataSet>(1, {red}, "ab"), makeSet<ChartDataSet>(1, {green}, "cd")});
    renderer.renderLegend(context);
    // Origin = contentLeft + 5 + neededWidth; each label ends where the walk stands.
    const double origin = 25 + legend->neededWidth();
    const auto forms = linesStartingWith(context, "fillRect");
    const auto labels = linesStartingWith(context, "drawText");
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0].substr(0, 9 + kit::Context::describe(origin - 8).size()), "fillRect " + kit::Context::describe(origin - 8));
    EXPECT_EQ(labels[0].substr(0, 14 + kit::Context::describe(origin - 23).size()),
              "drawText \"ab\" " + kit::Context::describe(origin - 23)); // 8 form + 5 space + 10 text

    // Centred: a line that breaks starts again at the origin minus half of its own width.
    context.clear();
    legend->setDirection(Legend::Direction::leftToRight);
    legend->setHorizontalAlignment(Legend::HorizontalAlignment::center);
    legend->setMaxSizePercent(0.2); // 52 points per line: one entry per line
    compute({makeSet<ChartDataSet>(1, {red}, "abcd"), makeSet<ChartDataSet>(1, {green}, "ab")});
    ASSERT_EQ(legend->calculatedLineSizes().size(), 2u);
    renderer.renderLegend(context);
    const auto rects = linesStartingWith(context, "fillRect");
    ASSERT_EQ(rects.size(), 2u);
    const double centre = 20 + 260 / 2.0 + 5;
    EXPECT_EQ(rects[0].substr(0, 9 + kit::Context::describe(centre - legend->calculatedLineSizes()[0].width / 2).size()),
              "fillRect " + kit::Context::describe(centre - legend->calculatedLineSizes()[0].width / 2));
    EXPECT_EQ(rects[1].substr(0, 9 + kit::Context::describe(centre - legend->calculatedLineSizes()[1].width / 2).size()),
              "fillRect " + kit::Context::describe(centre - legend->calculatedLineSizes()[1].width / 2));
}

TEST_F(LegendFixture, VerticalGroupsShareARow) {
    legend->setOrientation(Legend::Orientation::vertical);
    legend->setVerticalAlignment(Legend::VerticalAlignment::top);
    compute({makeSet<ChartDataSet>(3, {red, green, blue}, "A"), makeSet<ChartDataSet>(1, {red}, "B")});
    renderer.renderLegend(context);
    // Origin x 5 (vertical, left); first row at contentTop + 3 = 13, rows 12 apart; the group's label
    // on the row after its forms.
    EXPECT_EQ(linesStartingWith(context, "fillRect"),
              (std::vector<std::string>{"fillRect 5 15 8 8 #FF0000FF", "fillRect 16 15 8 8 #00FF00FF",
                                        "fillRect 27 15 8 8 #0000FFFF", "fillRect 5 39 8 8 #FF0000FF"}));
    EXPECT_EQ(linesStartingWith(context, "drawText"),
              (std::vector<std::string>{"drawText \"A\" 5 25 Inter 400 10 #000000FF",
                                        "drawText \"B\" 18 37 Inter 400 10 #000000FF"}));
}

TEST_F(LegendFixture, FormsByKindAndColour) {
    LegendEntry e("x");
    e.setFormColor(red);
    struct Row {
        LegendForm form;
        std::string expected;
    };
    const Row rows[] = {
        {LegendForm::square, "fillRect 10 16 8 8 #FF0000FF"},
        {LegendForm::circle, "fillEllipse 10 16 8 8 #FF0000FF"},
        {LegendForm::default_, "fillRect 10 16 8 8 #FF0000FF"}, // the legend's form (square)
        {LegendForm::line, "strokeLineSegments 10 20 18 20 #FF0000FF"},
    };
    for (const Row& row : rows) {
        context.clear();
        e.setForm(row.form);
        renderer.drawForm(context, 10, 20, e, *legend);
        EXPECT_EQ(context.lines()[context.lines().size() - 2], row.expected);
        EXPECT_EQ(context.saveDepth(), 0);
    }
    // An empty dash list draws solid; line width from the legend when unset.
    context.clear();
    e.setFormLineDashLengths(std::vector<double>{});
    renderer.drawForm(context, 10, 20, e, *legend);
    EXPECT_EQ(linesStartingWith(context, "setLineDash"), (std::vector<std::string>{"setLineDash solid"}));
    EXPECT_EQ(linesStartingWith(context, "setLineWidth"), (std::vector<std::string>{"setLineWidth 3"}));

    // No colour or the clear colour: nothing at all. Form none/empty: nothing drawn.
    for (std::optional<kit::Color> colour : {std::optional<kit::Color>{}, std::optional{kit::Color::clearColor()}}) {
        context.clear();
        e.setFormColor(colour);
        renderer.drawForm(context, 10, 20, e, *legend);
        EXPECT_TRUE(context.lines().empty());
    }
}

TEST_F(LegendFixture, GapsForFormsWithoutColour) {
    auto invisible = std::make_shared<LegendEntry>("a");
    auto noForm = std::make_shared<LegendEntry>("b");
    noForm->setForm(LegendForm::none);
    noForm->setFormColor(red);
    legend->setCustom({invisible, noForm});
    legend->setVerticalAlignment(Legend::VerticalAlignment::top);
    compute({});
    renderer.renderLegend(context);
    // "a" after an 8-point gap and the form-to-text space; "b" straight after "a" and the entry space.
    const auto labels = linesStartingWith(context, "drawText");
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].substr(0, 15), "drawText \"a\" 38");
    EXPECT_EQ(labels[1].substr(0, 15), "drawText \"b\" 49");
    EXPECT_TRUE(linesStartingWith(context, "fill").empty());

    // A label added after the last measurement is measured on the spot.
    legend->entries().push_back(std::make_shared<LegendEntry>("late"));
    context.clear();
    renderer.renderLegend(context);
    EXPECT_EQ(linesStartingWith(context, "drawText").size(), 3u);
}
