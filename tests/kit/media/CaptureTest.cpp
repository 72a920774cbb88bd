#include "kit/base/Console.h"
#include "kit/graphics/TempDir.h"
#include "kit/media/CaptureDevice.h"
#include "kit/media/CaptureSession.h"
#include "kit/media/CaptureVideoPreviewLayer.h"
#include "kit/media/PixelConversion.h"
#include "kit/media/SyntheticSource.h"
#include "kit/media/V4l2Source.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/RunLoop.h"
#include "kit/store/ExifJpeg.h"

#include <gtest/gtest.h>
#include <linux/videodev2.h>

#include <chrono>
#include <fstream>
#include <thread>

using namespace kit;
using namespace kit::media;

namespace {

std::array<std::uint8_t, 4> rgb(const Image& image, int x, int y) { return image.pixelRGBA(x, y); }
constexpr std::array<std::uint8_t, 4> red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255},
    yellow{255, 255, 0, 255};

Image frameOf(const std::string& text, Size preset = {4, 2}) {
    auto source = makeFrameSource(text);
    EXPECT_TRUE(source) << text;
    source->start(preset, nullptr);
    return *source->nextFrame(0);
}

// Records what reaches it, on which thread.
struct Recorder : SampleBufferDelegate {
    std::vector<Size> sizes;
    std::vector<std::array<std::uint8_t, 4>> firstPixels;
    bool onMain = false;
    double delay = 0;
    void captureOutput(VideoDataOutput&, SampleBuffer& sample, CaptureConnection&) override {
        onMain = onMain || RunLoop::main().isMainThread();
        const auto& pixels = sample.imageBuffer->image();
        sizes.push_back({static_cast<double>(pixels.pixelWidth()), static_cast<double>(pixels.pixelHeight())});
        firstPixels.push_back(pixels.pixelRGBA(0, 0));
        if (delay > 0) std::this_thread::sleep_for(std::chrono::duration<double>(delay));
    }
};

struct Rig {
    std::shared_ptr<CaptureSession> session = std::make_shared<CaptureSession>();
    std::shared_ptr<VideoDataOutput> output = std::make_shared<VideoDataOutput>();
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
    std::shared_ptr<DispatchQueue> queue = DispatchQueue::serial("test frames");

    explicit Rig(const std::string& source, bool manual = true) {
        setCameraConfiguration({.source = source, .accessGranted = true, .manualFrames = manual});
        auto input = CaptureDeviceInput::make(CaptureDevice::defaultDevice(CaptureDevicePosition::back));
        EXPECT_TRUE(input);
        session->addInput(input);
        output->setSampleBufferDelegate(recorder, queue);
        session->addOutput(output);
    }
    ~Rig() {
        session->stopRunning();
        resetCameraConfiguration();
    }
};

} // namespace

