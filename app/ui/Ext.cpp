#include "app/ui/Ext.h"

#include "kit/base/Make.h"
#include "kit/layout/VisualFormat.h"
#include "kit/ui/Button.h"
#include "kit/ui/Label.h"
#include "kit/ui/Device.h"
#include "kit/ui/Layer.h"
#include "kit/ui/View.h"

#include <map>

namespace app {

using kit::layout::ConstraintList;

namespace {

void activateSize(kit::View& view, double width, double height, ConstraintList& out) {
    if (width != 0) out.push_back(view.widthAnchor().equalToConstant(width));
    if (height != 0) out.push_back(view.heightAnchor().equalToConstant(height));
}

} // namespace

ConstraintList anchor(kit::View& view, OptionalAnchor top, OptionalAnchor left, OptionalAnchor bottom,
                      OptionalAnchor right, double paddingTop, double paddingLeft, double paddingBottom,
                      double paddingRight, double width, double height) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    ConstraintList list;
    if (top) list.push_back(view.topAnchor().equalTo(*top, paddingTop));
    if (left) list.push_back(view.leftAnchor().equalTo(*left, paddingLeft));
    if (bottom) list.push_back(view.bottomAnchor().equalTo(*bottom, paddingBottom));
    if (right) list.push_back(view.rightAnchor().equalTo(*right, -paddingRight));
    activateSize(view, width, height, list);
    kit::layout::Constraint::activate(list);
    return list;
}

ConstraintList anchorWithCenter(kit::View& view, OptionalAnchor top, OptionalAnchor left, OptionalAnchor bottom,
                                OptionalAnchor right, OptionalAnchor centerX, OptionalAnchor centerY,
                                double paddingTop, double paddingLeft, double paddingBottom, double paddingRight,
                                double width, double height) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    ConstraintList list;
    if (top) list.push_back(view.topAnchor().equalTo(*top, paddingTop));
    if (left) list.push_back(view.leftAnchor().equalTo(*left, paddingLeft));
    if (bottom) list.push_back(view.bottomAnchor().equalTo(*bottom, -paddingBottom));
    if (right) list.push_back(view.rightAnchor().equalTo(*right, -paddingRight));
    if (centerX) list.push_back(view.centerXAnchor().equalTo(*centerX));
    if (centerY) list.push_back(view.centerYAnchor().equalTo(*centerY));
    activateSize(view, width, height, list);
    kit::layout::Constraint::activate(list);
    return list;
}

ConstraintList addConstraintsWithFormat(const std::string& format, const std::vector<std::shared_ptr<kit::View>>& views) {
    std::map<std::string, kit::layout::LayoutItem*> named;
    for (std::size_t i = 0; i < views.size(); ++i) {
        views[i]->setTranslatesAutoresizingMaskIntoConstraints(false);
        named[std::string("v").append(std::to_string(i))] = views[i].get();
    }
    auto list = kit::constraintsWithVisualFormat(format, named);
    kit::layout::Constraint::activate(list);
    return list;
}

void placeTopRight(kit::View& root, const std::shared_ptr<kit::Button>& button, kit::View& back) {
    button->removeFromSuperview();
    root.addSubview(button);
    anchorWithCenter(*button, std::nullopt, std::nullopt, std::nullopt, root.rightAnchor(), std::nullopt,
                     back.centerYAnchor(), 0, 0, 0, 0, 45, 40);
}

void stackButtons(kit::View& root, kit::View& column, kit::View& top, const std::vector<std::shared_ptr<kit::Button>>& buttons,
                  double gap) {
    kit::View* above = &top;
    for (const auto& button : buttons) {
        button->removeFromSuperview();
        root.addSubview(button);
        anchorWithCenter(*button, above->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt, column.centerXAnchor(),
                         std::nullopt, gap, 0, 0, 0, 45, 40);
        above = button.get();
    }
}

void setScale(kit::View& view, double factor) { view.setTransform(kit::AffineTransform::scale(factor, factor)); }

void resetTransform(kit::View& view) { view.setTransform(kit::AffineTransform::identity()); }

kit::Image snapshotImage(const kit::View& view) { return view.snapshot(kit::Screen::scale()); }

std::shared_ptr<kit::Layer> makeShadowLayer(kit::View& view) {
    view.setClipsToBounds(true);
    auto layer = kit::make<kit::Layer>();
    double w = view.frame().width(), h = view.frame().height();
    layer->setBackgroundColor(kit::Color::gray(1.0 / 3.0));
    layer->setBounds({0, 0, w, h});
    layer->setPosition({w / 2, 0.25 - h / 2});
    layer->setShadowColor(kit::Color::blackColor());
    layer->setShadowOffset({0.5, 0.5});
    layer->setShadowOpacity(0.6);
    layer->setShadowRadius(6);
    return layer;
}

void addShadowLayer(kit::View& view) {
    view.layoutIfNeeded();
    auto& layer = view.layer();
    // The view's own subviews keep their layers; only extra sublayers go.
    std::vector<std::shared_ptr<kit::Layer>> extra;
    for (const auto& sub : layer->sublayers()) {
        bool ofSubview = false;
        for (const auto& v : view.subviews()) ofSubview = ofSubview || v->layer() == sub;
        if (!ofSubview) extra.push_back(sub);
    }
    for (auto& sub : extra) sub->removeFromSuperlayer();
    layer->addSublayer(makeShadowLayer(view));
}

const kit::Font& Fonts::regularFont20() {
    static const kit::Font font = kit::Font::system(20, kit::FontWeight::regular);
    return font;
}

const kit::Font& Fonts::lightFont18() {
    static const kit::Font font = kit::Font::system(18, kit::FontWeight::light);
    return font;
}

const kit::Font& Fonts::regularFont17() {
    static const kit::Font font = kit::Font::system(17, kit::FontWeight::regular);
    return font;
}

kit::AttributedString makeAttributedTitle(const std::string& text) {
    return kit::AttributedString(text + " ", {Fonts::regularFont20(), kit::Color::whiteColor(), std::nullopt});
}

std::shared_ptr<kit::Label> makeCenteredLabel(const std::string& text, const kit::Font& font, const kit::Color& color) {
    auto label = kit::make<kit::Label>();
    label->setText(text);
    label->setFont(font);
    label->setTextColor(color);
    label->setTextAlignment(kit::TextAlignment::center);
    label->setNumberOfLines(0);
    return label;
}

std::shared_ptr<kit::Button> makeHelpButton(const kit::Color& color) {
    auto button = kit::make<kit::Button>();
    button->setAttributedTitle(kit::AttributedString("?", {kit::Font::boldSystem(21), color, std::nullopt}));
    return button;
}

} // namespace app
