#include "capture/CameraView.h"
#include "colour/HexText.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/media/CaptureDevice.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/RunLoop.h"
#include "kit/ui/Label.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kit::media;

namespace {

struct CameraViewTest : ::testing::Test {
    void TearDown() override { resetCameraConfiguration(); }
};

} // namespace

TEST_F(CameraViewTest, PreviewFillsTheViewWithTheLivePicture) {
    setCameraConfiguration({.source = "synthetic:solid-3366CC@8x6", .accessGranted = true, .manualFrames = true});
    auto view = kit::make<capture::CameraView>(kit::Rect{0, 0, 120, 90});
    kit::DispatchQueue::global().waitUntilIdle();  // the session starts off the main thread
    ASSERT_TRUE(view->session()->isRunning());
    EXPECT_EQ(view->session()->sessionPreset(), SessionPreset::vga640x480);
    EXPECT_EQ(view->videoDataOutput()->pixelFormatType, pixelFormat420FullRange);
    EXPECT_EQ(view->previewLayer()->videoGravity(), VideoGravity::resizeAspectFill);
    EXPECT_TRUE(view->layer()->masksToBounds());

    ASSERT_TRUE(view->session()->stepFrame());
    kit::RunLoop::main().drainMainQueue();
    ASSERT_TRUE(view->previewLayer()->contents());
    EXPECT_EQ(colour::hexString(view->previewLayer()->contents()->colorAt(0, 0)), "3366CC");

    view->setFrame({0, 0, 200, 100});
    view->layoutSubviews();
    EXPECT_EQ(view->previewLayer()->frame(), (kit::Rect{0, 0, 200, 100}));
}

TEST_F(CameraViewTest, WithoutACameraTheViewStaysEmptyAndSaysSo) {
    setCameraConfiguration({.source = "none", .accessGranted = true, .manualFrames = true});
    kit::ConsoleCapture console;
    auto view = kit::make<capture::CameraView>(kit::Rect{0, 0, 120, 90});
    EXPECT_FALSE(view->captureDevice());
    EXPECT_FALSE(view->session()->isRunning());
    EXPECT_FALSE(view->previewLayer()->superlayer());
    ASSERT_TRUE(view->notice());
    EXPECT_EQ(view->notice()->superview().get(), view.get());
    EXPECT_NE(view->notice()->text().find("No camera found"), std::string::npos);
    kit::make<capture::CameraView>(kit::Rect{0, 0, 120, 90});
    // Said at most once per run, however many views are made.
    const auto lines = console.lines();
    EXPECT_LE(std::count(lines.begin(), lines.end(),
                         "Camera doesn't work on the simulator! You have to test this on an actual device!"),
              1);
}

TEST_F(CameraViewTest, AnInputThatCannotBeMadeIsReportedAndNothingRuns) {
    setCameraConfiguration({.source = "synthetic:bars@8x6", .accessGranted = true, .manualFrames = true});
    CaptureDevice::defaultDevice(CaptureDevicePosition::back)->setInputError("device busy");
    kit::ConsoleCapture console;
    auto view = kit::make<capture::CameraView>(kit::Rect{0, 0, 120, 90});
    kit::DispatchQueue::global().waitUntilIdle();
    EXPECT_FALSE(view->session()->isRunning());
    const auto lines = console.lines();
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0].front(), '"');
    EXPECT_NE(lines[0].find(": beginSession() line: 74.  device busy\""), std::string::npos);
    ASSERT_TRUE(view->notice());
    EXPECT_NE(view->notice()->text().find("Device busy."), std::string::npos);
}
