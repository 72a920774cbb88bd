#include "LayoutCheck.h"

#include "kit/graphics/Text.h"
#include "kit/ui/Button.h"
#include "kit/ui/Control.h"
#include "kit/ui/Label.h"
#include "kit/ui/SegmentedControl.h"
#include "kit/ui/Slider.h"
#include "kit/ui/Switch.h"
#include "kit/ui/TextField.h"
#include "kit/ui/TextView.h"
#include "kit/ui/View.h"

#include <cxxabi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace layoutcheck {

namespace {

// Less than this (points) is rounding, not a fault a user sees.
constexpr double kTolerance = 1.0;

std::string typeName(const kit::View& view) {
    int status = 0;
    const char* mangled = typeid(view).name();
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    std::string s = status == 0 && name ? name.get() : mangled;
    if (s.rfind("kit::", 0) == 0) s = s.substr(5);
    return s;
}

const std::string* shownText(const kit::View& view) {
    if (auto* label = dynamic_cast<const kit::Label*>(&view)) return &label->text();
    if (auto* button = dynamic_cast<const kit::Button*>(&view)) return &button->titleLabel()->text();
    if (auto* field = dynamic_cast<const kit::TextField*>(&view)) return &field->text();
    return nullptr;
}

std::string nameOf(const kit::View& view) {
    std::string name = typeName(view);
    if (const auto* text = shownText(view); text && !text->empty()) {
        std::string t = *text;
        for (char& c : t)
            if (c == '\n') c = '|';
        name += " \"" + t + "\"";
    } else if (!view.accessibilityIdentifier().empty()) {
        name += " #" + view.accessibilityIdentifier();
    } else if (view.tag() != 0) {
        name += " tag " + std::to_string(view.tag());
    }
    return name;
}

std::string rectText(const kit::Rect& r) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "(%.1f, %.1f, %.1f x %.1f)", r.minX(), r.minY(), r.size.width, r.size.height);
    return buffer;
}

bool within(const kit::Rect& inner, const kit::Rect& outer) {
    return inner.minX() >= outer.minX() - kTolerance && inner.maxX() <= outer.maxX() + kTolerance &&
           inner.minY() >= outer.minY() - kTolerance && inner.maxY() <= outer.maxY() + kTolerance;
}

// Whether a rectangle and a ring's band share more than rounding: some point of the rectangle lies
// between the two circles.
bool bandMeets(const Ring& ring, const kit::Rect& r) {
    const double nearX = std::clamp(ring.centre.x, r.minX(), r.maxX()), nearY = std::clamp(ring.centre.y, r.minY(), r.maxY());
    const double nearest = std::hypot(nearX - ring.centre.x, nearY - ring.centre.y);
    const double farX = std::max(std::abs(r.minX() - ring.centre.x), std::abs(r.maxX() - ring.centre.x));
    const double farY = std::max(std::abs(r.minY() - ring.centre.y), std::abs(r.maxY() - ring.centre.y));
    const double farthest = std::hypot(farX, farY);
    const bool thick = r.size.width > kTolerance && r.size.height > kTolerance;
    return thick && nearest < ring.outer - kTolerance && farthest > ring.inner + kTolerance;
}

// Two bands meet unless they are apart or one lies wholly in the other's hole.
bool bandsMeet(const Ring& a, const Ring& b) {
    const double d = std::hypot(a.centre.x - b.centre.x, a.centre.y - b.centre.y);
    if (d >= a.outer + b.outer - kTolerance) return false;
    return d + b.outer > a.inner + kTolerance && d + a.outer > b.inner + kTolerance;
}

bool isVisible(const kit::View& view) { return !view.isHidden() && view.alpha() > 0.01; }

bool isKitControl(const kit::View& view) {
    return dynamic_cast<const kit::Button*>(&view) || dynamic_cast<const kit::Slider*>(&view) ||
           dynamic_cast<const kit::Switch*>(&view) || dynamic_cast<const kit::TextField*>(&view) ||
           dynamic_cast<const kit::SegmentedControl*>(&view);
}

