#pragma once
// The square crop step of the image picker: the picture under a square window, dragged to move it
// and pinched to zoom, never leaving part of the square uncovered. The crop is read in the
// picture's pixels.
#include "kit/graphics/Image.h"
#include "kit/ui/GestureRecognizer.h"
#include "kit/ui/View.h"

#include <memory>

namespace kit {

class ImageCropView : public View, public GestureRecognizerDelegate {
public:
    explicit ImageCropView(std::shared_ptr<const Image> image);
    void initialize();

    const std::shared_ptr<const Image>& image() const { return image_; }
    // The square window, centred in the view, in the view's points.
    Rect cropSquare() const;
    // The part of the picture under the window, in its pixels.
    Rect cropRectInPixels() const;

    // 1 fills the square with the picture's shorter side; larger zooms in (at most 8).
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    // Moves the picture by a vector in points.
    void moveBy(Point delta);

    void layoutSubviews() override;
    bool gestureRecognizerShouldRecognizeSimultaneously(GestureRecognizer&, GestureRecognizer&) override { return true; }

protected:
    void drawRect(Context& context, const Rect& rect) override;

private:
    // Points per picture pixel.
    double displayScale() const;
    Rect pictureFrame() const;
    void clampCenter();

    std::shared_ptr<const Image> image_;
    double zoom_ = 1;
    Point center_;  // the picture's centre, relative to the square's centre
    double lastPinchScale_ = 1;
};

} // namespace kit
