#include "kit/base/Make.h"
#include "kit/ui/ActivityIndicator.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

TEST(ActivityIndicator, HiddenWhileStoppedUnlessAskedOtherwise) {
    auto spinner = make<ActivityIndicator>(ActivityIndicatorStyle::white);
    EXPECT_TRUE(spinner->isHidden());
    spinner->startAnimating();
    EXPECT_FALSE(spinner->isHidden());
    spinner->stopAnimating();
    EXPECT_TRUE(spinner->isHidden());
    spinner->setHidesWhenStopped(false);
    EXPECT_FALSE(spinner->isHidden());
    EXPECT_EQ(spinner->color(), Color::whiteColor());
}

} // namespace
} // namespace kit
