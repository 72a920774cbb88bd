#pragma once
// A stack of screens. Only the top screen's view is in the hierarchy; push and pop drive the
// appearance calls (push of B over A: B loads, A will-disappear, B will-appear, A did-disappear,
// B did-appear; the reverse on pop). The bar is never shown: screens draw their own back buttons.
#include "kit/ui/ViewController.h"

#include <vector>

namespace kit {

class NavigationController : public ViewController {
public:
    NavigationController() = default;
    explicit NavigationController(std::shared_ptr<ViewController> root);
    void initialize();

    const std::vector<std::shared_ptr<ViewController>>& viewControllers() const { return stack_; }
    std::shared_ptr<ViewController> topViewController() const;
    void setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers, bool animated);

    void pushViewController(const std::shared_ptr<ViewController>& controller, bool animated);
    // Pops the top screen and returns it; at the root nothing happens and none is returned.
    std::shared_ptr<ViewController> popViewController(bool animated);
    std::vector<std::shared_ptr<ViewController>> popToRootViewController(bool animated);

    void loadView() override;
    StatusBarStyle preferredStatusBarStyle() const override;
    std::vector<std::shared_ptr<ViewController>> visibleChildren() const override;

private:
    void replaceTop(const std::shared_ptr<ViewController>& from, const std::shared_ptr<ViewController>& to,
                    bool animated);
    void install(const std::shared_ptr<ViewController>& controller);

    std::vector<std::shared_ptr<ViewController>> stack_;
    std::shared_ptr<ViewController> pendingRoot_;
};

} // namespace kit
