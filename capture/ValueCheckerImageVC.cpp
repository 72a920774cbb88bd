#include "capture/ValueCheckerImageVC.h"

#include "kit/graphics/filters/Filters.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"

namespace capture {

void ValueCheckerImageVC::refreshConversion() {
    if (loadedImage) {
        if (auto sepia = sepiaImage(*loadedImage)) {
            convertedImage = std::move(sepia);
            selectedImageView->setImage(convertedImage);
        }
    }
    if (convertedImage) showSaveEnabled(*saveToPhotosButton);
}

std::optional<kit::Image> ValueCheckerImageVC::sepiaImage(const kit::Image& image) {
    return kit::filters::sepiaTone(image, 1.0);
}

} // namespace capture
