#include "app/menus/AboutVC.h"

#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"
#include "kit/ui/View.h"

namespace app {

void AboutVC::viewDidLoad() {
    auto root = view();
    root->setBackgroundColor(colour::screenBackgroundColor());

    auto logo = kit::make<kit::ImageView>(kit::Assets::imageNamed("about-logo"));
    logo->setContentMode(kit::ContentMode::scaleAspectFit);
    root->addSubview(logo);
    anchorWithCenter(*logo, root->safeAreaLayoutGuide().topAnchor(), std::nullopt, std::nullopt, std::nullopt,
                     root->centerXAnchor(), std::nullopt, 70, 0, 0, 0, 120, 120);

    auto name = makeCenteredLabel("Tinctura", kit::Font::system(30, kit::FontWeight::semibold), kit::Color::whiteColor());
    root->addSubview(name);
    anchorWithCenter(*name, logo->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(),
                     std::nullopt, 18, 0, 0, 0, 300, 38);

    auto tagline = makeCenteredLabel("A color-theory toolbox for painters and designers",
                             kit::Font::system(16, kit::FontWeight::light), kit::Color::rgba(1, 1, 1, 0.7));
    root->addSubview(tagline);
    anchorWithCenter(*tagline, name->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(),
                     std::nullopt, 4, 0, 0, 0, 300, 0);

    auto body = makeCenteredLabel("Find, combine, mix, name and judge colors, and carry them from the screen to the canvas: "
                          "color wheels and harmonies, swatch catalogues, a camera color picker, a mixing "
                          "calculator, value and contrast checks, light tints and an AR stencil for tracing.",
                          kit::Font::system(16), kit::Color::rgba(1, 1, 1, 0.85));
    root->addSubview(body);
    anchorWithCenter(*body, tagline->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt, root->centerXAnchor(),
                     std::nullopt, 28, 0, 0, 0, 310, 0);

    auto footer = makeCenteredLabel("Your combinations stay on this device, or in your own private cloud database when "
                            "cloud storage is on.",
                            kit::Font::system(13), kit::Color::rgba(1, 1, 1, 0.5));
    root->addSubview(footer);
    anchorWithCenter(*footer, std::nullopt, std::nullopt, root->safeAreaLayoutGuide().bottomAnchor(), std::nullopt,
                     root->centerXAnchor(), std::nullopt, 0, 0, 20, 0, 300, 0);

    closeButton_ = addBackButton(*root, "close-btn");
    std::weak_ptr<AboutVC> weak = std::static_pointer_cast<AboutVC>(shared_from_this());
    closeButton_->addTarget(this, "backBtnTapped:", kit::ControlEvent::touchUpInside, [weak](kit::Control& sender) {
        if (auto self = weak.lock()) self->backBtnTapped(static_cast<kit::Button&>(sender));
    });
}

void AboutVC::backBtnTapped(kit::Button&) {
    tapHaptic();
    dismissViewController(true);
}

} // namespace app
