#pragma once
// A node of the layer tree: geometry about a centre anchor, background, border, corner radius,
// shadow, image contents and ordered sublayers (later ones on top). Layers never animate
// implicitly: a property set is what the next frame shows.
#include "kit/base/AffineTransform.h"
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"
#include "kit/ui/Animation.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {

class Context;
class Image;
class Layer;

// Draws a layer's own content between its background and its sublayers (a view draws itself
// through this). Non-owning: the delegate clears itself before it dies.
class LayerDelegate {
public:
    virtual ~LayerDelegate() = default;
    virtual void drawLayer(const Layer& layer, Context& context) = 0;
};

enum class ContentsGravity {
    center, top, bottom, left, right, topLeft, topRight, bottomLeft, bottomRight,
    resize, resizeAspect, resizeAspectFill
};

// Accepted for source compatibility: the layer tree has no implicit animations to configure.
struct Transaction {
    static void begin() {}
    static void commit() {}
    static void setDisableActions(bool) {}
    static void setAnimationDuration(double) {}
};

// What a layer shows at a moment: its model values, or where its animations have got to.
struct LayerPresentation {
    Point position;
    Rect bounds;
    AffineTransform transform;
    double opacity = 1;
    std::optional<Color> backgroundColor;
};

class Layer : public std::enable_shared_from_this<Layer> {
public:
    Layer();
    virtual ~Layer();
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    // Geometry. frame is derived from position, bounds and transform (about the centre).
    Rect frame() const;
    virtual void setFrame(const Rect& frame);
    Rect bounds() const { return bounds_; }
    void setBounds(const Rect& bounds);
    Point position() const { return position_; }
    void setPosition(Point position);
    const AffineTransform& transform() const { return transform_; }
    void setTransform(const AffineTransform& transform);

    // Appearance.
    const std::optional<Color>& backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(std::optional<Color> color);
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double radius);
    double borderWidth() const { return borderWidth_; }
    void setBorderWidth(double width);
    const Color& borderColor() const { return borderColor_; }
    void setBorderColor(const Color& color);
    bool masksToBounds() const { return masksToBounds_; }
    void setMasksToBounds(bool masks);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    double opacity() const { return opacity_; }
    void setOpacity(double opacity);

    // Shadow of the layer's drawn shape, blurred by shadowRadius; drawn only when shadowOpacity > 0.
    const Color& shadowColor() const { return shadowColor_; }
    void setShadowColor(const Color& color);
    Size shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(Size offset);
    double shadowOpacity() const { return shadowOpacity_; }
    void setShadowOpacity(double opacity);
    double shadowRadius() const { return shadowRadius_; }
    void setShadowRadius(double radius);

    // Image contents, placed in the bounds by the gravity.
    const std::shared_ptr<const Image>& contents() const { return contents_; }
    void setContents(std::shared_ptr<const Image> image);
    ContentsGravity contentsGravity() const { return contentsGravity_; }
    void setContentsGravity(ContentsGravity gravity);

    // Draw this layer's subtree once into a bitmap and reuse it until something in it changes.
    bool shouldRasterize() const { return shouldRasterize_; }
    void setShouldRasterize(bool rasterize);
    // Pixels per point of that bitmap (0: the scale of whatever it is drawn into).
    double rasterizationScale() const { return rasterizationScale_; }
    void setRasterizationScale(double scale);

    // Per-key actions are accepted and kept; they change nothing since nothing animates implicitly.
    const std::map<std::string, std::nullptr_t>& actions() const { return actions_; }
    void setActions(std::map<std::string, std::nullptr_t> actions) { actions_ = std::move(actions); }

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    // Tree. Adding a layer that has another superlayer moves it here, on top; adding one that is
    // already a sublayer of this layer changes nothing (drawing code may re-add its layers every
    // time). insertSublayer moves an existing sublayer to the given place.
    const std::vector<std::shared_ptr<Layer>>& sublayers() const { return sublayers_; }
    std::shared_ptr<Layer> superlayer() const { return superlayer_.lock(); }
    void addSublayer(const std::shared_ptr<Layer>& layer);
    void insertSublayer(const std::shared_ptr<Layer>& layer, std::size_t index);
    void insertSublayerBelow(const std::shared_ptr<Layer>& layer, const Layer* sibling);
    void insertSublayerAbove(const std::shared_ptr<Layer>& layer, const Layer* sibling);
    void removeFromSuperlayer();
    void removeAllSublayers();

    // Own content drawn by the delegate (views). Non-owning; see LayerDelegate.
    LayerDelegate* delegate() const { return delegate_; }
    void setDelegate(LayerDelegate* delegate) { delegate_ = delegate; }
    // Asks the delegate to draw again at the next frame.
    void setNeedsDisplay();
    bool needsDisplay() const { return needsDisplay_; }
    void clearNeedsDisplay() { needsDisplay_ = false; }

    // Bumped by any change in this layer or below it: hosts redraw when the root's number moves,
    // and caches (the shadow blur) key on it.
    std::uint64_t version() const { return version_; }
    // Bumped like version() except when only this layer's own placement changed (position,
    // transform, opacity, hidden), which leaves its drawn content as it was.
    std::uint64_t contentVersion() const { return contentVersion_; }
    void markChanged(bool placementOnly = false);

    // Animations of the drawn values (see View::animate). Adding one for a property replaces the
    // running one, which hands over from where it had got to.
    void addAnimation(PropertyAnimation animation);
    void removeAllAnimations();
    void removeAnimation(AnimatedProperty property);
    const std::vector<PropertyAnimation>& animations() const { return animations_; }
    bool hasAnimations() const { return !animations_.empty(); }
    // Whether touches may reach the layer's view while it animates.
    bool acceptsTouchesWhileAnimating() const;
    // The values drawn now (the model values when nothing animates).
    LayerPresentation presentation() const;
    LayerPresentation presentationAt(double now) const;
    // Drops animations that ended by `now`; true while some still run. Marks the layer changed
    // while it animates so that hosts keep drawing.
    bool stepAnimations(double now);
    // Layers with running animations (for the run loop's animation phase).
    static std::vector<std::shared_ptr<Layer>> animatingLayers();

    // Coordinates: a point in this layer's bounds space to its superlayer's, and back.
    Point convertToSuperlayer(Point p) const;
    Point convertFromSuperlayer(Point p) const;
    // The transform from this layer's bounds space to its superlayer's bounds space.
    AffineTransform transformToSuperlayer() const;
    static AffineTransform transformToSuperlayer(const LayerPresentation& p);

    // Renders this layer and its sublayers into the context, in this layer's bounds space.
    void renderInContext(Context& context) const;
    // Renders the layer's bounds at the given scale into a new image.
    Image renderImage(double scale = 1.0) const;
    // The one pixel at a point of the layer's bounds space, as R, G, B, A bytes (premultiplied).
    std::array<std::uint8_t, 4> pixelAt(Point p) const;

