#include "app/ui/DropDownMenu.h"

#include "app/ui/Haptic.h"
#include "app/ui/Ext.h"
#include "kit/base/Make.h"
#include "kit/ui/Button.h"
#include "kit/ui/StackView.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/View.h"

namespace app {

template <class D>
BasicDropDownMenu<D>::BasicDropDownMenu(std::shared_ptr<kit::View> parentView, std::optional<DropDownMenuStickTo> stickTo,
                                        std::shared_ptr<kit::View> yCenterTo, std::vector<std::string> elementsTitles,
                                        int selectedElement, kit::Color backgroundColor, kit::Color textColor,
                                        bool withRoundedCorners, bool rounded, double paddingTop, double paddingRight,
                                        double menuWidth, double menuHeight, double fontSize, double cornerRadius)
    : parentView_(parentView), stickTo_(stickTo), yCenterTo_(yCenterTo), paddingTop_(paddingTop),
      paddingRight_(paddingRight), menuWidth_(menuWidth), menuHeight_(menuHeight), fontSize_(fontSize),
      backgroundColor_(backgroundColor), textColor_(textColor), withRoundedCorners_(withRoundedCorners),
      cornerRadius_(cornerRadius), rounded_(rounded), elementsTitles_(std::move(elementsTitles)),
      selectedElement_(selectedElement) {}

template <class D>
void BasicDropDownMenu<D>::initialize() {
    menuButton_ = kit::make<kit::Button>();
    buttonsStack_ = kit::make<kit::StackView>();
    closeTGR_ = kit::make<kit::TapGesture>();
    isOpen_ = false;
    showDropDownMenu();
}

template <class D>
void BasicDropDownMenu<D>::round(kit::View& view) {
    if (!withRoundedCorners_) return;
    view.layer()->setCornerRadius(rounded_ ? menuHeight_ / 2 : cornerRadius_);
}

namespace {
kit::Color over(const kit::Color& top, const kit::Color& under) {
    const double a = top.alpha();
    return kit::Color::rgba(top.red() * a + under.red() * (1 - a), top.green() * a + under.green() * (1 - a),
                            top.blue() * a + under.blue() * (1 - a), 1);
}
} // namespace

template <class D>
kit::Color BasicDropDownMenu<D>::openRowColor() const {
    // The row colour as it looks over the screen, made opaque: an open menu lies over other
    // controls, and their text must not show through its rows.
    auto parent = parentView_.lock();
    const auto screen = parent ? parent->backgroundColor() : std::nullopt;
    return over(backgroundColor_, over(screen.value_or(kit::Color::blackColor()), kit::Color::blackColor()));
}

template <class D>
std::shared_ptr<kit::Button> BasicDropDownMenu<D>::makeRow(int index) {
    auto button = kit::make<kit::Button>();
    button->setTitle(elementsTitles_[static_cast<std::size_t>(index)], kit::ControlState::normal);
    button->setTag(index);
    button->titleLabel()->setFont(kit::Font::system(fontSize_));
    button->setTitleColor(textColor_, kit::ControlState::normal);
    button->setBackgroundColor(backgroundColor_);
    std::weak_ptr<BasicDropDownMenu> weak = this->weak_from_this();
    button->addTarget(this, "buttonPressed:", kit::ControlEvent::touchDown, [weak](kit::Control& sender) {
        if (auto self = weak.lock()) self->buttonPressed(static_cast<kit::Button&>(sender));
    });
    return button;
}

template <class D>
void BasicDropDownMenu<D>::showDropDownMenu() {
    auto parent = parentView_.lock();
    menuButton_->removeFromSuperview();
    buttonsStack_->removeFromSuperview();
    if (parent) parent->removeGestureRecognizer(closeTGR_.get());
    if (!parent || elementsTitles_.empty()) return;
    auto yCenter = yCenterTo_.lock();
    const int count = static_cast<int>(elementsTitles_.size());

    if (isOpen_) {
        std::weak_ptr<BasicDropDownMenu> weak = this->weak_from_this();
        closeTGR_ = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
            if (auto self = weak.lock()) self->tapCloseMenu();
        });
        closeTGR_->setNumberOfTapsRequired(1);
        parent->addGestureRecognizer(closeTGR_);

