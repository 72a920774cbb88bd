#pragma once
// A rectangle of the screen with its layer, subviews, touches and recognisers. Views are shared
// objects made with kit::make; a superview holds its subviews, a subview sees its superview weakly,
// so a screen may keep a removed view alive and re-add it later.
#include "kit/base/AffineTransform.h"
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"
#include "kit/layout/LayoutItem.h"
#include "kit/ui/Animation.h"
#include "kit/ui/Layer.h"
#include "kit/ui/Responder.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {

class Context;
class Image;
class GestureRecognizer;
struct WheelEvent;

enum class ContentMode {
    scaleToFill, scaleAspectFit, scaleAspectFill, redraw, center, top, bottom, left, right,
    topLeft, topRight, bottomLeft, bottomRight
};

class View : public Responder,
             public LayerDelegate,
             public layout::LayoutItem,
             public std::enable_shared_from_this<View> {
public:
    View();
    explicit View(const Rect& frame);
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    const std::shared_ptr<Layer>& layer() const { return layer_; }

    // Geometry (in the superview's coordinates for frame and center).
    Rect frame() const { return layer_->frame(); }
    virtual void setFrame(const Rect& frame);
    Rect bounds() const { return layer_->bounds(); }
    virtual void setBounds(const Rect& bounds);
    Point center() const { return layer_->position(); }
    void setCenter(Point center);
    const AffineTransform& transform() const { return layer_->transform(); }
    void setTransform(const AffineTransform& transform);

    // Appearance; backgroundColor is the layer's own background (absent until set).
    std::optional<Color> backgroundColor() const { return layer_->backgroundColor(); }
    void setBackgroundColor(std::optional<Color> color);
    bool isHidden() const { return layer_->isHidden(); }
    void setHidden(bool hidden);
    double alpha() const { return layer_->opacity(); }
    void setAlpha(double alpha);
    bool clipsToBounds() const { return layer_->masksToBounds(); }
    void setClipsToBounds(bool clips) { layer_->setMasksToBounds(clips); }
    // The tint in force: this view's own, else the nearest ancestor's, else the system blue.
    Color tintColor() const;
    void setTintColor(std::optional<Color> color);
    // Told when the tint in force changed (own, or inherited through a new superview).
    virtual void tintColorDidChange() {}
    ContentMode contentMode() const { return contentMode_; }
    virtual void setContentMode(ContentMode mode);

    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }
    bool isMultipleTouchEnabled() const { return multipleTouchEnabled_; }
    void setMultipleTouchEnabled(bool enabled) { multipleTouchEnabled_ = enabled; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    const std::string& accessibilityIdentifier() const { return accessibilityIdentifier_; }
    void setAccessibilityIdentifier(std::string identifier) { accessibilityIdentifier_ = std::move(identifier); }

    // Hierarchy. The subview list and the layer's sublayers stay in the same relative order.
    std::shared_ptr<View> superview() const { return superview_.lock(); }
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    void addSubview(const std::shared_ptr<View>& view);
    void insertSubview(const std::shared_ptr<View>& view, std::size_t index);
    void insertSubviewBelow(const std::shared_ptr<View>& view, const View* sibling);
    void insertSubviewAbove(const std::shared_ptr<View>& view, const View* sibling);
    void bringSubviewToFront(const View* view);
    void sendSubviewToBack(const View* view);
    void removeFromSuperview();
    bool isDescendantOf(const View* view) const;
    std::shared_ptr<View> viewWithTag(int tag);
    // The topmost ancestor when a host marked it as its window; nullptr for a detached tree.
    std::shared_ptr<View> window() const;
    bool isWindowRoot() const { return windowRoot_; }
    // A host marks its root view: the run loop then lays it out in its layout phase, and views
    // under it report it as their window.
    void setWindowRoot(bool root);
    static std::vector<std::shared_ptr<View>> windowRoots();

    // Called at once after the bounds changed (a new frame size or a scrolled origin), before any
    // layout; subclasses that override it call the base.
    virtual void boundsDidChange(const Rect& oldBounds, const Rect& newBounds) { (void)oldBounds; (void)newBounds; }

    // Hooks around hierarchy changes.
    virtual void willMoveToSuperview(View* newSuperview) { (void)newSuperview; }
    virtual void didMoveToSuperview() {}
    virtual void didAddSubview(View* subview) { (void)subview; }
    virtual void willRemoveSubview(View* subview) { (void)subview; }
    // A subview was hidden or shown (stack views close the gap).
    virtual void subviewVisibilityChanged(View* subview) { (void)subview; }

    // Coordinates; a nullptr view means window (topmost ancestor) coordinates.
    Point convertPointTo(Point p, const View* view) const;
    Point convertPointFrom(Point p, const View* view) const;
    Rect convertRectTo(const Rect& r, const View* view) const;
    Rect convertRectFrom(const Rect& r, const View* view) const;
    // The transform from this view's bounds space to window coordinates.
    AffineTransform transformToWindow() const;

    // Hit testing: the deepest visible, interactive view containing the point (own coordinates).
    virtual std::shared_ptr<View> hitTest(Point p, const Event* event);
    virtual bool pointInside(Point p, const Event* event) const;

    // Whether this view keeps a touch that begins on it from an ancestor's recogniser (controls
    // keep taps and swipes for themselves).
    virtual bool winsTouchOver(const GestureRecognizer& ancestorRecognizer) const { (void)ancestorRecognizer; return false; }
    // Asked, for a recogniser on this view, when it is about to recognise; false makes it fail.
    virtual bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer) { (void)recognizer; return true; }
    // A wheel or touchpad scroll over this view; false passes it on to the superview.
    virtual bool scrollWheel(const WheelEvent& event) { (void)event; return false; }

    // What Escape does while this view shows: an open menu or overlay closes itself. The key goes
    // to the frontmost, innermost shown view of the screen on top that has one, before the screen.
    const std::function<void()>& escapeAction() const { return escapeAction_; }
    void setEscapeAction(std::function<void()> action) { escapeAction_ = std::move(action); }
    // Where Tab (or Shift+Tab) starts in this view while nothing in it has the focus ring; none: its
    // first (last) control in reading order.
    std::shared_ptr<View> firstFocus() const { return firstFocus_.lock(); }
    void setFirstFocus(const std::shared_ptr<View>& view) { firstFocus_ = view; }
    // The order the ring visits these controls of the view in, where reading order would zig-zag
    // (columns side by side): they take the places reading order gives them, in this sequence.
    const std::vector<std::weak_ptr<View>>& focusSequence() const { return focusSequence_; }
    void setFocusSequence(std::vector<std::weak_ptr<View>> views) { focusSequence_ = std::move(views); }

    // Responder chain: the override (a controller owning this view) comes before the superview.
    std::shared_ptr<Responder> nextResponder() const override;
    void setNextResponderOverride(std::weak_ptr<Responder> responder) { nextOverride_ = std::move(responder); }

    // Gesture recognisers see touches that begin in this view's subtree.
    const std::vector<std::shared_ptr<GestureRecognizer>>& gestureRecognizers() const { return recognizers_; }
    void addGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer);
    void removeGestureRecognizer(const GestureRecognizer* recognizer);

    // Layout. Constraints of the whole tree are solved first, then layoutSubviews runs top-down
    // where a layout was asked for (a size change asks for one); repeated while that moves
    // frame-placed views that constraints depend on.
    void setNeedsLayout();
    bool needsLayout() const { return needsLayout_; }
    // Lays out the tree this view belongs to now, where it was marked.
    void layoutIfNeeded();
    virtual void layoutSubviews() {}
    virtual Size sizeThatFits(Size size) const;
    void sizeToFit();
    // Around this view's own layoutSubviews (a controller's will/did-layout calls).
    void setLayoutCallbacks(std::function<void()> willLayout, std::function<void()> didLayout);

    // The layout engine's view of this view.
    Rect layoutFrame() const override { return frame(); }
    void setLayoutFrame(const Rect& frame) override;
    layout::LayoutItem* layoutSuperitem() const override;
    std::vector<layout::LayoutItem*> layoutSubitems() const override;
    void layoutNeedsUpdate() override;
    Point layoutBoundsOrigin() const override { return bounds().origin; }
    std::string layoutDescription() const override;
    // The part of the bounds that the window's safe area leaves uncovered by screen furniture.
    EdgeInsets safeAreaInsets() const override;
    // For a window root: the device's insets (notch, home indicator).
    void setSafeAreaInsets(const EdgeInsets& insets);

    // Animation: sets the model values in `changes` at once; what is drawn moves from the old to
    // the new values (frame, center, bounds, transform, alpha, background colour) over the duration
    // after the delay. The completion runs on the main queue when it ends (true: it finished).
    static void animate(double duration, double delay, AnimationOptions options, const std::function<void()>& changes,
                        std::function<void(bool finished)> completion = {});
    static void animate(double duration, const std::function<void()>& changes,
                        std::function<void(bool finished)> completion = {});
    // Runs `changes` with animations off (what animate inside it sets is simply set).
    static void performWithoutAnimation(const std::function<void()>& changes);
    // Off: every animate sets its values at once (completions still come on the next turn).
    static void setAnimationsEnabled(bool enabled);
    static bool areAnimationsEnabled();
    // The values drawn at this moment (the model values when nothing animates).
    LayerPresentation presentation() const { return layer_->presentation(); }

    // Drawing: drawRect paints into a backing surface that is kept until setNeedsDisplay.
    void setNeedsDisplay();
    virtual void drawRect(Context& context, const Rect& rect);
    // The view and its subviews over its bounds, at the given scale.
    Image snapshot(double scale = 1.0) const;

