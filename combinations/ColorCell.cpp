#include "combinations/ColorCell.h"

#include "app/storage/SaveHelpers.h"
#include "app/ui/Ext.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "kit/base/Make.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/Label.h"
#include "kit/ui/Layer.h"
#include "kit/ui/LongPressGesture.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/ViewController.h"

#include <algorithm>
#include <string>

namespace combinations {

void ColorCell::setupViews() {
    bgView = kit::make<kit::View>();
    colorHexLabel = kit::make<kit::Label>();
    colorHexLabel->setFont(app::Fonts::lightFont18());
    colorHexLabel->setTextColor(kit::Color::whiteColor());
    colorHexLabel->setTextAlignment(kit::TextAlignment::center);
    for (auto& v : {bgView, std::static_pointer_cast<kit::View>(colorHexLabel)}) {
        addSubview(v);
        app::addConstraintsWithFormat("H:|[v0]|", {v});
        app::addConstraintsWithFormat("V:|[v0]|", {v});
    }
    makeRecognizers();
}

void ColorCell::layoutSubviews() {
    BaseCVCell::layoutSubviews();
    if (shadowLayer) fitShadowLayer(*shadowLayer, bounds().size);
}

bool ColorCell::hasShadow() const {
    return shadowLayer && shadowLayer->superlayer() == layer();
}

void ColorCell::makeRecognizers() {
    // Made once per cell and attached as each configure asks, so that a reused tile acts once.
    std::weak_ptr<ColorCell> weak = std::static_pointer_cast<ColorCell>(shared_from_this());
    longPressGestureView = kit::make<kit::LongPressGesture>([weak](kit::GestureRecognizer& g) {
        // One save per press: the press also reports its end.
        if (g.state() != kit::GestureRecognizer::State::began) return;
        if (auto cell = weak.lock()) cell->saveToSingle();
    });
    longPressGestureView->setMinimumPressDuration(0.7);
    rightSwipeGesture = kit::make<kit::SwipeGesture>([weak](kit::GestureRecognizer&) {
        if (auto cell = weak.lock()) cell->openInDcw();
    });
    rightSwipeGesture->setDirection(kit::SwipeDirection::right);
    oneFingerTapGesture = kit::make<kit::TapGesture>([weak](kit::GestureRecognizer&) {
        if (auto cell = weak.lock()) cell->saveToBuffer();
    });
    for (kit::GestureRecognizer* g : {static_cast<kit::GestureRecognizer*>(longPressGestureView.get()),
                                      static_cast<kit::GestureRecognizer*>(rightSwipeGesture.get()),
                                      static_cast<kit::GestureRecognizer*>(oneFingerTapGesture.get())})
        g->setDelaysTouchesBegan(true);
}

void ColorCell::removeRecognizers() {
    removeGestureRecognizer(longPressGestureView.get());
    removeGestureRecognizer(rightSwipeGesture.get());
    removeGestureRecognizer(oneFingerTapGesture.get());
}

void ColorCell::installRecognizers(bool withOpenInWheel) {
    addGestureRecognizer(longPressGestureView);
    if (withOpenInWheel) addGestureRecognizer(rightSwipeGesture);
    addGestureRecognizer(oneFingerTapGesture);
}

void ColorCell::configure(const std::optional<kit::Color>& tileColor, bool withActions,
                          const std::optional<colour::ColorWithName>& colorWithName, int index, bool isHtmlName,
                          bool withoutShadow, bool withNumber, bool withoutOpenInWheel) {
    if (!shadowLayer)
        shadowLayer = app::makeShadowLayer(*this);
    else
        shadowLayer->removeFromSuperlayer();
    fitShadowLayer(*shadowLayer, bounds().size);

    if (tileColor) {
        removeRecognizers();
        bgView->setBackgroundColor(*tileColor);
        std::string caption = colour::colorCodeString(*tileColor);
        if (withNumber) caption += " (" + std::to_string(index + 1) + ")";
        colorHexLabel->setText(caption);
        colorHexLabel->setTextColor(captionColor(*tileColor));
        if (withActions) {
            color = *tileColor;
            installRecognizers(!withoutOpenInWheel);
        }
        if (index != 0 && !withoutShadow) layer()->addSublayer(shadowLayer);
        return;
    }
    if (!colorWithName) return;
    removeRecognizers();
    const auto background = colour::colorFromHex(colorWithName->hex.value_or(""));
    bgView->setBackgroundColor(background);
    const std::string name = colorWithName->name.value_or("");
    colorHexLabel->setText(kit::text::uppercased(isHtmlName ? colour::spacedName(name) : name));
    colorHexLabel->setTextColor(captionColor(background));
    if (withActions) {
        color = background;
        installRecognizers(false);
    }
    if (index != 0) layer()->addSublayer(shadowLayer);
}

void ColorCell::saveToBuffer() {
    const auto background = bgView->backgroundColor();
    app::copyColorToClipboard(background ? std::optional<std::string>(colour::hexString(*background)) : std::nullopt);
}

void ColorCell::saveToSingle() { app::saveSingleColor(color); }

void ColorCell::openInDcw() {
    if (!swipeRight_.take()) return;
    if (!color) return;
    auto screen = controllerWithNavigation(*this);
    // The buffer is written even when there is nowhere to push, as the swipe always does.
    openInDigitalWheel(color, screen ? screen->navigationController().get() : nullptr);
}

} // namespace combinations
