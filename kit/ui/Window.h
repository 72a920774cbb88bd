#pragma once
// The top of a view tree on a screen: holds the root screen, shows it when made visible and
// carries whatever is laid over the whole app (presented screens, toasts).
#include "kit/ui/View.h"

#include <memory>

namespace kit {

class ViewController;

class Window : public View {
public:
    Window();
    explicit Window(const Rect& frame);
    void initialize();

    const std::shared_ptr<ViewController>& rootViewController() const { return root_; }
    void setRootViewController(std::shared_ptr<ViewController> controller);

    // Registers with the application as its key window and shows the root screen (it appears).
    void makeKeyAndVisible();
    bool isKeyWindow() const;
    bool isVisible() const { return visible_; }

    // A new size (window resize, rotation): screens hear of it, then lay out.
    void resize(Size size);
    void layoutSubviews() override;

private:
    std::shared_ptr<ViewController> root_;
    bool visible_ = false;
};

} // namespace kit
