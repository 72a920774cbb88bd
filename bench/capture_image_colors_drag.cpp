// Dragging the sampler over a picked picture on the image colours screen (phone): each step is the
// touch handled and the frame drawn, as the window does for every frame of a drag. Two pictures,
// made at run time: a 12-megapixel photo (4032 x 3024) and an 11,585 x 11,585 one. "shownCopy" is
// the screen as it is (it draws from a copy at the view's pixels); "wholePicture" puts the picked
// picture itself in the view, which is then scaled down in every frame: the peer to beat.
#include "app/AppDelegate.h"
#include "capture/ImageColorsVC.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/host/Headless.h"
#include "kit/store/Paths.h"
#include "kit/text/Localization.h"
#include "kit/ui/Application.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Window.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

// Blocks of colour over the whole picture, painted in place: no second copy of a picture this large.
kit::Image picture(int width, int height) {
    auto image = *kit::Image::make(width, height, 1, true);
    kit::Context context(image);
    constexpr int blocks = 24;
    for (int by = 0; by < blocks; ++by)
        for (int bx = 0; bx < blocks; ++bx) {
            context.setFillColor(kit::Color::hsb(double(bx) / blocks, 0.8, 1.0 - 0.8 * by / blocks));
            context.fillRect({double(width) * bx / blocks, double(height) * by / blocks, std::ceil(double(width) / blocks),
                              std::ceil(double(height) / blocks)});
        }
    return image;
}

struct ImageColorsScreen {
    kit::TemporaryDataDir dir;
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<capture::ImageColorsVC> screen;

    ImageColorsScreen(int width, int height, bool wholePicture) {
        kit::Application::resetShared();
        kit::Localization::setTable({});
        app::setDelegate(std::make_shared<app::AppDelegate>());
        host = std::make_unique<kit::host::Headless>(kit::DeviceProfile::phone());
        auto nav = kit::make<kit::NavigationController>(kit::make<kit::ViewController>());
        host->setRootViewController(nav);
        screen = kit::make<capture::ImageColorsVC>();
        nav->pushViewController(screen, false);
        host->advance(1);
        auto picker = kit::make<kit::ImagePicker>();
        screen->imagePickerDidFinishPicking(*picker, {std::nullopt, picture(width, height)});
        host->advance(1);
        // Only once the screen has settled its size and made its copy for it: put in earlier, the
        // whole picture would be swapped for that copy.
        if (wholePicture) {
            screen->imageView->setImage(screen->loadedImage);
            host->advance(1);
        }
        host->touchDown(0, pointFor(0));
    }
    ~ImageColorsScreen() {
        host->touchUp(0, pointFor(0));
        screen.reset();
        host.reset();
        app::setDelegate(nullptr);
    }
    // Round and round inside the picture area.
    kit::Point pointFor(int i) const {
        const auto area = screen->imageView->convertRectTo(screen->imageView->bounds(), host->window().get());
        const double a = 0.05 * (i % 126);
        return {area.midX() + area.width() / 4 * std::cos(a), area.midY() + area.height() / 4 * std::sin(a)};
    }
};

void dragStep(benchmark::State& state) {
    ImageColorsScreen s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), state.range(2) != 0);
    // Each case must draw what it says, from its first frame to its last.
    const auto drawsAsNamed = [&] {
        const auto& shown = s.screen->imageView->image();
        const bool whole = shown && shown->pixelWidth() == state.range(0);
        if (whole == (state.range(2) != 0)) return true;
        state.SkipWithError(whole ? "the screen shows the whole picture" : "the view does not hold the whole picture");
        return false;
    };
    if (!drawsAsNamed()) return;
    const double scale = kit::Screen::scale();
    int i = 0;
    for (auto _ : state) {
        s.host->touchMove(0, s.pointFor(++i));
        auto frame = s.host->window()->layer()->renderImage(scale);
        benchmark::DoNotOptimize(frame);
    }
    drawsAsNamed();
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

// range(2): 0 = shownCopy, 1 = wholePicture.
BENCHMARK(dragStep)
    ->ArgNames({"width", "height", "wholePicture"})
    ->Args({4032, 3024, 0})
    ->Args({4032, 3024, 1})
    ->Args({11585, 11585, 0})
    ->Args({11585, 11585, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What a pick (or a change of the view's size) pays once: the copy fitted to the phone's picture
// area at 3x.
void copyMade(benchmark::State& state) {
    const auto whole = picture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const double fit = std::min(375.0 * 3 / whole.pixelWidth(), 386.0 * 3 / whole.pixelHeight());
    for (auto _ : state) {
        auto copy = whole.resized({whole.pixelWidth() * fit / 3, whole.pixelHeight() * fit / 3}, 3);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(copyMade)->ArgNames({"width", "height"})->Args({4032, 3024})->Args({11585, 11585})->Unit(benchmark::kMillisecond)->UseRealTime();
