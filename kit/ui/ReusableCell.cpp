#include "kit/ui/ReusableCell.h"

#include "kit/base/Make.h"

namespace kit {

const std::shared_ptr<View>& ReusableCell::contentView() {
    if (!contentView_) {
        contentView_ = kit::make<View>(Rect{{0, 0}, bounds().size});
        insertSubview(contentView_, 0);
    }
    return contentView_;
}

void ReusableCell::layoutSubviews() {
    View::layoutSubviews();
    if (contentView_) contentView_->setFrame({{0, 0}, bounds().size});
}

} // namespace kit
