#include "kit/ui/Window.h"

#include "kit/ui/Application.h"
#include "kit/ui/Device.h"
#include "kit/ui/ViewController.h"

namespace kit {

Window::Window() = default;
Window::Window(const Rect& frame) : View(frame) {}

void Window::initialize() {
    setWindowRoot(true);
    setSafeAreaInsets(Device::current().safeAreaInsets());
}

void Window::setRootViewController(std::shared_ptr<ViewController> controller) {
    if (controller == root_) return;
    auto old = root_;
    if (old && visible_) old->beginAppearanceTransition(false, false);
    if (old && old->isViewLoaded()) old->view()->removeFromSuperview();
    if (old && visible_) old->endAppearanceTransition();
    root_ = std::move(controller);
    if (!root_) return;
    auto rootView = root_->view();
    rootView->setFrame(bounds());
    if (visible_) root_->beginAppearanceTransition(true, false);
    insertSubview(rootView, 0);
    layoutIfNeeded();
    if (visible_) root_->endAppearanceTransition();
}

void Window::makeKeyAndVisible() {
    auto self = std::static_pointer_cast<Window>(shared_from_this());
    Application::shared().makeKeyWindow(self);
    if (visible_) return;
    visible_ = true;
    if (root_) {
        root_->beginAppearanceTransition(true, false);
        layoutIfNeeded();
        root_->endAppearanceTransition();
    }
}

bool Window::isKeyWindow() const { return Application::shared().isKeyWindow(this); }

void Window::resize(Size size) {
    Rect f = frame();
    const EdgeInsets insets = Device::current().safeAreaInsets();
    if (f.size == size && safeAreaInsets() == insets) return;
    f.size = size;
    setFrame(f);
    setSafeAreaInsets(insets);
    if (root_) root_->transitionToSize(size);
    setNeedsLayout();
    layoutIfNeeded();
}

void Window::layoutSubviews() {
    View::layoutSubviews();
    // The root screen and presented screens cover the window.
    for (const auto& child : subviews()) {
        if (root_ && root_->isViewLoaded() && child == root_->view()) child->setFrame(bounds());
    }
}

} // namespace kit
