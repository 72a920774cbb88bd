#pragma once
// A view showing the tracked world: the camera picture with the scene graph drawn over it. For each
// anchor its session finds, the view makes a node (placed at the anchor, added to the scene's root)
// and tells its delegate; when the session refines the anchor the node follows and the delegate is
// told again. Those calls come on the view's renderer thread.
//
// Frames: while live, a display link moves the session on from the main thread's frames and runs
// the renderer turn on the renderer thread. With manual stepping (tests), nothing moves until
// step(), which runs one renderer turn on that thread and waits for it.
#include "kit/ar/Matrix4.h"
#include "kit/ar/PlaneAnchor.h"
#include "kit/ui/View.h"

#include <memory>
#include <optional>
#include <vector>

namespace kit {
class DisplayLink;
}

namespace kit::ar {

class Node;
class Scene;
class SceneRenderer;
class Session;

class SceneViewDelegate {
public:
    virtual ~SceneViewDelegate() = default;
    virtual void didAddNodeForAnchor(const std::shared_ptr<Node>& node, const PlaneAnchor& anchor) {
        (void)node, (void)anchor;
    }
    virtual void didUpdateNodeForAnchor(const std::shared_ptr<Node>& node, const PlaneAnchor& anchor) {
        (void)node, (void)anchor;
    }
};

enum class HitTestType { existingPlaneUsingExtent };

struct HitTestResult {
    float distance = 0;
    // At the point hit, turned like the anchor.
    Matrix4 worldTransform;
    std::optional<PlaneAnchor> anchor;
};

class SceneView : public View {
public:
    SceneView();
    ~SceneView() override;
    void initialize();

    Session& session() const { return *session_; }
    std::shared_ptr<Scene> scene() const;
    void setScene(std::shared_ptr<Scene> scene);
    // Held weakly.
    void setDelegate(std::weak_ptr<SceneViewDelegate> delegate);

    // The anchors' planes under a point of this view, within their extents, nearest first.
    std::vector<HitTestResult> hitTest(Point point, HitTestType type) const;
    using View::hitTest;

    void setManualStepping(bool manual);
    // One renderer turn of `seconds` and the time of live frames still waiting for a turn (frames
    // that came while one was running); returns when it is done.
    void step(double seconds);

    // The process's end: pauses every view's session, takes no more frames and waits for the turns
    // in progress, so that no renderer thread reaches screens or queues being torn down.
    static void stopAllRenderers();

    void drawRect(Context& context, const Rect& rect) override;

    // The renderer thread's side of the view (defined with it).
    struct Renderer;

private:
    void frame(double timestamp);

    std::shared_ptr<Session> session_;
    std::shared_ptr<Renderer> renderer_;
    std::shared_ptr<DisplayLink> link_;
    std::unique_ptr<SceneRenderer> drawing_;
    std::optional<double> lastFrame_;
    double pendingSeconds_ = 0;
    bool manual_ = false;
};

} // namespace kit::ar
