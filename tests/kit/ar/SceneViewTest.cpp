#include "kit/ar/Node.h"
#include "kit/ar/PlaneGeometry.h"
#include "kit/ar/SceneView.h"
#include "kit/ar/Session.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/host/Headless.h"
#include "kit/ui/ViewController.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>

namespace kit::ar {
namespace {

// A floor patch straight ahead of the camera and a wall patch, both found at 0.5 s.
World testWorld() {
    World world;
    ScriptedPlane floor;
    floor.transform = Matrix4::translation({0, 0, -2});
    floor.foundAfter = 0.5;
    floor.firstExtent = {0.3f, 0, 0.2f};
    floor.lastExtent = {1.0f, 0, 0.6f};
    floor.lastCenter = {0.2f, 0, 0};
    floor.growthSeconds = 1;
    ScriptedPlane wall = floor;
    wall.alignment = PlaneAlignment::vertical;
    wall.transform = World::standard().planes[1].transform;
    world.planes = {floor, wall};
    return world;
}

struct Recorder : SceneViewDelegate {
    struct Call {
        bool added;
        std::shared_ptr<Node> node;
        PlaneAnchor anchor;
        std::thread::id thread;
    };
    std::mutex mutex;
    std::vector<Call> calls;
    void didAddNodeForAnchor(const std::shared_ptr<Node>& node, const PlaneAnchor& anchor) override {
        std::lock_guard lock(mutex);
        calls.push_back({true, node, anchor, std::this_thread::get_id()});
    }
    void didUpdateNodeForAnchor(const std::shared_ptr<Node>& node, const PlaneAnchor& anchor) override {
        std::lock_guard lock(mutex);
        calls.push_back({false, node, anchor, std::this_thread::get_id()});
    }
};

TEST(ArSession, FindsRequestedPlanesAndRefinesThemUnderOneIdentifier) {
    Session session(testWorld());
    EXPECT_TRUE(session.advance(1).added.empty()); // not running
    session.run({PlaneDetection::horizontal()});
    EXPECT_TRUE(session.advance(0.4).added.empty());
    auto found = session.advance(0.1);
    ASSERT_EQ(found.added.size(), 1u); // the wall is not asked for
    EXPECT_EQ(found.added[0].extent, (Vector3{0.3f, 0, 0.2f}));
    auto id = found.added[0].identifier;

    auto refined = session.advance(0.5);
    ASSERT_EQ(refined.updated.size(), 1u);
    EXPECT_EQ(refined.updated[0].identifier, id);
    EXPECT_NEAR(refined.updated[0].extent.x, 0.65f, 1e-5f);

    session.pause();
    EXPECT_TRUE(session.advance(5).updated.empty());
    // Running again, now for walls too, keeps the floor and finds the wall.
    session.run({PlaneDetection{PlaneDetection::horizontalBit | PlaneDetection::verticalBit}});
    auto later = session.advance(1);
    ASSERT_EQ(later.added.size(), 1u);
    EXPECT_EQ(later.added[0].alignment, PlaneAlignment::vertical);
    ASSERT_EQ(later.updated.size(), 1u);
    EXPECT_EQ(later.updated[0].extent, (Vector3{1.0f, 0, 0.6f}));
    EXPECT_EQ(later.updated[0].center, (Vector3{0.2f, 0, 0}));
    EXPECT_EQ(session.advance(1).updated.size(), 1u); // the wall still grows, the floor has settled
    EXPECT_TRUE(session.advance(1).updated.empty());
    EXPECT_EQ(session.anchors().size(), 2u);
    EXPECT_EQ(session.anchors()[0].identifier, id);
}

TEST(ArSceneView, TellsItsDelegateOnTheRendererThreadWithOneNodePerAnchor) {
    auto view = make<SceneView>();
    auto recorder = std::make_shared<Recorder>();
    view->setDelegate(recorder);
    view->setManualStepping(true);
    view->session().setWorld(testWorld());
    view->session().run({PlaneDetection::horizontal()});
    view->step(0.5);
    view->step(0.5);
    ASSERT_EQ(recorder->calls.size(), 2u);
    const auto& added = recorder->calls[0];
    const auto& updated = recorder->calls[1];
    EXPECT_TRUE(added.added);
    EXPECT_FALSE(updated.added);
    EXPECT_NE(added.thread, std::this_thread::get_id());
    EXPECT_EQ(added.node, updated.node);
    EXPECT_EQ(added.anchor, updated.anchor);
    EXPECT_EQ(added.node->parent(), view->scene()->rootNode());
    EXPECT_EQ(added.node->transform(), added.anchor.transform);
}

TEST(ArSceneView, HitTestsFindPlanesWithinTheirExtentsNearestFirst) {
    auto view = make<SceneView>();
    view->setFrame({0, 0, 375, 812});
    view->setManualStepping(true);
    World world = testWorld();
    // A second floor patch farther along the same line of sight, under the first.
    ScriptedPlane lower = world.planes[0];
    lower.transform = Matrix4::translation({0, -0.5f, -2});
    lower.firstExtent = lower.lastExtent = {20, 0, 20};
    world.planes.push_back(lower);
    view->session().setWorld(world);
    EXPECT_TRUE(view->hitTest(Point{187, 600}, HitTestType::existingPlaneUsingExtent).empty());
    view->session().run({PlaneDetection::horizontal()});
    view->step(0.5);

    // Aim at the floor patch's middle.
    Point aim = *view->session().camera().project({0, 0, -2}, {375, 812});

    auto results = view->hitTest(aim, HitTestType::existingPlaneUsingExtent);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_LT(results[0].distance, results[1].distance);
    EXPECT_EQ(results[0].anchor->identifier, view->session().anchors()[0].identifier);
    Vector3 at = results[0].worldTransform.translationPart();
    EXPECT_NEAR(at.x, 0, 1e-3);
    EXPECT_NEAR(at.y, 0, 1e-3);
    EXPECT_NEAR(at.z, -2, 1e-3);
    // Just beside the small patch only the large one answers.
    EXPECT_EQ(view->hitTest(Point{aim.x + 80, aim.y}, HitTestType::existingPlaneUsingExtent).size(), 1u);
}

TEST(ArSceneView, LiveFramesRunTheSessionWhileTheViewIsShown) {
    host::Headless host;
    auto screen = make<ViewController>();
    auto view = make<SceneView>();
    auto recorder = std::make_shared<Recorder>();
    view->setDelegate(recorder);
    view->session().setWorld(testWorld());
    host.setRootViewController(screen);
    screen->view()->addSubview(view);
    view->setFrame(screen->view()->bounds());
    host.advance(1);
    EXPECT_TRUE(recorder->calls.empty()); // not running yet
    view->session().run({PlaneDetection::vertical()});
    // Frames that come while a turn is still running hand their time to a later turn, so a slow
    // machine needs a few more frames; each wait leaves the renderer idle for the next frame.
    bool found = false;
    for (int i = 0; i < 4 && !found; ++i) {
        host.advance(0.5);
        view->step(0); // waits for the turns under way
        std::lock_guard lock(recorder->mutex);
        found = !recorder->calls.empty();
    }
    std::lock_guard lock(recorder->mutex);
    ASSERT_FALSE(recorder->calls.empty());
    EXPECT_EQ(recorder->calls[0].anchor.alignment, PlaneAlignment::vertical);
}

TEST(ArSceneView, DrawsPlanesInPerspectiveOverTheRoom) {
    auto view = make<SceneView>();
    view->setFrame({0, 0, 200, 400});
    Camera camera = view->session().camera();
    Ray ray = camera.ray({100, 250}, {200, 400});
    float t = -ray.origin.y / ray.direction.y;
    Vector3 floorPoint = ray.origin + ray.direction * t;

    auto red = Image::make(4, 2, 1);
    {
        Context c(*red);
        c.setFillColor(Color::rgba(1, 0, 0, 0.5));
        c.fillRect({0, 0, 4, 2});
    }
    auto plane = std::make_shared<PlaneGeometry>(0.5, 0.25);
    auto material = std::make_shared<Material>();
    material->setDiffuseContents(std::make_shared<const Image>(*red));
    plane->setMaterials({material});
    auto node = std::make_shared<Node>();
    node->setGeometry(plane);
    node->setPosition(floorPoint);
    node->setEulerAngles({-1.5707964f, 0, 0});
    view->scene()->rootNode()->addChildNode(node);

    auto before = view->snapshot(1);
    auto room = before.colorAt(100, 250);
    node->removeFromParentNode();
    view->setNeedsDisplay();
    auto bare = view->snapshot(1);
    EXPECT_NEAR(bare.colorAt(100, 250).red(), bare.colorAt(100, 252).red(), 0.1); // the floor alone
    // Half-transparent red over the floor.
    EXPECT_NEAR(room.red(), 0.5 + 0.5 * bare.colorAt(100, 250).red(), 0.03);
    EXPECT_NEAR(room.green(), 0.5 * bare.colorAt(100, 250).green(), 0.03);
    // Far corners of the view stay the room.
    EXPECT_EQ(before.colorAt(2, 2), bare.colorAt(2, 2));
}

} // namespace
} // namespace kit::ar
