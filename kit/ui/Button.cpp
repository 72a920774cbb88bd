#include "kit/ui/Button.h"

#include <algorithm>
#include <cmath>

namespace kit {

Button::Button(ButtonType type) : type_(type) {}

Button::Button(const Rect& frame, ButtonType type) : Control(frame), type_(type) {}

void Button::initialize() {
    backgroundView_ = std::make_shared<ImageView>();
    imageView_ = std::make_shared<ImageView>();
    imageView_->setContentMode(ContentMode::center);
    titleLabel_ = std::make_shared<Label>();
    titleLabel_->setFont(Font::system(type_ == ButtonType::system ? 15 : 18));
    titleLabel_->setTextAlignment(TextAlignment::center);
    titleLabel_->setLineBreakMode(LineBreakMode::truncateMiddle);
    backgroundView_->setHidden(true);
    imageView_->setHidden(true);
    titleLabel_->setHidden(true);
    addSubview(backgroundView_);
    addSubview(imageView_);
    addSubview(titleLabel_);
}

template <class T>
std::optional<T> Button::lookup(const std::map<ControlState, T>& m, ControlState s) {
    if (auto it = m.find(s); it != m.end()) return it->second;
    // A combined state falls back to its single parts before the normal state.
    const auto bits = static_cast<std::uint32_t>(s);
    for (ControlState part : {ControlState::disabled, ControlState::selected, ControlState::highlighted})
        if (bits & static_cast<std::uint32_t>(part))
            if (auto it = m.find(part); it != m.end()) return it->second;
    if (auto it = m.find(ControlState::normal); it != m.end()) return it->second;
    return std::nullopt;
}

void Button::setTitle(std::optional<std::string> title, ControlState state) {
    if (title) titles_[state] = std::move(*title);
    else titles_.erase(state);
    refresh();
}

std::optional<std::string> Button::titleForState(ControlState state) const {
    if (auto a = lookup(attributedTitles_, state)) return a->string();
    return lookup(titles_, state);
}

void Button::setAttributedTitle(std::optional<AttributedString> title, ControlState state) {
    if (title) attributedTitles_[state] = std::move(*title);
    else attributedTitles_.erase(state);
    refresh();
}

std::optional<AttributedString> Button::attributedTitleForState(ControlState state) const {
    return lookup(attributedTitles_, state);
}

void Button::setTitleColor(std::optional<Color> color, ControlState state) {
    if (color) titleColors_[state] = *color;
    else titleColors_.erase(state);
    refresh();
}

Color Button::titleColorForState(ControlState state) const {
    if (auto c = lookup(titleColors_, state)) return *c;
    if (type_ == ButtonType::system) {
        if (!isEnabled()) return Color::gray(0.5, 0.5);
        return tintColor();
    }
    return Color::whiteColor();
}

void Button::setImage(std::shared_ptr<const Image> image, ControlState state) {
    if (image && !image->isEmpty()) images_[state] = std::move(image);
    else images_.erase(state);
    refresh();
}

void Button::setImage(std::optional<Image> image, ControlState state) {
    setImage(image ? std::make_shared<const Image>(std::move(*image)) : nullptr, state);
}

std::shared_ptr<const Image> Button::imageForState(ControlState state) const {
    return lookup(images_, state).value_or(nullptr);
}

void Button::setBackgroundImage(std::shared_ptr<const Image> image, ControlState state) {
    if (image && !image->isEmpty()) backgrounds_[state] = std::move(image);
    else backgrounds_.erase(state);
    refresh();
}

void Button::setBackgroundImage(std::optional<Image> image, ControlState state) {
    setBackgroundImage(image ? std::make_shared<const Image>(std::move(*image)) : nullptr, state);
}

std::shared_ptr<const Image> Button::backgroundImageForState(ControlState state) const {
    return lookup(backgrounds_, state).value_or(nullptr);
}

void Button::setContentEdgeInsets(const EdgeInsets& insets) {
    contentInsets_ = insets;
    invalidateIntrinsicContentSize();
    setNeedsLayout();
}

void Button::setContentMode(ContentMode mode) {
    Control::setContentMode(mode);
    if (imageView_) imageView_->setContentMode(mode);
}

void Button::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    refresh();
}

void Button::setSelected(bool selected) {
    Control::setSelected(selected);
    refresh();
}

void Button::setHighlighted(bool highlighted) {
    Control::setHighlighted(highlighted);
    refresh();
}

void Button::tintColorDidChange() { refresh(); }

