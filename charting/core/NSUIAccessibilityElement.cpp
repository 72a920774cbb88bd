#include "charting/core/NSUIAccessibilityElement.h"

#include "kit/ui/View.h"

namespace charting {

NSUIAccessibilityElement::NSUIAccessibilityElement(const std::shared_ptr<kit::Responder>& accessibilityContainer)
    : container_(accessibilityContainer),
      containerView_(std::dynamic_pointer_cast<kit::View>(accessibilityContainer)) {}

void NSUIAccessibilityElement::setIsHeader(bool header) {
    if (header) traits_ = AccessibilityTraits::header;
    isHeader_ = header;
}

void NSUIAccessibilityElement::setIsSelected(bool selected) {
    if (selected) traits_ = AccessibilityTraits::selected;
    isSelected_ = selected;
}

void NSUIAccessibilityElement::setAccessibilityFrame(const kit::Rect& frameInContainer) {
    auto view = containerView();
    if (!view) return;
    // The window sits at the screen's origin, so window coordinates are screen coordinates.
    frame_ = view->convertRectTo(frameInContainer, nullptr);
}

} // namespace charting
