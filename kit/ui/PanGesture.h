#pragma once
// A dragging finger (or fingers). Begins once the touches moved past the threshold; the action
// runs on began, on every change, and on the end.
#include "kit/ui/GestureRecognizer.h"

#include <climits>
#include <deque>

namespace kit {

class PanGesture : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;
    static constexpr double kThreshold = 10; // points before the pan begins

    int minimumNumberOfTouches() const { return minTouches_; }
    void setMinimumNumberOfTouches(int n) { minTouches_ = n < 1 ? 1 : n; }
    int maximumNumberOfTouches() const { return maxTouches_; }
    void setMaximumNumberOfTouches(int n) { maxTouches_ = n < 1 ? 1 : n; }

    // Movement since touch-down (or since the last setTranslation), as a vector in the view's space.
    Point translationIn(const View* view) const;
    Point translationIn(const std::shared_ptr<View>& view) const { return translationIn(view.get()); }
    void setTranslation(Point translation, const View* view);
    void setTranslation(Point translation, const std::shared_ptr<View>& view) { setTranslation(translation, view.get()); }
    // Points per second over the last tenth of a second.
    Point velocityIn(const View* view) const;
    Point velocityIn(const std::shared_ptr<View>& view) const { return velocityIn(view.get()); }

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void reset() override;

private:
    void reanchor(Point before);
    struct Sample {
        double time;
        Point location;
    };
    int minTouches_ = 1;
    int maxTouches_ = INT_MAX;
    Point start_;
    Point offset_;
    Point current_;
    std::deque<Sample> samples_;
};

// Window-space vectors to and from a view's space (the linear part of the view's transform).
Point vectorToView(Point windowVector, const View* view);
Point vectorFromView(Point viewVector, const View* view);

} // namespace kit
