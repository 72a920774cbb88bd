#include "CameraScreensFixture.h"
#include "capture/ValueCheckerImageVC.h"
#include "capture/ValueCheckerVC.h"
#include "colour/HexText.h"
#include "kit/base/Console.h"
#include "kit/graphics/filters/Filters.h"
#include "kit/ui/Application.h"

using capture::ValueCheckerVC;
using namespace kit::media;

namespace {

struct ValueCheckerTest : CameraScreensFixture {
    std::shared_ptr<ValueCheckerVC> open() {
        auto screen = push<ValueCheckerVC>("ValueCheckerVC");
        settle();
        return screen;
    }
    // Taps the middle of the picture, away from every control.
    void tapPicture() { host->tap(kit::Point{190, 420}); }
    static std::shared_ptr<CaptureDevice> camera() { return CaptureDevice::defaultDevice(CaptureDevicePosition::back); }
};

} // namespace

TEST_F(ValueCheckerTest, ShowsTheCameraUprightInSepia) {
    auto s = open();
    EXPECT_TRUE(kit::Application::shared().isIdleTimerDisabled());
    ASSERT_TRUE(frame(*s->capture()));  // red, landscape 32 x 18
    const auto& picture = s->filteredImage()->image();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixelWidth(), 18);
    EXPECT_EQ(picture->pixelHeight(), 32);
    const auto redInSepia = kit::filters::sepiaTone(*kit::Image::fromRGBA(1, 1, std::vector<std::uint8_t>{255, 0, 0, 255}));
    EXPECT_EQ(picture->pixelRGBA(5, 5), redInSepia->pixelRGBA(0, 0));
    EXPECT_EQ(s->capture()->outputs().front()->connection()->videoOrientation, VideoOrientation::portrait);
    screenshot("value-checker-live");
}

TEST_F(ValueCheckerTest, FreezingStopsTheCameraAndLeavesThePictureAlone) {
    auto s = open();
    tapPicture();  // before any frame: label only, still live
    EXPECT_FALSE(s->isFrozen());
    EXPECT_EQ(s->freezeLbl()->text(), "Tap to unfreeze");
    EXPECT_TRUE(s->capture()->isRunning());

    frame(*s->capture());
    tapPicture();
    ASSERT_TRUE(s->isFrozen());
    EXPECT_FALSE(s->capture()->isRunning());
    EXPECT_EQ(s->view()->subviews(), (std::vector<std::shared_ptr<kit::View>>{s->filteredImage()}));
    EXPECT_FALSE(s->capture()->stepFrame());
    screenshot("value-checker-frozen");

    tapPicture();
    settle();
    EXPECT_FALSE(s->isFrozen());
    EXPECT_TRUE(s->capture()->isRunning());
    EXPECT_EQ(s->freezeLbl()->text(), "Tap to freeze");
    for (const auto& control : std::vector<std::shared_ptr<kit::View>>{s->backBtn(), s->ratioBtn(), s->infoBtn(),
                                                                       s->importColorBtn(), s->viewForBackSwipe()})
        EXPECT_TRUE(control->isDescendantOf(s->view().get()));
    tapPicture();  // one tap, one toggle, also after the screen was built again
    EXPECT_TRUE(s->isFrozen());
}

// Each unfreeze builds the screen again; a build that kept the last one's constraints made every
// later tap slower, until a run of taps queued more work than a close would wait for.
TEST_F(ValueCheckerTest, FreezingAndUnfreezingLeavesTheSameLayoutToSolve) {
    auto s = open();
    const std::vector<std::shared_ptr<kit::View>> parts{
        s->backBtn(),   s->ratioBtn(),         s->infoBtn(),       s->importColorBtn(),
        s->freezeLbl(), s->viewForBackSwipe(), s->filteredImage(), s->goldenRatioImageView()};
    const auto layout = [&] {
        std::vector<std::pair<std::size_t, kit::Rect>> out;
        for (const auto& part : parts) out.emplace_back(part->constraints().size(), part->frame());
        return out;
    };
    const auto cycle = [&] {
        frame(*s->capture());
        tapPicture();
        tapPicture();
        settle();
    };
    cycle();
    const auto first = layout();
    for (int i = 0; i < 10; ++i) cycle();
    EXPECT_FALSE(s->isFrozen());
    EXPECT_EQ(layout(), first);
}