// Whether a label's text, as it would be drawn, fits its bounds: one line no wider than the label
// (after any shrinking), several lines no taller than it and within the line limit.
bool labelTextFits(const kit::Label& label) {
    if (label.text().empty()) return true;
    const kit::Rect b = label.bounds();
    kit::AttributedString text = label.effectiveText();
    const double fitted = label.fittedFontSize();
    if (fitted != label.font().pointSize()) text.setFont(label.font().withSize(fitted), 0, text.length());
    if (label.numberOfLines() == 1) {
        const kit::Size s = kit::measureText(text, {});
        return s.width <= b.width() + kTolerance && s.height <= b.height() + kTolerance;
    }
    kit::ParagraphStyle wrapping = text.paragraphStyle();
    wrapping.lineBreakMode = kit::LineBreakMode::wordWrap;
    text.setParagraphStyle(wrapping);
    const kit::Size all = kit::measureText(text, {.maxWidth = b.width(), .maxHeight = 0, .maxLines = 0});
    if (all.height > b.height() + kTolerance || all.width > b.width() + kTolerance) return false;
    if (label.numberOfLines() > 1) {
        const kit::Size limited = kit::measureText(text, {.maxWidth = b.width(), .maxHeight = 0, .maxLines = label.numberOfLines()});
        if (limited.height + kTolerance < all.height) return false;
    }
    return true;
}

const kit::Label* textOf(const kit::View& view) {
    if (auto* label = dynamic_cast<const kit::Label*>(&view)) return label;
    if (auto* button = dynamic_cast<const kit::Button*>(&view)) {
        const auto& title = button->titleLabel();
        return title && isVisible(*title) ? title.get() : nullptr;
    }
    return nullptr;
}

} // namespace

Match inside(const std::shared_ptr<kit::View>& container) {
    std::weak_ptr<kit::View> weak = container;
    return [weak](const kit::View& v) {
        auto c = weak.lock();
        if (!c) return false;
        for (const kit::View* p = &v; p; p = p->superview().get())
            if (p == c.get()) return true;
        return false;
    };
}

Match showing(std::string text) {
    return [text = std::move(text)](const kit::View& v) {
        const auto* shown = shownText(v);
        return shown && *shown == text;
    };
}

Match anything() {
    return [](const kit::View&) { return true; };
}

std::string Finding::describe() const {
    switch (kind) {
    case Kind::overlap: return "overlap: " + first + " " + rectText(firstFrame) + " and " + second + " " + rectText(secondFrame);
    case Kind::offScreen: return "off screen: " + first + " " + rectText(firstFrame);
    case Kind::outsideSafeArea: return "outside the safe area: " + first + " " + rectText(firstFrame);
    case Kind::clippedText: return "text clipped by its frame: " + first + " " + rectText(firstFrame);
    }
    return {};
}

std::string describe(const std::vector<Finding>& findings) {
    std::ostringstream out;
    for (const auto& f : findings) out << "  " << f.describe() << "\n";
    return out.str();
}

struct LayoutCheck::Element {
    const kit::View* view;
    kit::Rect frame;   // in window coordinates
    kit::Rect visible; // the part that no clipping ancestor cuts away
    std::optional<Ring> ring;  // a drawn band, in window coordinates: only it is occupied
    std::string name() const { return nameOf(*view) + (ring ? " ring" : ""); }
};

LayoutCheck::LayoutCheck(const kit::View& root, kit::EdgeInsets safeArea) : root_(root), safeArea_(safeArea) {}

LayoutCheck& LayoutCheck::countAsControl(Match match) {
    extraControls_.push_back(std::move(match));
    return *this;
}

LayoutCheck& LayoutCheck::countAsRing(RingOf ring) {
    rings_.push_back(std::move(ring));
    return *this;
}

LayoutCheck& LayoutCheck::allowOverlap(Match a, Match b, const std::string& reason) {
    (void)reason;
    allowedOverlaps_.push_back({std::move(a), std::move(b)});
    return *this;
}

