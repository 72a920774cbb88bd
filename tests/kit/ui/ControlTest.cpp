#include "kit/base/Make.h"
#include "kit/ui/Control.h"
#include "kit/ui/EventDispatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kit {
namespace {

TEST(Control, ActionsRunInRegistrationOrderAndDuplicatesAreIgnored) {
    auto c = make<Control>(Rect{0, 0, 10, 10});
    std::vector<std::string> log;
    int screen = 0, other = 0;
    c->addTarget(&screen, "toggleState", ControlEvent::touchUpInside, [&] { log.push_back("toggle"); });
    c->addTarget(&other, "moveAll", ControlEvent::touchUpInside | ControlEvent::valueChanged, [&] { log.push_back("move"); });
    c->addTarget(&screen, "toggleState", ControlEvent::touchUpInside, [&] { log.push_back("toggle again"); });
    c->addTarget(&screen, "toggleState", ControlEvent::valueChanged, [&] { log.push_back("toggle on change"); });
    c->sendActions(ControlEvent::touchUpInside);
    EXPECT_EQ(log, (std::vector<std::string>{"toggle", "move"}));
    log.clear();
    c->sendActions(ControlEvent::valueChanged);
    EXPECT_EQ(log, (std::vector<std::string>{"move", "toggle on change"}));

    log.clear();
    c->removeTarget(&other, "moveAll", ControlEvent::touchUpInside);
    c->sendActions(ControlEvent::touchUpInside | ControlEvent::valueChanged);
    EXPECT_EQ(log, (std::vector<std::string>{"toggle", "move", "toggle on change"}));
    c->removeTarget(nullptr, "", ControlEvent::allEvents);
    EXPECT_EQ(c->numberOfActions(ControlEvent::allEvents), 0u);
}

struct Tracked : Control {
    using Control::Control;
    std::vector<std::string>* log;
    bool beginTracking(const Touch&, const Event&) override { log->push_back("begin"); return true; }
    bool continueTracking(const Touch&, const Event&) override { log->push_back("continue"); return true; }
    void endTracking(const Touch*, const Event*) override { log->push_back("end"); }
};

struct OverridesTouches : Tracked {
    using Tracked::Tracked;
    void touchesBegan(const TouchSet&, const Event&) override { log->push_back("own began"); }
    void touchesEnded(const TouchSet&, const Event&) override { log->push_back("own ended"); }
};

TEST(Control, TouchesDriveTrackingAndEvents) {
    auto root = make<View>(Rect{0, 0, 400, 400});
    auto c = make<Tracked>(Rect{0, 0, 50, 50});
    std::vector<std::string> log;
    c->log = &log;
    root->addSubview(c);
    c->addTarget(nullptr, "", ControlEvent::touchDown, [&] { log.push_back("down"); });
    c->addTarget(nullptr, "", ControlEvent::touchUpInside, [&] { log.push_back("up inside"); });
    c->addTarget(nullptr, "", ControlEvent::touchUpOutside, [&] { log.push_back("up outside"); });
    EventDispatcher input(root);

    input.touchBegan(1, {10, 10});
    EXPECT_TRUE(c->isHighlighted());
    input.touchMoved(1, {60, 10}); // within the slop around the control
    input.touchEnded(1, {60, 10});
    EXPECT_FALSE(c->isHighlighted());
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "down", "continue", "end", "up inside"}));

    log.clear();
    input.touchBegan(1, {10, 10});
    input.touchEnded(1, {300, 300});
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "down", "end", "up outside"}));

    log.clear();
    c->setEnabled(false);
    input.touchBegan(1, {10, 10});
    input.touchEnded(1, {10, 10});
    EXPECT_TRUE(log.empty());

    // A subclass that takes the touches itself skips tracking and events.
    auto o = make<OverridesTouches>(Rect{100, 100, 50, 50});
    o->log = &log;
    o->addTarget(nullptr, "", ControlEvent::allEvents, [&] { log.push_back("event"); });
    root->addSubview(o);
    input.touchBegan(1, {110, 110});
    input.touchEnded(1, {110, 110});
    EXPECT_EQ(log, (std::vector<std::string>{"own began", "own ended"}));
}

TEST(Control, ActionMayRemoveItsOwnControl) {
    auto root = make<View>(Rect{0, 0, 100, 100});
    std::weak_ptr<Control> watch;
    int after = 0;
    {
        auto c = make<Control>(Rect{0, 0, 50, 50});
        watch = c;
        root->addSubview(c);
        c->addTarget(nullptr, "rebuild", ControlEvent::touchUpInside, [&](Control& sender) {
            sender.removeFromSuperview(); // the screen rebuilds itself from inside the handler
            EXPECT_EQ(sender.tag(), 0);
        });
        c->addTarget(nullptr, "then", ControlEvent::touchUpInside, [&] { ++after; });
    }
    EventDispatcher input(root);
    input.touchBegan(1, {10, 10});
    input.touchEnded(1, {10, 10});
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(watch.expired());
}

} // namespace
} // namespace kit
