// One frame of the simulated stencil: the room, five plane grids and a laid 1500 x 1000 picture
// drawn in perspective at 1280 x 720; and a hit test against five planes.
#include "capture/ArStencilGrid.h"
#include "kit/ar/Node.h"
#include "kit/ar/PlaneGeometry.h"
#include "kit/ar/SceneRenderer.h"
#include "kit/ar/SceneView.h"
#include "kit/ar/Session.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"

#include <benchmark/benchmark.h>

namespace {

constexpr kit::Size frameSize{1280, 720};

kit::ar::World fivePlanes() {
    kit::ar::World world;
    for (int i = 0; i < 5; ++i) {
        kit::ar::ScriptedPlane plane;
        plane.transform = kit::ar::Matrix4::translation({-1.2f + 0.6f * float(i), 0, -1.6f - 0.3f * float(i)});
        plane.firstExtent = plane.lastExtent = {0.5f, 0, 0.4f};
        world.planes.push_back(plane);
    }
    return world;
}

std::shared_ptr<kit::ar::Node> sceneWithGridsAndPicture(const kit::ar::Session& session) {
    auto root = std::make_shared<kit::ar::Node>();
    for (const auto& anchor : session.anchors()) {
        auto anchorNode = std::make_shared<kit::ar::Node>();
        anchorNode->setTransform(anchor.transform);
        anchorNode->addChildNode(kit::make<capture::ArStencilGrid>(anchor));
        root->addChildNode(anchorNode);
    }
    auto picture = kit::Image::make(1500, 1000, 1);
    {
        kit::Context c(*picture);
        c.setFillColor(kit::Color::rgba(0.7, 0.3, 0.2, 0.8));
        c.fillRect({0, 0, 1500, 1000});
    }
    auto plane = std::make_shared<kit::ar::PlaneGeometry>(0.6, 0.4);
    auto material = std::make_shared<kit::ar::Material>();
    material->setDiffuseContents(std::make_shared<const kit::Image>(std::move(*picture)));
    plane->setMaterials({material});
    auto node = std::make_shared<kit::ar::Node>();
    node->setGeometry(plane);
    node->setPosition({0, 0, -2});
    node->setEulerAngles({-1.5707962f, 0.3f, 0});
    root->addChildNode(node);
    return root;
}

void ArFrame(benchmark::State& state) {
    kit::ar::Session session(fivePlanes());
    session.run({kit::ar::PlaneDetection::horizontal()});
    session.advance(0.1);
    auto root = sceneWithGridsAndPicture(session);
    kit::ar::SceneRenderer renderer;
    for (auto _ : state) {
        auto frame = renderer.render(*root, session.room(), session.camera(), frameSize, 1);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(ArFrame)->Unit(benchmark::kMillisecond);

void ArHitTest(benchmark::State& state) {
    auto view = kit::make<kit::ar::SceneView>();
    view->setFrame({0, 0, frameSize.width, frameSize.height});
    view->session().setWorld(fivePlanes());
    view->setManualStepping(true);
    view->session().run({kit::ar::PlaneDetection::horizontal()});
    view->step(0.1);
    double x = 0;
    for (auto _ : state) {
        x = x > frameSize.width ? 0 : x + 7;
        auto results = view->hitTest(kit::Point{x, 500}, kit::ar::HitTestType::existingPlaneUsingExtent);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(ArHitTest)->Unit(benchmark::kMicrosecond);

} // namespace
