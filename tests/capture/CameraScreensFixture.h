#pragma once
// A camera screen over a synthetic camera whose frames come only when a test steps them; access is
// granted unless a test says otherwise.
#include "PhotoScreensFixture.h"
#include "kit/media/CaptureDevice.h"
#include "kit/media/CaptureSession.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/ui/Pasteboard.h"

struct CameraScreensFixture : PhotoScreensFixture {
    // Frame n is the n-th colour, again and again.
    static constexpr const char* colours = "synthetic:cycle-FF0000-00FF00-0000FF-FFFF00@32x18";

    void SetUp() override {
        PhotoScreensFixture::SetUp();
        useCamera(colours);
    }
    void TearDown() override {
        settle();
        PhotoScreensFixture::TearDown();
        kit::DispatchQueue::global().waitUntilIdle();
        kit::media::resetCameraConfiguration();
    }
    static void useCamera(const std::string& source, bool granted = true) {
        kit::media::setCameraConfiguration({.source = source, .accessGranted = granted, .manualFrames = true});
    }
    // Lets the access answer and the session start (off the main thread) run their course.
    void settle() {
        for (int i = 0; i < 3; ++i) {
            kit::DispatchQueue::global().waitUntilIdle();
            if (host) host->advance(0.05);
        }
    }
    // One camera frame through to the screen.
    bool frame(kit::media::CaptureSession& session) {
        const bool delivered = session.stepFrame();
        host->advance(0.05);
        return delivered;
    }
    std::string pasteboard() const { return kit::Pasteboard::general().string().value_or(""); }
};
