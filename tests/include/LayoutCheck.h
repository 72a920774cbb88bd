#pragma once
// Looks at a laid-out screen as a user would: visible text and controls that sit on each other,
// that leave the screen or its safe area, or whose text does not fit its own frame. Screen tests
// run it on what they show and list the overlaps they mean at the call site, each with its reason.
#include "kit/base/Geometry.h"
#include "kit/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace layoutcheck {

using Match = std::function<bool(const kit::View&)>;

// Views of a type (or a subclass of it).
template <class T>
Match ofType() {
    return [](const kit::View& v) { return dynamic_cast<const T*>(&v) != nullptr; };
}
// The view itself or anything inside it.
Match inside(const std::shared_ptr<kit::View>& container);
// Labels and buttons whose text (or title) is exactly this.
Match showing(std::string text);
// Any view.
Match anything();

// A band between two circles, such as a hue ring, in the coordinates of the view that draws it.
struct Ring {
    kit::Point centre;
    double inner = 0, outer = 0;
};
// The ring a view draws, if any.
using RingOf = std::function<std::optional<Ring>(const kit::View&)>;

struct Finding {
    enum class Kind { overlap, offScreen, outsideSafeArea, clippedText };
    Kind kind;
    std::string first;   // the view, by type, identifier or text
    kit::Rect firstFrame; // in window coordinates
    std::string second;  // the other view of an overlap
    kit::Rect secondFrame;
    std::string describe() const;
};

class LayoutCheck {
public:
    // The window root that holds the screen; the safe area in its coordinates.
    LayoutCheck(const kit::View& root, kit::EdgeInsets safeArea);

    // Views besides text, the kit's controls and self-drawn controls that count as controls (a
    // wheel's handle).
    LayoutCheck& countAsControl(Match match);
    // Views that draw a ring that nothing may cover (a hue wheel's band): the band itself is
    // occupied, not the box around it. The view's subviews are still looked at on their own.
    LayoutCheck& countAsRing(RingOf ring);
    // A pair meant to overlap: one side matches `a` and the other `b`; the reason is for the reader.
    LayoutCheck& allowOverlap(Match a, Match b, const std::string& reason);
    // Views allowed to leave the safe area (still not the screen), such as a picture's own controls
    // that the safe area would push off the picture.
    LayoutCheck& allowOutsideSafeArea(Match match, const std::string& reason);

    std::vector<Finding> run() const;

private:
    struct Element;
    struct Pair {
        Match a, b;
    };
    void collect(const kit::View& view, const kit::Rect& clip, std::vector<Element>& out) const;
    bool isElement(const kit::View& view) const;
    bool holdsElements(const kit::View& view) const;
    bool overlapAllowed(const kit::View& x, const kit::View& y) const;

    const kit::View& root_;
    kit::EdgeInsets safeArea_;
    std::vector<Match> extraControls_;
    std::vector<RingOf> rings_;
    std::vector<Pair> allowedOverlaps_;
    std::vector<Match> allowedOutsideSafeArea_;
};

// All findings, one per line, for a test's failure message.
std::string describe(const std::vector<Finding>& findings);

} // namespace layoutcheck
