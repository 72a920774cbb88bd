#include "kit/runtime/NotificationCenter.h"

#include <gtest/gtest.h>

using kit::Notification;
using kit::NotificationCenter;
using kit::ObserverToken;

TEST(NotificationCenter, DeliversSynchronouslyInRegistrationOrderFilteredByObject) {
    NotificationCenter center;
    std::vector<std::string> log;
    int wheel = 0, other = 0;
    center.addObserver("moveAll", nullptr, [&](const Notification& n) {
        log.push_back("any:" + std::any_cast<std::string>(n.userInfo.at("k")));
    });
    center.addObserver("moveAll", &wheel, [&](const Notification&) { log.push_back("wheel"); });
    center.addObserver("distantUpdate", nullptr, [&](const Notification&) { log.push_back("wrong name"); });
    center.post("moveAll", &wheel, {{"k", std::string("v")}});
    EXPECT_EQ(log, (std::vector<std::string>{"any:v", "wheel"}));
    log.clear();
    center.post("moveAll", &other, {{"k", std::string("w")}});
    EXPECT_EQ(log, (std::vector<std::string>{"any:w"}));
}

TEST(NotificationCenter, ObserversChangedDuringAPostTakeEffectAtOnceForRemovalAndNextPostForAddition) {
    NotificationCenter center;
    std::vector<std::string> log;
    ObserverToken second;
    int screen = 0;
    center.addObserver("n", nullptr, [&](const Notification&) {
        log.push_back("first");
        center.removeObserver(second);
        center.addObserver("n", nullptr, [&](const Notification&) { log.push_back("added"); });
    });
    second = center.addObserver("n", nullptr, [&](const Notification&) { log.push_back("second"); });
    center.addObserver("n", nullptr, [&](const Notification&) {
        log.push_back("owned");
        center.removeObserver(&screen); // removes itself while running
    }, &screen);
    center.addObserver("other", nullptr, [&](const Notification&) { log.push_back("owned other"); }, &screen);
    center.post("n");
    EXPECT_EQ(log, (std::vector<std::string>{"first", "owned"}));
    log.clear();
    center.post("n");
    center.post("other");
    // The observer added in the first post runs now; the one added in this post waits for the next.
    EXPECT_EQ(log, (std::vector<std::string>{"first", "added"}));
}

TEST(NotificationCenter, TheDefaultCentreOutlivesStaticsThatUnregisterAtExit) {
    // Registered before the centre is first used, so it runs after the centre's own static
    // clean-up would: as a screen kept by the application object unregisters on quitting.
    static int owner = 0;
    std::atexit([] { NotificationCenter::defaultCenter().removeObserver(&owner); });
    NotificationCenter::defaultCenter().addObserver("quit", nullptr, [](const Notification&) {}, &owner);
}
