#pragma once
// An accessibility element for a value a renderer draws. It sees its container view weakly, so
// the elements a renderer keeps never keep the chart view alive; its frame is stored in screen
// coordinates and written in the container's.
#include "kit/base/Geometry.h"

#include <memory>
#include <string>

namespace kit {
class Responder;
class View;
} // namespace kit

namespace charting {

enum class AccessibilityTraits : unsigned {
    none = 0,
    header = 1u << 0,
    selected = 1u << 1,
};

class NSUIAccessibilityElement {
public:
    // Any responder may contain elements; only a view gives the frame its coordinates.
    explicit NSUIAccessibilityElement(const std::shared_ptr<kit::Responder>& accessibilityContainer);
    NSUIAccessibilityElement() = delete;
    virtual ~NSUIAccessibilityElement() = default;

    std::shared_ptr<kit::Responder> accessibilityContainer() const { return container_.lock(); }
    std::shared_ptr<kit::View> containerView() const { return containerView_.lock(); }

    const std::string& accessibilityLabel() const { return label_; }
    void setAccessibilityLabel(std::string label) { label_ = std::move(label); }
    AccessibilityTraits accessibilityTraits() const { return traits_; }
    void setAccessibilityTraits(AccessibilityTraits traits) { traits_ = traits; }

    bool isHeader() const { return isHeader_; }
    // Setting it true also makes the header trait the element's traits.
    void setIsHeader(bool header);
    bool isSelected() const { return isSelected_; }
    // Setting it true also makes the selected trait the element's traits.
    void setIsSelected(bool selected);

    // In screen coordinates.
    const kit::Rect& accessibilityFrame() const { return frame_; }
    // Taken in the container view's coordinates; ignored once the container view is gone.
    void setAccessibilityFrame(const kit::Rect& frameInContainer);

private:
    std::weak_ptr<kit::Responder> container_;
    std::weak_ptr<kit::View> containerView_;
    std::string label_;
    AccessibilityTraits traits_ = AccessibilityTraits::none;
    kit::Rect frame_;
    bool isHeader_ = false;
    bool isSelected_ = false;
};

} // namespace charting
