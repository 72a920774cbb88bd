#include "kit/layout/Solver.h"

#include <gtest/gtest.h>

using namespace kit::layout;

TEST(Solver, SolvesAChainOfRequiredEqualities) {
    Solver s;
    Variable left = s.variable("left"), width = s.variable("width"), right = s.variable("right");
    ASSERT_TRUE(s.addConstraint(Expression(left) == 16));
    ASSERT_TRUE(s.addConstraint(Expression(right) == Expression(left) + width));
    ASSERT_TRUE(s.addConstraint(Expression(width) == 0.5 * Expression(400.0) - 32));
    s.updateVariables();
    EXPECT_DOUBLE_EQ(s.value(left), 16);
    EXPECT_DOUBLE_EQ(s.value(width), 168);
    EXPECT_DOUBLE_EQ(s.value(right), 184);
}

TEST(Solver, InequalitiesAndPrioritiesDecideWhatGives) {
    struct Case {
        const char* name;
        Priority preferLarge;
        Priority preferSmall;
        double expected;
    };
    // x must lie in [10, 100]; two wishes pull it to 300 and to 0.
    const Case cases[] = {
        {"higher wins", priority::high, priority::low, 100},
        {"lower loses", priority::low, priority::high, 10},
        {"custom beats low", 251, priority::low, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Solver s;
        Variable x = s.variable("x");
        s.addConstraint(Expression(x) >= 10);
        s.addConstraint(Expression(x) <= 100);
        s.addConstraint(Expression(x) == 300, c.preferLarge);
        s.addConstraint(Expression(x) == 0, c.preferSmall);
        s.updateVariables();
        EXPECT_NEAR(s.value(x), c.expected, 1e-9);
    }
}

TEST(Solver, SeveralLowViolationsDoNotOutweighOneHigh) {
    Solver s;
    Variable x = s.variable("x");
    s.addConstraint(Expression(x) == 100, priority::high);
    for (int i = 0; i < 20; ++i) s.addConstraint(Expression(x) == 0, priority::low);
    s.updateVariables();
    EXPECT_NEAR(s.value(x), 100, 1e-9);
}

TEST(Solver, RefusesAContradictoryRequiredConstraintAndStaysUsable) {
    Solver s;
    Variable a = s.variable("a"), b = s.variable("b"), w = s.variable("w");
    ASSERT_TRUE(s.addConstraint(Expression(a) == 16));
    ASSERT_TRUE(s.addConstraint(Expression(b) == 384));
    ASSERT_TRUE(s.addConstraint(Expression(w) == Expression(b) - a));
    EXPECT_FALSE(s.addConstraint(Expression(w) == 200));
    EXPECT_FALSE(s.addConstraint(Expression(a) >= 400));
    s.updateVariables();
    EXPECT_DOUBLE_EQ(s.value(w), 368);
    // Removing the conflicting one makes room for the refused one.
    auto bId = s.addConstraint(Expression(b) <= 1000);
    ASSERT_TRUE(bId);
    s.removeConstraint(*bId);
    s.updateVariables();
    EXPECT_DOUBLE_EQ(s.value(w), 368);
}

TEST(Solver, RemovingAConstraintReleasesItsEffect) {
    Solver s;
    Variable x = s.variable("x");
    s.addConstraint(Expression(x) == 5, priority::low);
    auto strong = s.addConstraint(Expression(x) >= 50);
    s.updateVariables();
    EXPECT_DOUBLE_EQ(s.value(x), 50);
    s.removeConstraint(*strong);
    s.removeConstraint(*strong); // twice is harmless
    s.updateVariables();
    EXPECT_DOUBLE_EQ(s.value(x), 5);
}

TEST(Solver, EditVariablesFollowSuggestionsWithinRequiredBounds) {
    Solver s;
    Variable x = s.variable("x"), mid = s.variable("mid");
    s.addConstraint(Expression(x) >= 0);
    s.addConstraint(Expression(x) <= 300);
    s.addConstraint(Expression(mid) * 2 == Expression(x) + 100);
    s.addEditVariable(x, priority::high);
    for (auto [suggested, expected] : {std::pair{120.0, 120.0}, {-50.0, 0.0}, {500.0, 300.0}, {42.0, 42.0}}) {
        s.suggestValue(x, suggested);
        s.updateVariables();
        EXPECT_DOUBLE_EQ(s.value(x), expected) << suggested;
        EXPECT_DOUBLE_EQ(s.value(mid), (expected + 100) / 2);
    }
    s.removeEditVariable(x);
    EXPECT_FALSE(s.hasEditVariable(x));
}
