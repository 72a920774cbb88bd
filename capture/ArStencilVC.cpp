#include "capture/ArStencilVC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "capture/CameraPermission.h"
#include "capture/ImageOpacity.h"
#include "colour/ThemeColors.h"
#include "kit/ar/PlaneGeometry.h"
#include "kit/ar/Session.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/media/CaptureDevice.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/ui/Application.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/StackView.h"
#include "kit/ui/TapGesture.h"

namespace capture {
namespace {

// Laying the upright picture plane into the anchor's x-z plane takes a quarter turn back about x.
constexpr float quarterTurn = 1.5707962f;
constexpr double adjustmentButtonSize = 50;
constexpr double rowInset = 24;

std::optional<kit::ar::PlaneAlignment> alignmentOf(kit::ar::PlaneDetection detection) {
    if (detection == kit::ar::PlaneDetection::horizontal()) return kit::ar::PlaneAlignment::horizontal;
    if (detection == kit::ar::PlaneDetection::vertical()) return kit::ar::PlaneAlignment::vertical;
    return std::nullopt;
}

std::optional<kit::Image> snowflake(double alpha) {
    auto image = kit::Assets::imageNamed("snowflake");
    if (!image) return std::nullopt;
    return imageWithOpacity(*image, alpha);
}

void movePosition(kit::ar::Node& node, float kit::ar::Vector3::*axis, float by) {
    auto p = node.position();
    p.*axis += by;
    node.setPosition(p);
}

void turn(kit::ar::Node& node, float kit::ar::Vector3::*axis, float by) {
    auto e = node.eulerAngles();
    e.*axis += by;
    node.setEulerAngles(e);
}

void resize(kit::ar::Node& node, float by) {
    auto s = node.scale();
    s.x += by;
    s.y += by;
    node.setScale(s);
}

bool isHorizontal(kit::ar::PlaneAlignment alignment) { return alignment == kit::ar::PlaneAlignment::horizontal; }

} // namespace

ArStencilVC::ArStencilVC(kit::ar::PlaneDetection planeType, std::optional<kit::Image> image, CanvasFormat format)
    : planeType(planeType), image(image ? std::make_shared<const kit::Image>(std::move(*image)) : nullptr),
      format(format), planeTypeAlignment(alignmentOf(planeType)) {}

void ArStencilVC::initialize() {
    sceneView = kit::make<kit::ar::SceneView>();
    std::weak_ptr<ArStencilVC> weak = std::static_pointer_cast<ArStencilVC>(shared_from_this());
    auto button = [this, weak](const char* asset, void (ArStencilVC::*action)()) {
        auto b = kit::make<kit::Button>();
        b->setImage(kit::Assets::imageNamed(asset));
        b->setAccessibilityIdentifier(asset);
        b->setBackgroundColor(colour::halfBlackColor());
        b->layer()->setCornerRadius(adjustmentButtonSize / 2);
        b->addTarget(this, asset, kit::ControlEvent::touchDown, [weak, action] {
            if (auto s = weak.lock()) ((*s).*action)();
        });
        return b;
    };
    moveLeftButton = button("chevron.left", &ArStencilVC::moveImageLeft);
    moveRightButton = button("chevron.right", &ArStencilVC::moveImageRight);
    moveUpButton = button("chevron.up", &ArStencilVC::moveImageUp);
    moveDownButton = button("chevron.down", &ArStencilVC::moveImageDown);
    rotateLeftButton = button("rotate.left", &ArStencilVC::rotateImageLeft);
    rotateRightButton = button("rotate.right", &ArStencilVC::rotateImageRight);
    increaseSizeButton = button("plus", &ArStencilVC::increaseImageSize);
    decreaseSizeButton = button("minus", &ArStencilVC::decreaseImageSize);
}

std::vector<std::shared_ptr<kit::Button>> ArStencilVC::adjustmentButtons() const {
    return {moveLeftButton,   moveRightButton,   moveUpButton,       moveDownButton,
            rotateLeftButton, rotateRightButton, increaseSizeButton, decreaseSizeButton};
}

std::vector<std::shared_ptr<ArStencilGrid>> ArStencilVC::grids() const {
    std::lock_guard lock(gridsMutex_);
    return grids_;
}

void ArStencilVC::viewDidLoad() {
    std::weak_ptr<ArStencilVC> weak = std::static_pointer_cast<ArStencilVC>(shared_from_this());
    sceneView->setDelegate(weak);
    sceneView->setScene(std::make_shared<kit::ar::Scene>());
    sceneView->addGestureRecognizer(kit::make<kit::TapGesture>([weak](kit::GestureRecognizer& gesture) {
        if (auto s = weak.lock()) s->tapped(gesture);
    }));
    buildViews();
    viewForBackSwipe = app::addBackSwipeStrip(*view(), 0, [weak] {
        if (auto s = weak.lock()) app::backBySwipe(*s);
    });
}

void ArStencilVC::buildViews() {
    auto root = view();
    root->addSubview(sceneView);
    app::anchor(*sceneView, root->topAnchor(), root->leftAnchor(), root->bottomAnchor(), root->rightAnchor());

    auto row = [&](std::vector<std::shared_ptr<kit::View>> buttons) {
        for (const auto& b : buttons) app::anchor(*b, {}, {}, {}, {}, 0, 0, 0, 0, adjustmentButtonSize);
        auto stack = kit::make<kit::StackView>(std::move(buttons));
        stack->setDistribution(kit::StackDistribution::equalSpacing);
        root->addSubview(stack);
        return stack;
    };
    auto lower = row({moveLeftButton, moveDownButton, moveUpButton, moveRightButton});
    app::anchor(*lower, {}, root->leftAnchor(), root->bottomAnchor(), root->rightAnchor(), 0, rowInset, -rowInset,
                rowInset, 0, adjustmentButtonSize);
    auto upper = row({rotateLeftButton, decreaseSizeButton, increaseSizeButton, rotateRightButton});
    app::anchor(*upper, {}, root->leftAnchor(), lower->topAnchor(), root->rightAnchor(), 0, rowInset, -rowInset,
                rowInset, 0, adjustmentButtonSize);

    std::weak_ptr<ArStencilVC> weak = std::static_pointer_cast<ArStencilVC>(shared_from_this());
    backButton = app::addBackButton(*root);
    backButton->addTarget(this, "backButtonPressed", kit::ControlEvent::touchUpInside, [weak] {
        if (auto s = weak.lock()) app::backBtnTapped(*s);
    });
    freezeButton = kit::make<kit::Button>();
    freezeButton->setImage(snowflake(0.6));
    freezeButton->setContentMode(kit::ContentMode::scaleAspectFill);
    freezeButton->setHidden(true);
    freezeButton->addTarget(this, "freezeButtonPressed", kit::ControlEvent::touchUpInside, [weak] {
        if (auto s = weak.lock()) s->freezeButtonPressed();
    });
    root->addSubview(freezeButton);
    app::anchorWithCenter(*freezeButton, {}, {}, {}, root->rightAnchor(), {}, backButton->centerYAnchor(), 0, 0, 0, 0,
                          45, 40);
}

void ArStencilVC::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    requestCameraAccess();
    kit::Application::shared().setIdleTimerDisabled(true);
}

