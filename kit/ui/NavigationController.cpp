#include "kit/ui/NavigationController.h"

#include "kit/base/Make.h"
#include "kit/ui/View.h"
#include "kit/ui/Device.h"

namespace kit {
namespace {

class ContainerView final : public View {
public:
    // The shown screen always fills the container.
    void layoutSubviews() override {
        for (const auto& child : subviews()) child->setFrame(bounds());
    }
};

} // namespace

NavigationController::NavigationController(std::shared_ptr<ViewController> root) : pendingRoot_(std::move(root)) {}

void NavigationController::initialize() {
    if (pendingRoot_) {
        auto root = std::move(pendingRoot_);
        root->setParent(shared_from_this());
        stack_.push_back(root);
    }
}

void NavigationController::loadView() {
    auto container = kit::make<ContainerView>();
    container->setFrame(Device::current().windowFrame());
    setView(container);
    if (auto top = topViewController()) install(top);
}

std::shared_ptr<ViewController> NavigationController::topViewController() const {
    return stack_.empty() ? nullptr : stack_.back();
}

std::vector<std::shared_ptr<ViewController>> NavigationController::visibleChildren() const {
    if (auto top = topViewController()) return {top};
    return {};
}

StatusBarStyle NavigationController::preferredStatusBarStyle() const {
    auto top = topViewController();
    return top ? top->preferredStatusBarStyle() : StatusBarStyle::defaultStyle;
}

void NavigationController::install(const std::shared_ptr<ViewController>& controller) {
    if (!isViewLoaded()) return;
    auto container = view();
    auto child = controller->view();
    child->setFrame(container->bounds());
    container->addSubview(child);
    container->setNeedsLayout();
    container->layoutIfNeeded();
}

void NavigationController::replaceTop(const std::shared_ptr<ViewController>& from,
                                      const std::shared_ptr<ViewController>& to, bool animated) {
    bool visible = appearance() == Appearance::appeared || appearance() == Appearance::appearing;
    if (to) to->view();
    if (visible) {
        if (from) from->beginAppearanceTransition(false, animated);
        if (to) to->beginAppearanceTransition(true, animated);
    }
    if (from && from->isViewLoaded()) from->view()->removeFromSuperview();
    if (to) install(to);
    if (visible) {
        if (from) from->endAppearanceTransition();
        if (to) to->endAppearanceTransition();
    }
}

void NavigationController::pushViewController(const std::shared_ptr<ViewController>& controller, bool animated) {
    if (!controller || controller.get() == this) return;
    if (std::find(stack_.begin(), stack_.end(), controller) != stack_.end()) return;
    auto from = topViewController();
    controller->setParent(shared_from_this());
    stack_.push_back(controller);
    // The new screen loads before the old one is told it disappears.
    controller->view();
    replaceTop(from, controller, animated);
}

std::shared_ptr<ViewController> NavigationController::popViewController(bool animated) {
    if (stack_.size() < 2) return nullptr;
    auto from = stack_.back();
    stack_.pop_back();
    replaceTop(from, stack_.back(), animated);
    from->setParent(nullptr);
    return from;
}

std::vector<std::shared_ptr<ViewController>> NavigationController::popToRootViewController(bool animated) {
    std::vector<std::shared_ptr<ViewController>> popped;
    if (stack_.size() < 2) return popped;
    auto from = stack_.back();
    popped.assign(stack_.begin() + 1, stack_.end());
    stack_.resize(1);
    replaceTop(from, stack_.front(), animated);
    for (auto& c : popped) c->setParent(nullptr);
    return popped;
}

void NavigationController::setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers,
                                              bool animated) {
    auto from = topViewController();
    for (auto& c : stack_) c->setParent(nullptr);
    stack_ = std::move(controllers);
    for (auto& c : stack_) c->setParent(shared_from_this());
    auto to = topViewController();
    if (from != to) replaceTop(from, to, animated);
}

} // namespace kit
