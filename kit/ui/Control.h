#pragma once
// A view that turns touches into events and sends them to registered actions (target-action).
// Actions run synchronously in registration order; registering the same (target, action, event)
// twice has no effect.
#include "kit/ui/View.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kit {

enum class ControlEvent : std::uint32_t {
    none = 0,
    touchDown = 1u << 0,
    touchDownRepeat = 1u << 1,
    touchDragInside = 1u << 2,
    touchDragOutside = 1u << 3,
    touchDragEnter = 1u << 4,
    touchDragExit = 1u << 5,
    touchUpInside = 1u << 6,
    touchUpOutside = 1u << 7,
    touchCancel = 1u << 8,
    valueChanged = 1u << 12,
    primaryActionTriggered = 1u << 13,
    editingDidBegin = 1u << 16,
    editingChanged = 1u << 17,
    editingDidEnd = 1u << 18,
    editingDidEndOnExit = 1u << 19,
    allTouchEvents = 0x0FFFu,
    allEditingEvents = 0x000F0000u,
    allEvents = 0xFFFFFFFFu,
};
constexpr ControlEvent operator|(ControlEvent a, ControlEvent b) {
    return static_cast<ControlEvent>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr ControlEvent operator&(ControlEvent a, ControlEvent b) {
    return static_cast<ControlEvent>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b));
}
constexpr bool any(ControlEvent e) { return e != ControlEvent::none; }

enum class ControlState : std::uint32_t { normal = 0, highlighted = 1, disabled = 2, selected = 4 };

enum class ContentVerticalAlignment { center, top, bottom, fill };
enum class ContentHorizontalAlignment { center, left, right, fill };

class Control : public View {
public:
    using View::View;
    using Action = std::function<void(Control& sender)>;
    using PlainAction = std::function<void()>;

    // target identifies the registrant (usually the screen); actionId names the action, so that
    // (target, actionId, event) triples can be told apart and removed.
    void addTarget(const void* target, const std::string& actionId, ControlEvent events, Action action);
    void addTarget(const void* target, const std::string& actionId, ControlEvent events, PlainAction action);
    // A null target or an empty action id matches every target or action.
    void removeTarget(const void* target, const std::string& actionId, ControlEvent events);
    std::size_t numberOfActions(ControlEvent events) const;

    // Runs the actions registered for any of the events, in registration order.
    void sendActions(ControlEvent events);

    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected);
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted);
    ControlState state() const;
    bool isTracking() const { return tracking_; }
    bool isTouchInside() const { return touchInside_; }

    ContentVerticalAlignment contentVerticalAlignment() const { return verticalAlignment_; }
    void setContentVerticalAlignment(ContentVerticalAlignment a) { verticalAlignment_ = a; setNeedsLayout(); }
    ContentHorizontalAlignment contentHorizontalAlignment() const { return horizontalAlignment_; }
    void setContentHorizontalAlignment(ContentHorizontalAlignment a) { horizontalAlignment_ = a; setNeedsLayout(); }

    // The keyboard, while the control has the focus ring. Return or Space presses it as a tap
    // would; an arrow key steps it by one (+1 up or right, -1 down or left). False when the
    // control does nothing with the key.
    virtual bool activateFromKeyboard();
    virtual bool stepFromKeyboard(int direction);
    // What the arrow keys step for a control with no value of its own, such as a "+" or "-"
    // button of a stepper (both of a pair step the same value).
    void setKeyboardStep(std::function<void(int direction)> step) { keyboardStep_ = std::move(step); }

    // Tracking hooks, called from the base touch handlers.
    virtual bool beginTracking(const Touch& touch, const Event& event);
    virtual bool continueTracking(const Touch& touch, const Event& event);
    virtual void endTracking(const Touch* touch, const Event* event);
    virtual void cancelTracking(const Event* event);

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void touchesCancelled(const TouchSet& touches, const Event& event) override;

protected:
    // A touch still counts as inside this far outside the bounds, so a finger may wander a little.
    static constexpr double kTouchSlop = 70;
    bool touchIsInside(const Touch& touch) const;
    // Button, switch and slider claim taps and swipes that begin on them while enabled.
    bool claimsTapsAndSwipes(const GestureRecognizer& recognizer) const;

private:
    struct Registration {
        const void* target;
        std::string actionId;
        ControlEvent events;
        Action action;
    };
    std::vector<Registration> registrations_;
    std::function<void(int direction)> keyboardStep_;
    bool enabled_ = true;
    bool selected_ = false;
    bool highlighted_ = false;
    bool tracking_ = false;
    bool touchInside_ = false;
    // Set while the base handlers follow a touch, which they do only if it began here.
    bool following_ = false;
    ContentVerticalAlignment verticalAlignment_ = ContentVerticalAlignment::center;
    ContentHorizontalAlignment horizontalAlignment_ = ContentHorizontalAlignment::center;
};

} // namespace kit
