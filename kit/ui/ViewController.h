#pragma once
// A screen: owns a lazily loaded root view and receives the appearance calls in the platform's
// order. Navigation controllers push and pop screens; any screen can present another modally.
#include "kit/base/Geometry.h"
#include "kit/ui/Responder.h"

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kit {

class View;
class NavigationController;
class Storyboard;
class StoryboardSegue;

enum class StatusBarStyle { defaultStyle, lightContent, darkContent };
// Full screen hides the presenter (it disappears); over full screen (alerts, sheets) leaves it visible.
enum class ModalPresentationStyle { fullScreen, overFullScreen };

// Handed to viewWillTransitionToSize: completions run after the new size has been laid out.
class TransitionCoordinator {
public:
    void animateAlongsideTransition(std::function<void()> animation, std::function<void()> completion = {});
    void runAnimations();
    void runCompletions();

private:
    std::vector<std::function<void()>> animations_;
    std::vector<std::function<void()>> completions_;
};

class ViewController : public Responder, public std::enable_shared_from_this<ViewController> {
public:
    ViewController() = default;
    ~ViewController() override;
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    // The root view, loaded (loadView, then viewDidLoad once) on first access.
    std::shared_ptr<View> view();
    bool isViewLoaded() const { return view_ != nullptr; }
    void loadViewIfNeeded() { view(); }

    // Overridable steps.
    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool /*animated*/) {}
    virtual void viewDidAppear(bool /*animated*/) {}
    virtual void viewWillDisappear(bool /*animated*/) {}
    virtual void viewDidDisappear(bool /*animated*/) {}
    virtual void viewWillLayoutSubviews() {}
    virtual void viewDidLayoutSubviews() {}
    virtual void viewWillTransitionToSize(Size size, TransitionCoordinator& coordinator);
    virtual StatusBarStyle preferredStatusBarStyle() const { return StatusBarStyle::defaultStyle; }
    // Called before a segue's destination is shown; `sender` is what triggered it.
    virtual void prepareForSegue(StoryboardSegue& /*segue*/, const std::any& /*sender*/) {}

    // The navigation controller this screen sits in (directly or through its parents), if any.
    std::shared_ptr<NavigationController> navigationController() const;
    std::shared_ptr<ViewController> parentViewController() const { return parent_.lock(); }
    std::shared_ptr<Storyboard> storyboard() const { return storyboard_.lock(); }
    // The scene identifier this screen was made from ("" when made in code).
    const std::string& storyboardIdentifier() const { return storyboardIdentifier_; }
    void setStoryboard(const std::shared_ptr<Storyboard>& storyboard, std::string identifier);

    // Modal presentation. One at a time: presenting while this screen's presentation context
    // already shows one is refused with a console line. The completion runs once shown.
    void presentViewController(const std::shared_ptr<ViewController>& controller, bool animated,
                               std::function<void()> completion = {});
    // Dismisses what this screen presents, or this screen itself when it is presented.
    void dismissViewController(bool animated, std::function<void()> completion = {});
    std::shared_ptr<ViewController> presentedViewController() const;
    std::shared_ptr<ViewController> presentingViewController() const { return presenting_.lock(); }
    ModalPresentationStyle modalPresentationStyle() const { return modalPresentationStyle_; }
    void setModalPresentationStyle(ModalPresentationStyle style) { modalPresentationStyle_ = style; }

    // Looks the segue up in this screen's storyboard, makes the destination, lets prepareForSegue
    // see it, then pushes (or presents) it. An unknown segue is a console line and does nothing.
    void performSegue(const std::string& identifier, const std::any& sender);

    // Appearance, as containers drive it. Calls are ignored when they would repeat a state.
    enum class Appearance { disappeared, appearing, appeared, disappearing };
    Appearance appearance() const { return appearance_; }
    void beginAppearanceTransition(bool appearing, bool animated);
    void endAppearanceTransition();

    // Containers call these around layout of the root view.
    void layoutRootView();
    // Tells this screen, then its visible children, of a new size; completions after layout.
    virtual void transitionToSize(Size size);

    // Containment.
    void setParent(const std::shared_ptr<ViewController>& parent) { parent_ = parent; }
    // The visible child screens a container forwards appearance and size changes to.
    virtual std::vector<std::shared_ptr<ViewController>> visibleChildren() const { return {}; }

    // Touches not handled by the root view reach the screen, then the root view's superview.
    std::shared_ptr<Responder> nextResponder() const override;

protected:
    void setView(std::shared_ptr<View> view);

private:
    std::shared_ptr<ViewController> presentationContext();
    void attachPresented(const std::shared_ptr<ViewController>& controller);

    std::shared_ptr<View> view_;
    std::weak_ptr<ViewController> parent_;
    std::weak_ptr<Storyboard> storyboard_;
    std::string storyboardIdentifier_;
    std::shared_ptr<ViewController> presented_;
    std::weak_ptr<ViewController> presenting_;
    ModalPresentationStyle modalPresentationStyle_ = ModalPresentationStyle::fullScreen;
    Appearance appearance_ = Appearance::disappeared;
    bool loading_ = false;
};

} // namespace kit
