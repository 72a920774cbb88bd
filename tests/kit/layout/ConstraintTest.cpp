#include "kit/layout/Constraint.h"

#include <gtest/gtest.h>

#include "TestItem.h"
#include "kit/base/Console.h"
#include "kit/layout/VisualFormat.h"

using namespace kit::layout;
using layouttest::Item;

TEST(Constraint, ActivationRegistersOnBothItemsAndNotifiesThem) {
    Item root("root");
    Item& a = root.addPlaced("a");
    auto c = a.topAnchor().equalTo(root.safeAreaLayoutGuide().topAnchor(), 8);
    EXPECT_FALSE(c->isActive());
    EXPECT_TRUE(a.constraints().empty());
    c->setActive(true);
    EXPECT_EQ(a.constraints().size(), 1u);
    EXPECT_EQ(root.constraints().size(), 1u);
    EXPECT_GT(root.updates, 0);
    EXPECT_EQ(c->description(), "a.top == root.safeArea.top + 8 @1000");
    Constraint::deactivate({c});
    EXPECT_TRUE(a.constraints().empty());
    EXPECT_TRUE(root.constraints().empty());
}

TEST(Constraint, DestroyedItemDeactivatesAndDisarmsItsConstraints) {
    Item root("root");
    Item& a = root.addPlaced("a");
    auto active = a.leftAnchor().equalTo(root.leftAnchor());
    auto inactive = a.widthAnchor().equalToMultiplier(root.widthAnchor(), 0.5);
    active->setActive(true);
    root.removeChild(a);
    EXPECT_FALSE(active->isActive());
    EXPECT_TRUE(root.constraints().empty());
    EXPECT_EQ(inactive->firstItem(), nullptr);
    inactive->setActive(true); // names a destroyed item: stays off instead of touching freed memory
    EXPECT_FALSE(inactive->isActive());
    EXPECT_NE(inactive->description().find("<destroyed>.width"), std::string::npos);
}

TEST(Constraint, VisualFormatFillsTheSuperviewOrIsRejectedLoudly) {
    Item root("root");
    Item& a = root.addPlaced("a");
    auto h = constraintsWithVisualFormat("H:|[v0]|", {{"v0", &a}});
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ(h[0]->description(), "a.leading == root.leading @1000");
    EXPECT_EQ(h[1]->description(), "root.trailing == a.trailing @1000");
    EXPECT_EQ(constraintsWithVisualFormat("V:|[v0]|", {{"v0", &a}}).size(), 2u);

    kit::ConsoleCapture console;
    for (const char* bad : {"H:|-8-[v0]|", "V:[v0]", "|[v0]|", "H:|[v1]|"})
        EXPECT_TRUE(constraintsWithVisualFormat(bad, {{"v0", &a}}).empty()) << bad;
    EXPECT_EQ(console.lines().size(), 4u);
}

TEST(ConstraintDeathTest, MixingAxesIsAProgrammingError) {
    Item root("root");
    EXPECT_DEATH(root.topAnchor().equalTo(root.leftAnchor()), "different axes");
    EXPECT_DEATH(root.topAnchor().equalToConstant(3), "dimension");
}
