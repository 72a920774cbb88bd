#pragma once
// The stencil itself: world tracking finds planes of one alignment, each shown as a grid; a tap on
// a grid lays the picture on that plane at the canvas format's real size; eight buttons nudge,
// turn and scale it, and freezing locks the placement. The display stays on while it is shown.
#include "capture/ArStencilGrid.h"
#include "capture/CanvasFormat.h"
#include "kit/ar/PlaneAnchor.h"
#include "kit/ar/SceneView.h"
#include "kit/graphics/Image.h"
#include "kit/ui/ViewController.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace kit {
class Button;
class GestureRecognizer;
} // namespace kit

namespace capture {

class ArStencilVC : public kit::ViewController, public kit::ar::SceneViewDelegate {
public:
    // The one way the screen is made: the planes to look for, the picture (its opacity already
    // applied) and the canvas size.
    ArStencilVC(kit::ar::PlaneDetection planeType, std::optional<kit::Image> image, CanvasFormat format);
    void initialize();

    const kit::ar::PlaneDetection planeType;
    const std::shared_ptr<const kit::Image> image;
    const CanvasFormat format;
    // Horizontal or vertical when planeType is exactly that option; else none, and no plane counts.
    const std::optional<kit::ar::PlaneAlignment> planeTypeAlignment;

    std::shared_ptr<kit::ar::SceneView> sceneView;
    std::shared_ptr<kit::ar::Node> imageNode;
    float moveStep = 0.01f;
    float rotateStep = 0.05f;
    float increaseStep = 0.1f;
    bool canBeFreezed = false;
    bool isFreezed = false;

    std::shared_ptr<kit::Button> moveLeftButton, moveRightButton, moveUpButton, moveDownButton;
    std::shared_ptr<kit::Button> rotateLeftButton, rotateRightButton, increaseSizeButton, decreaseSizeButton;
    std::shared_ptr<kit::Button> backButton, freezeButton;
    std::shared_ptr<kit::View> viewForBackSwipe;

    // One grid per accepted anchor, in the order the anchors came (a copy: the list is also
    // changed on the renderer thread).
    std::vector<std::shared_ptr<ArStencilGrid>> grids() const;

    kit::StatusBarStyle preferredStatusBarStyle() const override { return kit::StatusBarStyle::lightContent; }
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // Renderer thread.
    void didAddNodeForAnchor(const std::shared_ptr<kit::ar::Node>& node, const kit::ar::PlaneAnchor& anchor) override;
    void didUpdateNodeForAnchor(const std::shared_ptr<kit::ar::Node>& node, const kit::ar::PlaneAnchor& anchor) override;

    void tapped(kit::GestureRecognizer& gesture);
    void placeImage(const kit::ar::HitTestResult& hit, ArStencilGrid& grid);
    void moveImageLeft();
    void moveImageRight();
    void moveImageUp();
    void moveImageDown();
    void rotateImageLeft();
    void rotateImageRight();
    void increaseImageSize();
    void decreaseImageSize();
    void freezeButtonPressed();

private:
    void buildViews();
    std::vector<std::shared_ptr<kit::Button>> adjustmentButtons() const;
    bool accepts(const kit::ar::PlaneAnchor& anchor) const;
    // Runs the change on the laid picture with a haptic; nothing without a picture, or, when the
    // change depends on the alignment, without one.
    void adjust(bool needsAlignment, const std::function<void(kit::ar::Node&, kit::ar::PlaneAlignment)>& change);
    void requestCameraAccess();

    mutable std::mutex gridsMutex_;
    std::vector<std::shared_ptr<ArStencilGrid>> grids_;
};

} // namespace capture
