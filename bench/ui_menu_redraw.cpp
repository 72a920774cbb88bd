// A full-screen redraw of the main menu at scale 2 (the window host's work per changed frame).
#include "app/menus/MainStoryboard.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/Layer.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Window.h"

#include <benchmark/benchmark.h>

static void BM_MainMenuRedrawScale2(benchmark::State& state) {
    kit::Application::resetShared();
    // The notched phone drawn at 2 pixels per point.
    auto profile = kit::DeviceProfile::phone();
    profile.scale = 2;
    kit::host::Headless host(profile);
    host.setRootViewController(app::registerMainStoryboard()->instantiateInitialViewController());
    host.render(2);
    for (auto _ : state) {
        auto frame = host.window()->layer()->renderImage(2);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_MainMenuRedrawScale2)->Unit(benchmark::kMillisecond);
