#include "kit/host/KeyCommands.h"

#include "kit/host/Headless.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/FocusNavigator.h"
#include "kit/ui/ImagePicker.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/ScrollView.h"
#include "kit/ui/View.h"

namespace kit::host {
namespace {

bool pickerKey(ImagePicker& picker, Key key) {
    if (key == Key::enter) {
        if (!picker.cropView()) return false;
        picker.confirmCrop();
    } else if (key == Key::escape) {
        if (picker.cropView()) picker.leaveCrop();
        else picker.cancel();
    } else {
        return false;
    }
    return true;
}

// Back one step: pop the innermost stack that can, else close the modal screen it sits on.
bool goBack(const std::shared_ptr<ViewController>& top) {
    for (auto vc = top; vc; vc = vc->parentViewController()) {
        if (auto nav = std::dynamic_pointer_cast<NavigationController>(vc); nav && nav->viewControllers().size() > 1) {
            nav->popViewController(true);
            return true;
        }
        if (vc->presentingViewController()) {
            vc->dismissViewController(true);
            return true;
        }
    }
    return false;
}

bool shows(const View& view) { return !view.isHidden() && view.alpha() > 0; }

// The frontmost, innermost shown view with an Escape action: later subviews lie in front.
View* openThing(View& view) {
    if (!shows(view)) return nullptr;
    const auto& children = view.subviews();
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (View* found = openThing(**child)) return found;
    return view.escapeAction() ? &view : nullptr;
}

bool closeOpenThing(ViewController& top) {
    if (!top.isViewLoaded()) return false;
    const View* open = openThing(*top.view());
    if (!open) return false;
    auto action = open->escapeAction();  // the action may drop the view that holds it
    action();
    return true;
}

// The keys of the focus ring act in what lies open on the screen, else in the whole screen.
std::optional<bool> focusKey(ViewController& top, Key key) {
    if (!top.isViewLoaded()) return std::nullopt;
    View* open = openThing(*top.view());
    View& scope = open ? *open : *top.view();
    switch (key) {
    case Key::tab: return FocusNavigator::moveFocus(scope, false);
    case Key::backTab: return FocusNavigator::moveFocus(scope, true);
    // Return with no ring goes on to the alert or the picker.
    case Key::enter: return FocusNavigator::activate(scope) ? std::optional(true) : std::nullopt;
    case Key::space: return FocusNavigator::activate(scope);
    case Key::left: return FocusNavigator::arrow(scope, ArrowKey::left);
    case Key::right: return FocusNavigator::arrow(scope, ArrowKey::right);
    case Key::up: return FocusNavigator::arrow(scope, ArrowKey::up);
    case Key::down: return FocusNavigator::arrow(scope, ArrowKey::down);
    default: return std::nullopt;
    }
}

ScrollView* largestScrollable(View& view, ScrollView* best) {
    if (!shows(view)) return best;
    if (auto* scroll = dynamic_cast<ScrollView*>(&view); scroll && scroll->canScroll()) {
        const double area = scroll->bounds().width() * scroll->bounds().height();
        if (!best || area > best->bounds().width() * best->bounds().height()) best = scroll;
    }
    for (const auto& child : view.subviews()) best = largestScrollable(*child, best);
    return best;
}

ScrollKey scrollKeyOf(Key key) {
    switch (key) {
    case Key::pageUp: return ScrollKey::pageUp;
    case Key::pageDown: return ScrollKey::pageDown;
    case Key::home: return ScrollKey::home;
    default: return ScrollKey::end;
    }
}

// The list under the pointer (or the one holding what is under it), else the screen's largest.
bool scrollByKey(ViewController& top, Key key, std::optional<Point> pointer) {
    if (!top.isViewLoaded()) return false;
    const auto& screen = top.view();
    const ScrollKey scrollKey = scrollKeyOf(key);
    if (pointer) {
        auto window = screen->window();
        auto hit = window ? window->hitTest(*pointer, nullptr) : nullptr;
        for (auto v = hit; v && v->isDescendantOf(screen.get()); v = v->superview())
            if (auto* scroll = dynamic_cast<ScrollView*>(v.get()); scroll && scroll->scrollByKey(scrollKey)) return true;
    }
    auto* largest = largestScrollable(*screen, nullptr);
    return largest && largest->scrollByKey(scrollKey);
}

} // namespace

bool pressKey(const std::shared_ptr<ViewController>& root, Key key, std::optional<Point> pointer) {
    auto top = topViewControllerOf(root);
    if (!top) return false;
    if (key == Key::pageUp || key == Key::pageDown || key == Key::home || key == Key::end)
        return scrollByKey(*top, key, pointer);
    if (key == Key::escape && closeOpenThing(*top)) return true;
    if (auto handled = focusKey(*top, key)) return *handled;
    if (auto alert = std::dynamic_pointer_cast<AlertController>(top)) {
        switch (key) {
        case Key::escape: return alert->cancelFromKeyboard();
        case Key::enter: return alert->confirmFromKeyboard();
        default: return false;
        }
    }
    for (auto vc = top; vc; vc = vc->parentViewController())
        if (auto picker = std::dynamic_pointer_cast<ImagePicker>(vc)) return pickerKey(*picker, key);
    return key == Key::escape && goBack(top);
}

} // namespace kit::host
