#include "kit/host/Headless.h"

#include "kit/base/Make.h"
#include "kit/host/ScreenshotPng.h"
#include "kit/runtime/RunLoop.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Application.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Responder.h"
#include "kit/ui/View.h"
#include "kit/ui/WheelEvent.h"
#include "kit/ui/Window.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kit::host {
namespace {

// Finger steps: short enough for a tap, long enough that time visibly passes.
constexpr double touchStep = 0.02;

bool clockIsManual() { return dynamic_cast<ManualClock*>(&Clock::current()) != nullptr; }

// Live hosts, oldest first. A test that replaces its host makes the new one before the old one goes.
std::vector<Headless*>& liveHosts() {
    static std::vector<Headless*> hosts;
    return hosts;
}

} // namespace

std::shared_ptr<ViewController> topViewControllerOf(const std::shared_ptr<ViewController>& root) {
    auto top = root;
    while (top) {
        if (auto presented = top->presentedViewController(); presented && presented != top) {
            top = presented;
            continue;
        }
        if (auto nav = std::dynamic_pointer_cast<NavigationController>(top)) {
            if (auto inner = nav->topViewController()) {
                top = inner;
                continue;
            }
        }
        break;
    }
    return top;
}

Headless::Headless(const DeviceProfile& profile) : profile_(profile) {
    if (!clockIsManual()) clock_ = std::make_unique<ManualClockScope>();
    window_ = kit::make<Window>(profile.windowFrame());
    dispatcher_ = std::make_unique<EventDispatcher>(window_);
    liveHosts().push_back(this);
}

Headless::~Headless() {
    auto& hosts = liveHosts();
    auto self = std::find(hosts.begin(), hosts.end(), this);
    if (self + 1 != hosts.end()) {
        // A newer host is in force: it keeps the manual clock and restores what this one found.
        Headless& newer = **(self + 1);
        profile_.handOverTo(newer.profile_);
        if (clock_ && !newer.clock_) newer.clock_ = std::move(clock_);
    }
    hosts.erase(self);
    Application::shared().removeWindow(window_);
    if (auto root = window_->rootViewController()) {
        if (root->presentedViewController()) root->dismissViewController(false);
    }
    dispatcher_.reset();
    // Timers and blocks of this host's screens must not reach the next host.
    RunLoop::main().discardPendingWork();
}

void Headless::setRootViewController(const std::shared_ptr<ViewController>& controller) {
    Application::shared().finishLaunching();
    window_->setRootViewController(controller);
    window_->makeKeyAndVisible();
    settle();
}

std::shared_ptr<ViewController> Headless::topViewController() const {
    return topViewControllerOf(window_->rootViewController());
}

void Headless::settle() {
    RunLoop::main().drainMainQueue();
    window_->layoutIfNeeded();
}

void Headless::step(double seconds) {
    if (seconds > 0) RunLoop::main().advance(seconds);
    else RunLoop::main().drainMainQueue();
    window_->layoutIfNeeded();
}

void Headless::advance(double seconds) {
    // Time passes in frame-sized steps so that long presses and animations see it pass.
    double left = seconds;
    while (left > 1e-9) {
        double dt = std::min(left, 1.0 / 60.0);
        dispatcher_->update();
        step(dt);
        left -= dt;
    }
    dispatcher_->update();
    settle();
}

void Headless::touchDown(int finger, Point p) {
    window_->layoutIfNeeded();
    dispatcher_->touchBegan(finger, p);
    settle();
}

void Headless::touchMove(int finger, Point p) {
    dispatcher_->touchMoved(finger, p);
    settle();
}

void Headless::touchUp(int finger, Point p) {
    dispatcher_->touchEnded(finger, p);
    settle();
}

void Headless::tap(Point p) {
    touchDown(1, p);
    advance(touchStep);
    touchUp(1, p);
    // Let a tap recogniser that waits for a second tap give up and fire.
    advance(0.35);
}

void Headless::tap(const std::shared_ptr<View>& view) {
    if (!view) return;
    window_->layoutIfNeeded();
    Rect b = view->bounds();
    tap(view->convertPointTo(b.center(), nullptr));
}

void Headless::doubleTap(Point p) {
    touchDown(1, p);
    advance(touchStep);
    touchUp(1, p);
    advance(0.1);
    touchDown(1, p);
    advance(touchStep);
    touchUp(1, p);
    advance(0.35);
}

void Headless::longPress(Point p, double seconds) {
    touchDown(1, p);
    advance(seconds);
    touchUp(1, p);
    advance(touchStep);
}

