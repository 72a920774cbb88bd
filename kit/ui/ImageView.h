#pragma once
// Shows an image placed by the content mode. Takes no touches unless interaction is switched on.
// A template image is drawn as a shape in the tint colour.
#include "kit/graphics/Image.h"
#include "kit/ui/View.h"

#include <memory>
#include <optional>

namespace kit {

class ImageView : public View {
public:
    ImageView();
    explicit ImageView(const Rect& frame);
    explicit ImageView(std::optional<Image> image);

    const std::shared_ptr<const Image>& image() const { return image_; }
    void setImage(std::shared_ptr<const Image> image);
    void setImage(std::optional<Image> image);

    // Draw the image's shape in tintColor() instead of its own colours.
    bool isTemplate() const { return template_; }
    void setTemplate(bool tinted);
    void tintColorDidChange() override;

    void setContentMode(ContentMode mode) override;
    Size intrinsicContentSize() const override;
    Size sizeThatFits(Size size) const override;

    static ContentsGravity gravityFor(ContentMode mode);

private:
    void update();
    std::shared_ptr<const Image> image_;
    bool template_ = false;
};

// The image's shape (its alpha) filled with one colour.
std::optional<Image> tintedImage(const Image& image, const Color& color);

} // namespace kit
