#pragma once
// A view whose content is larger than itself: the bounds origin is the content offset, moved by a
// pan and carried on by deceleration (on the clock, so tests can step it). Insets grow by the safe
// area the view overlaps, so the last rows of a list can scroll out from under the home indicator.
#include "kit/ui/View.h"

#include <functional>
#include <memory>

namespace kit {

class PanGesture;
class Timer;

// The keys that move a long list the way a desktop user expects.
enum class ScrollKey { pageUp, pageDown, home, end };
// The arrow keys, for what has the keyboard focus.
enum class ArrowKey { left, right, up, down };

class ScrollView : public View {
public:
    ScrollView();
    explicit ScrollView(const Rect& frame);
    void initialize();

    Size contentSize() const { return contentSize_; }
    void setContentSize(Size size);
    Point contentOffset() const { return bounds().origin; }
    void setContentOffset(Point offset, bool animated = false);
    EdgeInsets contentInset() const { return contentInset_; }
    void setContentInset(const EdgeInsets& inset);
    // contentInset plus the part of the window's safe area this view covers.
    EdgeInsets adjustedContentInset() const;
    // The offsets the content may rest at.
    Point minimumContentOffset() const;
    Point maximumContentOffset() const;

    bool isScrollEnabled() const { return scrollEnabled_; }
    void setScrollEnabled(bool enabled) { scrollEnabled_ = enabled; }
    bool alwaysBounceVertical() const { return alwaysBounceVertical_; }
    void setAlwaysBounceVertical(bool bounce) { alwaysBounceVertical_ = bounce; }
    bool alwaysBounceHorizontal() const { return alwaysBounceHorizontal_; }
    void setAlwaysBounceHorizontal(bool bounce) { alwaysBounceHorizontal_ = bounce; }
    bool showsVerticalScrollIndicator() const { return showsVerticalIndicator_; }
    void setShowsVerticalScrollIndicator(bool shows) { showsVerticalIndicator_ = shows; }
    bool showsHorizontalScrollIndicator() const { return showsHorizontalIndicator_; }
    void setShowsHorizontalScrollIndicator(bool shows) { showsHorizontalIndicator_ = shows; }
    bool isDragging() const { return dragging_; }
    bool isDecelerating() const { return decelerationTimer_ != nullptr; }
    const std::shared_ptr<PanGesture>& panGestureRecognizer() const { return pan_; }

    // Called after every change of the offset.
    std::function<void(ScrollView&)> didScroll;

    // The pan does not begin for a movement mostly along an axis the view cannot scroll on, so
    // a sideways swipe on a row of a vertical list reaches the row.
    bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer) override;
    // Wheel steps move the content a line; smooth touchpad deltas move it by their points. Taken
    // only along an axis this view can scroll, so a wheel over a sideways strip moves the page.
    bool scrollWheel(const WheelEvent& event) override;
    // How far one wheel step moves the content, in points.
    static constexpr double wheelLineHeight = 40;
    // Page Up / Page Down move the content by what shows, less one wheel line kept in sight;
    // Home and End go to its ends. Along the axis the view can scroll (vertical first); false
    // when it can scroll along neither.
    bool scrollByKey(ScrollKey key);
    // Whether the content is longer (or wider) than what shows.
    bool canScroll() const;
    // Moves the content the least that brings `rect` (in the bounds' coordinates, so in the
    // content's) into what shows, as far as the content allows.
    void scrollRectToVisible(const Rect& rect);

protected:
    // Subclasses lay out their content for the new offset.
    virtual void contentOffsetChanged() {}

private:
    void handlePan();
    void startDeceleration(Point velocity);
    void stopDeceleration();
    bool scrollsVertically() const;
    bool scrollsHorizontally() const;
    Point clamped(Point p) const;
    Point rubberBanded(Point p) const;

    Size contentSize_;
    EdgeInsets contentInset_;
    bool scrollEnabled_ = true;
    bool alwaysBounceVertical_ = false;
    bool alwaysBounceHorizontal_ = false;
    bool showsVerticalIndicator_ = true;
    bool showsHorizontalIndicator_ = true;
    bool dragging_ = false;
    Point panStartOffset_;
    std::shared_ptr<PanGesture> pan_;
    std::shared_ptr<Timer> decelerationTimer_;
    Point velocity_;
    double lastStep_ = 0;
};

} // namespace kit
