#pragma once
// The whole app over its storyboard, as the sweeps over every screen open it: no rating prompt, no tip
// waiting to be dismissed, and a camera that delivers a frame when asked.
#include "app/AppFixture.h"

#include "app/SavedData.h"
#include "app/menus/MainMenuVC.h"
#include "app/menus/MainStoryboard.h"
#include "kit/media/CaptureDevice.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/store/Defaults.h"
#include "kit/ui/Application.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

struct EveryScreenFixture : AppFixture {
    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        app::registerMainStoryboard();
        app::MainMenuVC::setRatingCheck([](int, kit::ViewController&) {});
        kit::Defaults::standard().set(true, app::Keys::hideAbstractTip);
        kit::media::setCameraConfiguration({.source = "synthetic:cycle-FFFFFF-F0E0C0@32x18", .accessGranted = true, .manualFrames = true});
    }
    void TearDown() override {
        kit::DispatchQueue::global().waitUntilIdle();
        app::MainMenuVC::setRatingCheck({});
        AppFixture::TearDown();
        kit::media::resetCameraConfiguration();
        kit::Application::resetShared();
    }
};

// A screen's name as a test name: what is not a letter or digit becomes "_".
template <class Screen>
std::string screenTestName(const ::testing::TestParamInfo<Screen>& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}
