#pragma once
// A fresh delegate over a temporary data folder, under a manual clock and run loop.
#include "app/AppDelegate.h"
#include "app/ui/Alerts.h"
#include "kit/runtime/RunLoop.h"
#include "kit/store/Paths.h"
#include "kit/text/Localization.h"

#include <gtest/gtest.h>

struct AppFixture : ::testing::Test {
    kit::TemporaryDataDir dir;
    kit::ManualRunLoopScope loop;
    std::shared_ptr<app::AppDelegate> appDelegate;

    void SetUp() override {
        kit::Localization::setTable({});
        app::Alerts::shared().resetRecord();
        appDelegate = std::make_shared<app::AppDelegate>();
        app::setDelegate(appDelegate);
    }
    void TearDown() override {
        loop.advance(2);  // lets a pending save throttle run out
        app::setDelegate(nullptr);
    }
    std::size_t haptics() const { return appDelegate->hapticGenerator.impactCount(); }
    std::optional<std::string> toast() const { return app::Alerts::shared().lastToastText(); }
};