void Headless::drag(const std::vector<Point>& points, double seconds) {
    if (points.empty()) return;
    touchDown(1, points.front());
    double per = points.size() > 1 ? seconds / double(points.size() - 1) : seconds;
    for (std::size_t i = 1; i < points.size(); ++i) {
        advance(per);
        touchMove(1, points[i]);
    }
    touchUp(1, points.back());
    advance(touchStep);
}

void Headless::swipe(Point from, Point to, double seconds) {
    constexpr int steps = 6;
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        double t = double(i) / steps;
        points.push_back({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
    }
    drag(points, seconds);
}

void Headless::pinch(Point c, double startDistance, double endDistance, double seconds) {
    constexpr int steps = 8;
    auto at = [&](double d) {
        return std::vector<TouchInput>{{1, {c.x - d / 2, c.y}}, {2, {c.x + d / 2, c.y}}};
    };
    dispatcher_->touchesBegan(at(startDistance));
    settle();
    for (int i = 1; i <= steps; ++i) {
        advance(seconds / steps);
        dispatcher_->touchesMoved(at(startDistance + (endDistance - startDistance) * i / steps));
        settle();
    }
    dispatcher_->touchesEnded(at(endDistance));
    advance(touchStep);
}

void Headless::rotate(Point c, double radius, double radians, double seconds) {
    constexpr int steps = 8;
    auto at = [&](double a) {
        Point d{radius * std::cos(a), radius * std::sin(a)};
        return std::vector<TouchInput>{{1, {c.x - d.x, c.y - d.y}}, {2, {c.x + d.x, c.y + d.y}}};
    };
    dispatcher_->touchesBegan(at(0));
    settle();
    for (int i = 1; i <= steps; ++i) {
        advance(seconds / steps);
        dispatcher_->touchesMoved(at(radians * i / steps));
        settle();
    }
    dispatcher_->touchesEnded(at(radians));
    advance(touchStep);
}

void Headless::typeText(const std::string& text) {
    auto input = std::dynamic_pointer_cast<KeyInput>(Responder::currentFirstResponder());
    if (!input) return;
    input->insertText(text);
    settle();
}

void Headless::pressBackspace(int times) {
    auto input = std::dynamic_pointer_cast<KeyInput>(Responder::currentFirstResponder());
    if (!input) return;
    for (int i = 0; i < times; ++i) input->deleteBackward();
    settle();
}

bool Headless::pressTextKey(TextKey key, KeyModifiers modifiers) {
    const bool handled = sendTextKey(key, modifiers);
    settle();
    return handled;
}

bool Headless::pressKey(Key key, std::optional<Point> pointer) {
    window_->layoutIfNeeded();
    bool handled = kit::host::pressKey(window_->rootViewController(), key, pointer);
    settle();
    return handled;
}

bool Headless::scroll(Point at, Point points, bool control) {
    window_->layoutIfNeeded();
    bool handled = dispatcher_->scrollWheel({at, points, WheelEvent::Unit::points, control, false});
    settle();
    return handled;
}

bool Headless::wheel(Point at, double steps, bool control, bool shift) {
    window_->layoutIfNeeded();
    bool handled = dispatcher_->scrollWheel({at, {0, steps}, WheelEvent::Unit::lines, control, shift});
    settle();
    return handled;
}

std::shared_ptr<AlertController> Headless::presentedAlert() const {
    return std::dynamic_pointer_cast<AlertController>(topViewController());
}

bool Headless::answerAlert(const std::string& actionTitle) {
    auto alert = presentedAlert();
    if (!alert) return false;
    bool ok = alert->triggerAction(actionTitle);
    settle();
    return ok;
}

Image Headless::render(double scale) {
    settle();
    if (!(scale > 0)) scale = Device::current().scale;
    return window_->layer()->renderImage(scale);
}

bool Headless::screenshot(const std::string& path, double scale) {
    auto image = render(scale);
    return !image.isEmpty() && writeScreenshotPng(image, path);
}

void Headless::applyWindowFrame() {
    window_->resize(Device::current().windowFrame().size);
    settle();
}

void Headless::setOrientation(DeviceOrientation orientation) {
    Device::current().orientation = orientation;
    applyWindowFrame();
}

void Headless::setWindowWidth(std::optional<double> width) {
    Device::current().windowWidth = width;
    applyWindowFrame();
}

void Headless::resizeWindow(Size points) {
    Device::setCurrent(DeviceProfile::forWindow(points, Device::current().scale));
    applyWindowFrame();
}

} // namespace kit::host