protected:
    // Draws what a subclass adds (a shape, a gradient) above background and contents.
    virtual void drawContent(Context&) const {}
    // Whether drawContent may paint outside the bounds (a path), which rules out skipping the
    // layer when its bounds are outside what is being drawn.
    virtual bool hasOwnShape() const { return false; }

private:
    friend class LayerRenderer;
    friend struct LayerRendering;
    void detach(const Layer* layer);

    Point position_;
    Rect bounds_;
    AffineTransform transform_;
    std::optional<Color> backgroundColor_;
    double cornerRadius_ = 0;
    double borderWidth_ = 0;
    Color borderColor_ = Color::blackColor();
    bool masksToBounds_ = false;
    bool hidden_ = false;
    double opacity_ = 1;
    Color shadowColor_ = Color::blackColor();
    Size shadowOffset_{0, -3};
    double shadowOpacity_ = 0;
    double shadowRadius_ = 3;
    std::shared_ptr<const Image> contents_;
    ContentsGravity contentsGravity_ = ContentsGravity::resize;
    std::map<std::string, std::nullptr_t> actions_;
    std::string name_;
    std::vector<std::shared_ptr<Layer>> sublayers_;
    std::weak_ptr<Layer> superlayer_;
    LayerDelegate* delegate_ = nullptr;
    bool needsDisplay_ = false;
    std::uint64_t version_ = 1;
    std::uint64_t contentVersion_ = 1;
    std::vector<PropertyAnimation> animations_;

    // Blurred shadow kept between frames (see LayerRender.cpp).
    struct ShadowCache;
    mutable std::shared_ptr<ShadowCache> shadowCache_;
    bool shouldRasterize_ = false;
    double rasterizationScale_ = 0;
    struct RasterCache;
    mutable std::shared_ptr<RasterCache> rasterCache_;
};

} // namespace kit
