#include "tools/ToolColorCell.h"

#include "app/storage/SaveHelpers.h"
#include "app/ui/Ext.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "kit/base/Make.h"
#include "kit/ui/Layer.h"
#include "kit/ui/Label.h"
#include "kit/ui/LongPressGesture.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"
#include "tools/MixingMath.h"

namespace tools {

void ToolColorCell::initialize() {
    label_ = kit::make<kit::Label>();
    label_->setFont(app::Fonts::lightFont18());
    auto content = contentView();
    content->addSubview(label_);
    app::anchor(*label_, content->topAnchor(), content->leftAnchor(), content->bottomAnchor(), content->rightAnchor(),
                0, 16, 0, 16);
    std::weak_ptr<ToolColorCell> weak = std::static_pointer_cast<ToolColorCell>(shared_from_this());
    auto tap = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto c = weak.lock()) c->saveToBuffer();
    });
    tap->setDelaysTouchesBegan(true);
    addGestureRecognizer(tap);
    auto press = kit::make<kit::LongPressGesture>([weak](kit::GestureRecognizer& r) {
        // The press is reported when recognised and again at the lift; one save per press.
        if (r.state() != kit::GestureRecognizer::State::began) return;
        if (auto c = weak.lock()) c->saveToSingle();
    });
    press->setMinimumPressDuration(0.7);
    addGestureRecognizer(press);
}

void ToolColorCell::configure(const kit::Color& color, std::optional<int> number, bool topShadow) {
    color_ = color;
    if (topShadow != topShadow_) {
        topShadow_ = topShadow;
        setNeedsLayout();
    }
    setBackgroundColor(color);
    std::string text = colour::colorCodeString(color);
    if (number) text += " (" + std::to_string(*number) + ")";
    label_->setText(text);
    label_->setTextColor(labelColorOn(color));
}

void ToolColorCell::layoutSubviews() {
    CollectionViewCell::layoutSubviews();
    const auto size = bounds().size;
    if (shadow_ && (!topShadow_ || size.width != shadowSize_.width || size.height != shadowSize_.height)) {
        shadow_->removeFromSuperlayer();
        shadow_.reset();
    }
    if (topShadow_ && !shadow_ && size.width > 0) {
        shadow_ = app::makeShadowLayer(*this);
        shadowSize_ = size;
        layer()->addSublayer(shadow_);
    }
}

void ToolColorCell::setLeftSwipeAction(std::function<void(ToolColorCell&)> action) {
    leftSwipe_ = std::move(action);
    if (leftSwipeInstalled_) return;
    leftSwipeInstalled_ = true;
    std::weak_ptr<ToolColorCell> weak = std::static_pointer_cast<ToolColorCell>(shared_from_this());
    auto swipe = kit::make<kit::SwipeGesture>([weak](kit::GestureRecognizer&) {
        if (auto c = weak.lock())
            if (c->leftSwipe_) c->leftSwipe_(*c);
    });
    swipe->setDirection(kit::SwipeDirection::left);
    addGestureRecognizer(swipe);
}

void ToolColorCell::saveToBuffer() {
    if (color_) app::copyColorToClipboard(colour::hexString(*color_));
}

void ToolColorCell::saveToSingle() { app::saveSingleColor(color_); }

} // namespace tools
