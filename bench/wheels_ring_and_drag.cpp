// The hue ring drawn in full (once per size), and one drag step of the digital wheel in the
// four-wheel abstract mode: the handler alone, and the handler with the frame drawn after it.
#include "app/AppDelegate.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/store/Defaults.h"
#include "kit/store/Paths.h"
#include "kit/text/Localization.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Window.h"
#include "wheels/HueRing.h"
#include "wheels/digital/DcwVC.h"

#include <benchmark/benchmark.h>

#include <cmath>

static void BM_HueRingFullDraw(benchmark::State& state) {
    const bool classic = state.range(0) != 0;
    // A 390 pt wheel at scale 2, as the phone shows it.
    for (auto _ : state) {
        auto image = kit::Image::make(390, 390, 2);
        kit::Context context(*image);
        context.translate(195, 195);
        wheels::paintHueRing(context, 180, 173, 1.0f, classic);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_HueRingFullDraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

namespace {
struct WheelScreen {
    kit::TemporaryDataDir dir;
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<wheels::DcwVC> screen;
    WheelScreen() {
        kit::Application::resetShared();
        kit::Localization::setTable({});
        app::setDelegate(std::make_shared<app::AppDelegate>());
        kit::Defaults::standard().set(6, app::Keys::lastDcwCombination);
        auto profile = kit::DeviceProfile::phone();
        profile.scale = 2;
        host = std::make_unique<kit::host::Headless>(profile);
        host->setRootViewController(kit::make<kit::NavigationController>(kit::make<kit::ViewController>()));
        screen = kit::make<wheels::DcwVC>();
        std::dynamic_pointer_cast<kit::NavigationController>(host->window()->rootViewController())->pushViewController(screen, false);
        host->advance(6);
        host->render(2);
    }
    ~WheelScreen() {
        host.reset();
        app::setDelegate(nullptr);
    }
    // A point on dcw1's track for step i.
    kit::Point pointFor(int i) const {
        const auto b = screen->dcw1->bounds();
        const double a = 0.01 * (i % 600);
        return {b.midX() + 100 * std::cos(a), b.midY() - 100 * std::sin(a)};
    }
};
} // namespace

static void BM_DigitalWheelDragStepHandler(benchmark::State& state) {
    WheelScreen wheel;
    int i = 0;
    for (auto _ : state) wheel.screen->dcw1->moveHandle(wheel.pointFor(i++));
}
BENCHMARK(BM_DigitalWheelDragStepHandler)->Unit(benchmark::kMicrosecond);

static void BM_DigitalWheelDragStepFrame(benchmark::State& state) {
    WheelScreen wheel;
    int i = 0;
    for (auto _ : state) {
        wheel.screen->dcw1->moveHandle(wheel.pointFor(i++));
        wheel.host->settle();
        auto frame = wheel.host->window()->layer()->renderImage(2);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_DigitalWheelDragStepFrame)->Unit(benchmark::kMillisecond);
