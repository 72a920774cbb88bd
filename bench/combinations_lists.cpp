// The combination and swatch lists: the first frame after choosing a large swatch set, one colour
// tile's configure, a combination card's first render, and showing 1,000 saved single colours
// (fetch, sort, first frame).
#include "app/AppDelegate.h"
#include "app/storage/DataModel.h"
#include "combinations/ColorCell.h"
#include "combinations/ColorCombinationCell.h"
#include "combinations/Registration.h"
#include "combinations/SingleView.h"
#include "combinations/SwatchesVC.h"
#include "colour/SwatchPalettes.h"
#include "kit/base/Make.h"
#include "kit/host/Headless.h"
#include "kit/runtime/RunLoop.h"
#include "kit/store/Paths.h"
#include "kit/ui/Application.h"
#include "kit/ui/Button.h"
#include "kit/ui/Layer.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/StackView.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Window.h"

#include <benchmark/benchmark.h>

namespace {

struct Session {
    kit::TemporaryDataDir dir;
    kit::ManualRunLoopScope loop;
    std::shared_ptr<app::AppDelegate> delegate;
    kit::host::Headless host{kit::DeviceProfile::phone()};
    std::shared_ptr<kit::NavigationController> nav;
    Session() {
        kit::Application::resetShared();
        delegate = std::make_shared<app::AppDelegate>();
        app::setDelegate(delegate);
        combinations::registerCombinationScreens(*kit::Storyboard::named("Main"));
        nav = kit::make<kit::NavigationController>(kit::make<kit::ViewController>());
        host.setRootViewController(nav);
        host.advance(1);
    }
    ~Session() {
        nav.reset();
        app::setDelegate(nullptr);
    }
};

const kit::Button* menuButton(combinations::SwatchesVC& screen, const std::string& title) {
    for (auto& v : screen.modeNowMenuStack->arrangedSubviews())
        if (v->accessibilityIdentifier() == title) return static_cast<const kit::Button*>(v.get());
    return nullptr;
}

} // namespace

static void BM_SwatchSetFirstFrame(benchmark::State& state) {
    Session s;
    auto screen = std::dynamic_pointer_cast<combinations::SwatchesVC>(
        kit::Storyboard::named("Main")->instantiateViewController("SwatchesVC"));
    s.nav->pushViewController(screen, false);
    s.host.advance(1);
    const kit::Button* sets[] = {menuButton(*screen, "Wikipedia"), menuButton(*screen, "Material Design")};
    int i = 0;
    for (auto _ : state) {
        screen->selectModeWithButton(sets[i++ % 2]);
        auto frame = s.host.render();
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_SwatchSetFirstFrame)->Unit(benchmark::kMillisecond);

static void BM_ColorTileConfigure(benchmark::State& state) {
    Session s;
    auto cell = kit::make<combinations::ColorCell>();
    cell->setFrame({0, 0, 375, 70});
    const auto& names = colour::wikipediaColorNamesSorted();
    std::size_t i = 0;
    for (auto _ : state) {
        cell->configure(std::nullopt, true, names[i++ % names.size()], 1, false, false, false, false);
        cell->layoutIfNeeded();
    }
}
BENCHMARK(BM_ColorTileConfigure)->Unit(benchmark::kMicrosecond);

// A four-colour card made, configured for a screen and laid out.
static std::shared_ptr<combinations::ColorCombinationCell> laidOutCard(const std::shared_ptr<kit::ViewController>& screen) {
    colour::ColorCombination c;
    c.numberOfColors = 4;
    c.tag = "abstract";
    c.color1 = kit::Color::rgba(0.9, 0.4, 0.3);
    c.color2 = kit::Color::rgba(0.1, 0.2, 0.4);
    c.color3 = kit::Color::rgba(0.8, 0.8, 0.6);
    c.color4 = kit::Color::rgba(0.3, 0.6, 0.5);
    auto card = kit::make<combinations::ColorCombinationCell>();
    card->setFrame({0, 0, 375, 320});
    card->configure(c, screen);
    card->layoutIfNeeded();
    return card;
}

static void BM_CombinationCardFirstRender(benchmark::State& state) {
    Session s;
    auto screen = kit::make<kit::ViewController>();
    for (auto _ : state) {
        auto image = laidOutCard(screen)->layer()->renderImage(3);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_CombinationCardFirstRender)->Unit(benchmark::kMillisecond);

// The same card configured and laid out, not drawn: the card's own share of the first render.
static void BM_CombinationCardConfigure(benchmark::State& state) {
    Session s;
    auto screen = kit::make<kit::ViewController>();
    for (auto _ : state) {
        auto card = laidOutCard(screen);
        benchmark::DoNotOptimize(card);
    }
}
BENCHMARK(BM_CombinationCardConfigure)->Unit(benchmark::kMillisecond);

static void BM_ThousandSavedColoursShown(benchmark::State& state) {
    Session s;
    auto& context = *s.delegate->persistentContainer().viewContext();
    for (int i = 0; i < 1000; ++i) {
        auto r = app::CustomColorCombination::insert(context);
        r.setId((i * 7919) % 1000);
        r.setTag(std::string("colorPicker"));
        r.setNumberOfColors(1);
        r.setColor1(std::string("3A7BD5"));
    }
    context.save();
    auto screen = kit::make<kit::ViewController>();
    s.nav->pushViewController(screen, false);
    s.host.advance(1);
    for (auto _ : state) {
        auto panel = kit::make<combinations::SingleView>(screen->view(), true, std::nullopt);
        panel->showSingleView();
        auto frame = s.host.render();
        benchmark::DoNotOptimize(frame);
        state.PauseTiming();
        panel->closeSingleView();
        s.host.advance(0.5);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ThousandSavedColoursShown)->Unit(benchmark::kMillisecond);
