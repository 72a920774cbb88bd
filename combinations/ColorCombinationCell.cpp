#include "combinations/ColorCombinationCell.h"

#include "app/AppDelegate.h"
#include "app/storage/StoreNotices.h"
#include "app/storage/DataModel.h"
#include "app/storage/SaveHelpers.h"
#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/Strings.h"
#include "colour/ColorCodeText.h"
#include "colour/HexText.h"
#include "combinations/CcImageVC.h"
#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/AlertController.h"
#include "kit/ui/Label.h"
#include "kit/ui/Layer.h"
#include "kit/ui/LongPressGesture.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/SwipeGesture.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/ViewController.h"
#include "tools/LightVC.h"
#include "tools/ToolOverlays.h"
#include "wheels/ScreenParts.h"
#include "wheels/digital/DcwEditCcVC.h"

namespace combinations {
namespace {

using Constraint = kit::layout::Constraint;

// A band that keeps its top-edge shadow at its own size: the card gets its frame after configure.
class BandView : public kit::View {
public:
    std::shared_ptr<kit::Layer> shadow;
    void layoutSubviews() override {
        if (shadow) fitShadowLayer(*shadow, bounds().size);
    }
};

std::optional<kit::Color> colorAt(const colour::ColorCombination& c, int k) {
    switch (k) {
    case 1: return c.color1;
    case 2: return c.color2;
    case 3: return c.color3;
    case 4: return c.color4;
    default: return std::nullopt;
    }
}

} // namespace

std::vector<double> bandHeights(int numberOfColors) {
    switch (numberOfColors) {
    case 2: return {190, 130};
    case 3: return {140, 90, 90};
    case 4: return {120, 80, 60, 60};
    default: return {};
    }
}

void ColorCombinationCell::setupViews() {
    bgView = kit::make<kit::View>();
    bgView->setBackgroundColor(kit::Color::whiteColor());
    bgView->layer()->setCornerRadius(20);
    bgView->setClipsToBounds(true);
    bgView->layer()->setBorderWidth(1);
    bgView->layer()->setBorderColor(kit::Color::blackColor());
    addSubview(bgView);
    app::anchor(*bgView, topAnchor(), leftAnchor(), bottomAnchor(), rightAnchor());

    moreView = kit::make<kit::View>();
    auto dot = kit::make<kit::View>();
    dot->setBackgroundColor(kit::Color::gray(1, 0.2));
    dot->layer()->setCornerRadius(3);
    moreView->addSubview(dot);
    app::anchorWithCenter(*dot, std::nullopt, std::nullopt, std::nullopt, std::nullopt, moreView->centerXAnchor(),
                          moreView->centerYAnchor(), 0, 0, 0, 0, 6, 6);

    std::weak_ptr<ColorCombinationCell> weak = std::static_pointer_cast<ColorCombinationCell>(shared_from_this());
    const auto act = [weak](auto f) {
        return [weak, f](kit::GestureRecognizer& g) {
            if (auto cell = weak.lock()) f(*cell, g);
        };
    };
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        longPressGestureView[i] = kit::make<kit::LongPressGesture>(act([k](ColorCombinationCell& c, kit::GestureRecognizer& g) {
            // One save per press: the press also reports its end.
            if (g.state() == kit::GestureRecognizer::State::began) c.saveToSingle(k);
        }));
        longPressGestureView[i]->setMinimumPressDuration(0.7);
        tapGestureView[i] = kit::make<kit::TapGesture>(act([k](ColorCombinationCell& c, kit::GestureRecognizer&) { c.saveToBuffer(k); }));
        rightSwipeGestureView[i] = kit::make<kit::SwipeGesture>(
            act([k](ColorCombinationCell& c, kit::GestureRecognizer&) { c.openInDcwColor(k); }));
        rightSwipeGestureView[i]->setDirection(kit::SwipeDirection::right);
    }
    leftSwipeGesture = kit::make<kit::SwipeGesture>(act([](ColorCombinationCell& c, kit::GestureRecognizer&) { c.getRidOfCombination(); }));
    leftSwipeGesture->setDirection(kit::SwipeDirection::left);
    moreTapGesture = kit::make<kit::TapGesture>(act([](ColorCombinationCell& c, kit::GestureRecognizer&) { c.moreTapped(); }));
}

void ColorCombinationCell::clearRecognizers() {
    removeGestureRecognizer(leftSwipeGesture.get());
    moreView->removeGestureRecognizer(moreTapGesture.get());
    for (auto& band : views) {
        if (!band) continue;
        for (std::size_t i = 0; i < 4; ++i) {
            band->removeGestureRecognizer(longPressGestureView[i].get());
            band->removeGestureRecognizer(tapGestureView[i].get());
            band->removeGestureRecognizer(rightSwipeGestureView[i].get());
        }
    }
}