LayoutCheck& LayoutCheck::allowOutsideSafeArea(Match match, const std::string& reason) {
    (void)reason;
    allowedOutsideSafeArea_.push_back(std::move(match));
    return *this;
}

bool LayoutCheck::isElement(const kit::View& view) const {
    if (auto* label = dynamic_cast<const kit::Label*>(&view)) return !label->text().empty();
    if (auto* text = dynamic_cast<const kit::TextView*>(&view)) return !text->text().empty();
    if (isKitControl(view)) return true;
    for (const auto& m : extraControls_)
        if (m(view)) return true;
    // A control of the app's own that draws itself counts; one that holds controls is a container.
    if (dynamic_cast<const kit::Control*>(&view)) return !holdsElements(view);
    return false;
}

bool LayoutCheck::holdsElements(const kit::View& view) const {
    for (const auto& sub : view.subviews())
        if (isVisible(*sub) && (isElement(*sub) || holdsElements(*sub))) return true;
    return false;
}

void LayoutCheck::collect(const kit::View& view, const kit::Rect& clip, std::vector<Element>& out) const {
    if (!isVisible(view)) return;
    const kit::Rect frame = view.convertRectTo(view.bounds(), nullptr).standardized();
    const kit::Rect visible = frame.intersection(clip);
    for (const auto& ringOf : rings_)
        if (auto ring = ringOf(view)) {
            ring->centre = view.convertPointTo(ring->centre, nullptr);
            const kit::Rect box{ring->centre.x - ring->outer, ring->centre.y - ring->outer, 2 * ring->outer, 2 * ring->outer};
            out.push_back({&view, box, box.intersection(clip), ring});
        }
    if (isElement(view)) {
        if (visible.size.width > kTolerance && visible.size.height > kTolerance) out.push_back({&view, frame, visible, std::nullopt});
        return; // a control's parts belong to it
    }
    const kit::Rect inner = view.clipsToBounds() ? visible : clip;
    for (const auto& sub : view.subviews()) collect(*sub, inner, out);
}

bool LayoutCheck::overlapAllowed(const kit::View& x, const kit::View& y) const {
    for (const auto& pair : allowedOverlaps_)
        if ((pair.a(x) && pair.b(y)) || (pair.a(y) && pair.b(x))) return true;
    return false;
}

std::vector<Finding> LayoutCheck::run() const {
    const kit::Rect screen = root_.convertRectTo(root_.bounds(), nullptr).standardized();
    const kit::Rect safe = screen.inset(safeArea_);
    std::vector<Element> elements;
    // Generous clip: what leaves the screen must still be seen by the check.
    collect(root_, screen.insetBy(-screen.size.width * 4, -screen.size.height * 4), elements);

    std::vector<Finding> findings;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& e = elements[i];
        if (!within(e.visible, screen)) {
            findings.push_back({Finding::Kind::offScreen, e.name(), e.visible, {}, {}});
        } else if (!within(e.visible, safe)) {
            bool allowed = false;
            for (const auto& m : allowedOutsideSafeArea_) allowed = allowed || m(*e.view);
            if (!allowed) findings.push_back({Finding::Kind::outsideSafeArea, e.name(), e.visible, {}, {}});
        }
        if (const auto* label = textOf(*e.view); label && !labelTextFits(*label))
            findings.push_back({Finding::Kind::clippedText, e.name(), e.frame, {}, {}});
        for (std::size_t j = i + 1; j < elements.size(); ++j) {
            const Element& o = elements[j];
            const kit::Rect shared = e.visible.intersection(o.visible);
            if (shared.size.width <= kTolerance || shared.size.height <= kTolerance) continue;
            if (e.ring && o.ring ? !bandsMeet(*e.ring, *o.ring)
                : e.ring         ? !bandMeets(*e.ring, shared)
                : o.ring         ? !bandMeets(*o.ring, shared)
                                 : false)
                continue;
            if (overlapAllowed(*e.view, *o.view)) continue;
            findings.push_back({Finding::Kind::overlap, e.name(), e.visible, o.name(), o.visible});
        }
    }
    return findings;
}

} // namespace layoutcheck