void ArStencilVC::requestCameraAccess() {
    std::weak_ptr<ArStencilVC> weak = std::static_pointer_cast<ArStencilVC>(shared_from_this());
    kit::media::CaptureDevice::requestAccess([weak](bool granted) {
        if (granted) {
            kit::print("Camera authorization granted.");
            kit::DispatchQueue::main().async([weak] {
                if (auto s = weak.lock()) s->sceneView->session().run({s->planeType});
            });
        } else {
            kit::print("Camera authorization denied.");
            kit::DispatchQueue::main().async([weak] {
                auto s = weak.lock();
                if (!s) return;
                if (auto nav = s->navigationController()) nav->popViewController(true);
                showCameraPermissionAlert();
            });
        }
    });
}

void ArStencilVC::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    sceneView->session().pause();
    kit::Application::shared().setIdleTimerDisabled(false);
}

bool ArStencilVC::accepts(const kit::ar::PlaneAnchor& anchor) const {
    return planeTypeAlignment && anchor.alignment == *planeTypeAlignment;
}

void ArStencilVC::didAddNodeForAnchor(const std::shared_ptr<kit::ar::Node>& node, const kit::ar::PlaneAnchor& anchor) {
    if (!accepts(anchor)) return;
    auto grid = kit::make<ArStencilGrid>(anchor);
    {
        std::lock_guard lock(gridsMutex_);
        grids_.push_back(grid);
    }
    node->addChildNode(grid);
}

void ArStencilVC::didUpdateNodeForAnchor(const std::shared_ptr<kit::ar::Node>& node, const kit::ar::PlaneAnchor& anchor) {
    (void)node;
    if (!accepts(anchor)) return;
    for (const auto& grid : grids())
        if (grid->anchor().identifier == anchor.identifier) {
            grid->update(anchor);
            return;
        }
}

