// The per-frame work of the camera screens at 1280 x 720: the picker's copy, quarter turn and
// one-pixel read under the dot; the value checker's turn and sepia; a webcam's YUYV and MJPEG
// buffers turned into delivered frames.
#include "capture/OrientedImage.h"
#include "colour/PixelColor.h"
#include "kit/base/Make.h"
#include "kit/graphics/filters/Filters.h"
#include "kit/media/FrameSource.h"
#include "kit/media/PixelConversion.h"
#include "kit/media/V4l2Source.h"
#include "kit/ui/Layer.h"

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <linux/videodev2.h>

namespace {

kit::Image cameraFrame() {
    auto source = kit::media::makeFrameSource("synthetic:gradient");
    source->start({1280, 720}, nullptr);
    return *source->nextFrame(0);
}

void pickerFrame(benchmark::State& state) {
    const kit::Image frame = cameraFrame();
    const auto* bytes = cairo_image_surface_get_data(frame.surface());
    const int stride = cairo_image_surface_get_stride(frame.surface());
    auto layer = std::make_shared<kit::Layer>();
    layer->setBounds({0, 0, 375, 386});
    layer->setContentsGravity(kit::ContentsGravity::resizeAspectFill);
    layer->setMasksToBounds(true);
    for (auto _ : state) {
        auto copy = kit::media::imageFromBGRA(bytes, 1280, 720, stride);
        auto upright = capture::orientedImage(*copy, capture::ImageOrientation::right);
        layer->setContents(std::make_shared<const kit::Image>(std::move(*upright)));
        benchmark::DoNotOptimize(colour::pixelColor(*layer, {187.5, 193}));
    }
}
BENCHMARK(pickerFrame)->Unit(benchmark::kMillisecond);

void valueCheckerFrame(benchmark::State& state) {
    const kit::Image frame = cameraFrame();
    for (auto _ : state)
        benchmark::DoNotOptimize(kit::filters::sepiaTone(kit::media::rotatedQuarterTurns(frame, 1), 1.0));
}
BENCHMARK(valueCheckerFrame)->Unit(benchmark::kMillisecond);

void webcamYUYV(benchmark::State& state) {
    std::vector<std::uint8_t> yuyv(1280 * 720 * 2);
    for (std::size_t i = 0; i < yuyv.size(); ++i) yuyv[i] = static_cast<std::uint8_t>(i * 31 % 251);
    for (auto _ : state)
        benchmark::DoNotOptimize(kit::media::webcamFrame(V4L2_PIX_FMT_YUYV, yuyv, 1280, 720, 2560, true));
}
BENCHMARK(webcamYUYV)->Unit(benchmark::kMillisecond);

void webcamMJPEG(benchmark::State& state) {
    const auto jpeg = *cameraFrame().jpegData(0.8);
    for (auto _ : state)
        benchmark::DoNotOptimize(kit::media::webcamFrame(V4L2_PIX_FMT_MJPEG, jpeg, 1280, 720, 0, true));
}
BENCHMARK(webcamMJPEG)->Unit(benchmark::kMillisecond);

} // namespace
