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
    // Amber: it stands out on the dark screens and on the saturated colours of swatches and tiles.
    static Color color() { return Color::rgba(1.0, 0.72, 0.0); }

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
    double savedWidth_ = 0;
    Color savedColor_;
};

} // namespace kit