void ArStencilVC::tapped(kit::GestureRecognizer& gesture) {
    if (isFreezed) return;
    auto results = sceneView->hitTest(gesture.locationIn(sceneView), kit::ar::HitTestType::existingPlaneUsingExtent);
    if (results.empty() || !results.front().anchor) return;
    const auto& anchor = *results.front().anchor;
    for (const auto& grid : grids())
        if (grid->anchor() == anchor) {
            placeImage(results.front(), *grid);
            freezeButton->setHidden(false);
            return;
        }
}

void ArStencilVC::placeImage(const kit::ar::HitTestResult& hit, ArStencilGrid& grid) {
    if (isFreezed || !image || !hit.anchor) return;
    canBeFreezed = true;
    // The picture's shorter side measures the format's length.
    double side = rawValue(format);
    kit::Size size = image->size();
    double width = side, height = side;
    if (size.width < size.height) height = side * size.height / size.width;
    if (size.width > size.height) width = side * size.width / size.height;

    auto plane = std::make_shared<kit::ar::PlaneGeometry>(width, height);
    auto material = std::make_shared<kit::ar::Material>();
    material->setDiffuseContents(image);
    plane->setMaterials({material});
    auto node = std::make_shared<kit::ar::Node>();
    node->setGeometry(plane);
    node->setTransform(hit.anchor->transform);
    auto angles = node->eulerAngles();
    node->setEulerAngles({angles.x - quarterTurn, angles.y, angles.z});
    node->setPosition(hit.worldTransform.translationPart());

    auto root = sceneView->scene()->rootNode();
    for (const auto& child : root->childNodes()) child->removeFromParentNode();
    imageNode = node;
    root->addChildNode(node);
    grid.removeFromParentNode();
}

void ArStencilVC::adjust(bool needsAlignment,
                         const std::function<void(kit::ar::Node&, kit::ar::PlaneAlignment)>& change) {
    if (!imageNode || (needsAlignment && !planeTypeAlignment)) return;
    app::tapHaptic();
    change(*imageNode, planeTypeAlignment.value_or(kit::ar::PlaneAlignment::horizontal));
}

void ArStencilVC::moveImageLeft() {
    adjust(false, [this](kit::ar::Node& n, auto) { movePosition(n, &kit::ar::Vector3::x, -moveStep); });
}

void ArStencilVC::moveImageRight() {
    adjust(false, [this](kit::ar::Node& n, auto) { movePosition(n, &kit::ar::Vector3::x, moveStep); });
}

// Up is away from the viewer on a floor and up the wall on a wall.
void ArStencilVC::moveImageUp() {
    adjust(true, [this](kit::ar::Node& n, kit::ar::PlaneAlignment a) {
        if (isHorizontal(a)) movePosition(n, &kit::ar::Vector3::z, -moveStep);
        else movePosition(n, &kit::ar::Vector3::y, moveStep);
    });
}

void ArStencilVC::moveImageDown() {
    adjust(true, [this](kit::ar::Node& n, kit::ar::PlaneAlignment a) {
        if (isHorizontal(a)) movePosition(n, &kit::ar::Vector3::z, moveStep);
        else movePosition(n, &kit::ar::Vector3::y, -moveStep);
    });
}

void ArStencilVC::rotateImageLeft() {
    adjust(true, [this](kit::ar::Node& n, kit::ar::PlaneAlignment a) {
        turn(n, isHorizontal(a) ? &kit::ar::Vector3::y : &kit::ar::Vector3::z, rotateStep);
    });
}

void ArStencilVC::rotateImageRight() {
    adjust(true, [this](kit::ar::Node& n, kit::ar::PlaneAlignment a) {
        turn(n, isHorizontal(a) ? &kit::ar::Vector3::y : &kit::ar::Vector3::z, -rotateStep);
    });
}

void ArStencilVC::increaseImageSize() {
    adjust(true, [this](kit::ar::Node& n, auto) { resize(n, increaseStep); });
}

void ArStencilVC::decreaseImageSize() {
    adjust(true, [this](kit::ar::Node& n, auto) { resize(n, -increaseStep); });
}

void ArStencilVC::freezeButtonPressed() {
    app::tapHaptic();
    if (!canBeFreezed) return;
    isFreezed = !isFreezed;
    for (const auto& button : adjustmentButtons()) button->setHidden(isFreezed);
    freezeButton->setImage(snowflake(isFreezed ? 1.0 : 0.6));
}

} // namespace capture
