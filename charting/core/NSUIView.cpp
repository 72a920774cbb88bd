#include "charting/core/NSUIView.h"

namespace charting {

void NSUIView::touchesBegan(const kit::TouchSet& touches, const kit::Event& event) { nsuiTouchesBegan(touches, event); }
void NSUIView::touchesMoved(const kit::TouchSet& touches, const kit::Event& event) { nsuiTouchesMoved(touches, event); }
void NSUIView::touchesEnded(const kit::TouchSet& touches, const kit::Event& event) { nsuiTouchesEnded(touches, event); }
void NSUIView::touchesCancelled(const kit::TouchSet& touches, const kit::Event& event) {
    nsuiTouchesCancelled(touches, event);
}

void NSUIView::nsuiTouchesBegan(const kit::TouchSet& touches, const kit::Event& event) {
    kit::View::touchesBegan(touches, event);
}
void NSUIView::nsuiTouchesMoved(const kit::TouchSet& touches, const kit::Event& event) {
    kit::View::touchesMoved(touches, event);
}
void NSUIView::nsuiTouchesEnded(const kit::TouchSet& touches, const kit::Event& event) {
    kit::View::touchesEnded(touches, event);
}
void NSUIView::nsuiTouchesCancelled(const kit::TouchSet& touches, const kit::Event& event) {
    kit::View::touchesCancelled(touches, event);
}

std::shared_ptr<NSUIAccessibilityElement> NSUIView::accessibilityElement(std::size_t index) const {
    const AccessibilityElements children = accessibilityChildren();
    return index < children.size() ? children[index] : nullptr;
}

std::optional<std::size_t> NSUIView::indexOfAccessibilityElement(const NSUIAccessibilityElement* element) const {
    if (!element) return std::nullopt;
    const AccessibilityElements children = accessibilityChildren();
    for (std::size_t i = 0; i < children.size(); ++i)
        if (children[i].get() == element) return i;
    return std::nullopt;
}

} // namespace charting
