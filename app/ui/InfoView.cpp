#include "app/ui/InfoView.h"

#include "app/ui/Haptic.h"
#include "app/ui/Ext.h"
#include "app/ui/Strings.h"
#include "colour/ThemeColors.h"
#include "kit/base/Make.h"
#include "kit/ui/Device.h"
#include "kit/ui/Label.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/View.h"

#include <algorithm>
#include <cctype>

namespace app {
namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

InfoView::InfoView(std::shared_ptr<kit::View> view, std::shared_ptr<kit::View> topView, std::optional<std::string> text,
                   std::optional<kit::AttributedString> attributedText, bool fromSwatch, double topPadding)
    : view_(view), topView_(topView), text_(std::move(text)), attributedText_(std::move(attributedText)),
      fromSwatch_(fromSwatch), topPadding_(topPadding) {}

void InfoView::initialize() {
    tap_ = kit::make<kit::TapGesture>();
    infoView_ = kit::make<kit::View>();
    infoView_->setBackgroundColor(colour::panelBackgroundColor());
    infoView_->layer()->setCornerRadius(20);

    infoLbl_ = kit::make<kit::Label>();
    infoLbl_->setFont(kit::Font::system(17, kit::FontWeight::semibold));
    infoLbl_->setTextColor(kit::Color::whiteColor());
    infoLbl_->setNumberOfLines(0);
    infoLbl_->setLineBreakMode(kit::LineBreakMode::charWrap);
    infoLbl_->setTextAlignment(kit::TextAlignment::natural);

    infoCloseLbl_ = kit::make<kit::Label>();
    infoCloseLbl_->setFont(kit::Font::system(21, kit::FontWeight::bold));
    infoCloseLbl_->setTextColor(kit::Color::whiteColor());
    infoCloseLbl_->setTextAlignment(kit::TextAlignment::center);
    infoCloseLbl_->setText(upper(Strings::text("Close")));
}

void InfoView::toggleInfo() {
    // The delegate may drop its panel when told of the close; the panel outlives its own call.
    const auto keepAlive = weak_from_this().lock();
    if (isInfoShown_) {
        closeInfo();
        isInfoShown_ = false;
        return;
    }
    showInfo();
    auto view = view_.lock();
    std::weak_ptr<InfoView> weak = weak_from_this();
    tap_ = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto self = weak.lock()) self->closeInfo();
    });
    if (view) view->addGestureRecognizer(tap_);
    infoView_->setEscapeAction([weak] {
        if (auto self = weak.lock()) self->closeInfo();
    });
    isInfoShown_ = true;
}

void InfoView::showInfo() {
    auto view = view_.lock();
    auto topView = topView_.lock();
    if (!view || !topView) return;

    if (!attributedText_) {
        kit::ParagraphStyle style;
        style.hyphenationFactor = 1.0;
        kit::AttributedString body(text_.value_or(""), {infoLbl_->font(), kit::Color::whiteColor(), std::nullopt});
        body.setParagraphStyle(style);
        infoLbl_->setAttributedText(body);
    } else {
        infoLbl_->setAttributedText(*attributedText_);
    }

    const bool pad = kit::Device::userInterfaceIdiom() == kit::UserInterfaceIdiom::pad;
    infoView_->removeFromSuperview();
    view->addSubview(infoView_);
    anchorWithCenter(*infoView_, topView->bottomAnchor(), std::nullopt, std::nullopt, std::nullopt,
                     view->centerXAnchor(), std::nullopt, topPadding_, 0, 0, 0, pad ? 400 : 0, 420);
    // On a phone the panel keeps to the screen's width, also when the window is resized under it.
    if (!pad) infoView_->widthAnchor().equalToMultiplier(view->widthAnchor(), 0.95)->setActive(true);

    infoView_->addSubview(infoLbl_);
    anchor(*infoLbl_, infoView_->topAnchor(), infoView_->leftAnchor(), std::nullopt, infoView_->rightAnchor(), 8, 8, 0, 8);

    infoView_->addSubview(infoCloseLbl_);
    // Both the side insets and a width of 200 are asked for; on a wide panel the width gives way and
    // the caption stays centred near the bottom either way.
    anchor(*infoCloseLbl_, std::nullopt, infoView_->leftAnchor(), infoView_->bottomAnchor(), infoView_->rightAnchor(), 0,
           16, -10, 16, 0, 30);
    auto width200 = infoCloseLbl_->widthAnchor().equalToConstant(200);
    width200->setPriority(kit::layout::priority::high - 1);
    width200->setActive(true);
}

void InfoView::closeInfo() {
    const auto keepAlive = weak_from_this().lock();
    lightImpact();
    infoView_->removeFromSuperview();
    auto view = view_.lock();
    if (view) view->removeGestureRecognizer(tap_.get());
    if (fromSwatch_ && view) view->removeFromSuperview();
    if (auto d = infoViewDelegate.lock()) d->infoViewDidClose();
}

kit::AttributedString makeInfoAttributedText(const std::string& title, const std::string& body, bool leadingNewline) {
    kit::ParagraphStyle titleStyle;
    titleStyle.lineBreakMode = kit::LineBreakMode::charWrap;
    titleStyle.lineSpacing = 0;
    titleStyle.alignment = kit::TextAlignment::center;
    titleStyle.hyphenationFactor = 1.0;
    kit::AttributedString text((leadingNewline ? "\n" : "") + title,
                               {kit::Font::system(24, kit::FontWeight::bold), kit::Color::whiteColor(), titleStyle});
    kit::ParagraphStyle bodyStyle;
    bodyStyle.hyphenationFactor = 1.0;
    text.append("\n" + body, {kit::Font::system(17, kit::FontWeight::semibold), kit::Color::whiteColor(), bodyStyle});
    return text;
}

} // namespace app
