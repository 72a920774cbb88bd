#pragma once
// The chart component's own view base: touches reach overridable nsui handlers, and the view is an
// accessibility container (never an element itself) for the elements its renderers make.
#include "charting/core/NSUIAccessibilityElement.h"
#include "kit/ui/View.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace charting {

class NSUIView : public kit::View {
public:
    NSUIView() = default;
    explicit NSUIView(const kit::Rect& frame) : kit::View(frame) {}

    // The platform's handlers hand touches on to the nsui forms, which subclasses override.
    void touchesBegan(const kit::TouchSet& touches, const kit::Event& event) override;
    void touchesMoved(const kit::TouchSet& touches, const kit::Event& event) override;
    void touchesEnded(const kit::TouchSet& touches, const kit::Event& event) override;
    void touchesCancelled(const kit::TouchSet& touches, const kit::Event& event) override;

    // The base forms pass the touches along the responder chain.
    virtual void nsuiTouchesBegan(const kit::TouchSet& touches, const kit::Event& event);
    virtual void nsuiTouchesMoved(const kit::TouchSet& touches, const kit::Event& event);
    virtual void nsuiTouchesEnded(const kit::TouchSet& touches, const kit::Event& event);
    virtual void nsuiTouchesCancelled(const kit::TouchSet& touches, const kit::Event& event);

    const std::shared_ptr<kit::Layer>& nsuiLayer() const { return layer(); }

    using AccessibilityElements = std::vector<std::shared_ptr<NSUIAccessibilityElement>>;
    // None in the base; the chart view answers its renderers' elements.
    virtual AccessibilityElements accessibilityChildren() const { return {}; }
    // A container, not an element: always false, and setting it changes nothing.
    bool isAccessibilityElement() const { return false; }
    void setIsAccessibilityElement(bool) {}
    std::size_t accessibilityElementCount() const { return accessibilityChildren().size(); }
    // Null outside the children.
    std::shared_ptr<NSUIAccessibilityElement> accessibilityElement(std::size_t index) const;
    // The first position of that very element among the children; nothing when it is not there.
    std::optional<std::size_t> indexOfAccessibilityElement(const NSUIAccessibilityElement* element) const;
};

} // namespace charting