        buttonsStack_ = kit::make<kit::StackView>();
        buttonsStack_->setAxis(kit::layout::Axis::vertical);
        buttonsStack_->setDistribution(kit::StackDistribution::fillEqually);
        buttonsStack_->setClipsToBounds(true);
        buttonsStack_->setEscapeAction([weak] {
            if (auto self = weak.lock()) self->tapCloseMenu();
        });
        for (int i = 0; i < count; ++i) {
            auto row = makeRow(i);
            row->setBackgroundColor(openRowColor());
            buttonsStack_->addArrangedSubview(row);
        }
        parent->addSubview(buttonsStack_);
        double height = menuHeight_ * count;
        if (stickTo_ == DropDownMenuStickTo::top) {
            anchorWithCenter(*buttonsStack_, parent->safeAreaLayoutGuide().topAnchor(), std::nullopt, std::nullopt,
                             std::nullopt, parent->centerXAnchor(), std::nullopt, paddingTop_, 0, 0, 0, menuWidth_, height);
        } else if (stickTo_ == DropDownMenuStickTo::left) {
            // The first row sits where the collapsed button was.
            anchorWithCenter(*buttonsStack_, yCenter ? OptionalAnchor(yCenter->centerYAnchor()) : std::nullopt,
                             std::nullopt, std::nullopt, parent->rightAnchor(), std::nullopt, std::nullopt,
                             -menuHeight_ / 2, 0, 0, paddingRight_, menuWidth_, height);
        }
        round(*buttonsStack_);
        return;
    }

    int index = (selectedElement_ < 0 || selectedElement_ >= count) ? 0 : selectedElement_;
    menuButton_ = makeRow(index);
    if (closedTextColor_) menuButton_->setTitleColor(*closedTextColor_, kit::ControlState::normal);
    parent->addSubview(menuButton_);
    if (stickTo_ == DropDownMenuStickTo::top) {
        anchorWithCenter(*menuButton_, parent->safeAreaLayoutGuide().topAnchor(), std::nullopt, std::nullopt, std::nullopt,
                         parent->centerXAnchor(), std::nullopt, paddingTop_, 0, 0, 0, menuWidth_, menuHeight_);
    } else if (stickTo_ == DropDownMenuStickTo::left) {
        anchorWithCenter(*menuButton_, std::nullopt, std::nullopt, std::nullopt, parent->rightAnchor(), std::nullopt,
                         yCenter ? OptionalAnchor(yCenter->centerYAnchor()) : std::nullopt, 0, 0, 0, paddingRight_,
                         menuWidth_, menuHeight_);
    }
    round(*menuButton_);
}

template <class D>
void BasicDropDownMenu<D>::setClosedTextColor(const kit::Color& color) {
    closedTextColor_ = color;
    if (menuButton_) menuButton_->setTitleColor(color, kit::ControlState::normal);
}

template <class D>
void BasicDropDownMenu<D>::buttonPressed(kit::Button& sender) {
    lightImpact();
    // Keep the menu alive through the rebuild: the pressed button is about to be removed.
    auto self = this->shared_from_this();
    if (isOpen_) {
        int tag = sender.tag();
        if (auto d = delegate.lock()) d->didSelectElement(tag);
        selectedElement_ = tag;
        isOpen_ = false;
    } else {
        isOpen_ = true;
    }
    showDropDownMenu();
}

template <class D>
void BasicDropDownMenu<D>::tapCloseMenu() {
    auto self = this->shared_from_this();
    isOpen_ = !isOpen_;
    showDropDownMenu();
}

template class BasicDropDownMenu<DropDownMenuDelegate>;
template class BasicDropDownMenu<DropDownMenuDelegate2>;

} // namespace app