void ColorCombinationCell::configure(const colour::ColorCombination& combination,
                                     const std::shared_ptr<kit::ViewController>& screen) {
    colorCombId = combination.id;
    viewController = screen;
    colorCombination = combination;
    numberOfColors = combination.numberOfColors;

    // A reused card drops the bands, labels and recognisers of its previous combination.
    clearRecognizers();
    for (auto& band : shownBands_) band->removeFromSuperview();
    shownBands_.clear();
    for (std::size_t i = 0; i < 4; ++i) {
        views[i] = kit::make<BandView>();
        labels[i] = kit::make<kit::Label>();
        labels[i]->setTextColor(kit::Color::whiteColor());
        labels[i]->setFont(app::Fonts::lightFont18());
        labels[i]->setTextAlignment(kit::TextAlignment::center);
        labels[i]->setTranslatesAutoresizingMaskIntoConstraints(false);
    }

    const auto heights = bandHeights(numberOfColors);
    const int n = heights.empty() ? 1 : static_cast<int>(heights.size());
    for (int k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        auto& band = views[i];
        const auto c = colorAt(combination, k);
        if (c) band->setBackgroundColor(*c);
        labels[i]->setText(colour::colorCodeString(c));
        labels[i]->setTextColor(c ? captionColor(*c) : kit::Color::whiteColor());
        bgView->addSubview(band);
        shownBands_.push_back(band);
        if (n == 1) {
            app::anchor(*band, bgView->topAnchor(), bgView->leftAnchor(), bgView->bottomAnchor(), bgView->rightAnchor());
            continue;
        }
        const auto top = k == 1 ? bgView->topAnchor() : views[i - 1]->bottomAnchor();
        app::anchor(*band, top, bgView->leftAnchor(), std::nullopt, bgView->rightAnchor(), 0, 0, 0, 0, 0,
                    heights[i]);
        if (k == n) Constraint::activate({band->bottomAnchor().equalTo(bgView->bottomAnchor())});
        if (k >= 2) {
            auto* shadowed = static_cast<BandView*>(band.get());
            shadowed->shadow = app::makeShadowLayer(*band);
            band->layer()->addSublayer(shadowed->shadow);
        }
    }
    for (std::size_t i = 0; i < 4; ++i) {
        views[i]->addSubview(labels[i]);
        Constraint::activate({labels[i]->centerXAnchor().equalTo(views[i]->centerXAnchor()),
                              labels[i]->centerYAnchor().equalTo(views[i]->centerYAnchor())});
    }

    moreView->removeFromSuperview();
    if (numberOfColors != 1) {
        bgView->addSubview(moreView);
        app::anchor(*moreView, bgView->topAnchor(), std::nullopt, std::nullopt, bgView->rightAnchor(), 0, 0, 0, 0, 30, 30);
    }

    if (numberOfColors != 1)
        for (std::size_t i = 0; i < 4; ++i) views[i]->addGestureRecognizer(longPressGestureView[i]);
    addGestureRecognizer(leftSwipeGesture);
    for (std::size_t i = 0; i < 4; ++i) views[i]->addGestureRecognizer(tapGestureView[i]);
    moreView->addGestureRecognizer(moreTapGesture);
    for (std::size_t i = 0; i < 4; ++i) views[i]->addGestureRecognizer(rightSwipeGestureView[i]);
    for (std::size_t i = 0; i < 4; ++i) {
        longPressGestureView[i]->setDelaysTouchesBegan(true);
        tapGestureView[i]->setDelaysTouchesBegan(true);
        rightSwipeGestureView[i]->setDelaysTouchesBegan(true);
    }
    leftSwipeGesture->setDelaysTouchesBegan(true);
    moreTapGesture->setDelaysTouchesBegan(true);
}

void ColorCombinationCell::saveToBuffer(int k) {
    const auto c = views[static_cast<std::size_t>(k - 1)]->backgroundColor();
    app::copyColorToClipboard(c ? std::optional<std::string>(colour::hexString(*c)) : std::nullopt);
}

void ColorCombinationCell::saveToSingle(int k) {
    app::saveSingleColor(views[static_cast<std::size_t>(k - 1)]->backgroundColor());
}

void ColorCombinationCell::openInDcwColor(int k) {
    if (!swipeRight_.take()) return;
    auto screen = viewController.lock();
    openInDigitalWheel(views[static_cast<std::size_t>(k - 1)]->backgroundColor(),
                       screen ? screen->navigationController().get() : nullptr);
}

void ColorCombinationCell::getRidOfCombination() { confirmDelete(); }

void ColorCombinationCell::confirmDelete() {
    if (colorCombination && (colorCombination->tag == "abstract" || colorCombination->tag == "digital")) return;
    auto screen = viewController.lock();
    if (colorCombId == -1 || !screen) return;
    using app::Strings::text;
    auto alert = kit::AlertController::make(text("Delete"), text("Do you want to delete this combination?"),
                                            kit::AlertControllerStyle::alert);
    std::weak_ptr<ColorCombinationCell> weak = std::static_pointer_cast<ColorCombinationCell>(shared_from_this());
    const auto id = colorCombId;
    alert->addAction(kit::AlertAction::make(text("Yes"), kit::AlertActionStyle::destructive, [weak, id](kit::AlertAction&) {
        if (auto cell = weak.lock()) cell->deleteCombination(id);
    }));
    alert->addAction(kit::AlertAction::make(text("No"), kit::AlertActionStyle::cancel));
    screen->presentViewController(alert, true);
}