TEST(CaptureSourcesTest, SyntheticPatternsAreExactAndRepeatable) {
    const Image quadrants = frameOf("synthetic:quadrants");
    EXPECT_EQ(rgb(quadrants, 0, 0), red);
    EXPECT_EQ(rgb(quadrants, 3, 0), green);
    EXPECT_EQ(rgb(quadrants, 0, 1), blue);
    EXPECT_EQ(rgb(quadrants, 3, 1), yellow);
    EXPECT_EQ(frameOf("synthetic:bars@16x9").pixelWidth(), 16);  // the size in the source text wins over the preset

    auto cycle = makeFrameSource("synthetic:cycle-FF0000-00FF00");
    cycle->start({2, 2}, nullptr);
    EXPECT_EQ(rgb(*cycle->nextFrame(0), 1, 1), red);
    EXPECT_EQ(rgb(*cycle->nextFrame(0), 1, 1), green);
    EXPECT_EQ(rgb(*cycle->nextFrame(0), 1, 1), red);

    for (const char* bad : {"synthetic:plaid", "synthetic:solid", "synthetic:solid-GG0000", "synthetic:bars@0x9",
                            "synthetic:bars@fast", "file:/nonexistent.png", "webcam", "none"}) {
        std::string error;
        EXPECT_FALSE(makeFrameSource(bad, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(CaptureSourcesTest, QuarterTurnsMoveCornersExactly) {
    const Image q = frameOf("synthetic:quadrants");  // 4 x 2
    const Image right = rotatedQuarterTurns(q, 1);
    ASSERT_EQ(right.pixelWidth(), 2);
    ASSERT_EQ(right.pixelHeight(), 4);
    EXPECT_EQ(rgb(right, 1, 0), red);     // top left goes to top right
    EXPECT_EQ(rgb(right, 0, 0), blue);
    EXPECT_EQ(rgb(right, 1, 3), green);
    const Image left = rotatedQuarterTurns(q, -1);
    EXPECT_EQ(rgb(left, 0, 3), red);      // top left goes to bottom left
    EXPECT_EQ(rgb(left, 0, 0), green);
    const Image down = rotatedQuarterTurns(q, 2);
    EXPECT_EQ(rgb(down, 3, 1), red);
    EXPECT_EQ(rgb(rotatedQuarterTurns(right, -1), 0, 0), red);
}

TEST(CaptureSourcesTest, WebcamBuffersBecomePortraitSensorFrames) {
    // A 32 x 18 YUYV picture: left half grey, right half saturated red (BT.601 full range).
    const int w = 32, h = 18, stride = w * 2 + 8;  // rows padded as drivers do
    std::vector<std::uint8_t> yuyv(static_cast<std::size_t>(stride * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; x += 2) {
            std::uint8_t* p = &yuyv[static_cast<std::size_t>(y * stride + x * 2)];
            const bool redSide = x >= w / 2;
            p[0] = p[2] = redSide ? 76 : 128;
            p[1] = redSide ? 85 : 128;
            p[3] = redSide ? 255 : 128;
        }
    const auto full = webcamFrame(V4L2_PIX_FMT_YUYV, yuyv, w, h, stride, false);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->pixelWidth(), h);  // turned counter-clockwise: the top row is now the left column
    EXPECT_EQ(full->pixelHeight(), w);
    EXPECT_EQ(rgb(*full, 0, w - 1), (std::array<std::uint8_t, 4>{128, 128, 128, 255}));  // left edge at the bottom
    const auto redPixel = rgb(*full, 0, 0);
    EXPECT_GE(redPixel[0], 250);
    EXPECT_LE(redPixel[1], 5);
    EXPECT_LE(redPixel[2], 5);

    const auto cropped = webcamFrame(V4L2_PIX_FMT_YUYV, yuyv, w, h, stride, true);
    ASSERT_TRUE(cropped);
    EXPECT_EQ(cropped->pixelWidth(), h);
    EXPECT_EQ(cropped->pixelHeight(), h * 9 / 16);  // the centre 9:16 of the picture
    EXPECT_FALSE(webcamFrame(V4L2_PIX_FMT_YUYV, std::span(yuyv).first(100), w, h, stride, true));

    const auto jpeg = frameOf("synthetic:quadrants@32x18", {}).jpegData(0.95);
    ASSERT_TRUE(jpeg);
    const auto decoded = webcamFrame(V4L2_PIX_FMT_MJPEG, *jpeg, 32, 18, 0, false);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->pixelWidth(), 18);
    EXPECT_GE(rgb(*decoded, 1, 30)[0], 240);  // red, from the top left, now at the bottom left
    EXPECT_FALSE(webcamFrame(V4L2_PIX_FMT_MJPEG, std::span(*jpeg).first(10), 32, 18, 0, false));
}

TEST(CaptureDeviceTest, DiscoveryFollowsTheConfiguredSource) {
    setCameraConfiguration({.source = "none"});
    EXPECT_TRUE(CaptureDevice::devices().empty());
    setCameraConfiguration({.source = "synthetic:bars"});
    auto device = CaptureDevice::defaultDevice(CaptureDevicePosition::back);
    ASSERT_TRUE(device);
    EXPECT_EQ(device, CaptureDevice::devices().front());  // the same object until the configuration changes
    EXPECT_FALSE(CaptureDevice::defaultDevice(CaptureDevicePosition::front));
    EXPECT_FALSE(device->formats().empty());

    std::string error;
    device->setInputError("busy");
    EXPECT_FALSE(CaptureDeviceInput::make(device, &error));
    EXPECT_EQ(error, "busy");
    resetCameraConfiguration();
}

TEST(CaptureDeviceTest, ConfigurationNeedsTheLockAndTheLockCanFail) {
    CaptureDevice device("synthetic:bars", CaptureDevicePosition::back, {{640, 480, {{1, 30}}}, {1280, 720, {{1, 120}}}});
    EXPECT_EQ(device.activeFormat(), nullptr);
    ASSERT_TRUE(device.lockForConfiguration());
    device.setActiveFormat(device.formats()[1]);
    device.setActiveVideoMinFrameDuration(device.formats()[1].videoSupportedFrameRateRanges[0].minFrameDuration());
    device.unlockForConfiguration();
    EXPECT_EQ(device.activeFormat(), &device.formats()[1]);
    EXPECT_DOUBLE_EQ(device.activeVideoMinFrameDuration(), 1.0 / 120);

    device.setLockError("in use by another application");
    std::string error;
    EXPECT_FALSE(device.lockForConfiguration(&error));
    EXPECT_EQ(error, "in use by another application");
    EXPECT_DEATH(device.setActiveFormat(device.formats()[0]), "needs lockForConfiguration");
}

TEST(CaptureDeviceTest, AccessAnswerComesOffTheCallingThread) {
    for (bool granted : {true, false}) {
        setCameraConfiguration({.source = "synthetic:bars", .accessGranted = granted});
        std::atomic<int> answer{-1};
        std::atomic<bool> onCaller{true};
        const auto caller = std::this_thread::get_id();
        CaptureDevice::requestAccess([&](bool ok) {
            onCaller = std::this_thread::get_id() == caller;
            answer = ok ? 1 : 0;
        });
        DispatchQueue::global().waitUntilIdle();
        EXPECT_EQ(answer, granted ? 1 : 0);
        EXPECT_FALSE(onCaller);
    }
    resetCameraConfiguration();
}

TEST(CaptureSessionTest, StepFramesReachTheDelegateOnItsQueueTurnedByTheConnection) {
    Rig rig("synthetic:quadrants@4x2");
    EXPECT_FALSE(rig.session->stepFrame());  // not running
    rig.session->startRunning();
    ASSERT_TRUE(rig.session->stepFrame());
    rig.output->connection()->videoOrientation = VideoOrientation::portrait;
    ASSERT_TRUE(rig.session->stepFrame());
    ASSERT_EQ(rig.recorder->sizes.size(), 2u);
    EXPECT_EQ(rig.recorder->sizes[0], (Size{4, 2}));
    EXPECT_EQ(rig.recorder->sizes[1], (Size{2, 4}));
    EXPECT_EQ(rig.recorder->firstPixels[1], blue);  // bottom left came round to the top left
    EXPECT_FALSE(rig.recorder->onMain);
    rig.session->stopRunning();
    EXPECT_FALSE(rig.session->stepFrame());
    EXPECT_EQ(rig.session->frameCount(), 2u);
}

TEST(CaptureSessionTest, ASessionTakesOneInputAndOneVideoOutput) {
    Rig rig("synthetic:bars@4x2");
    auto device = CaptureDevice::defaultDevice(CaptureDevicePosition::back);
    EXPECT_FALSE(rig.session->canAddInput(CaptureDeviceInput::make(device)));
    EXPECT_FALSE(rig.session->canAddOutput(std::make_shared<VideoDataOutput>()));
    EXPECT_FALSE(rig.session->canAddOutput(rig.output));
    EXPECT_EQ(rig.session->inputs().size(), 1u);
}

TEST(CaptureSessionTest, ASlowDelegateMissesLateFramesInsteadOfFallingBehind) {
    Rig rig("synthetic:bars@8x4@200", false);
    rig.recorder->delay = 0.03;
    rig.session->startRunning();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    rig.session->stopRunning();
    rig.queue->waitUntilIdle();
    EXPECT_GT(rig.output->droppedFrames(), 0u);
    EXPECT_LT(rig.output->deliveredFrames(), rig.session->frameCount());
    EXPECT_EQ(rig.output->deliveredFrames() + rig.output->droppedFrames(), rig.session->frameCount());
}

TEST(CaptureSessionTest, PreviewLayerShowsTheNewestFrameUpright) {
    Rig rig("synthetic:cycle-FF0000-0000FF@4x2");
    auto preview = std::make_shared<CaptureVideoPreviewLayer>(rig.session);
    preview->initialize();
    preview->setVideoGravity(VideoGravity::resizeAspectFill);
    EXPECT_EQ(preview->contentsGravity(), ContentsGravity::resizeAspectFill);
    rig.session->startRunning();
    rig.session->stepFrame();
    rig.session->stepFrame();
    RunLoop::main().drainMainQueue();
    ASSERT_TRUE(preview->contents());
    EXPECT_EQ(preview->contents()->pixelWidth(), 2);
    EXPECT_EQ(preview->contents()->pixelRGBA(0, 0), blue);
}

namespace {

// The first frame of the source as the preview layer shows it.
std::shared_ptr<const Image> previewOf(const std::string& source) {
    Rig rig(source);
    auto preview = std::make_shared<CaptureVideoPreviewLayer>(rig.session);
    preview->initialize();
    rig.session->startRunning();
    rig.session->stepFrame();
    RunLoop::main().drainMainQueue();
    return preview->contents();
}

} // namespace

TEST(CaptureSessionTest, APictureFileShowsUprightInThePreview) {
    // A portrait photo, 2 x 4: red top left, green top right, blue bottom left, yellow bottom right.
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x) {
            const auto& c = y < 2 ? (x == 0 ? red : green) : (x == 0 ? blue : yellow);
            rgba.insert(rgba.end(), c.begin(), c.end());
        }
    TempDir dir;
    const std::string photo = dir.file("photo.png");
    ASSERT_TRUE(Image::fromRGBA(2, 4, rgba)->savePNG(photo));

    const auto preview = previewOf("file:" + photo);
    ASSERT_TRUE(preview);
    const Image& shown = *preview;
    ASSERT_EQ(shown.pixelWidth(), 2);
    ASSERT_EQ(shown.pixelHeight(), 4);
    EXPECT_EQ(rgb(shown, 0, 0), red);
    EXPECT_EQ(rgb(shown, 1, 0), green);
    EXPECT_EQ(rgb(shown, 0, 3), blue);
    EXPECT_EQ(rgb(shown, 1, 3), yellow);
}

TEST(CaptureSessionTest, APhonePhotoTaggedToBeTurnedShowsUprightAsInThePhotoPicker) {
    // Stored as the sensor saw it, 32 x 16, red left and blue right; the tag (6) asks for a quarter
    // turn clockwise, which puts the red half on top of a 16 x 32 portrait.
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) rgba.insert(rgba.end(), {std::uint8_t(x < 16 ? 255 : 0), 0, std::uint8_t(x < 16 ? 0 : 255), 255});
    const auto bytes = jpegWithOrientation(*Image::fromRGBA(32, 16, rgba), 6, true);
    TempDir dir;
    const std::string photo = dir.file("phone.jpg");
    std::ofstream(photo, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

    const auto preview = previewOf("file:" + photo);
    ASSERT_TRUE(preview);
    const Image& shown = *preview;
    ASSERT_EQ(shown.pixelWidth(), 16);
    ASSERT_EQ(shown.pixelHeight(), 32);
    EXPECT_GT(rgb(shown, 8, 4)[0], 200);
    EXPECT_LT(rgb(shown, 8, 4)[2], 60);
    EXPECT_GT(rgb(shown, 8, 28)[2], 200);
    EXPECT_LT(rgb(shown, 8, 28)[0], 60);
}