void Button::refresh() {
    if (!titleLabel_) return; // not initialised yet
    const ControlState s = state();
    if (auto attributed = lookup(attributedTitles_, s)) {
        titleLabel_->setAttributedText(*attributed);
    } else {
        titleLabel_->setText(lookup(titles_, s).value_or(""));
        titleLabel_->setTextColor(titleColorForState(s));
    }
    titleLabel_->setHidden(titleLabel_->text().empty());
    const auto image = imageForState(s);
    imageView_->setImage(image);
    imageView_->setHidden(!image);
    const auto background = backgroundImageForState(s);
    backgroundView_->setImage(background);
    backgroundView_->setHidden(!background);
    // Pressed feedback: a system button dims its content; a custom one darkens a little.
    const double pressed = type_ == ButtonType::system ? 0.2 : 0.7;
    const double a = isHighlighted() ? pressed : 1.0;
    titleLabel_->setAlpha(a);
    imageView_->setAlpha(a);
    invalidateIntrinsicContentSize();
    setNeedsLayout();
}

Size Button::intrinsicContentSize() const {
    Size content{0, 0};
    if (auto image = imageForState(state())) content = image->size();
    if (titleLabel_ && !titleLabel_->text().empty()) {
        const Size t = titleLabel_->intrinsicContentSize();
        content.width += t.width;
        content.height = std::max(content.height, t.height);
    }
    if (content.width == 0 && content.height == 0) {
        if (auto bg = backgroundImageForState(state())) content = bg->size();
    }
    return {content.width + contentInsets_.left + contentInsets_.right,
            content.height + contentInsets_.top + contentInsets_.bottom};
}

std::optional<double> Button::heightForWidth(double width) const {
    if (!titleLabel_ || titleLabel_->text().empty() || titleLabel_->numberOfLines() == 1) return std::nullopt;
    const auto image = imageForState(state());
    const double imageWidth = image ? image->size().width : 0;
    const double room = width - contentInsets_.left - contentInsets_.right - imageWidth;
    auto title = titleLabel_->heightForWidth(room);
    if (!title) return std::nullopt;
    const double content = std::max(*title, image ? image->size().height : 0.0);
    return content + contentInsets_.top + contentInsets_.bottom;
}

Size Button::sizeThatFits(Size) const { return intrinsicContentSize(); }

void Button::layoutSubviews() {
    const Rect b = bounds();
    backgroundView_->setFrame(b);
    const Rect content = b.inset(contentInsets_);
    const auto image = imageForState(state());
    const bool hasTitle = !titleLabel_->text().empty();
    if (image && !hasTitle) {
        // An image alone fills the content area, placed by the content mode (centred by default).
        imageView_->setFrame(content);
        return;
    }
    Size imageSize = image ? image->size() : Size{};
    // A title may wrap over several lines within the space the image leaves.
    const double titleRoom = std::max(0.0, content.width() - imageSize.width);
    Size titleSize{0, 0};
    if (hasTitle) {
        const Size natural = titleLabel_->intrinsicContentSize();
        titleSize.width = std::min(natural.width, titleRoom);
        titleSize.height = titleLabel_->numberOfLines() == 1 ? natural.height
                                                             : titleLabel_->heightForWidth(titleRoom).value_or(natural.height);
    }
    const double groupWidth = imageSize.width + titleSize.width;
    double x = content.x();
    switch (contentHorizontalAlignment()) {
    case ContentHorizontalAlignment::left: break;
    case ContentHorizontalAlignment::right: x = content.maxX() - groupWidth; break;
    case ContentHorizontalAlignment::fill:
        titleSize.width = titleRoom;
        break;
    case ContentHorizontalAlignment::center: x = content.x() + (content.width() - groupWidth) / 2; break;
    }
    auto placeY = [&](double h) {
        switch (contentVerticalAlignment()) {
        case ContentVerticalAlignment::top: return content.y();
        case ContentVerticalAlignment::bottom: return content.maxY() - h;
        case ContentVerticalAlignment::fill: return content.y();
        case ContentVerticalAlignment::center: break;
        }
        return content.y() + (content.height() - h) / 2;
    };
    if (contentVerticalAlignment() == ContentVerticalAlignment::fill) titleSize.height = content.height();
    if (image) imageView_->setFrame({x, placeY(imageSize.height), imageSize.width, imageSize.height});
    titleLabel_->setFrame({x + imageSize.width, placeY(titleSize.height), titleSize.width, titleSize.height});
}

} // namespace kit
