// Main menu cold start: storyboard, screens, layout and the first rendered frame, headless.
#include "app/menus/MainStoryboard.h"
#include "kit/host/Headless.h"
#include "kit/ui/Application.h"
#include "kit/ui/Storyboard.h"

#include <benchmark/benchmark.h>

static void BM_MainMenuFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        kit::Application::resetShared();
        kit::host::Headless host(kit::DeviceProfile::phone());
        auto root = app::registerMainStoryboard()->instantiateInitialViewController();
        host.setRootViewController(root);
        auto frame = host.render();
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_MainMenuFirstFrame)->Unit(benchmark::kMillisecond);