void ColorCombinationCell::deleteCombination(std::int32_t id) {
    auto& delegate = app::delegate();
    auto context = delegate.persistentContainer().viewContext();
    auto request = app::CustomColorCombination::fetchRequest();
    request.predicate = kit::Predicate::format("id = %i", static_cast<std::int64_t>(id));
    request.returnsObjectsAsFaults = false;
    std::optional<kit::StoreError> error;
    const auto found = context->fetch(request, error);
    if (error) return app::reportFetchFailure(*error);
    for (const auto& object : found) context->deleteObject(object);
    delegate.saveContext();
    kit::NotificationCenter::defaultCenter().post("distantUpdate");
}

void ColorCombinationCell::moreTapped() { showMoreMenu(); }

void ColorCombinationCell::showMoreMenu() {
    app::lightImpact();
    using app::Strings::text;
    auto alert = kit::AlertController::make(text("More") + ":", "", kit::AlertControllerStyle::alert);
    std::weak_ptr<ColorCombinationCell> weak = std::static_pointer_cast<ColorCombinationCell>(shared_from_this());
    const auto item = [&](const std::string& title, void (ColorCombinationCell::*effect)()) {
        alert->addAction(kit::AlertAction::make(title, kit::AlertActionStyle::defaultStyle, [weak, effect](kit::AlertAction&) {
            if (auto cell = weak.lock()) ((*cell).*effect)();
        }));
    };
    item(text("Open in editor"), &ColorCombinationCell::openInEditor);
    item(text("Open in") + " " + kit::text::lowercased(text("Light tool")), &ColorCombinationCell::openInLightTool);
    item(text("Save as image"), &ColorCombinationCell::saveAsImage);
    item(text("Add to") + " \"" + text("Liked") + "\"", &ColorCombinationCell::addToLiked);
    item(text("Preview as chart"), &ColorCombinationCell::previewAsChart);
    alert->addAction(kit::AlertAction::make(text("Cancel"), kit::AlertActionStyle::defaultStyle));
    if (auto screen = viewController.lock()) screen->presentViewController(alert, true);
}

void ColorCombinationCell::pushOnViewController(const std::shared_ptr<kit::ViewController>& screen) {
    auto owner = viewController.lock();
    if (!owner) return;
    if (auto nav = owner->navigationController()) nav->pushViewController(screen, true);
}

void ColorCombinationCell::openInEditor() {
    if (!colorCombination || colorCombination->numberOfColors < 2) return;
    auto editor = kit::make<wheels::DcwEditCcVC>();
    editor->numberOfColors = colorCombination->numberOfColors;
    editor->setColor(1, colorCombination->color1);
    editor->setColor(2, colorCombination->color2);
    editor->setColor(3, colorCombination->color3);
    editor->setColor(4, colorCombination->color4);
    editor->withHue = false;
    pushOnViewController(editor);
}

void ColorCombinationCell::openInLightTool() {
    auto light = kit::make<tools::LightVC>();
    light->colorsArray = colorsOfCombination();
    pushOnViewController(light);
}

void ColorCombinationCell::saveAsImage() {
    if (numberOfColors < 2 || numberOfColors > 4) return;
    auto screen = std::dynamic_pointer_cast<CcImageVC>(kit::Storyboard::named("Main")->instantiateViewController("CcImageVC"));
    if (!screen) return;
    screen->colors = colorsOfCombination();
    pushOnViewController(screen);
}

void ColorCombinationCell::addToLiked() { app::saveLikedCombination(colorCombination); }

void ColorCombinationCell::previewAsChart() {
    auto screen = kit::Storyboard::named("Main")->instantiateViewController("PieChartVC");
    // Only the chart preview takes the colours; any other scene (or none) is not opened.
    if (!screen) return;
    if (!tools::setUpChartPreview(*screen, colorsOfCombination(), false)) {
        auto receiver = std::dynamic_pointer_cast<wheels::ColorsReceiver>(screen);
        if (!receiver) return;
        receiver->setColors(colorsOfCombination());
    }
    pushOnViewController(screen);
}

std::vector<kit::Color> ColorCombinationCell::colorsOfCombination() const {
    std::vector<kit::Color> out;
    if (!colorCombination) return out;
    const int n = colorCombination->numberOfColors;
    if (n < 1 || n > 4) return out;
    for (int k = 1; k <= n; ++k)
        if (auto c = colorAt(*colorCombination, k)) out.push_back(*c);
    return out;
}

} // namespace combinations
