#pragma once
// The ring that shows where the keyboard acts: a border drawn over the view's own (on top of its
// content, following its corners), the view's own border put back when the ring moves on.
#include "kit/base/Color.h"

#include <memory>

namespace kit {

class View;

class FocusRing {
public:
    static constexpr double width = 3;
    // White over dark screens and deep colours, near-black over light ones: whichever stands out
    // more from what the ring covers.
    static Color lightColor() { return Color::whiteColor(); }
    static Color darkColor() { return Color::rgba(0.05, 0.05, 0.12); }

    FocusRing() = default;
    ~FocusRing() { clear(); }
    FocusRing(const FocusRing&) = delete;
    FocusRing& operator=(const FocusRing&) = delete;

    // Moves the ring to `view` (none: takes it away).
    void show(const std::shared_ptr<View>& view);
    void clear();
    std::shared_ptr<View> view() const { return view_.lock(); }

private:
    std::weak_ptr<View> view_;
    Color color_;
    double savedWidth_ = 0;
    Color savedColor_;
};

} // namespace kit
