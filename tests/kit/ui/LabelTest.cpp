#include "kit/base/Make.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/TextMetrics.h"
#include "kit/layout/Constraint.h"
#include "kit/ui/Label.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace kit {
namespace {

TEST(Label, IntrinsicSizeLinesAndShrinking) {
    FixedTextMetricsScope metrics; // every character 0.5 x size wide, lines 1.2 x size tall
    auto label = make<Label>();
    label->setFont(Font::system(10));
    EXPECT_EQ(label->intrinsicContentSize(), (Size{0, 0}));
    label->setText("abcd efgh");
    EXPECT_EQ(label->intrinsicContentSize(), (Size{45, 12}));
    EXPECT_FALSE(label->isUserInteractionEnabled());
    EXPECT_FALSE(label->heightForWidth(20)) << "one line does not wrap";
    label->setNumberOfLines(0);
    EXPECT_EQ(label->heightForWidth(25), 24) << "two lines at 25 points";
    label->setNumberOfLines(1);

    label->setFont(Font::system(20)); // 90 points wide at full size
    label->setFrame({0, 0, 45, 30});
    EXPECT_EQ(label->fittedFontSize(), 20) << "no shrinking unless asked";
    label->setAdjustsFontSizeToFitWidth(true);
    EXPECT_LE(label->fittedFontSize(), 10);
    EXPECT_GE(label->fittedFontSize(), 9.5);
    label->setMinimumScaleFactor(0.75);
    EXPECT_EQ(label->fittedFontSize(), 15);

    // Text replaces attributed text and the other way round.
    label->setAttributedText(AttributedString("xy"));
    EXPECT_EQ(label->text(), "xy");
    label->setText("z");
    EXPECT_FALSE(label->attributedText());
}

TEST(Label, ConstraintPlacedLabelTakesItsNaturalSize) {
    FixedTextMetricsScope metrics;
    auto root = make<View>(Rect{0, 0, 200, 400});
    auto centred = make<Label>();
    centred->setFont(Font::system(10));
    centred->setText("toast");
    auto info = make<Label>();
    info->setFont(Font::system(10));
    info->setNumberOfLines(0);
    info->setText("one two three four");
    for (auto& l : {centred, info}) {
        root->addSubview(l);
        l->setTranslatesAutoresizingMaskIntoConstraints(false);
    }
    layout::Constraint::activate({
        centred->centerXAnchor().equalTo(root->centerXAnchor()),
        centred->centerYAnchor().equalTo(root->centerYAnchor()),
        info->topAnchor().equalTo(root->topAnchor(), 10),
        info->leftAnchor().equalTo(root->leftAnchor(), 10),
        info->widthAnchor().equalToConstant(40),
    });
    root->layoutIfNeeded();
    EXPECT_EQ(centred->frame(), (Rect{87.5, 194, 25, 12}));
    EXPECT_EQ(info->frame().height(), 36) << "\"one two\", \"three\", \"four\" at 40 points";
}


// Rows of the label's snapshot that hold ink, as bands of consecutive rows.
int inkBands(const Label& label) {
    const Image image = label.snapshot(1);
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.pixelHeight(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.pixelWidth() && !ink; ++x) ink = image.pixelRGBA(x, y)[3] > 0;
        if (ink && !inBand) ++bands;
        inBand = ink;
    }
    return bands;
}

TEST(Label, UnlimitedLinesFillTheHeightAndTruncateTheLast) {
    auto label = make<Label>();
    label->setFont(Font::system(17));
    label->setNumberOfLines(0);
    label->setText("the quick brown fox jumps over the lazy dog and runs on through the long grass of the field");
    const double line = Font::system(17).lineHeight();
    label->setFrame({0, 0, 120, std::ceil(line * 3.5)});
    EXPECT_EQ(inkBands(*label), 3) << "as many lines as fit";
    // The last line ends in an ellipsis: it differs from the same line merely wrapped.
    EXPECT_GT(measureText(label->text(), label->font(), 120).height, line * 4) << "the text does not fit";
    const Image truncated = label->snapshot(1);
    label->setLineBreakMode(LineBreakMode::wordWrap);
    const Image wrapped = label->snapshot(1);
    int differing = 0;
    for (int y = static_cast<int>(line * 2); y < static_cast<int>(line * 3); ++y)
        for (int x = 0; x < truncated.pixelWidth(); ++x) differing += truncated.pixelRGBA(x, y) != wrapped.pixelRGBA(x, y);
    EXPECT_GT(differing, 0);
}

// The first and last columns of a label's snapshot that hold ink (-1 when none).
std::pair<int, int> inkColumns(const Image& image) {
    int first = -1, last = -1;
    for (int x = 0; x < image.pixelWidth(); ++x)
        for (int y = 0; y < image.pixelHeight(); ++y)
            if (image.pixelRGBA(x, y)[3] > 0) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

TEST(Label, RightToLeftTextKeepsItsDirectionWhileLeftAndRightStayWhereTheySay) {
    auto snapshot = [](const std::string& text, TextAlignment alignment) {
        auto label = make<Label>(Rect{0, 0, 300, 30});
        label->setText(text);
        label->setTextAlignment(alignment);
        return label->snapshot(1);
    };
    // An Arabic name with a Latin word: the paragraph reads right to left, so the Latin word ends
    // it at the far left, drawn exactly as on its own.
    const std::string arabic = "\u0645\u0631\u062D\u0628\u0627 World";
    const Image mixed = snapshot(arabic, TextAlignment::left);
    const Image latin = snapshot("World", TextAlignment::left);
    const int latinEnd = inkColumns(latin).second;
    ASSERT_GT(latinEnd, 20);
    int differing = 0;
    for (int x = 0; x <= latinEnd; ++x)
        for (int y = 0; y < latin.pixelHeight(); ++y) differing += mixed.pixelRGBA(x, y) != latin.pixelRGBA(x, y);
    EXPECT_EQ(differing, 0) << "the Latin word leads from the left";
    EXPECT_GT(inkColumns(mixed).second, latinEnd + 20) << "the Arabic follows it, to its right";

    // Natural alignment puts right-to-left text against the right edge; left and right are absolute.
    const auto natural = inkColumns(snapshot(arabic, TextAlignment::natural));
    const auto right = inkColumns(snapshot(arabic, TextAlignment::right));
    const auto left = inkColumns(mixed);
    EXPECT_GT(natural.first, 100);
    EXPECT_GT(natural.second, 290);
    EXPECT_EQ(right, natural);
    EXPECT_LT(left.first, 5);
}

} // namespace
} // namespace kit
