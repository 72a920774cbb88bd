// The view toolkit's hot paths: redrawing a full screen, reading one pixel, a tap through hit
// testing and recognisers, and a layout pass of a screen placed by constraints.
#include "kit/base/Clock.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/layout/Constraint.h"
#include "kit/ui/Button.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/GradientLayer.h"
#include "kit/ui/Label.h"
#include "kit/ui/Slider.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace kit;

// A phone screen in the style of the tool screens: a grid of shadowed tiles with titles,
// buttons, a gradient strip and a few sliders.
std::shared_ptr<View> toolScreen() {
    auto root = make<View>(Rect{0, 0, 390, 844});
    root->setBackgroundColor(Color::gray(0.95));
    for (int i = 0; i < 12; ++i) {
        auto tile = make<View>(Rect{15.0 + (i % 3) * 125, 60.0 + (i / 3) * 130, 110, 110});
        tile->setBackgroundColor(Color::hsb(i / 12.0, 0.6, 0.9));
        tile->layer()->setCornerRadius(16);
        tile->layer()->setShadowOpacity(0.4);
        tile->layer()->setShadowRadius(6);
        tile->layer()->setShadowOffset({0.5, 0.5});
        auto title = make<Label>(Rect{8, 70, 94, 30});
        title->setText("Tool " + std::to_string(i + 1));
        title->setFont(Font::system(17, FontWeight::semibold));
        title->setTextColor(Color::whiteColor());
        title->setTextAlignment(TextAlignment::center);
        tile->addSubview(title);
        root->addSubview(tile);
    }
    auto strip = make<GradientLayer>();
    strip->setFrame({15, 590, 360, 40});
    strip->setColors(std::vector<Color>{Color::redColor(), Color::yellowColor(), Color::blueColor()});
    strip->setStartPoint({0, 0.5});
    strip->setEndPoint({1, 0.5});
    root->layer()->addSublayer(strip);
    for (int i = 0; i < 3; ++i) {
        auto slider = make<Slider>(Rect{15, 650.0 + i * 40, 360, 31});
        slider->setValue(0.3f * static_cast<float>(i + 1));
        root->addSubview(slider);
    }
    for (int i = 0; i < 3; ++i) {
        auto b = make<Button>(Rect{15.0 + i * 125, 780, 110, 44}, ButtonType::system);
        b->setTitle("Action " + std::to_string(i + 1));
        root->addSubview(b);
    }
    root->layoutIfNeeded();
    return root;
}

void fullScreenRedrawAtScale2(benchmark::State& state) {
    auto root = toolScreen();
    auto image = Image::make(390, 844, 2);
    for (auto _ : state) {
        Context c(*image);
        c.clearRect({0, 0, 390, 844});
        root->layer()->renderInContext(c);
        benchmark::DoNotOptimize(image->surface());
    }
}
BENCHMARK(fullScreenRedrawAtScale2)->Unit(benchmark::kMillisecond);

// A shadowed card that changes size every frame (as during a resize animation), so its blurred
// shadow is made again each time.
void shadowOfAResizingCardAtScale2(benchmark::State& state) {
    auto card = make<View>(Rect{40, 40, 300, 200});
    card->setBackgroundColor(Color::whiteColor());
    card->layer()->setCornerRadius(16);
    card->layer()->setShadowOpacity(0.4);
    card->layer()->setShadowRadius(12);
    auto image = Image::make(390, 300, 2);
    double grow = 0;
    for (auto _ : state) {
        grow = grow > 20 ? 0 : grow + 1;
        card->setFrame({40, 40, 300 + grow, 200 + grow});
        Context c(*image);
        c.clearRect({0, 0, 390, 300});
        card->layer()->renderInContext(c);
        benchmark::DoNotOptimize(image->surface());
    }
}
BENCHMARK(shadowOfAResizingCardAtScale2)->Unit(benchmark::kMillisecond);

void onePixelOfTheScreen(benchmark::State& state) {
    auto root = toolScreen();
    (void)root->snapshot(2);
    double y = 0;
    for (auto _ : state) {
        y = y > 800 ? 0 : y + 13;
        benchmark::DoNotOptimize(root->layer()->pixelAt({200, y}));
    }
}
BENCHMARK(onePixelOfTheScreen)->Unit(benchmark::kMicrosecond);

void tapThroughRecognisersToAButton(benchmark::State& state) {
    ManualClockScope clock;
    auto root = toolScreen();
    root->addGestureRecognizer(make<TapGesture>([](GestureRecognizer&) {}));
    root->addGestureRecognizer(make<SwipeGesture>([](GestureRecognizer&) {}));
    int pressed = 0;
    for (auto& v : root->subviews())
        if (auto b = std::dynamic_pointer_cast<Button>(v))
            b->addTarget(nullptr, "", ControlEvent::touchUpInside, [&] { ++pressed; });
    EventDispatcher input(root);
    for (auto _ : state) {
        clock.clock().advance(1);
        input.touchBegan(1, {70, 800});
        input.touchEnded(1, {70, 800});
    }
    benchmark::DoNotOptimize(pressed);
}
BENCHMARK(tapThroughRecognisersToAButton)->Unit(benchmark::kMicrosecond);

void layoutOf60ViewsWith150Constraints(benchmark::State& state) {
    using layout::Constraint;
    auto root = make<View>(Rect{0, 0, 390, 844});
    std::vector<std::shared_ptr<View>> views;
    layout::ConstraintList all;
    std::shared_ptr<Constraint> top;
    for (int i = 0; i < 60; ++i) {
        auto v = make<View>();
        v->setTranslatesAutoresizingMaskIntoConstraints(false);
        root->addSubview(v);
        if (i == 0) {
            top = v->topAnchor().equalTo(root->topAnchor(), 10);
            all.push_back(top);
        } else {
            all.push_back(v->topAnchor().equalTo(views.back()->bottomAnchor(), 2));
        }
        all.push_back(v->leftAnchor().equalTo(root->leftAnchor(), 10 + (i % 5)));
        if (i % 2 == 0) all.push_back(v->heightAnchor().equalToConstant(10));
        else all.push_back(v->heightAnchor().equalTo(views.back()->heightAnchor()));
        views.push_back(v);
    }
    for (int i = 0; i < 30; ++i) all.push_back(views[i]->widthAnchor().equalToConstant(100 + i));
    for (int i = 30; i < 60; ++i) all.push_back(views[i]->widthAnchor().equalTo(views[i - 30]->widthAnchor()));
    Constraint::activate(all);
    root->layoutIfNeeded();
    double constant = 10;
    for (auto _ : state) {
        constant = constant > 40 ? 10 : constant + 1;
        top->setConstant(constant); // a change that moves every view
        root->layoutIfNeeded();
    }
    state.counters["constraints"] = static_cast<double>(all.size());
}
BENCHMARK(layoutOf60ViewsWith150Constraints)->Unit(benchmark::kMillisecond);

} // namespace
