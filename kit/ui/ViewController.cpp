#include "kit/ui/ViewController.h"

#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/ui/Device.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/View.h"

namespace kit {
namespace {

// The default root view tells its screen around each layout pass.
class RootView final : public View {
public:
    explicit RootView(std::weak_ptr<ViewController> owner) : owner_(std::move(owner)) {}
    void layoutSubviews() override {
        auto owner = owner_.lock();
        if (owner) owner->viewWillLayoutSubviews();
        View::layoutSubviews();
        if (owner) owner->viewDidLayoutSubviews();
    }

private:
    std::weak_ptr<ViewController> owner_;
};

} // namespace

void TransitionCoordinator::animateAlongsideTransition(std::function<void()> animation,
                                                       std::function<void()> completion) {
    if (animation) animations_.push_back(std::move(animation));
    if (completion) completions_.push_back(std::move(completion));
}

void TransitionCoordinator::runAnimations() {
    auto list = std::move(animations_);
    for (auto& a : list) a();
}

void TransitionCoordinator::runCompletions() {
    auto list = std::move(completions_);
    for (auto& c : list) c();
}

ViewController::~ViewController() = default;

std::shared_ptr<View> ViewController::view() {
    if (!view_ && !loading_) {
        loading_ = true;
        loadView();
        if (!view_) setView(kit::make<RootView>(weak_from_this()));
        loading_ = false;
        viewDidLoad();
    }
    return view_;
}

void ViewController::loadView() {
    auto root = kit::make<RootView>(weak_from_this());
    root->setFrame(Device::current().windowFrame());
    setView(root);
}

void ViewController::setView(std::shared_ptr<View> view) {
    if (view_) view_->setNextResponderOverride({});
    view_ = std::move(view);
    if (view_) view_->setNextResponderOverride(weak_from_this());
}

std::shared_ptr<Responder> ViewController::nextResponder() const {
    if (view_) {
        if (auto super = view_->superview()) return super;
    }
    return nullptr;
}

void ViewController::viewWillTransitionToSize(Size size, TransitionCoordinator& coordinator) {
    (void)size;
    (void)coordinator;
}

std::shared_ptr<NavigationController> ViewController::navigationController() const {
    for (auto p = parent_.lock(); p; p = p->parent_.lock()) {
        if (auto nav = std::dynamic_pointer_cast<NavigationController>(p)) return nav;
    }
    return nullptr;
}

void ViewController::setStoryboard(const std::shared_ptr<Storyboard>& storyboard, std::string identifier) {
    storyboard_ = storyboard;
    storyboardIdentifier_ = std::move(identifier);
}

void ViewController::beginAppearanceTransition(bool appearing, bool animated) {
    if (appearing) {
        if (appearance_ == Appearance::appeared || appearance_ == Appearance::appearing) return;
        view();
        appearance_ = Appearance::appearing;
        viewWillAppear(animated);
    } else {
        if (appearance_ == Appearance::disappeared || appearance_ == Appearance::disappearing) return;
        appearance_ = Appearance::disappearing;
        viewWillDisappear(animated);
    }
    for (const auto& child : visibleChildren()) child->beginAppearanceTransition(appearing, animated);
}

void ViewController::endAppearanceTransition() {
    bool animated = false;
    if (appearance_ == Appearance::appearing) {
        appearance_ = Appearance::appeared;
        viewDidAppear(animated);
    } else if (appearance_ == Appearance::disappearing) {
        appearance_ = Appearance::disappeared;
        viewDidDisappear(animated);
    } else {
        return;
    }
    for (const auto& child : visibleChildren()) child->endAppearanceTransition();
}

void ViewController::layoutRootView() {
    if (view_) view_->layoutIfNeeded();
}

void ViewController::transitionToSize(Size size) {
    TransitionCoordinator coordinator;
    viewWillTransitionToSize(size, coordinator);
    if (view_) {
        Rect frame = view_->frame();
        frame.size = size;
        view_->setFrame(frame);
    }
    coordinator.runAnimations();
    for (const auto& child : visibleChildren()) child->transitionToSize(size);
    if (presented_) presented_->transitionToSize(size);
    layoutRootView();
    coordinator.runCompletions();
}

std::shared_ptr<ViewController> ViewController::presentationContext() {
    // Presentations are made by the outermost container, as on the platform.
    auto context = shared_from_this();
    while (auto p = context->parent_.lock()) context = p;
    return context;
}

std::shared_ptr<ViewController> ViewController::presentedViewController() const {
    auto self = const_cast<ViewController*>(this)->presentationContext();
    return self->presented_;
}

void ViewController::presentViewController(const std::shared_ptr<ViewController>& controller, bool animated,
                                           std::function<void()> completion) {
    if (!controller) return;
    auto context = presentationContext();
    if (context->presented_) {
        kit::print("Attempt to present a screen while another presentation is in progress; ignored.");
        return;
    }
    if (controller->presenting_.lock() || controller->parent_.lock()) {
        kit::print("Attempt to present a screen that is already shown; ignored.");
        return;
    }
    context->presented_ = controller;
    controller->presenting_ = context;
    bool hidesPresenter = controller->modalPresentationStyle_ == ModalPresentationStyle::fullScreen;
    bool visible = context->appearance_ == Appearance::appeared || context->appearance_ == Appearance::appearing;

    controller->view();
    if (hidesPresenter && visible) context->beginAppearanceTransition(false, animated);
    if (visible) controller->beginAppearanceTransition(true, animated);
    context->attachPresented(controller);
    if (hidesPresenter && visible) context->endAppearanceTransition();
    if (visible) controller->endAppearanceTransition();
    if (completion) completion();
}

void ViewController::attachPresented(const std::shared_ptr<ViewController>& controller) {
    auto host = view_ ? view_->superview() : nullptr;
    if (!host) host = view_;
    if (!host) return;
    auto presentedView = controller->view();
    presentedView->setFrame(host == view_ ? host->bounds() : view_->frame());
    host->addSubview(presentedView);
    host->layoutIfNeeded();
}

void ViewController::dismissViewController(bool animated, std::function<void()> completion) {
    auto context = presentationContext();
    std::shared_ptr<ViewController> target;
    if (context->presented_) {
        // Dismissing from the presenter takes away what it presents (and anything above that).
        target = context;
    } else if (auto presenter = context->presenting_.lock()) {
        target = presenter;
    }
    if (!target || !target->presented_) {
        if (completion) completion();
        return;
    }
    auto presented = target->presented_;
    if (presented->presented_) presented->dismissViewController(false, {});

    bool hidesPresenter = presented->modalPresentationStyle_ == ModalPresentationStyle::fullScreen;
    bool visible = presented->appearance_ == Appearance::appeared || presented->appearance_ == Appearance::appearing;
    if (visible) presented->beginAppearanceTransition(false, animated);
    if (hidesPresenter && visible) target->beginAppearanceTransition(true, animated);
    if (presented->view_) presented->view_->removeFromSuperview();
    target->presented_.reset();
    presented->presenting_.reset();
    if (visible) presented->endAppearanceTransition();
    if (hidesPresenter && visible) target->endAppearanceTransition();
    if (completion) completion();
}

void ViewController::performSegue(const std::string& identifier, const std::any& sender) {
    auto board = storyboard();
    const Storyboard::SegueTarget* target = board ? board->segue(storyboardIdentifier_, identifier) : nullptr;
    if (!target) {
        kit::print("No segue with identifier '" + identifier + "'");
        return;
    }
    auto destination = board->instantiateViewController(target->destination);
    if (!destination) {
        kit::print("No scene with identifier '" + target->destination + "'");
        return;
    }
    StoryboardSegue segue(identifier, shared_from_this(), destination);
    prepareForSegue(segue, sender);
    if (target->kind == SegueKind::push) {
        if (auto nav = navigationController()) nav->pushViewController(destination, true);
        else presentViewController(destination, true);
    } else {
        presentViewController(destination, true);
    }
}

} // namespace kit
