#pragma once
// The stencil screens on a headless phone over a plain first screen, with camera access granted
// and a small scripted world: a floor patch and a wall patch in view, found at 0.5 s and grown
// until 1.5 s.
#include "app/AppFixture.h"
#include "capture/ArStencilVC.h"
#include "kit/ar/Session.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/host/Headless.h"
#include "kit/media/CaptureDevice.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/ui/Application.h"
#include "kit/ui/NavigationController.h"

#include <cstdlib>
#include <filesystem>
#include <string>

struct ArStencilFixture : AppFixture {
    std::unique_ptr<kit::host::Headless> host;
    std::shared_ptr<kit::NavigationController> nav;

    static constexpr kit::ar::Vector3 floorMiddle{0, 0, -2};
    static constexpr kit::ar::Vector3 wallMiddle{0, 0.9f, -3.6f};

    void SetUp() override {
        kit::Application::resetShared();
        AppFixture::SetUp();
        kit::media::setCameraConfiguration({.source = "none", .accessGranted = true});
        host = std::make_unique<kit::host::Headless>();
        nav = kit::make<kit::NavigationController>(kit::make<kit::ViewController>());
        host->setRootViewController(nav);
    }
    void TearDown() override {
        nav.reset();
        host.reset();
        kit::media::resetCameraConfiguration();
        AppFixture::TearDown();
        kit::Application::resetShared();
    }

    static kit::ar::World world() {
        kit::ar::World world;
        kit::ar::ScriptedPlane floor;
        floor.transform = kit::ar::Matrix4::translation(floorMiddle);
        floor.foundAfter = 0.5;
        floor.firstExtent = {0.3f, 0, 0.2f};
        floor.lastExtent = {1.0f, 0, 0.6f};
        floor.growthSeconds = 1;
        kit::ar::ScriptedPlane wall = floor;
        wall.alignment = kit::ar::PlaneAlignment::vertical;
        wall.transform = kit::ar::Matrix4::translation(wallMiddle) * kit::ar::Matrix4::rotation(1.5707964f, 1, 0, 0);
        world.planes = {floor, wall};
        return world;
    }

    static kit::Image picture(double width, double height, kit::Color colour = kit::Color::rgba(0.8, 0.2, 0.3)) {
        auto image = kit::Image::make(width, height, 1);
        kit::Context c(*image);
        c.setFillColor(colour);
        c.fillRect({0, 0, width, height});
        return std::move(*image);
    }

    // Pushes the stencil view and lets the granted access start the session.
    std::shared_ptr<capture::ArStencilVC> open(kit::ar::PlaneDetection planes, kit::Size pictureSize = {1000, 1500},
                                               capture::CanvasFormat format = capture::CanvasFormat::a3) {
        auto screen = kit::make<capture::ArStencilVC>(planes, picture(pictureSize.width, pictureSize.height), format);
        screen->sceneView->setManualStepping(true);
        screen->sceneView->session().setWorld(world());
        nav->pushViewController(screen, false);
        answerAccess();
        return screen;
    }
    // The access answer comes on a worker and hops to the main queue.
    void answerAccess() {
        kit::DispatchQueue::global().waitUntilIdle();
        host->advance(0.5);
    }
    // Where a world point shows on the screen.
    kit::Point aim(const capture::ArStencilVC& screen, kit::ar::Vector3 world) const {
        return *screen.sceneView->session().camera().project(world, screen.sceneView->bounds().size);
    }
    // Screenshots go to $TINCTURA_SCREENSHOT_DIR when set.
    void screenshot(const std::string& name) {
        if (const char* dir = std::getenv("TINCTURA_SCREENSHOT_DIR")) {
            std::filesystem::create_directories(dir);
            host->screenshot(std::string(dir) + "/" + name + ".png");
        }
    }
};
