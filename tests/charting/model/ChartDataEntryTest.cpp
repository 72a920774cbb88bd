#include "charting/model/ChartDataEntry.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charting;

namespace {

// Large sets hold millions of entries: a plain entry stays at a vtable pointer, x and y (with the
// shared pointer's counts, 48 bytes of the allocator where one more field would take 64).
static_assert(sizeof(ChartDataEntry) <= 24);

struct Bubble : ChartDataEntry {
    using ChartDataEntry::ChartDataEntry;
    double size = 0;

protected:
    std::shared_ptr<ChartDataEntry> makeEmpty() const override { return std::make_shared<Bubble>(); }
    void copyInto(ChartDataEntry& copy) const override {
        ChartDataEntry::copyInto(copy);
        static_cast<Bubble&>(copy).size = size;
    }
};

TEST(ChartDataEntry, EqualityComparesValuesOnlyAndIsAsymmetricAcrossKinds) {
    const double nan = std::nan("");
    auto payload = std::make_shared<int>(7);
    auto a = kit::make<ChartDataEntry>(1, 2);
    struct Row {
        std::shared_ptr<ChartDataEntryBase> other;
        bool equal;
    } rows[] = {
        {kit::make<ChartDataEntry>(1, 2), true},
        {kit::make<ChartDataEntry>(1, 2, std::any(payload)), true}, // payload takes no part
        {kit::make<ChartDataEntry>(3, 2), false},
        {kit::make<ChartDataEntry>(1, 3), false},
        {kit::make<ChartDataEntryBase>(2), false}, // not an x/y entry
        {nullptr, false},
    };
    for (const auto& row : rows) EXPECT_EQ(a->isEqual(row.other.get()), row.equal);
    EXPECT_TRUE(kit::make<ChartDataEntryBase>(2)->isEqual(a.get())); // the base compares y only

    auto n = kit::make<ChartDataEntry>(1, nan);
    EXPECT_TRUE(n->isEqual(n.get()));
    EXPECT_FALSE(n->isEqual(kit::make<ChartDataEntry>(1, nan).get()));
}

TEST(ChartDataEntry, Descriptions) {
    EXPECT_EQ(ChartDataEntry().description(), "ChartDataEntry, x: 0.0, y 0.0");
    EXPECT_EQ(ChartDataEntry(2, 1.5).description(), "ChartDataEntry, x: 2.0, y 1.5");
    EXPECT_EQ(ChartDataEntry(-INFINITY, std::nan("")).description(), "ChartDataEntry, x: -inf, y nan");
    EXPECT_EQ(ChartDataEntryBase(1).description(), "ChartDataEntryBase, y 1.0");
}

TEST(ChartDataEntry, CopyKeepsKindValuesAndPayloadButNotIcon) {
    auto payload = std::make_shared<int>(7);
    auto icon = std::shared_ptr<const kit::Image>(std::shared_ptr<int>(), reinterpret_cast<const kit::Image*>(0x10));
    Bubble b(1, 2, icon, std::any(payload));
    b.size = 3;
    auto copy = b.copy();
    auto* bubble = dynamic_cast<Bubble*>(copy.get());
    ASSERT_NE(bubble, nullptr);
    EXPECT_EQ(bubble->x(), 1);
    EXPECT_EQ(bubble->y(), 2);
    EXPECT_EQ(bubble->size, 3);
    EXPECT_EQ(std::any_cast<std::shared_ptr<int>>(bubble->data()), payload); // shared, not cloned
    EXPECT_EQ(bubble->icon(), nullptr);
    EXPECT_EQ(b.icon(), icon);
}

TEST(ChartDataEntry, PayloadAndIconGoWithTheirEntry) {
    auto payload = std::make_shared<int>(7);
    {
        ChartDataEntry withPayload(1, 2, std::any(payload));
        EXPECT_EQ(payload.use_count(), 2);
        withPayload.setData(std::any());
        EXPECT_FALSE(withPayload.data().has_value());
        withPayload.setData(std::any(payload));
    }
    // Dropped with the entry, and never seen by an entry made later in its place.
    EXPECT_EQ(payload.use_count(), 1);
    for (int i = 0; i < 8; ++i) {
        auto later = std::make_unique<ChartDataEntry>(3, 4);
        EXPECT_FALSE(later->data().has_value());
        EXPECT_EQ(later->icon(), nullptr);
    }
}

TEST(ChartDataEntryDeathTest, KindWithoutItsOwnEmptyObjectStops) {
    struct Forgetful : ChartDataEntry {};
    Forgetful f;
    EXPECT_DEATH(f.copy(), "must override makeEmpty");
}

} // namespace
