#include "app/ui/DeviceModel.h"
#include "app/ui/ScreenType.h"

#include "kit/base/Make.h"
#include "kit/ui/Application.h"
#include "kit/ui/Device.h"
#include "kit/ui/Window.h"

#include <gtest/gtest.h>

namespace app {
namespace {

kit::DeviceProfile phoneOfNativeHeight(double height) {
    auto p = kit::DeviceProfile::phone();
    p.nativeHeight = height;
    return p;
}

TEST(ScreenType, ClassesByNativeHeight) {
    struct Case {
        double height;
        int screenClass;
        bool plus;
        bool tall;
    };
    const Case cases[] = {
        {1136, 1, false, false}, {1334, 2, false, false}, {1920, 3, true, false}, {2208, 4, true, false},
        {2436, 5, false, true},  {1792, 6, false, true},  {2688, 7, false, true}, {2426, 8, false, true},
        {2340, 9, false, true},  {2532, 10, false, true}, {2778, 11, false, true}, {960, 12, false, true},
    };
    for (const auto& c : cases) {
        kit::DeviceProfileScope scope(phoneOfNativeHeight(c.height));
        EXPECT_EQ(screenType(), c.screenClass) << c.height;
        EXPECT_EQ(isPlusSizeScreen(), c.plus) << c.height;
        EXPECT_EQ(isTallScreen(), c.tall) << c.height;
    }
}

TEST(ScreenType, PadsAreUnknownAndTall) {
    for (auto pad : {kit::DeviceProfile::pad(), kit::DeviceProfile::smallPad()}) {
        kit::DeviceProfileScope scope(pad);
        EXPECT_EQ(screenType(), 12);
        EXPECT_EQ(screenTypeDescription(screenType()), "unknown");
        EXPECT_TRUE(isTallScreen());
    }
    EXPECT_EQ(screenTypeDescription(0), "iPhone 4 or iPhone 4S");
}

TEST(ScreenType, MultitaskingThresholds) {
    EXPECT_EQ(multitaskingLayoutForWidths(1024, 507), 1);
    EXPECT_EQ(multitaskingLayoutForWidths(1024, 504.5), 1);
    EXPECT_EQ(multitaskingLayoutForWidths(1024, 519.5), 1);
    EXPECT_EQ(multitaskingLayoutForWidths(1024, 320), 3);
    EXPECT_EQ(multitaskingLayoutForWidths(1024, 694), 2);
}

struct SplitScreen : ::testing::Test {
    void SetUp() override { kit::Application::resetShared(); }
    void TearDown() override { kit::Application::resetShared(); }
};

TEST_F(SplitScreen, FollowsTheKeyWindowAndTheFirstWindow) {
    auto pad = kit::DeviceProfile::pad();
    kit::DeviceProfileScope scope(pad);
    // No window at all: not split, and nothing to compare, so full screen.
    EXPECT_FALSE(isSplitScreen());

    auto window = kit::make<kit::Window>(kit::Rect{0, 0, 1024, 1366});
    kit::Application::shared().addWindow(window);
    EXPECT_FALSE(isSplitScreen()) << "a window that is not key does not count";
    EXPECT_EQ(multitaskingLayout(), 0);

    window->makeKeyAndVisible();
    window->setFrame({0, 0, 507, 1366});
    EXPECT_TRUE(isSplitScreen());
    EXPECT_EQ(multitaskingLayout(), 1);
    window->setFrame({0, 0, 320, 1366});
    EXPECT_EQ(multitaskingLayout(), 3);

    kit::DeviceProfileScope phone(kit::DeviceProfile::phone());
    EXPECT_EQ(multitaskingLayout(), 4);
}

TEST(DeviceModel, RawValuesMatchExactly) {
    EXPECT_EQ(modelFromRawValue("iPad Air "), Model::iPadAir);
    EXPECT_EQ(modelFromRawValue("iPad Air"), std::nullopt);
    EXPECT_EQ(modelFromRawValue("iPad Pro 12.9\""), Model::iPadPro12_9);
    EXPECT_EQ(rawValue(Model::simulator), "simulator/sandbox");
    EXPECT_EQ(rawValue(Model::unrecognized), "?unrecognized?");
    EXPECT_EQ(rawValue(Model::iPhoneXR), "iPhone XR");
    for (int i = 0; i < modelCount; ++i) {
        auto m = static_cast<Model>(i);
        EXPECT_EQ(modelFromRawValue(rawValue(m)), m);
    }
}

} // namespace
} // namespace app