TEST_F(ValueCheckerTest, RatioButtonCyclesTheOverlaysAndFreezingResetsTheCycle) {
    useCamera("synthetic:gradient@64x36");
    auto s = open();
    frame(*s->capture());
    const auto& overlay = s->goldenRatioImageView();
    std::vector<std::pair<bool, bool>> seen;  // hidden, isRatioHide
    for (int i = 0; i < 4; ++i) {
        host->tap(s->ratioBtn());
        seen.emplace_back(overlay->isHidden(), s->isRatioHide());
        screenshot("value-checker-ratio-" + std::to_string(i + 1));
    }
    EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{false, true}, {false, false}, {true, true}, {false, true}}));
    host->tap(s->ratioBtn());  // "Golden Ratio 2"
    frame(*s->capture());
    tapPicture();
    tapPicture();
    settle();
    EXPECT_TRUE(overlay->isHidden());
    host->tap(s->ratioBtn());
    EXPECT_FALSE(overlay->isHidden());
    EXPECT_TRUE(s->isRatioHide());  // the first overlay again
}

TEST_F(ValueCheckerTest, AFreezeTapClosesTheHelpFirst) {
    auto s = open();
    host->tap(s->infoBtn());
    ASSERT_TRUE(s->infoView());
    frame(*s->capture());
    tapPicture();
    EXPECT_FALSE(s->infoView());
    EXPECT_TRUE(s->isFrozen());
}

TEST_F(ValueCheckerTest, TheLastFormatReachingExactly120FramesStaysActive) {
    CaptureDevice device("synthetic:bars", CaptureDevicePosition::back,
                         {{1280, 720, {{1, 60}}}, {1280, 720, {{1, 120}}}, {1920, 1080, {{1, 240}}},
                          {640, 480, {{1, 30}, {1, 120}}}, {1280, 720, {{30, 120}}}, {640, 480, {{1, 60}}}});
    ValueCheckerVC::selectHighFrameRateFormat(device);
    EXPECT_EQ(device.activeFormat(), &device.formats()[4]);
    EXPECT_DOUBLE_EQ(device.activeVideoMinFrameDuration(), 1.0 / 120);
    EXPECT_DOUBLE_EQ(device.activeVideoMaxFrameDuration(), 1.0 / 30);
    EXPECT_FALSE(device.isLockedForConfiguration());

    CaptureDevice locked("synthetic:bars", CaptureDevicePosition::back, {{1280, 720, {{1, 120}}}, {1280, 720, {{1, 120}}}});
    locked.setLockError("in use");
    kit::ConsoleCapture console;
    ValueCheckerVC::selectHighFrameRateFormat(locked);
    EXPECT_EQ(console.lines(), (std::vector<std::string>{"Could not set active format", "in use",
                                                         "Could not set active format", "in use"}));
    EXPECT_EQ(locked.activeFormat(), nullptr);
}

TEST_F(ValueCheckerTest, PhotoCheckerAndBackRestartsTheCameraWithoutDoublingItsParts) {
    auto s = open();
    host->tap(s->importColorBtn());
    settle();
    EXPECT_TRUE(std::dynamic_pointer_cast<capture::ValueCheckerImageVC>(nav->topViewController()));
    EXPECT_FALSE(s->capture()->isRunning());
    EXPECT_FALSE(kit::Application::shared().isIdleTimerDisabled());
    nav->popViewController(false);
    settle();
    EXPECT_TRUE(s->capture()->isRunning());
    EXPECT_EQ(s->capture()->inputs().size(), 1u);
    EXPECT_EQ(s->capture()->outputs().size(), 1u);
    EXPECT_TRUE(frame(*s->capture()));
}

TEST_F(ValueCheckerTest, WithoutACameraOrAnInputTheScreenStaysDark) {
    useCamera("none");
    auto s = open();
    EXPECT_FALSE(s->currentCam());
    tapPicture();  // nothing to freeze
    EXPECT_FALSE(s->isFrozen());
    EXPECT_EQ(s->freezeLbl()->text(), "Tap to freeze");
    nav->popViewController(false);
    settle();

    useCamera(colours);
    camera()->setInputError("device busy");
    kit::ConsoleCapture console;
    auto busy = open();
    EXPECT_TRUE(console.contains("setupInputOutput device busy"));
    EXPECT_TRUE(busy->capture()->inputs().empty());
}

TEST_F(ValueCheckerTest, RefusedAccessLeavesTheScreenWithTheAlert) {
    useCamera(colours, false);
    auto s = open();
    EXPECT_NE(nav->topViewController(), s);
    EXPECT_EQ(alertActions(), (std::vector<std::string>{"Open Settings", "Cancel"}));
    EXPECT_FALSE(kit::Application::shared().isIdleTimerDisabled());
}