protected:
    // For views with a special layer class (gradients, shapes).
    explicit View(std::shared_ptr<Layer> layer);

    void drawLayer(const Layer& layer, Context& context) override;
    std::shared_ptr<Responder> selfAsResponder() override { return shared_from_this(); }

private:
    void attach(const std::shared_ptr<View>& view, std::size_t index);
    View* topmost();
    // The run loop's animation and layout phases for views (installed once).
    static void ensurePhaseHandlers();
    void layoutPass();
    void recordAnimated(AnimatedProperty property, AnimatedValue from, AnimatedValue to);
    void placeLayerOf(const View& view);
    void sizeChanged(Size before);
    void frameMoved();
    void tintChangedInSubtree();

    std::shared_ptr<Layer> layer_;
    std::weak_ptr<View> superview_;
    std::vector<std::shared_ptr<View>> subviews_;
    std::vector<std::shared_ptr<GestureRecognizer>> recognizers_;
    std::weak_ptr<Responder> nextOverride_;
    std::optional<Color> tintColor_;
    ContentMode contentMode_ = ContentMode::scaleToFill;
    bool userInteractionEnabled_ = true;
    bool multipleTouchEnabled_ = false;
    bool windowRoot_ = false;
    bool needsLayout_ = true;
    bool constraintsDirty_ = false;
    bool hasConstraintsInTree_ = false;
    std::optional<EdgeInsets> ownSafeArea_;
    std::function<void()> willLayout_, didLayout_;
    std::function<void()> escapeAction_;
    std::weak_ptr<View> firstFocus_;
    std::vector<std::weak_ptr<View>> focusSequence_;
    int tag_ = 0;
    std::string accessibilityIdentifier_;

    // Backing surface of drawRect (see ViewDrawing.cpp).
    struct Backing;
    std::shared_ptr<Backing> backing_;
    bool drawsNothing_ = false;
    bool defaultDrawRectRan_ = false;
};

} // namespace kit
