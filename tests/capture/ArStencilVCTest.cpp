#include "ArStencilFixture.h"

#include "kit/ar/PlaneGeometry.h"
#include "kit/base/Console.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Button.h"

#include <numbers>

namespace capture {
namespace {

using kit::ar::PlaneAlignment;
using kit::ar::PlaneDetection;
using kit::ar::Vector3;

struct ArStencilVCTest : ArStencilFixture {
    std::shared_ptr<ArStencilVC> screen;

    void openAndFind(PlaneDetection planes, kit::Size pictureSize = {1000, 1500}, CanvasFormat format = CanvasFormat::a3) {
        screen = open(planes, pictureSize, format);
        screen->sceneView->step(0.5); // found
        screen->sceneView->step(1);   // grown to 1.0 x 0.6
        host->settle();
    }
    void tapAt(Vector3 world) {
        host->tap(aim(*screen, world));
        host->advance(0.5);
    }
    std::vector<PlaneAlignment> gridAlignments() const {
        std::vector<PlaneAlignment> result;
        for (const auto& grid : screen->grids()) result.push_back(grid->anchor().alignment);
        return result;
    }
};

TEST_F(ArStencilVCTest, GridsOnlyForPlanesOfTheChosenAlignment) {
    struct Case {
        PlaneDetection planes;
        std::vector<PlaneAlignment> grids;
    };
    const Case cases[] = {
        {PlaneDetection::horizontal(), {PlaneAlignment::horizontal}},
        {PlaneDetection::vertical(), {PlaneAlignment::vertical}},
        // Both options at once name no single alignment: no plane counts.
        {PlaneDetection{PlaneDetection::horizontalBit | PlaneDetection::verticalBit}, {}},
    };
    for (const auto& c : cases) {
        openAndFind(c.planes);
        EXPECT_EQ(gridAlignments(), c.grids) << c.planes.rawValue;
        nav->popViewController(false);
        host->advance(0.5);
    }
}

TEST_F(ArStencilVCTest, AGridHangsUnderItsAnchorNodeAndFollowsTheRefinedPlane) {
    openAndFind(PlaneDetection::horizontal());
    ASSERT_EQ(screen->grids().size(), 1u);
    auto grid = screen->grids().front();
    auto anchorNode = grid->parent();
    ASSERT_TRUE(anchorNode);
    EXPECT_EQ(anchorNode->parent(), screen->sceneView->scene()->rootNode());
    EXPECT_DOUBLE_EQ(grid->planeGeometry()->width(), 1.0f);
    EXPECT_DOUBLE_EQ(grid->planeGeometry()->height(), 0.6f);
}

TEST_F(ArStencilVCTest, TapsBeforeAnyPlaneOrBesideThePlanesDoNothing) {
    screen = open(PlaneDetection::horizontal());
    tapAt(floorMiddle);
    EXPECT_FALSE(screen->imageNode);
    screen->sceneView->step(0.5);
    tapAt({1.5f, 0, -2}); // beside the patch
    EXPECT_FALSE(screen->imageNode);
    EXPECT_TRUE(screen->freezeButton->isHidden());
    // A wall is not a place for a floor stencil, even where the tap meets it.
    tapAt({0.3f, 1.2f, -3.6f});
    EXPECT_FALSE(screen->imageNode);
}

TEST_F(ArStencilVCTest, APictureIsLaidAtTheTappedPointWithItsShorterSideAtTheFormatsLength) {
    struct Case {
        kit::Size picture;
        CanvasFormat format;
        double width, height;
    };
    const Case cases[] = {
        {{1000, 1500}, CanvasFormat::a3, 0.4, 0.6},
        {{1500, 1000}, CanvasFormat::a3, 0.6, 0.4},
        {{800, 800}, CanvasFormat::a0, 3.2, 3.2},
        {{300, 600}, CanvasFormat::a4, 0.2, 0.4},
    };
    for (const auto& c : cases) {
        openAndFind(PlaneDetection::horizontal(), c.picture, c.format);
        Vector3 tapped{0.1f, 0, -2.1f};
        tapAt(tapped);
        ASSERT_TRUE(screen->imageNode);
        auto plane = screen->imageNode->geometry();
        EXPECT_NEAR(plane->width(), c.width, 1e-9);
        EXPECT_NEAR(plane->height(), c.height, 1e-9);
        auto contents = plane->materials().at(0)->diffuseContents();
        EXPECT_EQ(std::get<std::shared_ptr<const kit::Image>>(contents), screen->image);
        Vector3 at = screen->imageNode->position();
        EXPECT_NEAR(at.x, tapped.x, 2e-3);
        EXPECT_NEAR(at.y, 0, 1e-5);
        EXPECT_NEAR(at.z, tapped.z, 2e-3);
        EXPECT_NEAR(screen->imageNode->eulerAngles().x, -1.5707962f, 1e-6);
        EXPECT_FALSE(screen->freezeButton->isHidden());
        nav->popViewController(false);
        host->advance(0.5);
    }
}

TEST_F(ArStencilVCTest, LayingThePictureAgainReplacesItAndEveryGridShown) {
    openAndFind(PlaneDetection::horizontal());
    tapAt(floorMiddle);
    auto first = screen->imageNode;
    auto root = screen->sceneView->scene()->rootNode();
    ASSERT_EQ(root->childNodes(), std::vector<std::shared_ptr<kit::ar::Node>>{first});
    EXPECT_FALSE(screen->grids().front()->parent());

    // The grid is gone from the scene, but its entry still takes a tap.
    tapAt({0.2f, 0, -1.9f});
    ASSERT_TRUE(screen->imageNode);
    EXPECT_NE(screen->imageNode, first);
    EXPECT_FALSE(first->parent());
    EXPECT_EQ(root->childNodes(), std::vector<std::shared_ptr<kit::ar::Node>>{screen->imageNode});
    EXPECT_EQ(screen->grids().size(), 1u);
    screenshot("ar_stencil_laid");
}

TEST_F(ArStencilVCTest, ButtonsNudgeTurnAndScaleByTheirStepsOnEachAlignment) {
    using Change = Vector3 (*)(const kit::ar::Node&);
    auto position = [](const kit::ar::Node& n) { return n.position(); };
    auto angles = [](const kit::ar::Node& n) { return n.eulerAngles(); };
    auto scale = [](const kit::ar::Node& n) { return n.scale(); };
    struct Case {
        PlaneDetection planes;
        std::shared_ptr<kit::Button> ArStencilVC::*button;
        Change read;
        Vector3 delta;
    };
    auto h = PlaneDetection::horizontal(), v = PlaneDetection::vertical();
    const Case cases[] = {
        {h, &ArStencilVC::moveLeftButton, position, {-0.01f, 0, 0}},
        {h, &ArStencilVC::moveRightButton, position, {0.01f, 0, 0}},
        {h, &ArStencilVC::moveUpButton, position, {0, 0, -0.01f}},
        {h, &ArStencilVC::moveDownButton, position, {0, 0, 0.01f}},
        {h, &ArStencilVC::rotateLeftButton, angles, {0, 0.05f, 0}},
        {h, &ArStencilVC::rotateRightButton, angles, {0, -0.05f, 0}},
        {h, &ArStencilVC::increaseSizeButton, scale, {0.1f, 0.1f, 0}},
        {h, &ArStencilVC::decreaseSizeButton, scale, {-0.1f, -0.1f, 0}},
        {v, &ArStencilVC::moveLeftButton, position, {-0.01f, 0, 0}},
        {v, &ArStencilVC::moveRightButton, position, {0.01f, 0, 0}},
        // Up goes up the wall (y points up), down goes down.
        {v, &ArStencilVC::moveUpButton, position, {0, 0.01f, 0}},
        {v, &ArStencilVC::moveDownButton, position, {0, -0.01f, 0}},
        {v, &ArStencilVC::rotateLeftButton, angles, {0, 0, 0.05f}},
        {v, &ArStencilVC::rotateRightButton, angles, {0, 0, -0.05f}},
        {v, &ArStencilVC::increaseSizeButton, scale, {0.1f, 0.1f, 0}},
    };
    for (const auto& c : cases) {
        openAndFind(c.planes);
        auto button = screen.get()->*c.button;
        auto haptic = haptics();
        host->tap(button); // nothing laid yet: no change, no haptic
        EXPECT_EQ(haptics(), haptic);
        tapAt(c.planes == h ? floorMiddle : wallMiddle);
        ASSERT_TRUE(screen->imageNode);
        Vector3 before = c.read(*screen->imageNode);
        haptic = haptics();
        host->tap(button);
        Vector3 change = c.read(*screen->imageNode) - before;
        EXPECT_NEAR(change.x, c.delta.x, 1e-6) << button->accessibilityIdentifier() << " " << c.planes.rawValue;
        EXPECT_NEAR(change.y, c.delta.y, 1e-6) << button->accessibilityIdentifier() << " " << c.planes.rawValue;
        EXPECT_NEAR(change.z, c.delta.z, 1e-6) << button->accessibilityIdentifier() << " " << c.planes.rawValue;
        EXPECT_EQ(haptics(), haptic + 1);
        nav->popViewController(false);
        host->advance(0.5);
    }
}

TEST_F(ArStencilVCTest, ScalingDownPastZeroMirrorsThePicture) {
    openAndFind(PlaneDetection::horizontal());
    tapAt(floorMiddle);
    for (int i = 0; i < 10; ++i) screen->decreaseImageSize();
    EXPECT_NEAR(screen->imageNode->scale().x, 0, 1e-6);
    EXPECT_NEAR(screen->imageNode->scale().y, 0, 1e-6);
    screen->decreaseImageSize();
    EXPECT_NEAR(screen->imageNode->scale().x, -0.1f, 1e-6);
    EXPECT_EQ(screen->imageNode->scale().z, 1);
}

TEST_F(ArStencilVCTest, FreezingHidesTheAdjustmentsAndIgnoresTaps) {
    openAndFind(PlaneDetection::horizontal());
    auto haptic = haptics();
    screen->freezeButtonPressed(); // nothing laid yet: only the haptic
    EXPECT_EQ(haptics(), haptic + 1);
    EXPECT_FALSE(screen->isFreezed);

    tapAt(floorMiddle);
    auto laid = screen->imageNode;
    host->tap(screen->freezeButton);
    EXPECT_TRUE(screen->isFreezed);
    EXPECT_TRUE(screen->moveLeftButton->isHidden());
    EXPECT_TRUE(screen->decreaseSizeButton->isHidden());
    tapAt({0.2f, 0, -1.9f});
    EXPECT_EQ(screen->imageNode, laid);
    EXPECT_EQ(screen->imageNode->position(), laid->position());

    host->tap(screen->freezeButton);
    EXPECT_FALSE(screen->isFreezed);
    EXPECT_FALSE(screen->rotateRightButton->isHidden());
    tapAt({0.2f, 0, -1.9f});
    EXPECT_NE(screen->imageNode, laid);
}

TEST_F(ArStencilVCTest, LiveFramesBringGridsFromTheRendererThread) {
    auto live = kit::make<ArStencilVC>(PlaneDetection::horizontal(), picture(100, 100), CanvasFormat::a4);
    live->sceneView->session().setWorld(world());
    nav->pushViewController(live, false);
    answerAccess();
    host->advance(2);
    live->sceneView->step(0); // waits for the renderer's turns under way
    ASSERT_EQ(live->grids().size(), 1u);
    EXPECT_DOUBLE_EQ(live->grids().front()->planeGeometry()->width(), 1.0f);
    host->render();
}

TEST_F(ArStencilVCTest, TheSessionRunsWhileShownAndKeepsItsPlanesAcrossVisits) {
    openAndFind(PlaneDetection::horizontal());
    EXPECT_TRUE(screen->sceneView->session().isRunning());
    EXPECT_TRUE(kit::Application::shared().isIdleTimerDisabled());
    auto anchors = screen->sceneView->session().anchors();

    nav->pushViewController(kit::make<kit::ViewController>(), false);
    host->advance(0.5);
    EXPECT_FALSE(screen->sceneView->session().isRunning());
    EXPECT_FALSE(kit::Application::shared().isIdleTimerDisabled());

    nav->popViewController(false);
    answerAccess();
    EXPECT_TRUE(screen->sceneView->session().isRunning());
    EXPECT_EQ(screen->sceneView->session().runCount(), 2);
    EXPECT_EQ(screen->sceneView->session().anchors().size(), anchors.size());
    EXPECT_EQ(screen->grids().size(), 1u);
}

TEST_F(ArStencilVCTest, RefusedCameraAccessLeavesWithThePermissionAlert) {
    kit::media::setCameraConfiguration({.source = "none", .accessGranted = false});
    kit::ConsoleCapture console;
    screen = open(PlaneDetection::horizontal());
    EXPECT_TRUE(console.contains("Camera authorization denied."));
    EXPECT_NE(nav->topViewController(), screen);
    EXPECT_FALSE(screen->sceneView->session().isRunning());
    auto alert = host->presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "No permission to use camera");
    EXPECT_EQ(alert->actionTitles(), (std::vector<std::string>{"Open Settings", "Cancel"}));
}

} // namespace
} // namespace capture
