#include "kit/ar/SceneView.h"

#include "kit/ar/Node.h"
#include "kit/ar/SceneRenderer.h"
#include "kit/ar/Session.h"
#include "kit/graphics/Context.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/DisplayLink.h"
#include "kit/ui/Device.h"

#include <algorithm>
#include <utility>
#include <atomic>
#include <cmath>
#include <map>
#include <mutex>

namespace kit::ar {

// What the renderer thread works with. Its turns hold it, so it outlives a view released meanwhile.
struct SceneView::Renderer {
    std::shared_ptr<Session> session;
    std::shared_ptr<DispatchQueue> queue = DispatchQueue::serial("scene renderer");
    std::mutex mutex; // guards delegate and scene
    std::weak_ptr<SceneViewDelegate> delegate;
    std::shared_ptr<Scene> scene = std::make_shared<Scene>();
    // Renderer thread only: the node made for each anchor, by identifier.
    std::map<std::string, std::shared_ptr<Node>> anchorNodes;
    std::atomic<bool> busy{false};

    void turn(double seconds) {
        auto changes = session->advance(seconds);
        if (changes.added.empty() && changes.updated.empty()) return;
        std::shared_ptr<SceneViewDelegate> told;
        std::shared_ptr<Scene> shown;
        {
            std::lock_guard lock(mutex);
            told = delegate.lock();
            shown = scene;
        }
        for (const auto& anchor : changes.added) {
            auto node = std::make_shared<Node>();
            node->setTransform(anchor.transform);
            shown->rootNode()->addChildNode(node);
            anchorNodes[anchor.identifier] = node;
            if (told) told->didAddNodeForAnchor(node, anchor);
        }
        for (const auto& anchor : changes.updated) {
            auto it = anchorNodes.find(anchor.identifier);
            if (it == anchorNodes.end()) continue;
            it->second->setTransform(anchor.transform);
            if (told) told->didUpdateNodeForAnchor(it->second, anchor);
        }
        // The delegate is a screen: its last reference must not go on this thread.
        if (told) DispatchQueue::main().async([told = std::move(told)] {});
    }
};

namespace {

struct LiveRenderers {
    std::mutex mutex;
    std::vector<std::weak_ptr<SceneView::Renderer>> renderers;
    std::atomic<bool> closed{false};
};

LiveRenderers& liveRenderers() {
    static LiveRenderers registry;
    return registry;
}

} // namespace

SceneView::SceneView()
    : session_(std::make_shared<Session>()), renderer_(std::make_shared<Renderer>()),
      drawing_(std::make_unique<SceneRenderer>()) {
    renderer_->session = session_;
    auto& registry = liveRenderers();
    std::lock_guard lock(registry.mutex);
    std::erase_if(registry.renderers, [](const auto& weak) { return weak.expired(); });
    registry.renderers.push_back(renderer_);
}

void SceneView::stopAllRenderers() {
    auto& registry = liveRenderers();
    registry.closed = true;
    std::vector<std::shared_ptr<Renderer>> renderers;
    {
        std::lock_guard lock(registry.mutex);
        for (const auto& weak : registry.renderers)
            if (auto renderer = weak.lock()) renderers.push_back(std::move(renderer));
    }
    for (const auto& renderer : renderers) {
        renderer->session->pause();
        renderer->queue->waitUntilIdle();
    }
}

SceneView::~SceneView() {
    if (link_) link_->invalidate();
}

void SceneView::initialize() {
    std::weak_ptr<View> weak = weak_from_this();
    link_ = DisplayLink::scheduled([weak](DisplayLink& link) {
        if (auto view = std::static_pointer_cast<SceneView>(weak.lock())) view->frame(link.timestamp());
    });
}

std::shared_ptr<Scene> SceneView::scene() const {
    std::lock_guard lock(renderer_->mutex);
    return renderer_->scene;
}

void SceneView::setScene(std::shared_ptr<Scene> scene) {
    {
        std::lock_guard lock(renderer_->mutex);
        renderer_->scene = std::move(scene);
    }
    setNeedsDisplay();
}

void SceneView::setDelegate(std::weak_ptr<SceneViewDelegate> delegate) {
    std::lock_guard lock(renderer_->mutex);
    renderer_->delegate = std::move(delegate);
}

std::vector<HitTestResult> SceneView::hitTest(Point point, HitTestType type) const {
    (void)type; // planes within their extents is the one kind the simulation answers
    Ray ray = session_->camera().ray(point, bounds().size);
    std::vector<HitTestResult> results;
    for (const auto& anchor : session_->anchors()) {
        Matrix4 toLocal;
        if (!anchor.transform.inverted(toLocal)) continue;
        Vector3 origin = toLocal.transformPoint(ray.origin);
        Vector3 direction = toLocal.transformDirection(ray.direction);
        if (direction.y == 0) continue;
        float t = -origin.y / direction.y;
        if (!(t > 0)) continue;
        Vector3 hit = origin + direction * t;
        if (std::fabs(hit.x - anchor.center.x) > anchor.extent.x / 2 ||
            std::fabs(hit.z - anchor.center.z) > anchor.extent.z / 2)
            continue;
        results.push_back({t, anchor.transform * Matrix4::translation(hit), anchor});
    }
    std::stable_sort(results.begin(), results.end(),
                     [](const HitTestResult& a, const HitTestResult& b) { return a.distance < b.distance; });
    return results;
}

void SceneView::setManualStepping(bool manual) { manual_ = manual; }

void SceneView::step(double seconds) {
    auto renderer = renderer_;
    // Frames that came while a turn was running left their time waiting for the next turn: this one.
    const double total = seconds + std::exchange(pendingSeconds_, 0.0);
    renderer->queue->sync([renderer, total] { renderer->turn(total); });
    setNeedsDisplay();
}

void SceneView::frame(double timestamp) {
    double elapsed = lastFrame_ ? timestamp - *lastFrame_ : 0;
    lastFrame_ = timestamp;
    if (manual_ || !session_->isRunning() || liveRenderers().closed) return;
    pendingSeconds_ += elapsed;
    // A turn still running takes the time of the frames it missed with the next one.
    if (!renderer_->busy.exchange(true)) {
        auto renderer = renderer_;
        renderer->queue->async([renderer, seconds = pendingSeconds_] {
            renderer->turn(seconds);
            renderer->busy = false;
        });
        pendingSeconds_ = 0;
    }
    setNeedsDisplay();
}

void SceneView::drawRect(Context& context, const Rect& rect) {
    (void)rect;
    Size size = bounds().size;
    if (size.width <= 0 || size.height <= 0) return;
    auto shown = scene();
    Image picture = drawing_->render(*shown->rootNode(), session_->room(), session_->camera(), size,
                                     std::min(Screen::scale(), 2.0));
    context.drawImage(picture, {0, 0, size.width, size.height});
}

} // namespace kit::ar
