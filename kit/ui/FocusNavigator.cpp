#include "kit/ui/FocusNavigator.h"

#include "kit/ui/CellScrollView.h"
#include "kit/ui/Control.h"
#include "kit/ui/FocusRing.h"
#include "kit/ui/Responder.h"
#include "kit/ui/View.h"

#include <algorithm>

namespace kit {
namespace {

FocusRing& ring() {
    static FocusRing ring;
    return ring;
}

bool shows(const View& view) { return !view.isHidden() && view.alpha() > 0 && view.isUserInteractionEnabled(); }

bool takesFocus(View& view) {
    if (auto* control = dynamic_cast<Control*>(&view)) return control->isEnabled();
    return dynamic_cast<CellScrollView*>(&view) != nullptr;
}

// A view off the window counts only where a scroll view between it and the scope can bring it in.
bool reachable(const View& view, const View& scope, const Rect& inWindow) {
    auto window = scope.window();
    if (!window) return false;
    if (inWindow.intersects(window->bounds())) return true;
    for (auto v = view.superview(); v && v.get() != &scope; v = v->superview())
        if (auto* scroll = dynamic_cast<ScrollView*>(v.get()); scroll && scroll->canScroll()) return true;
    return false;
}

struct Stop {
    std::shared_ptr<View> view;
    Rect frame;  // in window coordinates
};

void collect(const std::shared_ptr<View>& view, const View& scope, std::vector<Stop>& stops) {
    if (view.get() != &scope && !shows(*view)) return;
    if (takesFocus(*view)) {
        const Rect frame = view->convertRectTo(view->bounds(), nullptr);
        if (reachable(*view, scope, frame)) stops.push_back({view, frame});
        if (dynamic_cast<Control*>(view.get())) return;  // a control's parts are the control
    }
    for (const auto& child : view->subviews()) collect(child, scope, stops);
}

// Rows from the top, each from the left: a stop joins the row while its top lies above the middle
// of the row's first stop.
void sortInReadingOrder(std::vector<Stop>& stops) {
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.frame.minY() < b.frame.minY(); });
    for (auto row = stops.begin(); row != stops.end();) {
        const double rowMiddle = row->frame.midY();
        auto end = std::find_if(row, stops.end(), [rowMiddle](const Stop& s) { return s.frame.minY() >= rowMiddle; });
        if (end == row) ++end;
        std::stable_sort(row, end, [](const Stop& a, const Stop& b) { return a.frame.minX() < b.frame.minX(); });
        row = end;
    }
}

// The controls of the scope's own sequence take the places reading order gave them, in its order.
void followSequence(std::vector<Stop>& stops, const View& scope) {
    std::vector<std::size_t> places;
    std::vector<Stop> listed;
    for (const auto& weak : scope.focusSequence()) {
        const auto view = weak.lock();
        const auto at = std::ranges::find_if(stops, [&](const Stop& s) { return s.view == view; });
        const bool twice = std::ranges::any_of(listed, [&](const Stop& s) { return s.view == view; });
        if (!view || at == stops.end() || twice) continue;
        places.push_back(std::size_t(at - stops.begin()));
        listed.push_back(*at);
    }
    std::ranges::sort(places);
    for (std::size_t k = 0; k < places.size(); ++k) stops[places[k]] = std::move(listed[k]);
}

void bringIntoView(View& view, const View& scope) {
    for (auto v = view.superview(); v && v.get() != &scope; v = v->superview())
        if (auto* scroll = dynamic_cast<ScrollView*>(v.get()))
            scroll->scrollRectToVisible(view.convertRectTo(view.bounds(), scroll));
}

void leave(const std::shared_ptr<View>& view) {
    if (!view) return;
    if (auto* list = dynamic_cast<CellScrollView*>(view.get())) list->setShowsSelectionRing(false);
    if (view->isFirstResponder()) view->resignFirstResponder();
}

void focusOn(const std::shared_ptr<View>& view, View& scope, const std::shared_ptr<View>& previous) {
    if (previous != view) leave(previous);
    ring().show(view);
    bringIntoView(*view, scope);
    if (auto* list = dynamic_cast<CellScrollView*>(view.get())) list->setShowsSelectionRing(true);
    if (dynamic_cast<KeyInput*>(view.get())) view->becomeFirstResponder();
}

} // namespace

std::vector<std::shared_ptr<View>> FocusNavigator::focusOrder(View& scope) {
    std::vector<Stop> stops;
    collect(scope.shared_from_this(), scope, stops);
    sortInReadingOrder(stops);
    followSequence(stops, scope);
    std::vector<std::shared_ptr<View>> order;
    for (auto& stop : stops) order.push_back(std::move(stop.view));
    return order;
}

std::shared_ptr<View> FocusNavigator::focused(View& scope) {
    // A field the user clicked into keeps the keys from the ring left elsewhere.
    if (auto typing = std::dynamic_pointer_cast<View>(Responder::currentFirstResponder());
        typing && typing->isDescendantOf(&scope))
        return typing;
    auto view = ring().view();
    return view && view->isDescendantOf(&scope) && view->window() ? view : nullptr;
}

bool FocusNavigator::moveFocus(View& scope, bool backwards) {
    const auto order = focusOrder(scope);
    if (order.empty()) return false;
    const auto current = focused(scope);
    auto at = std::find(order.begin(), order.end(), current);
    std::shared_ptr<View> next;
    if (at == order.end()) {
        const auto first = scope.firstFocus();
        next = first && std::ranges::find(order, first) != order.end() ? first : backwards ? order.back() : order.front();
    } else if (backwards) {
        next = at == order.begin() ? order.back() : *(at - 1);
    } else {
        next = at + 1 == order.end() ? order.front() : *(at + 1);
    }
    focusOn(next, scope, current);
    return true;
}

std::shared_ptr<View> FocusNavigator::ringHolder() {
    auto view = ring().view();
    return view && view->window() ? view : nullptr;
}

void FocusNavigator::returnFocus(const std::shared_ptr<View>& view) {
    if (!view || !view->window()) return;
    for (const View* v = view.get(); v; v = v->superview().get())
        if (!shows(*v)) return;
    focusOn(view, *view->window(), ring().view());
}

bool FocusNavigator::activate(View& scope) {
    const auto view = focused(scope);
    if (!view || dynamic_cast<KeyInput*>(view.get())) return false;
    if (auto* list = dynamic_cast<CellScrollView*>(view.get())) return list->activateSelection();
    auto* control = dynamic_cast<Control*>(view.get());
    return control && control->activateFromKeyboard();
}

bool FocusNavigator::arrow(View& scope, ArrowKey key) {
    const auto view = focused(scope);
    if (!view || dynamic_cast<KeyInput*>(view.get())) return false;
    if (auto* list = dynamic_cast<CellScrollView*>(view.get())) return list->moveSelectionByKey(key);
    auto* control = dynamic_cast<Control*>(view.get());
    const int direction = key == ArrowKey::right || key == ArrowKey::up ? 1 : -1;
    return control && control->stepFromKeyboard(direction);
}

} // namespace kit
